// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// In a web page the toolkit's loop runs once per frame the browser shows and
// fires a due timer once per pass, so a 20 ms timer re-armed at each tick
// would tick every second frame: 30 a second at 60 Hz. Here the ticks keep
// to the page's clock instead: every tick due is run in the pass that finds
// it due. A double-buffered program waits for the display at each swap, so
// it takes at most one tick per frame shown, as on a desktop.
#include "animation_timer.h"

#include "pendulum_model.h"
#include "scene_style.h"

#include <GL/freeglut.h>
#include <emscripten.h>

// Further behind than this (a hidden tab, a stalled page) the ticks missed
// are dropped, as a late tick is never made up on a desktop.
static const double largestLagMs = 250.0;

static double periodMs = 0.0;   // simulated step's share of real time, ms
static double nextTickMs = 0.0; // when the next tick is due, on the page's clock

void startAnimationTimer(unsigned int period)
{
    periodMs = period;
    nextTickMs = emscripten_get_now();
    glutTimerFunc(0, onTimer, 0);
}

// The simulated time, s, for the page's script (the browser's console, the
// tests), as the canvas shows it only as pixels.
extern "C" EMSCRIPTEN_KEEPALIVE double simulatedTime()
{
    return pendulumState().t;
}

void onTimer(int)
{
    const double now = emscripten_get_now();
    if (now - nextTickMs > largestLagMs)
        nextTickMs = now;
    const int mostTicks = sceneStyle().presentation == FramePresentation::swapBuffers ? 1 : 1000;
    int ticks = 0;
    for (; nextTickMs <= now && ticks < mostTicks; ++ticks) {
        stepSimulation();
        nextTickMs += periodMs;
    }
    if (ticks > 0)
        glutPostRedisplay();
    // At least 1 ms: a timer due at once would fire again in the same pass.
    const double waitMs = nextTickMs - now;
    glutTimerFunc(waitMs < 1.0 ? 1U : static_cast<unsigned int>(waitMs), onTimer, 0);
}
