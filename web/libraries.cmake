# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The browser build's libraries, as scripts/build-web.sh installs them under
# WEB_THIRD_PARTY: freeglut's SDL2 backend over SDL2, gl4es for the desktop
# GL API over WebGL, and GLU built against gl4es's headers.
if(NOT EMSCRIPTEN OR NOT EXISTS "${WEB_THIRD_PARTY}/lib/libglut.a")
  message(FATAL_ERROR "VELMORA_WEB: configure with cmake/emscripten.cmake and WEB_THIRD_PARTY; make web does both")
endif()
foreach(library GL GLU SDL2)
  add_library(web_${library} STATIC IMPORTED)
  set_target_properties(web_${library} PROPERTIES IMPORTED_LOCATION ${WEB_THIRD_PARTY}/lib/lib${library}.a)
endforeach()
add_library(OpenGL::GL INTERFACE IMPORTED)
set_target_properties(OpenGL::GL PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${WEB_THIRD_PARTY}/include
  INTERFACE_LINK_LIBRARIES web_GL)
add_library(OpenGL::GLU INTERFACE IMPORTED)
set_target_properties(OpenGL::GLU PROPERTIES INTERFACE_LINK_LIBRARIES "web_GLU;OpenGL::GL")
# freeglut before GLU and gl4es, which it calls; SDL2 last.
add_library(GLUT::GLUT STATIC IMPORTED)
set_target_properties(GLUT::GLUT PROPERTIES IMPORTED_LOCATION ${WEB_THIRD_PARTY}/lib/libglut.a
  INTERFACE_INCLUDE_DIRECTORIES ${WEB_THIRD_PARTY}/include
  INTERFACE_COMPILE_DEFINITIONS "FREEGLUT_SDL2;FREEGLUT_SDL2_GL4ES"
  INTERFACE_LINK_LIBRARIES "OpenGL::GLU;OpenGL::GL;web_SDL2")
# No path of the build machine reaches the pages.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
