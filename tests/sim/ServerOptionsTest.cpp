// The norva-sim command line.
#include "sim/ServerOptions.h"

#include <gtest/gtest.h>

namespace norva::sim {
namespace {

// Each refusal is one line that says why, and where to find help.
TEST(ServerOptions, UsageErrors) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{}, "--listen tcp:HOST:PORT is needed"},
        {{"--listen"}, "--listen"},
        {{"--listen", "127.0.0.1:7000"}, "not '127.0.0.1:7000'"},
        {{"--listen", "tcp:127.0.0.1"}, "not 'tcp:127.0.0.1'"},
        {{"--listen", "tcp::7000"}, "not 'tcp::7000'"},
        {{"--listen", "tcp:127.0.0.1:70000"}, "port from 0 to 65535"},
        {{"--listen", "tcp:h:1", "--rate", "1001"}, "'rate'"},
        {{"--listen", "tcp:h:1", "--rate"}, "--rate"},
        {{"--listen", "tcp:h:1", "--loud"}, "--loud"},
        {{"--listen", "tcp:h:1", "--engine", "cold"}, "'engine=cold'"},
        {{"--listen", "tcp:h:1", "--burst", "0"}, "'burst'"},
    };
    for (const auto& c : cases) {
        const ParsedServerArgs parsed = ParseServerArgs(c.args);
        EXPECT_FALSE(parsed.options);
        EXPECT_EQ(parsed.exitStatus, 64);
        EXPECT_TRUE(parsed.err.starts_with("norva-sim: ")) << parsed.err;
        EXPECT_NE(parsed.err.find(c.says), std::string::npos) << parsed.err;
        EXPECT_TRUE(parsed.err.ends_with("\nTry 'norva-sim --help'.\n")) << parsed.err;
    }
}

}  // namespace
}  // namespace norva::sim
