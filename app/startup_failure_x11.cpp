// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// On X the toolkit writes its fatal messages to the terminal itself. One
// failure it leaves to Xlib: a server without indirect GLX (Xvfb, and Xorg
// since 1.17 unless started with +iglx) refuses -indirect's context with a
// protocol error, which Xlib's default handler reports as a raw request
// dump. That one gets a line that says what happened, and only that line.
#include "startup_failure.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

static const int firstExtensionRequest = 128; // core X requests use the codes below
// GLX's requests that create a context (CreateContext, CreateNewContext,
// CreateContextAttribsARB in the GLX protocol).
static const int createContextRequests[] = {3, 24, 34};
// How the toolkit's message begins when the context it asked for is not made.
static const char contextFailure[] = "Unable to create OpenGL";

static XErrorHandler xlibHandler = nullptr; // the handler in place before ours
static const char *toolkitProgramName = ""; // names the program in the toolkit's other messages

// Ends at once: the exit handlers would have the toolkit destroy its window,
// which under -sync waits on Xlib from inside its error handler and never
// returns.
[[noreturn]] static void endRefused()
{
    std::fputs("the display refuses indirect rendering (-indirect): run without it, or start the X server "
               "with +iglx\n",
               stderr);
    std::fflush(stderr);
    _exit(EXIT_FAILURE);
}

static int reportRefusedIndirect(Display *display, XErrorEvent *error)
{
    const bool createsContext = std::find(std::begin(createContextRequests), std::end(createContextRequests),
                                          error->minor_code) != std::end(createContextRequests);
    if (error->request_code >= firstExtensionRequest && createsContext)
        endRefused();
    return xlibHandler(display, error);
}

// Without -sync the refusal is still on its way when the toolkit finds it has
// no context, and the toolkit's own message would come first.
static void reportToolkitFailure(const char *format, va_list arguments, void *)
{
    if (std::strncmp(format, contextFailure, sizeof contextFailure - 1) == 0)
        endRefused();
    // Any other message as the toolkit writes it; it ends as the toolkit ends.
    std::fprintf(stderr, "freeglut (%s): ", toolkitProgramName);
    std::vfprintf(stderr, format, arguments);
    std::fputc('\n', stderr);
    std::exit(EXIT_FAILURE);
}

void reportStartupFailures(const char *programName, bool indirect)
{
    // Only where -indirect is asked for: the normal start-up keeps Xlib's
    // handler and the toolkit's messages.
    if (!indirect)
        return;
    toolkitProgramName = programName;
    xlibHandler = XSetErrorHandler(reportRefusedIndirect);
    glutInitErrorFuncUcall(reportToolkitFailure, nullptr);
}
