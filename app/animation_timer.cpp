// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "animation_timer.h"

#include "pendulum_model.h"

#include <GL/freeglut.h>

static unsigned int timerPeriodMs = 0; // delay between the end of one tick and the next, ms

void startAnimationTimer(unsigned int periodMs)
{
    timerPeriodMs = periodMs;
    glutTimerFunc(0, onTimer, 0);
}

// One-shot and re-armed last, so a late tick is never made up: every tick
// advances simulated time by one step whatever the wall-clock interval.
void onTimer(int)
{
    glutPostRedisplay();
    stepSimulation();
    glutTimerFunc(timerPeriodMs, onTimer, 0);
}
