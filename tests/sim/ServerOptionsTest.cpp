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
    EXPECT_EQ(o->rate, 50);
    EXPECT_FALSE(o->falling);

    o = ParseServerArgs({"--falling", "--rate", "1000", "--listen", "tcp:localhost:0"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, "localhost");
    EXPECT_EQ(o->port, 0);
    EXPECT_EQ(o->rate, 1000);
    EXPECT_TRUE(o->falling);
}

TEST(ServerOptions, UsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--rate", "10"},
        {"--listen"},
        {"--listen", "127.0.0.1:7000"},
        {"--listen", "tcp:127.0.0.1"},
        {"--listen", "tcp::7000"},
        {"--listen", "tcp:127.0.0.1:70000"},
        {"--listen", "tcp:127.0.0.1:7x"},
        {"--listen", "tcp:127.0.0.1:7000", "--rate", "0"},
        {"--listen", "tcp:127.0.0.1:7000", "--rate", "1001"},
        {"--listen", "tcp:127.0.0.1:7000", "--rate"},
        {"--listen", "tcp:127.0.0.1:7000", "--loud"},
    };
    for (const auto& args : bad)
        EXPECT_FALSE(ParseServerArgs(args)) << ::testing::PrintToString(args);
}

}  // namespace
}  // namespace norva::sim
