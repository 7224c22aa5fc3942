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

# Each program's name and comment are its desktop entry's: read here, so
# CMake configures again when either file changes.
file(STRINGS LICENSE copyright REGEX "^Copyright" LIMIT_COUNT 1)
foreach(program velmora tarnwick)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/${program}.desktop)
  file(STRINGS packaging/${program}.desktop name REGEX "^Name=")
  file(STRINGS packaging/${program}.desktop comment REGEX "^Comment=")
  string(REGEX REPLACE "^[A-Za-z]+=" "" name "${name}")
  string(REGEX REPLACE "^[A-Za-z]+=" "" comment "${comment}")
  configure_file(packaging/windows/program.rc.in ${program}.rc @ONLY)
  target_sources(${program} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${program}.rc)
  add_dependencies(${program} program_icon)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${program}.rc PROPERTIES OBJECT_DEPENDS ${icon})
  # The linker's account of what it took in, for the third-party notices.
  if(MINGW)
    target_link_options(${program} PRIVATE -Wl,-Map=${CMAKE_BINARY_DIR}/${program}.map)
  endif()
endforeach()

# The downloads: one folder of what a user gets, zipped and put in an installer.
# Their time is SOURCE_DATE_EPOCH's where it is set, so a release rebuilds bit for bit.
# The notices come from the MinGW-w64 link maps, Debian's packages and the
# source freeglut was built from (FREEGLUT_SOURCE_DIR: what
# scripts/fetch-debian-source.sh fetched): the cross build of make windows.
if(NOT MINGW OR NOT FREEGLUT_SOURCE_DIR)
  message(STATUS "No Windows downloads: they are made by scripts/build-windows.sh")
  return()
endif()
find_program(PANDOC pandoc REQUIRED)
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

# Who else's work the executables carry, from the link maps.
set(notices ${stage}/THIRD-PARTY-NOTICES.txt)
add_custom_command(OUTPUT ${notices}
  COMMAND ${CMAKE_COMMAND} -E env OBJDUMP=${CMAKE_OBJDUMP} AR=${CMAKE_AR}
    sh ${PROJECT_SOURCE_DIR}/packaging/windows/third-party-notices.sh ${notices} ${FREEGLUT_SOURCE_DIR}
    ${FREEGLUT_STATIC_ROOT}/lib/libfreeglut_static.a "Third-party notices of Velmora ${PROJECT_VERSION} for 64-bit Windows"
    ${CMAKE_BINARY_DIR}/velmora.map ${CMAKE_BINARY_DIR}/tarnwick.map
  DEPENDS velmora tarnwick packaging/windows/third-party-notices.sh VERBATIM)

# The README and the pages under docs/ as HTML, with their pictures.
file(GLOB pages CONFIGURE_DEPENDS docs/*)
add_custom_command(OUTPUT ${stage}/docs/index.html
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}/docs
  COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/html-pages.sh ${stage}/docs
  DEPENDS scripts/html-pages.sh docs/source/page.html docs/source/pages.css docs/source/html-links.lua
    docs/source/html-legible.lua README.md ${pages} VERBATIM)

add_custom_command(OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:velmora> $<TARGET_FILE:tarnwick> ${stage}
  COMMAND ${CMAKE_COMMAND} -DFOLDER=${download} -DZIP=${zip} -DTIME=${release_time}
    -P ${PROJECT_SOURCE_DIR}/cmake/zip-folder.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS velmora tarnwick ${stage}/README.txt ${stage}/LICENSE.txt ${notices} ${stage}/docs/index.html
    cmake/zip-folder.cmake VERBATIM)

# The installer installs what the zip holds, and its uninstaller removes exactly that.
set(file_lists ${CMAKE_BINARY_DIR}/installed-files.nsh ${CMAKE_BINARY_DIR}/removed-files.nsh)
add_custom_command(OUTPUT ${file_lists}
  COMMAND ${CMAKE_COMMAND} -DFOLDER=${stage} -DINSTALL_LIST=${CMAKE_BINARY_DIR}/installed-files.nsh
    -DUNINSTALL_LIST=${CMAKE_BINARY_DIR}/removed-files.nsh -P ${PROJECT_SOURCE_DIR}/cmake/nsis-file-lists.cmake
  DEPENDS ${zip} cmake/nsis-file-lists.cmake VERBATIM)
add_custom_command(OUTPUT ${setup}
  COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DPUBLISHER=${CPACK_PACKAGE_VENDOR} -DCOPYRIGHT=${copyright}
    -DSTAGE=${stage} -DICON=${icon} -DINSTALLED_FILES=${CMAKE_BINARY_DIR}/installed-files.nsh
    -DREMOVED_FILES=${CMAKE_BINARY_DIR}/removed-files.nsh -DOUTFILE=${setup}
    ${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsi
  DEPENDS ${zip} ${file_lists} ${icon} packaging/windows/installer.nsi VERBATIM)
add_custom_target(downloads ALL DEPENDS ${zip} ${setup})
