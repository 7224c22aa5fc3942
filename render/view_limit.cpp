// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// A window can be made larger than the renderer can draw (a window manager
// or a script may resize it to X's 32767 x 32767): GL then cuts the viewport
// to its largest, so the scene is drawn off centre, and a software renderer
// may not hold the frame at all (Mesa's llvmpipe bins a frame in tiles for
// 16384 x 16384 at most, and writes past them). Such a size is not drawn,
// whether the reshape callback or only the window itself has it yet.
#include "view_limit.h"

#include "drawable_size.h"
#include "scene_renderer.h"

static GLint largest[2] = {0, 0}; // GL_MAX_VIEWPORT_DIMS; 0 until asked: no limit
static bool fits = true;          // the size the reshape callback last saw is drawn

ViewSize largestView()
{
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
    return {largest[0], largest[1]};
}

static bool withinLargest(int width, int height)
{
    return largest[0] < 1 || (width <= largest[0] && height <= largest[1]);
}

bool noteViewSize(int width, int height)
{
    fits = withinLargest(width, height);
    return fits;
}

bool holdFrameSize()
{
    if (!fits)
        return false;
    ViewSize window = {0, 0};
    if (!holdDrawableSize(window) || withinLargest(window.width, window.height))
        return true;
    releaseDrawableSize();
    return false;
}
