// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The window's class (WM_CLASS) and icon (_NET_WM_ICON) on X, which the
// toolkit leaves unset: task bars, docks and window rules match a window to
// its desktop entry by class and show the icon beside it. And its largest
// size in its WM_NORMAL_HINTS, beside the place and size the toolkit put
// there, so that a window manager offers no larger one.
#include "window_identity.h"

#include "glx_window.h"
#include "scene_renderer.h"
#include "window_icon.h"

#include <X11/X.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

static int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

static void limitSize(Display *display, Window window, ViewSize largest)
{
    if (largest.width < 1 || largest.height < 1)
        return;
    XSizeHints hints = {};
    long supplied = 0;
    if (XGetWMNormalHints(display, window, &hints, &supplied) == 0)
        hints = XSizeHints{};
    hints.flags |= PMaxSize;
    hints.max_width = largest.width;
    hints.max_height = largest.height;
    XSetWMNormalHints(display, window, &hints);
}

void identifyWindow(const WindowClass &windowClass, ViewSize largest)
{
    Display *display = nullptr;
    GLXDrawable window = None;
    if (!currentGlxWindow(display, window))
        return; // no GLX window: nothing of ours to mark

    // Xlib's default handler would end the program on a refused request;
    // marks a desktop may do without are not worth that. Earlier requests
    // are settled first, so only errors of these are ignored.
    XSync(display, False);
    const XErrorHandler previous = XSetErrorHandler(ignoreError);
    XClassHint hint = {const_cast<char *>(windowClass.instance), const_cast<char *>(windowClass.name)};
    XSetClassHint(display, window, &hint);
    if (windowIconLength > 0) // built with an icon
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(windowIcon), static_cast<int>(windowIconLength));
    limitSize(display, window, largest);
    XSync(display, False);
    XSetErrorHandler(previous);
}
