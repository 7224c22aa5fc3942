// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// On X the toolkit writes its fatal messages to the terminal itself. One
// failure it leaves to Xlib: a server without indirect GLX (Xvfb, and Xorg
// since 1.17 unless started with +iglx) refuses -indirect's context with a
// protocol error, which Xlib's default handler reports as a raw request
// dump. That one gets a line that says what happened.
#include "startup_failure.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

static const int firstExtensionRequest = 128; // core X requests use the codes below
// GLX's requests that create a context (CreateContext, CreateNewContext,
// CreateContextAttribsARB in the GLX protocol).
static const int createContextRequests[] = {3, 24, 34};

static XErrorHandler xlibHandler = nullptr; // the handler in place before ours

static int reportRefusedIndirect(Display *display, XErrorEvent *error)
{
    const bool createsContext = std::find(std::begin(createContextRequests), std::end(createContextRequests),
                                          error->minor_code) != std::end(createContextRequests);
    if (error->request_code >= firstExtensionRequest && createsContext) {
        std::fputs("the display refuses indirect rendering (-indirect): run without it, or start the X server "
                   "with +iglx\n",
                   stderr);
        std::exit(EXIT_FAILURE);
    }
    return xlibHandler(display, error);
}

void reportStartupFailures(const char *, bool indirect)
{
    // Installed only where -indirect is asked for: the normal start-up keeps
    // Xlib's handler.
    if (indirect)
        xlibHandler = XSetErrorHandler(reportRefusedIndirect);
}
