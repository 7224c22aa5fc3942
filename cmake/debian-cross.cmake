# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# What a cross-build for one of Debian's architectures sets, included by its
# toolchain file after it names cross_triplet (the GNU triplet), cross_qemu
# (the qemu-user that runs its test programs, started explicitly, as no
# binfmt_misc handler may be registered), CMAKE_SYSTEM_PROCESSOR and
# DEB_HOST_ARCH (Debian's name: the package's, and the one dpkg-buildflags is
# asked about). Debian's cross compiler builds against the libraries of that
# architecture that multiarch installs beside the build machine's own.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${cross_triplet}-gcc)
set(CMAKE_CXX_COMPILER ${cross_triplet}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${cross_triplet})
set(CMAKE_CROSSCOMPILING_EMULATOR ${cross_qemu})
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${DEB_HOST_ARCH})
# pkg-config reads that architecture's .pc files, not the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${cross_triplet}/pkgconfig:/usr/share/pkgconfig)
