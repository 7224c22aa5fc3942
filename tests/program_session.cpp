#include "program_session.h"

#include "x_harness.h"

#include <gtest/gtest.h>

const ProgramCase bothPrograms[2] = {{"velmora", VELMORA_PATH}, {"tarnwick", TARNWICK_PATH}};

static XServer server; // one Xvfb for the whole test binary

namespace {
struct XServerEnvironment : testing::Environment {
    void SetUp() override { ASSERT_TRUE(startXServer(server)) << "cannot start Xvfb"; }
    void TearDown() override { stopXServer(server); }
};
const testing::Environment *const environment = testing::AddGlobalTestEnvironment(new XServerEnvironment);
} // namespace

const XServer &testServer()
{
    return server;
}
