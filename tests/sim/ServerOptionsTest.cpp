// The norva-sim command line.
#include "sim/ServerOptions.h"

#include <gtest/gtest.h>

namespace norva::sim {
namespace {

TEST(ServerOptions, ListenAddressRateAndDirection) {
    auto o = ParseServerArgs({"--listen", "tcp:127.0.0.1:7000"}).options;
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, "127.0.0.1");
    EXPECT_EQ(o->port, 7000);
    EXPECT_EQ(o->unit.rate, 50);
    EXPECT_FALSE(o->unit.downward);

    // The strict unit's options, by the names the program's sim: device gives them.
    o = ParseServerArgs({"--falling", "--rate", "1000", "--listen", "tcp:localhost:0", "--answer",
                         "1", "--preamble", "525", "--burst", "8", "--silent-after", "100",
                         "--unplug-after", "200", "--engine", "off"})
            .options;
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, "localhost");
    EXPECT_EQ(o->port, 0);
    EXPECT_EQ(o->unit.rate, 1000);
    EXPECT_TRUE(o->unit.downward);
    EXPECT_EQ(o->unit.answerReports, 1);
    EXPECT_EQ(o->unit.preamble, 525);
    EXPECT_EQ(o->unit.burst, 8);
    EXPECT_EQ(o->unit.silentAfter, 100);
    EXPECT_EQ(o->unit.unplugAfter, 200);
    EXPECT_TRUE(o->unit.engineOff);
    EXPECT_TRUE(ParseServerArgs({"--downward", "--listen", "tcp:h:1"}).options->unit.downward);
}

// Asked for help, the program answers whatever else is on the line (the manual page is made so).
TEST(ServerOptions, HelpAndVersionNeedNoAddress) {
    const ParsedServerArgs help = ParseServerArgs({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.out.find("--refuse-writes A,B-C"), std::string::npos) << help.out;
    EXPECT_EQ(help.out.find("--falling"), std::string::npos) << help.out;
    EXPECT_EQ(ParseServerArgs({"--rate", "5000", "--version"}, "1.2").out, "norva-sim 1.2\n");
}

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
