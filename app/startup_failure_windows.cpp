// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// A Windows GUI program has no console: the toolkit's fatal messages (a
// -geometry without a value, no usable pixel format) would go nowhere, and a
// double-click would do nothing visible. They are shown in a message box.
#include "startup_failure.h"

#include <GL/freeglut.h>
#include <GL/freeglut_ucall.h>
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

static const int messageLength = 1024; // freeglut's messages are a line or two

static void showFatalMessage(const char *format, va_list arguments, void *programName)
{
    char text[messageLength];
    std::vsnprintf(text, sizeof text, format, arguments);
    MessageBoxA(nullptr, text, static_cast<const char *>(programName), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    // The toolkit goes on after a handler returns; it ends the program only
    // where none is set.
    std::exit(EXIT_FAILURE);
}

void reportStartupFailures(const char *programName, bool)
{
    glutInitErrorFuncUcall(showFatalMessage, const_cast<char *>(programName));
}
