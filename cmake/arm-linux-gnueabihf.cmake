# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Cross-compiling for Debian's armhf (Raspberry Pi OS, 32-bit) with Debian's
# cross compiler against the :armhf libraries that multiarch installs beside
# the build machine's own. The compiler's defaults are Debian's armhf
# baseline: ARMv7-A, Thumb-2, VFPv3-D16 with hardware floating point, no
# NEON, so the programs run on every Pi from the Pi 2 on. Test programs run
# through qemu-user, started explicitly, as no binfmt_misc handler may be
# registered.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm-static)
# Debian's name for the architecture: the package's, and the one
# dpkg-buildflags is asked about.
set(DEB_HOST_ARCH armhf)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE armhf)
# pkg-config reads the :armhf libraries' .pc files, not the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/arm-linux-gnueabihf/pkgconfig:/usr/share/pkgconfig)
