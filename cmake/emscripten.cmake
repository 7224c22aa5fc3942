# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The browser build: Emscripten's own toolchain file, as emcmake passes it,
# from Debian's emscripten package. scripts/build-web.sh sets the private
# cache (EM_CACHE) it compiles with.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
