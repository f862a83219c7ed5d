// Every operation that reads or writes the unit's configuration (downloads have tests of their
// own), against simulated units as strict as the protocol allows: a read answered in one report
// or in four, reports handed over in bursts so that answers come behind reports sent before the
// question, a queue of 64 reports the program has not read yet, at 1000 reports a second.
// Between two commands the unit must have made at least the reports the operation waits for:
// what waited in the queue does not count.
#include <gtest/gtest.h>

#include "config/CloneFile.h"
#include "config/Maintenance.h"
#include "config/ParameterFile.h"
#include "factory/FactoryCommands.h"
#include "params/WelcomeText.h"
#include "ramps/Ramps.h"
#include "support/OperationRig.h"
#include "support/SimRig.h"

using namespace norva;
using namespace norva::testing;

namespace {

struct Profile {
    const char* name;
    int answer;
    int burst;
    bool downward;
};

class StrictUnit : public ::testing::TestWithParam<Profile> {
  protected:
    static sim::SimOptions Options(const Profile& p) {
        sim::SimOptions o;
        o.rate = 1000;
        o.answerReports = p.answer;
        o.burst = p.burst;
        o.downward = p.downward;
        o.queue = 64;
        o.engineOff = true;  // the factory's calibration and test refuse a running engine
        return o;
    }
    SimRig sim{Options(GetParam())};
    OperationRig rig{sim.link};
    const WriteOptions noBackup{QString(), false};
    bool downward() const { return GetParam().downward; }
    const std::array<uint8_t, 256>& memory() { return sim.unit().memory(); }

