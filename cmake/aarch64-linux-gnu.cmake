# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Cross-compiling for Debian's arm64 (Raspberry Pi OS, 64-bit) with Debian's
# cross compiler against the :arm64 libraries that multiarch installs beside
# the build machine's own. Test programs run through qemu-user, started
# explicitly, as no binfmt_misc handler may be registered.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)
# Debian's name for the architecture: the package's, and the one
# dpkg-buildflags is asked about.
set(DEB_HOST_ARCH arm64)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
# pkg-config reads the :arm64 libraries' .pc files, not the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
