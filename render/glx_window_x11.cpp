// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// On X the window's size is held by grabbing the server: no other client's
// resize is carried out between asking the size and the renderer's own
// asking, which it does at the first call of each frame. The grab lasts two
// round trips.
#include "drawable_size.h"
#include "glx_window.h"
#include "scene_renderer.h"

#include <X11/Xlib.h>

static Display *grabbed = nullptr; // the connection that holds the grab, if any

bool currentGlxWindow(Display *&display, GLXDrawable &window)
{
    display = glXGetCurrentDisplay();
    window = glXGetCurrentDrawable();
    return display != nullptr && window != None;
}

bool holdDrawableSize(ViewSize &size)
{
    Display *display = nullptr;
    GLXDrawable window = None;
    if (!currentGlxWindow(display, window))
        return false;
    XGrabServer(display);
    grabbed = display;
    Window root = None;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    if (XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth) == 0) {
        releaseDrawableSize();
        return false;
    }
    size = {static_cast<int>(width), static_cast<int>(height)};
    return true;
}

void releaseDrawableSize()
{
    if (grabbed == nullptr)
        return;
    XUngrabServer(grabbed);
    XFlush(grabbed); // at once: every other client waits while it lasts
    grabbed = nullptr;
}
