# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# SANITIZE=ON: everything built with AddressSanitizer and UBSan.
#   sanitize_executables(<directory>...) gives every executable defined in
#   those folders the sanitizers' settings and keeps Mesa's driver loaded, so
#   ctest and the programs it starts need no environment of their own, and
#   leaks inside the driver can be suppressed by name (tests/lsan.supp).
option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

function(sanitize_executables)
  if(NOT SANITIZE)
    return()
  endif()
  find_file(SWRAST_DRIVER swrast_dri.so PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/dri REQUIRED)
  add_library(sanitizer_support OBJECT ${PROJECT_SOURCE_DIR}/tools/sanitizer_support.cpp)
  target_compile_definitions(sanitizer_support PRIVATE
    LSAN_SUPPRESSIONS="${PROJECT_SOURCE_DIR}/tests/lsan.supp" SWRAST_DRIVER="${SWRAST_DRIVER}")
  foreach(directory ${ARGN})
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "EXECUTABLE")
        target_link_libraries(${target} PRIVATE sanitizer_support ${CMAKE_DL_LIBS})
      endif()
    endforeach()
  endforeach()
endfunction()
