// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// On Windows the toolkit answers the window's size requests itself; a size
// past the renderer's is only not drawn.
#include "window_limit.h"

void limitWindowSize(int, int) {}