    void SetUp() override {
        rig.dialogs.answerEveryQuestion(true);  // every write's changes are asked for
        sim.run(400);
    }
    void TearDown() override { sim.link.Operation.abort(); }
    // Runs the operation to its end (a minute of the unit's time at the most); its status.
    OpStatus run(std::function<Task<OpStatus>(Services)> operation) {
        EXPECT_TRUE(rig.start(std::move(operation)));
        for (int ms = 0; ms < 60000 && !rig.status; ms += Link::kPollMs) sim.run(Link::kPollMs);
        return rig.status.value_or(OpStatus::Stopped);
    }
    // The reports the unit made between the operation's commands, with no fewer than `least`.
    std::vector<int> gapsSince(size_t from) const { return sim.marked.gaps(from); }
    size_t writes() const { return sim.marked.made.size(); }
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
    if (!downward()) {  // refused before its questions otherwise
        rig.dialogs.answerOpenFile(rig.path("changed.nrv"));
        rig.dialogs.answerQuestion(true);
    }
    const OpStatus written = run([this](Services s) { return WriteParameterFile(s, noBackup); });
    if (downward()) {  // a downward unit keeps its access level elsewhere: 47 is not 7
        EXPECT_EQ(written, OpStatus::Refused);
    } else {
        ASSERT_EQ(written, OpStatus::Done) << rig.lastMessage().toStdString();
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
    const size_t cloneFrom = writes();
    ASSERT_EQ(run([&](Services s) { return WriteCloneFile(s, handover, noBackup); }),
              OpStatus::Done)
        << rig.lastMessage().toStdString();
    for (int gap : gapsSince(cloneFrom)) EXPECT_GE(gap, 2);
    // Every cell but the test cells, the calibration cells (which want their own checksum) and
    // the engine's counters, kept as the unit holds them.
    EXPECT_EQ(rig.lastMessage(), downward() ? "Written and confirmed by the unit: 214 values"
                                            : "Written and confirmed by the unit: 226 values");
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
    const size_t rampsFrom = writes();
    ASSERT_EQ(run([&](Services s) {
                  return WriteRamps(s, fields, noBackup, [&](const RampFields& f) { shown = f; });
              }),
              OpStatus::Done)
        << rig.lastMessage().toStdString();
    EXPECT_EQ(rig.lastMessage(), "Written and confirmed by the unit: 32 values");
    const auto rampGaps = gapsSince(rampsFrom);  // a report waited before reports 2, 4, 5 and 6
    ASSERT_EQ(rampGaps.size(), 5u);
    for (size_t k : {0u, 2u, 3u, 4u}) EXPECT_GE(rampGaps[k], 1) << k;
    EXPECT_EQ(memory()[147], 255);
    EXPECT_EQ(shown[3], "255");

    const auto bytes = EncodeWelcome(QStringLiteral("STRICT"), QStringLiteral("UNIT"));
    const size_t welcomeFrom = writes();
    ASSERT_EQ(run([&](Services s) { return WriteWelcome(s, *bytes, noBackup); }), OpStatus::Done)
        << rig.lastMessage().toStdString();
    for (int gap : gapsSince(welcomeFrom)) EXPECT_GE(gap, 2);
    EXPECT_EQ(memory()[176], 'S');

    rig.dialogs.answerInput(QStringLiteral("1000"));
    const OpStatus serial = run([this](Services s) { return SetSerialNumber(s, noBackup); });
    rig.dialogs.answerQuestion(true);
    const size_t timersFrom = writes();
    const OpStatus timers = run([this](Services s) { return ClearAllTimers(s, noBackup); });
    for (int gap : gapsSince(timersFrom)) EXPECT_GE(gap, 1);
    if (downward()) {
        EXPECT_EQ(serial, OpStatus::Done);
        EXPECT_EQ(memory()[60] * 256 + memory()[59], 1000);
        EXPECT_EQ(timers, OpStatus::Done);
        EXPECT_EQ(memory()[64], 0);
    } else {
        EXPECT_EQ(serial, OpStatus::Refused);
        EXPECT_EQ(timers, OpStatus::Refused);
    }
}

TEST_P(StrictUnit, FactoryWritesAndFastSetup) {
    rig.dialogs.answerInput(QStringLiteral("120"));
    ASSERT_EQ(run([](Services s) { return SetMaxSpeed(s); }), OpStatus::Done);
    EXPECT_EQ(memory()[48], 120);
    // The whole file, then the temperature calibration.
    std::vector<int> image(memory().begin() + 16, memory().end());
    image[90 - 16] = 3;
    rig.write("fast.nvc", lines(image));
    ASSERT_EQ(run([this](Services s) {
                  return FastSetup(s, rig.path("fast.nvc"), QStringLiteral("22"), noBackup);
              }),
              OpStatus::Done)
        << rig.lastMessage().toStdString();
    EXPECT_EQ(memory()[90], 3);
}

INSTANTIATE_TEST_SUITE_P(Profiles, StrictUnit,
                         ::testing::Values(Profile{"OneReportAnswerInBursts", 1, 8, false},
                                           Profile{"FourReportAnswerInBursts", 4, 8, false},
                                           Profile{"DownwardOneReportAnswer", 1, 3, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The hardware test reads the current the unit reports after each step, not what it reported
// before: the unit draws 3.0 A at rest, 0.5 A once the test begins and 2.0 A in step 2.
TEST(StrictHardwareTest, ReadsTheUnitAfterEachStepAtEveryRateAndBurst) {
    for (int i = 0; i < 12; ++i) {
        const bool downward = i >= 6;
        const int rate = 1000 >> (i / 2 % 3);  // 1000, 500, 250
        const int burst = i % 2 ? 4 : 1;
        SCOPED_TRACE(::testing::Message() << (downward ? "downward " : "upward ") << rate
                                          << "/s in bursts of " << burst);
        SimRig sim(sim::SimOptions{.downward = downward,
                                   .rate = rate,
                                   .answerReports = 1,
                                   .burst = burst,
                                   .engineOff = true,
                                   .queue = 64});
        OperationRig rig{sim.link};
        sim.run(300 * 1000 / rate);
        ASSERT_EQ(sim.link.BackupDownward, downward);
        const size_t from = sim.marked.made.size();
        Config settings;
        QString result;
        ASSERT_TRUE(rig.start([&](Services s) {
            return HardwareTest(s, settings, [&](const QString& r) { result = r; });
        }));
        for (int ms = 0; ms < 10000 && !rig.status; ms += Link::kPollMs) sim.run(Link::kPollMs);
        ASSERT_EQ(rig.status, OpStatus::Done) << rig.lastMessage().toStdString();
        EXPECT_EQ(result, downward ? "offset= 6 Factor= 64" : "offset= 22 Factor= 217");
        const std::vector<int> waits =
            downward ? std::vector<int>{10, 25, 15} : std::vector<int>{10, 15, 10, 6, 16, 6, 6, 6};
        const std::vector<int> gaps = sim.marked.gaps(from);
        ASSERT_EQ(gaps.size(), waits.size());
        for (size_t k = 0; k < gaps.size(); ++k) EXPECT_GE(gaps[k], waits[k]) << k;
    }
}

TEST(WriteGate, NothingIsWrittenWhileTheEngineTurns) {
    SimRig sim(false, 1000);  // the engine runs its demonstration: full throttle at 35 s
    OperationRig rig{sim.link};
    sim.run(35000);
    ASSERT_GT(sim.link.EngineSpeed, 0);
    const size_t before = sim.marked.made.size();
    ASSERT_TRUE(rig.start([](Services s) { return WriteCell(s, 48, 100); }));
    sim.run(100);
    EXPECT_EQ(rig.status, OpStatus::Refused);
    EXPECT_EQ(rig.lastMessage(), "Stop the engine first.");
    EXPECT_EQ(sim.marked.made.size(), before);
}
