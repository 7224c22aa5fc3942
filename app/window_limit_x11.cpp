// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The window's largest size in its WM_NORMAL_HINTS, beside the place and size
// the toolkit put there, so that a window manager offers no larger one.
#include "window_limit.h"

#include <GL/glx.h>
#include <X11/X.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

void limitWindowSize(int width, int height)
{
    // The toolkit's own connection and window, through the context it made current.
    Display *display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (display == nullptr || window == None || width < 1 || height < 1)
        return;
    XSizeHints hints = {};
    long supplied = 0;
    if (XGetWMNormalHints(display, window, &hints, &supplied) == 0)
        hints = XSizeHints{};
    hints.flags |= PMaxSize;
    hints.max_width = width;
    hints.max_height = height;
    XSetWMNormalHints(display, window, &hints);
}
