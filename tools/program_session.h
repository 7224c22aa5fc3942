// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Runs velmora and tarnwick under the test binary's own Xvfb server.
#pragma once

#include "x_harness.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

struct ProgramCase {
    const char *name;
    const char *path;
};
extern const ProgramCase bothPrograms[2];

// Names a case by its program in test listings and test names.
inline void PrintTo(const ProgramCase &c, std::ostream *out)
{
    *out << c.name;
}
std::string programName(const testing::TestParamInfo<ProgramCase> &info);

// A file's whole text; empty where it cannot be read.
std::string fileText(const std::string &path);

// The Xvfb started for this test binary.
const XServer &testServer();

// A folder of this run's own, made fresh under the test temporary folder and
// removed at the end, for every file a test or its programs write, so no run
// reads what another left. Ends in '/'.
const std::string &runFolder();
