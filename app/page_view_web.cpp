// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// In a web page the canvas is the window, and the page, not a window
// manager, changes its size on screen: the page's script asks for the new
// size here, and the toolkit resizes the canvas and calls the reshape
// callback, as for a window resized on a desktop.
#include <GL/freeglut.h>
#include <emscripten.h>

extern "C" EMSCRIPTEN_KEEPALIVE void resizeView(int width, int height)
{
    if (width > 0 && height > 0)
        glutReshapeWindow(width, height);
}
