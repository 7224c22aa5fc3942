# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The X window's icon (_NET_WM_ICON) as C++ data: packaging/velmora.svg
# rendered at 16, 32 and 48 px, turned into ARGB rows by tools/argb_icon.cpp
# (libpng). Sets window_icon_source to the generated file.
include(${CMAKE_CURRENT_LIST_DIR}/icon-images.cmake)
require_package(PNG libpng-dev VELMORA_ICON)
render_icon(x_icon_images 16 32 48)
# A cross-build runs the generator built for the build machine.
if(CMAKE_CROSSCOMPILING)
  include(${CMAKE_CURRENT_LIST_DIR}/host-tools.cmake)
else()
  add_executable(argb_icon ${PROJECT_SOURCE_DIR}/tools/argb_icon.cpp)
  target_link_libraries(argb_icon PRIVATE PNG::PNG)
endif()
set(window_icon_source ${CMAKE_CURRENT_BINARY_DIR}/window_icon.cpp)
add_custom_command(OUTPUT ${window_icon_source}
  COMMAND $<TARGET_FILE:argb_icon> ${window_icon_source} ${x_icon_images}
  DEPENDS argb_icon ${x_icon_images} VERBATIM)
