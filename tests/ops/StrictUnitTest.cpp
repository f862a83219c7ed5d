// Every operation that reads or writes the unit, against simulated units as strict as the
// protocol allows: a read answered in one report or in four, reports handed over in bursts so
// that answers come behind reports sent before the question, at 1000 reports a second.
#include <gtest/gtest.h>

#include <QDir>

#include "config/CloneFile.h"
#include "config/Maintenance.h"
#include "config/ParameterFile.h"
#include "factory/FactoryCommands.h"
#include "params/WelcomeText.h"
#include "ramps/Ramps.h"
#include "runlog/Download.h"
#include "support/OperationRig.h"
#include "support/SimRig.h"

using namespace norva;
using namespace norva::testing;

namespace {

struct Profile {
    const char* name;
    int answer;
    int burst;
    bool falling;
};

class StrictUnit : public ::testing::TestWithParam<Profile> {
  protected:
    static sim::SimOptions Options(const Profile& p) {
        sim::SimOptions o;
        o.rate = 1000;
        o.answerReports = p.answer;
        o.burst = p.burst;
        o.falling = p.falling;
        o.engineOff = true;  // the factory's calibration and test refuse a running engine
        return o;
    }
    SimRig sim{Options(GetParam())};
    OperationRig rig{sim.link};
    const WriteOptions noBackup{QString(), false};
    bool falling() const { return GetParam().falling; }
    const std::array<uint8_t, 256>& memory() { return sim.unit().memory(); }

    void SetUp() override { sim.run(400); }
    void TearDown() override { sim.link.Operation.abort(); }
    // Runs the operation to its end (a minute of the unit's time at the most); its status.
    OpStatus run(std::function<Task<OpStatus>(Services)> operation) {
        EXPECT_TRUE(rig.start(std::move(operation)));
        for (int ms = 0; ms < 60000 && !rig.status; ms += Link::kPollMs) sim.run(Link::kPollMs);
        return rig.status.value_or(OpStatus::Stopped);
    }
    std::string lines(const std::vector<int>& values) {
        std::string text;
        for (int v : values) text += std::to_string(v) + "\r\n";
        return text;
    }
};

}  // namespace

TEST_P(StrictUnit, ParameterAndCloneFilesRoundTrip) {
    // A parameter save asks each cell once and takes the answer as it comes.
    rig.dialogs.answerSaveFile(rig.path("engine.nrv"));
    const uint64_t before = sim.unit().reportsGenerated();
    ASSERT_EQ(run(SaveParameterFile), OpStatus::Done) << rig.lastMessage().toStdString();
    const uint64_t reports = sim.unit().reportsGenerated() - before;
    EXPECT_LT(reports, 71u * (GetParam().answer + GetParam().burst + 1) + 20) << "asked twice";
    std::vector<int> values;
    for (int a : NrvAddresses()) values.push_back(memory()[a]);
    EXPECT_EQ(rig.file("engine.nrv"), lines(values));

    // Written back changed: a full-access unit is never taken for a protected one.
    for (size_t i = 0; i < values.size(); ++i)
        if (NrvAddresses()[i] >= 208) values[i] = (values[i] + 1) % 256;
    rig.write("changed.nrv", lines(values));
    if (!falling()) {  // refused before its questions otherwise
        rig.dialogs.answerOpenFile(rig.path("changed.nrv"));
        rig.dialogs.answerQuestion(true);
    }
    const OpStatus written = run([this](Services s) { return WriteParameterFile(s, noBackup); });
    if (falling()) {  // a downward unit keeps its access level elsewhere: 47 is not 7
        EXPECT_EQ(written, OpStatus::Refused);
        EXPECT_EQ(rig.lastMessage(), "Norva Write Protected");
    } else {
        ASSERT_EQ(written, OpStatus::Done) << rig.lastMessage().toStdString();
        EXPECT_EQ(rig.lastMessage(), "Written and confirmed by the unit: 71 values");
        EXPECT_EQ(memory()[208], values[39]);
    }

    // The whole configuration saved (once the questions' break in the stream has healed), one
    // cell changed, written back and confirmed.
    sim.run(300);
    rig.dialogs.answerSaveFile(rig.path("unit.nvc"));
    ASSERT_EQ(run(SaveCloneFile), OpStatus::Done) << rig.lastMessage().toStdString();
    std::vector<int> image(memory().begin() + 16, memory().end());
    EXPECT_EQ(rig.file("unit.nvc"), lines(image));
    image[100 - 16] = (image[100 - 16] + 7) % 256;
    rig.write("unit.nvc", lines(image));
    rig.dialogs.answerOpenFile(rig.path("unit.nvc"));
    rig.dialogs.answerQuestion(true);
    CloneHandover handover;
    ASSERT_EQ(run([&](Services s) { return WriteCloneFile(s, handover, noBackup); }),
              OpStatus::Done)
        << rig.lastMessage().toStdString();
    EXPECT_EQ(rig.lastMessage(), "Written and confirmed by the unit: 232 values");
    EXPECT_EQ(memory()[100], image[100 - 16]);
    EXPECT_TRUE(handover.fastSetupOffered);

    // The same file again: nothing to send, and still the fast setup is offered.
    CloneHandover again;
    rig.dialogs.answerOpenFile(rig.path("unit.nvc"));
    ASSERT_EQ(run([&](Services s) { return WriteCloneFile(s, again, noBackup); }), OpStatus::Done);
    EXPECT_EQ(rig.lastMessage(), "The unit already holds these values: nothing was sent.");
    EXPECT_TRUE(again.fastSetupOffered);
    EXPECT_EQ(again.path, rig.path("unit.nvc"));
}

