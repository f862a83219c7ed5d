#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "app/Screenshot.h"
#include "support/Drain.h"
#include "support/FakeBackend.h"
#include "support/SimRig.h"

using namespace norva;
using namespace norva::testing;

TEST(Screenshot, WaitsForTheWholeConfigurationAtFiftyReportsASecond) {
    QTemporaryDir dir;
    SimRig rig(false, 50);
    QWidget window;
    window.resize(100, 80);
    int status = -1;
    Screenshot shot(window, rig.link, dir.filePath("shot.png"), [&](int s) { status = s; });
    shot.start();
    rig.run(5100);
    shot.check();
    EXPECT_EQ(status, -1);  // "Data Backup= 94%" is no picture yet
    rig.run(600);
    shot.check();
    EXPECT_EQ(status, 0);
    EXPECT_GE(rig.link.BackupByteCount, 256);
    EXPECT_TRUE(QFile::exists(dir.filePath("shot.png")));
}

TEST(Screenshot, NoUnitNoPictureAndAReason) {
    QTemporaryDir dir;
    FakeBackend bus;
    int64_t now = 0;
    Link link(bus, [&] { return now; });
    QWidget window;
    int status = -1;
    std::FILE* err = std::tmpfile();
    Screenshot shot(
        window, link, dir.filePath("shot.png"), [&](int s) { status = s; }, err);
    shot.start();
    link.PollTick();
    now = Screenshot::kWaitMs - 1;
    shot.check();
    EXPECT_EQ(status, -1);
    now = Screenshot::kWaitMs;
    shot.check();
    EXPECT_EQ(status, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("shot.png")));
    EXPECT_EQ(Drain(err), "norva: no unit was reached within 15 s; no picture was saved\n");
}
