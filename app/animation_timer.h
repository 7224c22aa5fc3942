// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The self-re-arming animation tick: one model step and one redraw per tick.
#pragma once

// Arms the first tick at once; later ticks follow periodMs after each tick ends.
void startAnimationTimer(unsigned int periodMs);

// GLUT timer callback.
void onTimer(int value);
