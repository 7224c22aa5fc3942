# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# What a part of the build needs from the system. A part switched on whose
# tool or library is missing stops here with one line: the Debian package to
# install and, for the parts beyond the programs, the options (of those
# switched on) that leave out what needs it.
#   require_program(<variable> <program> <package> [<option>...])
#   require_package(<name> <package> "<option>;..." [find_package arguments...])

function(missing what package)
  set(line "${what} not found: install the Debian package ${package}")
  set(switches "")
  foreach(option ${ARGN})
    if(${option})
      string(APPEND switches " -D${option}=OFF")
    endif()
  endforeach()
  if(switches)
    string(APPEND line ", or configure with${switches}")
  endif()
  # Printed whole, as CMake would wrap an error's text.
  message(NOTICE "${line}")
  message(FATAL_ERROR "${what} is missing")
endfunction()

function(require_program variable program package)
  find_program(${variable} ${program})
  if(NOT ${variable})
    missing(${program} ${package} ${ARGN})
  endif()
endfunction()

# A macro, so the package's variables and targets land where it is called.
macro(require_package name package options)
  find_package(${name} ${ARGN} QUIET)
  if(NOT ${name}_FOUND)
    missing(${name} ${package} ${options})
  endif()
endmacro()
