# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Built as Debian builds its packages: the flags dpkg-buildflags gives a
# package with hardening=+all (stack protector, fortified functions,
# read-only relocations, immediate binding, position-independent), plus
# control-flow protection (x86's CET, arm64's branch protection) and
# stack-clash protection, which Debian 12 leaves out of that set. Where dpkg-buildflags is missing, the same flags as Debian 12's
# dpkg gives them stand written out. No path of the build machine reaches a
# compiled file. The sanitizer build keeps its own flags (fortified
# functions and ASan's interceptors get in each other's way).
option(HARDEN "Build with Debian's hardening flags" ON)
set(HARDENED OFF)
if(NOT HARDEN OR SANITIZE OR WIN32 OR MSVC)
  return()
endif()
set(HARDENED ON)

include(CheckCXXCompilerFlag)
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
  # Only the hardening: optimisation and debug information are the build
  # type's. It runs in an environment of its own, so the builder's
  # DEB_BUILD_OPTIONS (noopt...), DEB_*FLAGS_SET/APPEND/STRIP and
  # DEB_BUILD_MAINT_OPTIONS, and a buildflags.conf in their home, cannot
  # change what is compiled.
  set(dpkg_environment "PATH=$ENV{PATH}" HOME=/nonexistent XDG_CONFIG_HOME=/nonexistent
    "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-all"
    "DEB_CPPFLAGS_MAINT_STRIP=" "DEB_CXXFLAGS_MAINT_STRIP=-g -O2")
  if(DEB_HOST_ARCH) # a cross-build's toolchain file names the architecture built for
    list(APPEND dpkg_environment DEB_HOST_ARCH=${DEB_HOST_ARCH})
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND env -i ${dpkg_environment} ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(debian_${kind} UNIX_COMMAND "${flags}")
  endforeach()
else()
  set(debian_CPPFLAGS -D_FORTIFY_SOURCE=2)
  set(debian_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
  set(debian_LDFLAGS -Wl,-z,relro -Wl,-z,now)
endif()

set(hardening_flags ${debian_CPPFLAGS} ${debian_CXXFLAGS})
foreach(flag -fcf-protection -mbranch-protection=standard -fstack-clash-protection)
  string(MAKE_C_IDENTIFIER "has${flag}" supported)
  check_cxx_compiler_flag(${flag} ${supported})
  if(${supported})
    list(APPEND hardening_flags ${flag})
  endif()
endforeach()
list(REMOVE_DUPLICATES hardening_flags)
add_compile_options(${hardening_flags}
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
add_link_options(${debian_LDFLAGS})
