// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// A window can be made larger than the renderer can draw (a window manager
// or a script may resize it to X's 32767 x 32767): GL then cuts the viewport
// to its largest, so the scene is drawn off centre, and a software renderer
// may not hold the frame at all (Mesa's llvmpipe crashes once the window's
// buffer passes 4 GiB). Such a size is not drawn.
#include "view_limit.h"

#include "scene_renderer.h"

static GLint largest[2] = {0, 0}; // GL_MAX_VIEWPORT_DIMS; 0 until asked: no limit
static bool fits = true;          // the window's current size is drawn

ViewSize largestView()
{
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
    return {largest[0], largest[1]};
}

bool noteViewSize(int width, int height)
{
    fits = largest[0] < 1 || (width <= largest[0] && height <= largest[1]);
    return fits;
}

bool viewFits()
{
    return fits;
}
