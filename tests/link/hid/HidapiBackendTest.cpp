// The hidapi backend where no hardware is needed: the permission advice and bad handles.
#include "link/hid/HidapiBackend.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace norva {
namespace {

TEST(HidapiPermissionAdvice, NamesTheInstalledRuleOrInstallsTheSourceTreesAndReplug) {
    const UdevRule installed = UdevRuleFor("/usr/bin");
    std::string text = PermissionHelpText("/dev/hidraw3", installed);
    EXPECT_NE(text.find("/dev/hidraw3"), std::string::npos);
    EXPECT_NE(text.find("rule /usr/lib/udev/rules.d/70-norva.rules "), std::string::npos);
    EXPECT_EQ(text.find("cp "), std::string::npos);  // in place already
    EXPECT_NE(text.find("udevadm control --reload-rules && udevadm trigger"), std::string::npos);
    EXPECT_NE(text.find("plug it in again"), std::string::npos);

    // Run from a build tree: the source tree's rule, which exists, by its full path, copied
    // into place.
    const UdevRule source =
        UdevRuleFor(std::filesystem::path(NORVA_PROGRAM).parent_path().string());
    EXPECT_TRUE(std::filesystem::exists(source.path));
    EXPECT_TRUE(
        std::filesystem::equivalent(source.path, NORVA_SOURCE_DIR "/packaging/70-norva.rules"));
    text = PermissionHelpText("/dev/hidraw3", source);
    EXPECT_NE(text.find("cp " + source.path + " /etc/udev/rules.d/\n"), std::string::npos);
    EXPECT_EQ(source.path.front(), '/');
    // Installed under /usr/local, where udev does not look for rules: copied from there.
    text = PermissionHelpText("/dev/hidraw3", UdevRuleFor("/usr/local/bin"));
    EXPECT_NE(text.find("cp /usr/local/lib/udev/rules.d/70-norva.rules /etc/"), std::string::npos);
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
