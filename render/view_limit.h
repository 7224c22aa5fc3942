// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Whether the window's size is one the renderer can draw, shared by the
// render layer's files.
#pragma once

// Notes the window's new size; false where it is past the largest view.
bool noteViewSize(int width, int height);

// Whether the size last noted can be drawn.
bool viewFits();
