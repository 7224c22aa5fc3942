// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// velmora: a lit pendulum swinging in a single-buffered window, one model step
// every 20 ms tick; its command line is ignored.
#include "program_startup.h"
#include "variant_profile.h"

int main(int argc, char **argv)
{
    return runProgram(velmoraProfile, argc, argv);
}
