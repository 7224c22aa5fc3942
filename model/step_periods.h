// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// How often each program advances the model: the delay before each re-armed
// animation tick, ms. The programs' profiles run with them; the model page's
// figures turn them into simulated time per second of wall time.
#pragma once

struct StepPeriods {
    static constexpr unsigned int velmoraMs = 20;
    static constexpr unsigned int tarnwickMs = 10;
};
