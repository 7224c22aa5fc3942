// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// In a web page the toolkit's fatal messages go, worded as on X, to the
// standard error stream, which the page shows. The toolkit's own ending
// would leave the page's program "running" with nothing drawn; this one
// ends it, so that the page shows the message in place of the picture.
#include "startup_failure.h"

#include <GL/freeglut.h>
#include <GL/freeglut_ucall.h>
#include <emscripten.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

static void reportToolkitFailure(const char *format, va_list arguments, void *programName)
{
    std::fprintf(stderr, "freeglut (%s): ", static_cast<const char *>(programName));
    std::vfprintf(stderr, format, arguments);
    std::fputc('\n', stderr);
    emscripten_force_exit(EXIT_FAILURE);
}

void reportStartupFailures(const char *programName, bool)
{
    glutInitErrorFuncUcall(reportToolkitFailure, const_cast<char *>(programName));
}
