// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// LD_PRELOAD probe for the frame benchmarks, never linked into the programs:
// imitates a display whose driver holds each buffer swap until the next
// refresh, as most desktop OpenGL drivers do for a double-buffered window by
// default. With HELD_SWAP_HZ set to a refresh rate, every glXSwapBuffers
// returns only at the next refresh, refreshes falling on whole multiples of
// the refresh period of CLOCK_MONOTONIC. glFlush is left alone, as drivers
// leave it.
#include <GL/glx.h>
#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

static long long refreshNs = -1; // refresh period, ns; 0 when swaps are not held

extern "C" void glXSwapBuffers(Display *dpy, GLXDrawable drawable)
{
    static auto next = reinterpret_cast<void (*)(Display *, GLXDrawable)>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    next(dpy, drawable);
    if (refreshNs < 0) {
        const char *hz = std::getenv("HELD_SWAP_HZ");
        const double rate = hz != nullptr ? std::strtod(hz, nullptr) : 0.0;
        refreshNs = rate > 0.0 ? static_cast<long long>(1e9 / rate) : 0; // no rate: nothing held
    }
    if (refreshNs == 0)
        return;
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long nowNs = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    const long long refresh = (nowNs / refreshNs + 1) * refreshNs;
    const timespec until = {static_cast<time_t>(refresh / 1000000000LL), static_cast<long>(refresh % 1000000000LL)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {}
}
