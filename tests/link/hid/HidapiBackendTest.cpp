// The hidapi backend where no hardware is needed: the permission advice and bad handles.
#include "link/hid/HidapiBackend.h"

#include <gtest/gtest.h>

#include <sstream>

namespace norva {
namespace {

TEST(HidapiPermissionAdvice, TellsHowToInstallTheRuleAndReplug) {
    const std::string text = PermissionHelpText("/dev/hidraw3");
    EXPECT_NE(text.find("/dev/hidraw3"), std::string::npos);
    EXPECT_NE(text.find("permission denied"), std::string::npos);
    EXPECT_NE(text.find("packaging/70-norva.rules"), std::string::npos);
    EXPECT_NE(text.find("/etc/udev/rules.d/"), std::string::npos);
    EXPECT_NE(text.find("udevadm control --reload-rules && udevadm trigger"), std::string::npos);
    EXPECT_NE(text.find("plug it in again"), std::string::npos);
}

TEST(HidapiPermissionAdvice, IsGivenOnlyOnce) {
    std::atomic<bool> shown{false};
    std::ostringstream out;
    EXPECT_TRUE(ReportPermissionProblemOnce(shown, out, "/dev/hidraw0"));
    EXPECT_EQ(out.str(), PermissionHelpText("/dev/hidraw0"));
    EXPECT_FALSE(ReportPermissionProblemOnce(shown, out, "/dev/hidraw1"));
    EXPECT_EQ(out.str(), PermissionHelpText("/dev/hidraw0"));
}

TEST(HidapiBackendWithoutDevice, UnknownPathsAndHandlesFailQuietly) {
    HidapiBackend backend;
    EXPECT_EQ(backend.open("/nonexistent/hidraw", HidOpenMode::Read), kInvalidHandle);
    std::vector<uint8_t> buffer(65);
    EXPECT_EQ(backend.read(42, buffer), HidReadResult::Failed);
    EXPECT_FALSE(backend.write(42, buffer));
    EXPECT_FALSE(backend.identity(42));
    EXPECT_FALSE(backend.reportLengths(42));
    backend.close(42);
}

}  // namespace
}  // namespace norva
