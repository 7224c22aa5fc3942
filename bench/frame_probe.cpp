// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// LD_PRELOAD probe for the frame benchmarks, never linked into the programs:
// appends "C ns" at each glClear (a frame starts), "F ns" at each glFlush and
// "S ns" at each glXSwapBuffers and "T ns" at each glutPostRedisplay (a
// timer tick asks for its frame) (CLOCK_MONOTONIC) to the file named by
// FRAME_PROBE_OUT, and the GL renderer and version once as "R text".
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

static int out = -2; // the record file, -1 if none was asked for

static void record(char kind)
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (out == -2) {
        const char *path = std::getenv("FRAME_PROBE_OUT");
        out = path != nullptr ? open(path, O_WRONLY | O_CREAT | O_APPEND, 0644) : -1;
    }
    if (out < 0)
        return;
    char line[64];
    const int length = std::snprintf(line, sizeof line, "%c %lld\n", kind,
                                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    // One write per event, so the record survives the process being killed.
    if (write(out, line, static_cast<size_t>(length)) != length)
        out = -1;
}

template <typename Function> static Function real(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

extern "C" void glClear(GLbitfield mask)
{
    static auto next = real<void (*)(GLbitfield)>("glClear");
    static bool named = false;
    record('C');
    next(mask);
    if (!named && out >= 0) {
        named = true;
        const char *renderer = reinterpret_cast<const char *>(glGetString(GL_RENDERER));
        const char *version = reinterpret_cast<const char *>(glGetString(GL_VERSION));
        char line[512];
        const int length =
            std::snprintf(line, sizeof line, "R %s, OpenGL %s\n", renderer != nullptr ? renderer : "unknown",
                          version != nullptr ? version : "unknown");
        if (write(out, line, static_cast<size_t>(length)) != length)
            out = -1;
    }
}

extern "C" void glFlush()
{
    static auto next = real<void (*)()>("glFlush");
    next();
    record('F');
}

extern "C" void glutPostRedisplay()
{
    static auto next = real<void (*)()>("glutPostRedisplay");
    record('T');
    next();
}

extern "C" void glXSwapBuffers(Display *dpy, GLXDrawable drawable)
{
    static auto next = real<void (*)(Display *, GLXDrawable)>("glXSwapBuffers");
    next(dpy, drawable);
    record('S');
}
