# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# Cross-compiling for Debian's armhf (Raspberry Pi OS, 32-bit). The
# compiler's defaults are Debian's armhf baseline: ARMv7-A, Thumb-2, VFPv3-D16
# with hardware floating point, no NEON, so the programs run on every Pi from
# the Pi 2 on.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(cross_triplet arm-linux-gnueabihf)
set(cross_qemu qemu-arm-static)
set(DEB_HOST_ARCH armhf)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
