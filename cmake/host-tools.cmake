# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# A cross-build's generators (tools/host), built for the build machine by its
# native compiler in a folder of their own, before anything that runs them:
# the executable target argb_icon stands for the icon generator built there.
include(ExternalProject)
set(host_tools ${CMAKE_BINARY_DIR}/host-tools)
ExternalProject_Add(host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/host
  BINARY_DIR ${host_tools}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${host_tools}/argb_icon)
add_executable(argb_icon IMPORTED)
set_target_properties(argb_icon PROPERTIES IMPORTED_LOCATION ${host_tools}/argb_icon)
add_dependencies(argb_icon host_tools)
