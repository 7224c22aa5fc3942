// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The start-up sequence shared by both programs.
#pragma once

#include "variant_profile.h"

// Opens the window, starts the animation and runs the event loop, which ends
// the process when the window is closed.
int runProgram(const VariantProfile &profile, int argc, char **argv);
