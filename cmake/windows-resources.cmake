# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The resources Windows shows of each program (packaging/windows/program.rc.in):
# the icon, packaging/velmora.svg at 16, 32, 48 and 256 px (icoutils), which
# freeglut gives the program's windows, and the version, with the program's
# name and comment from its desktop entry. The icon, WINDOWS_ICON, is the
# installer's too.
#   windows_resources(<program>) adds them to the program.
include(${CMAKE_CURRENT_LIST_DIR}/icon-images.cmake)
require_program(ICOTOOL icotool icoutils VELMORA_ICON)

# 256 px is kept as PNG inside the icon, as Windows reads its largest size.
render_icon(small_icons 16 32 48)
render_icon(large_icon 256)
set(WINDOWS_ICON ${CMAKE_BINARY_DIR}/icon/velmora.ico)
add_custom_command(OUTPUT ${WINDOWS_ICON}
  COMMAND ${ICOTOOL} --create --output=${WINDOWS_ICON} ${small_icons} --raw=${large_icon}
  DEPENDS ${small_icons} ${large_icon} VERBATIM)
add_custom_target(program_icon DEPENDS ${WINDOWS_ICON})

function(windows_resources program)
  set(top ${PROJECT_SOURCE_DIR})
  set(icon ${WINDOWS_ICON})
  file(STRINGS ${top}/LICENSE copyright REGEX "^Copyright" LIMIT_COUNT 1)
  # Read here, so CMake configures again when the desktop entry changes.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${top}/packaging/${program}.desktop)
  file(STRINGS ${top}/packaging/${program}.desktop name REGEX "^Name=")
  file(STRINGS ${top}/packaging/${program}.desktop comment REGEX "^Comment=")
  string(REGEX REPLACE "^[A-Za-z]+=" "" name "${name}")
  string(REGEX REPLACE "^[A-Za-z]+=" "" comment "${comment}")
  set(resources ${CMAKE_CURRENT_BINARY_DIR}/${program}.rc)
  configure_file(${top}/packaging/windows/program.rc.in ${resources} @ONLY)
  target_sources(${program} PRIVATE ${resources})
  add_dependencies(${program} program_icon)
  set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS ${WINDOWS_ICON})
endfunction()
