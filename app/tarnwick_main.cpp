// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// tarnwick: the same pendulum in a double-buffered window with back-face
// culling, one model step every 10 ms tick; toolkit options on its command
// line, such as -geometry, apply.
#include "program_startup.h"
#include "variant_profile.h"

int main(int argc, char **argv)
{
    return runProgram(tarnwickProfile, argc, argv);
}