TEST_P(StrictUnit, RampsWelcomeTextAndMaintenanceWrites) {
    ASSERT_EQ(run([this](Services s) { return SaveRampsFromImage(s, rig.path("r.rmp")); }),
              OpStatus::Done);
    RampFields fields = DefaultRampFields();
    fields[3] = "300";  // sent as 255
    RampFields shown;
    // The unit's configuration is kept first, where the program says.
    std::vector<int> before(memory().begin() + 16, memory().end());
    const WriteOptions backup{rig.path("backups"), true};
    ASSERT_EQ(run([&](Services s) {
                  return WriteRamps(s, fields, backup, [&](const RampFields& f) { shown = f; });
              }),
              OpStatus::Done)
        << rig.lastMessage().toStdString();
    EXPECT_EQ(rig.lastMessage(), "Written and confirmed by the unit: 32 values");
    EXPECT_EQ(memory()[147], 255);
    EXPECT_EQ(shown[3], "255");
    const QStringList kept = QDir(rig.path("backups")).entryList({"*.nvc"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(rig.file(("backups/" + kept[0]).toUtf8().constData()), lines(before));
    EXPECT_TRUE(rig.dialogs.messages().end()[-2].endsWith(kept[0]));

    const auto bytes = EncodeWelcome(QStringLiteral("STRICT"), QStringLiteral("UNIT"));
    ASSERT_EQ(run([&](Services s) { return WriteWelcome(s, *bytes, noBackup); }), OpStatus::Done)
        << rig.lastMessage().toStdString();
    EXPECT_EQ(memory()[176], 'S');

    rig.dialogs.answerInput(QStringLiteral("1000"));
    const OpStatus serial = run([this](Services s) { return SetSerialNumber(s, noBackup); });
    rig.dialogs.answerQuestion(true);
    const OpStatus timers = run([this](Services s) { return ClearAllTimers(s, noBackup); });
    if (falling()) {
        EXPECT_EQ(serial, OpStatus::Done);
        EXPECT_EQ(memory()[60] * 256 + memory()[59], 1000);
        EXPECT_EQ(timers, OpStatus::Done);
        EXPECT_EQ(memory()[64], 0);
    } else {
        EXPECT_EQ(serial, OpStatus::Refused);
        EXPECT_EQ(timers, OpStatus::Refused);
    }
}

TEST_P(StrictUnit, FactoryWritesFastSetupAndHardwareTest) {
    rig.dialogs.answerInput(QStringLiteral("120"));
    ASSERT_EQ(run(SetMaxSpeed), OpStatus::Done);
    EXPECT_EQ(memory()[48], 120);
    const int access = MenuAccessAddress(falling());
    ASSERT_EQ(run([access](Services s) { return WriteCell(s, access, kRestrictedMenus); }),
              OpStatus::Done);
    EXPECT_EQ(memory()[access], kRestrictedMenus);
    ASSERT_EQ(run([](Services s) { return CalibrateTemperature(s, QStringLiteral("22")); }),
              OpStatus::Done)
        << rig.lastMessage().toStdString();

    std::vector<int> image(memory().begin() + 16, memory().end());
    image[90 - 16] = 3;
    rig.write("fast.nvc", lines(image));
    ASSERT_EQ(run([this](Services s) {
                  return FastSetup(s, rig.path("fast.nvc"), QStringLiteral("22"), noBackup);
              }),
              OpStatus::Done)
        << rig.lastMessage().toStdString();
    EXPECT_EQ(memory()[90], 3);

    Config settings;
    QString result;
    ASSERT_EQ(run([&](Services s) {
                  return HardwareTest(s, settings, [&](const QString& r) { result = r; });
              }),
              OpStatus::Done)
        << rig.lastMessage().toStdString();
    EXPECT_TRUE(result.contains("Factor=")) << result.toStdString();
}

TEST_P(StrictUnit, Download) {
    DownloadOptions options;
    options.workFolder = rig.path("work");
    options.libraryFolder = rig.path("library");
    rig.dialogs.answerSaveFile(rig.path("run.txt"));
    ASSERT_EQ(run([options](Services s) { return DownloadRunLog(s, options); }), OpStatus::Done)
        << rig.lastMessage().toStdString();
    EXPECT_FALSE(rig.file("run.txt").empty());
}

INSTANTIATE_TEST_SUITE_P(Profiles, StrictUnit,
                         ::testing::Values(Profile{"OneReportAnswerInBursts", 1, 8, false},
                                           Profile{"FourReportAnswerInBursts", 4, 8, false},
                                           Profile{"DownwardOneReportAnswer", 1, 3, true}),
                         [](const auto& info) { return std::string(info.param.name); });
