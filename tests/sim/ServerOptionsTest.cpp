// The norva-sim command line.
#include "sim/ServerOptions.h"

#include <gtest/gtest.h>

namespace norva::sim {
namespace {

TEST(ServerOptions, ListenAddressRateAndDirection) {
    auto o = ParseServerArgs({"--listen", "tcp:127.0.0.1:7000"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, "127.0.0.1");
    EXPECT_EQ(o->port, 7000);
    EXPECT_EQ(o->unit.rate, 50);
    EXPECT_FALSE(o->unit.downward);

    // The strict unit's options, by the names the program's sim: device gives them.
    o = ParseServerArgs({"--falling", "--rate", "1000", "--listen", "tcp:localhost:0", "--answer",
                         "1", "--preamble", "525", "--burst", "8", "--silent-after", "100",
                         "--unplug-after", "200", "--engine", "off"});
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
}

// Asked for help, the program answers whatever else is on the line (the manual page is made so).
TEST(ServerOptions, HelpAndVersionNeedNoAddress) {
    auto o = ParseServerArgs({"--help"});
    ASSERT_TRUE(o);
    EXPECT_TRUE(o->help);
    o = ParseServerArgs({"--rate", "5000", "--version"});
    ASSERT_TRUE(o);
    EXPECT_TRUE(o->version);
    EXPECT_FALSE(o->help);
}

TEST(ServerOptions, UsageErrors) {
    EXPECT_FALSE(ParseServerArgs({}));
    EXPECT_FALSE(ParseServerArgs({"--rate", "10"}));
    EXPECT_FALSE(ParseServerArgs({"--listen"}));
    for (const char* address : {"127.0.0.1:7000", "tcp:127.0.0.1", "tcp::7000",
                                "tcp:127.0.0.1:70000", "tcp:127.0.0.1:7x"})
        EXPECT_FALSE(ParseServerArgs({"--listen", address})) << address;
    const std::vector<std::vector<std::string>> options = {{"--rate", "0"},   {"--rate", "1001"},
                                                           {"--rate"},        {"--loud"},
                                                           {"--answer", "5"}, {"--engine", "cold"}};
    for (std::vector<std::string> args : options) {
        args.insert(args.begin(), {"--listen", "tcp:127.0.0.1:7000"});
        EXPECT_FALSE(ParseServerArgs(args)) << ::testing::PrintToString(args);
    }
    std::string error;
    EXPECT_FALSE(ParseServerArgs({"--listen", "tcp:localhost:0", "--burst", "0"}, &error));
    EXPECT_NE(error.find("'burst'"), std::string::npos) << error;
}

}  // namespace
}  // namespace norva::sim
