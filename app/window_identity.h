// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// What tells a desktop which program a window belongs to: the class its
// menu entry names, and the program's icon; and the largest size its window
// manager may give it.
#pragma once

#include "scene_renderer.h"

struct WindowClass {
    const char *instance; // the program's own name
    const char *name;     // the class its desktop entry's StartupWMClass gives
};

// Marks the toolkit's current window with the program's class and icon, and
// asks the window manager to keep it at most largest, where the window
// system takes these from the program; a refusal is ignored.
void identifyWindow(const WindowClass &windowClass, ViewSize largest);
