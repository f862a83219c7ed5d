// What every operation leans on: a task's arguments and temporaries live exactly as long as
// the language says, across suspensions. (GCC 12 gets these wrong; the program is built with
// Clang.)
#include <gtest/gtest.h>

#include <string>

#include "base/Task.h"

using namespace norva;

namespace {
std::coroutine_handle<> held;
struct Hold {
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> h) { held = h; }
    void await_resume() const noexcept {}
};
struct Options {
    std::string folder = std::string(60, 'f');
    bool backup = true;
};
Task<std::string> Echo(Options options) {
    co_await Hold{};
    co_return options.folder;
}
Task<std::string> Join(const Options& a, const std::string& b) {
    const std::string copy = a.folder + b;
    co_await Hold{};
    co_return copy;
}
Task<> Caller(std::string& out, Options options) {
    if (!(co_await Echo(options)).empty()) out += "a";
    out += co_await Join({std::string(40, 'x'), false}, std::string(30, 'y'));
}
}  // namespace

TEST(Task, ArgumentsAndTemporariesOfAnAwaitedCallSurviveItsSuspension) {
    std::string out;
    Task<> task = Caller(out, Options{}).started();
    held.resume();  // Echo
    held.resume();  // Join
    ASSERT_TRUE(task.done());
    EXPECT_EQ(out, "a" + std::string(40, 'x') + std::string(30, 'y'));
}
