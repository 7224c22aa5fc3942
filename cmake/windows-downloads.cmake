# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# What a Windows user receives: each program carrying its icon and version
# resource, and beside the executables the two downloads, a zip of both
# programs and an installer (NSIS, packaging/windows/installer.nsi).
include(${CMAKE_CURRENT_LIST_DIR}/icon-images.cmake)
find_program(ICOTOOL icotool REQUIRED)
find_program(MAKENSIS makensis REQUIRED)
find_program(ZIP zip REQUIRED)

# 256 px is kept as PNG inside the icon, as Windows reads its largest size.
render_icon(small_icons 16 32 48)
render_icon(large_icon 256)
set(icon ${CMAKE_BINARY_DIR}/icon/velmora.ico)
add_custom_command(OUTPUT ${icon}
  COMMAND ${ICOTOOL} --create --output=${icon} ${small_icons} --raw=${large_icon}
  DEPENDS ${small_icons} ${large_icon} VERBATIM)
add_custom_target(program_icon DEPENDS ${icon})

# Each program's name and comment are its desktop entry's.
file(STRINGS LICENSE copyright REGEX "^Copyright" LIMIT_COUNT 1)
foreach(program velmora tarnwick)
  file(STRINGS packaging/${program}.desktop name REGEX "^Name=")
  file(STRINGS packaging/${program}.desktop comment REGEX "^Comment=")
  string(REGEX REPLACE "^[A-Za-z]+=" "" name "${name}")
  string(REGEX REPLACE "^[A-Za-z]+=" "" comment "${comment}")
  configure_file(packaging/windows/program.rc.in ${program}.rc @ONLY)
  target_sources(${program} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${program}.rc)
  add_dependencies(${program} program_icon)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${program}.rc PROPERTIES OBJECT_DEPENDS ${icon})
endforeach()

# The downloads: one folder of what a user gets, zipped and put in an installer.
# Their time is SOURCE_DATE_EPOCH's where it is set, so a release rebuilds bit for bit.
set(download velmora-${PROJECT_VERSION}-win64)
set(stage ${CMAKE_BINARY_DIR}/${download})
set(downloads_dir ${CMAKE_BINARY_DIR})
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(downloads_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endif()
set(zip ${downloads_dir}/${download}.zip)
set(setup ${downloads_dir}/${download}-setup.exe)
configure_file(packaging/windows/README.txt ${stage}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE ${stage}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
string(TIMESTAMP release_time "%Y-%m-%d %H:%M:%S UTC" UTC)
set(members LICENSE.txt README.txt tarnwick.exe velmora.exe)
list(TRANSFORM members PREPEND ${download}/)

add_custom_command(OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:velmora> $<TARGET_FILE:tarnwick> ${stage}
  COMMAND touch --date=${release_time} ${members}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  # Without the extra fields (owner, access and change times), in UTC.
  COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -X -q ${zip} ${members}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS velmora tarnwick ${stage}/README.txt ${stage}/LICENSE.txt VERBATIM)
add_custom_command(OUTPUT ${setup}
  COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DPUBLISHER=${CPACK_PACKAGE_VENDOR} -DCOPYRIGHT=${copyright}
    -DSTAGE=${stage} -DICON=${icon} -DOUTFILE=${setup} ${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsi
  DEPENDS ${zip} ${icon} packaging/windows/installer.nsi VERBATIM)
add_custom_target(downloads ALL DEPENDS ${zip} ${setup})
