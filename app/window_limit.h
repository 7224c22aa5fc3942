// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The largest size the window may take, told to the window manager.
#pragma once

// Asks the window manager to keep the toolkit's current window at most
// width x height, where the window system takes such a request.
void limitWindowSize(int width, int height);
