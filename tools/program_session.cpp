// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "program_session.h"

#include "x_harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

// The build's programs, or those in the folder PROGRAMS_UNDER_TEST names.
static const char *const installed = std::getenv("PROGRAMS_UNDER_TEST");
static const std::string velmoraPath = installed != nullptr ? std::string(installed) + "/velmora" : VELMORA_PATH;
static const std::string tarnwickPath = installed != nullptr ? std::string(installed) + "/tarnwick" : TARNWICK_PATH;
const ProgramCase bothPrograms[2] = {{"velmora", velmoraPath.c_str()}, {"tarnwick", tarnwickPath.c_str()}};

static XServer server;     // one Xvfb for the whole test binary
static std::string folder; // and one folder of its own

namespace {
struct XServerEnvironment : testing::Environment {
    void SetUp() override
    {
        folder = testing::TempDir() + "velmora-test-XXXXXX";
        ASSERT_NE(mkdtemp(folder.data()), nullptr) << "cannot make a folder in " << testing::TempDir();
        folder += "/";
        ASSERT_TRUE(startXServer(server)) << "cannot start Xvfb";
    }
    void TearDown() override
    {
        stopXServer(server);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};
const testing::Environment *const environment = testing::AddGlobalTestEnvironment(new XServerEnvironment);
} // namespace

const XServer &testServer()
{
    return server;
}

const std::string &runFolder()
{
    return folder;
}

std::string programName(const testing::TestParamInfo<ProgramCase> &info)
{
    return info.param.name;
}

std::string fileText(const std::string &path)
{
    const std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
