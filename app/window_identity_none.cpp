// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Where the window system does not take a window's class and icon from the
// program: on Windows the toolkit registers its own window class and gives
// every window the executable's GLUT_ICON resource, and answers the window's
// size requests itself; a size past the renderer's is only not drawn.
#include "scene_renderer.h"
#include "window_identity.h"

void identifyWindow(const WindowClass &, ViewSize) {}
