// Runs velmora and tarnwick under the test binary's own Xvfb server.
#pragma once

#include "x_harness.h"

struct ProgramCase {
    const char *name;
    const char *path;
};
extern const ProgramCase bothPrograms[2];

// The Xvfb started for this test binary.
const XServer &testServer();
