// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Whether the window's size is one the renderer can draw, shared by the
// render layer's files.
#pragma once

// Notes the window's new size; false where it is past the largest view.
bool noteViewSize(int width, int height);

// Whether a frame can be drawn now: the size last noted fits, and so does
// the window's own, which a resize not yet reshaped may have changed. Where
// true, the window's size is held until releaseDrawableSize, which the
// frame calls once its first call has sized the renderer's buffer.
bool holdFrameSize();
