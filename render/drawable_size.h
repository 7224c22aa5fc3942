// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The window's size as the renderer will find it when a frame starts: Mesa
// sizes the frame's buffer from the window itself, whether or not the
// program's reshape callback has seen that size yet.
#pragma once

#include "scene_renderer.h"

// Asks the window system for the window's size and holds it there until
// releaseDrawableSize; false, holding nothing, where it cannot be asked.
bool holdDrawableSize(ViewSize &size);
void releaseDrawableSize();
