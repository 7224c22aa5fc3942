// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// What a person sees first of either program, natively and under Wine.
#pragma once

#include "x_harness.h"

// The first view: titled "Velmora", 300 x 300, white around the scene, the
// red bob below the pivot, the overlay at the top left.
void expectFirstView(const RunningProgram &program, const Image &first);

// An icon image shows the bob: opaque red down and right of its centre.
bool iconShowsTheBob(const IconImage &image);
