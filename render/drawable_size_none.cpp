// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Where the renderer does not size its buffer behind the program's back
// (Windows), the size the reshape callback saw stands.
#include "drawable_size.h"
#include "scene_renderer.h"

bool holdDrawableSize(ViewSize &)
{
    return false;
}

void releaseDrawableSize() {}
