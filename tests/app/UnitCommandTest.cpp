// The unit and file commands run from the outside, for what only the command line shows: exit
// status, what they print and what they leave on disk. Their operations are tested in process
// beside the folders they belong to.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/Program.h"

using namespace norva::testing;

namespace {
std::string Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}
int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}
}  // namespace

TEST(UnitCommand, OverTcpFromStrictUnitsWhoseReportsQueue) {
    // norva-sim as another process: every report and every question must leave at once, or
    // the answers come tens of reports late, behind the wait for them; and what waited in the
    // queue before a command is no answer to it.
    const QStringList strict{"--rate", "1000",    "--answer", "1",        "--burst",
                             "4",      "--queue", "64",       "--engine", "off"};
    QTemporaryDir dir;
    {
        SimProcess sim(strict);
        ASSERT_FALSE(sim.port.isEmpty());
        Ran ran =
            RunNorva({"--device", sim.device(), "params", "save", dir.filePath("engine.nrv")});
        EXPECT_EQ(ran.status, 0) << ran.err;
        EXPECT_EQ(LineCount(Read(dir.filePath("engine.nrv"))), 71);
        ran = RunNorva({"--device", sim.device(), "factory", "hardware-test"});
        EXPECT_EQ(ran.out, "offset= 22 Factor= 217\n") << ran.err;
    }
    // Downloads from a downward unit, whatever the preamble, take 1041 reports of its log and
    // nothing else, and export the same log.
    std::string log;
    for (const char* preamble : {"0", "263", "525"}) {
        SCOPED_TRACE(preamble);
        SimProcess sim(strict + QStringList{"--falling", "--preamble", preamble});
        ASSERT_FALSE(sim.port.isEmpty());
        if (log.empty()) {
            const Ran test = RunNorva({"--device", sim.device(), "factory", "hardware-test"});
            EXPECT_EQ(test.out, "offset= 6 Factor= 64\n") << test.err;
        }
        const Ran ran = RunNorva({"--device", sim.device(), "download", dir.filePath("run.txt")});
        ASSERT_EQ(ran.status, 0) << ran.err;
        EXPECT_EQ(LineCount(Read(NorvaHome().filePath("cache/norva/runlog/bufer.buf"))), 33312);
        const std::string text = Read(dir.filePath("run.txt"));
        const std::string data = text.substr(text.find('\n'));  // after the moment of export
        if (log.empty()) log = data;
        EXPECT_EQ(data, log);
    }
}

TEST(UnitCommand, AUnitThatKeepsNothingWrittenGetsNoWriteCalledSuccessful) {
    QTemporaryDir dir;
    const auto saved = [&](const QStringList& command, const char* name) {
        const QString path = dir.filePath(name);
        const Ran ran =
            RunNorva(QStringList{"--device", "sim:rate=1000"} + command + QStringList{path});
        EXPECT_EQ(ran.status, 0) << ran.err;
        QFile f(path);  // its first value changed
        f.open(QIODevice::ReadWrite);
        QByteArray text = f.readAll();
        text.prepend('1');
        f.resize(0);
        f.write(text);
        return path;
    };
    const QString clone = saved({"clone", "save"}, "unit.nvc");
    const QString params = saved({"params", "save"}, "engine.nrv");
    const QString ramps = saved({"ramps", "read"}, "r.rmp");
    const QString up = "sim:rate=1000:engine=off:refuse-writes=16-255";
    const QString down = "sim:falling:rate=1000:engine=off:refuse-writes=16-255";
    const std::vector<QStringList> writes = {
        {up, "clone", "write", clone},          {up, "params", "write", params},
        {up, "ramps", "write", ramps},          {up, "factory", "max-rpm", "120"},
        {up, "factory", "menus", "restricted"}, {up, "factory", "start-mode", "manual"},
        {up, "factory", "fast-setup", clone},   {down, "serial", "1234"},
        {down, "timers", "clear-all"},          {down, "timers", "clear-service"}};
    for (const QStringList& write : writes) {
        SCOPED_TRACE(write.join(' ').toStdString());
        const Ran ran = RunNorva(QStringList{"--device"} + write + QStringList{"--no-backup"});
        EXPECT_EQ(ran.status, 4);
        EXPECT_NE(ran.err.find("norva: The unit does not hold what was written: address "),
                  std::string::npos)
            << ran.err;
        EXPECT_EQ(ran.err.find("Written and confirmed"), std::string::npos);
    }
}

TEST(UnitCommand, EveryWriteHasADryRunAndAWriteAsksAndKeepsABackupFirst) {
    for (const QStringList& write :
         {QStringList{"sim:rate=1000:engine=off", "factory", "max-rpm", "120"},
          {"sim:rate=1000:engine=off", "factory", "menus", "restricted"},
          {"sim:rate=1000:engine=off", "factory", "start-mode", "kero"},
          {"sim:falling:rate=1000", "timers", "clear-all"}}) {
        SCOPED_TRACE(write.join(' ').toStdString());
        const Ran ran = RunNorva(QStringList{"--device"} + write + QStringList{"--dry-run"});
        EXPECT_EQ(ran.status, 0) << ran.err;
        EXPECT_NE(ran.out.find(" -> "), std::string::npos) << ran.out;  // old -> new
        EXPECT_NE(ran.err.find("nothing was sent (dry run).\n"), std::string::npos) << ran.err;
    }
    // A downward unit's 59 and 60 are its serial number, in the preview as in the summary.
    const Ran serial =
        RunNorva({"--device", "sim:falling:rate=1000", "serial", "1234", "--dry-run"});
    EXPECT_EQ(serial.status, 0) << serial.err;
    EXPECT_EQ(serial.out, "Serial Number: 1830 -> 1234 (addresses 59, 60)\n");
    const Ran written = RunNorva({"--device", "sim:falling:rate=1000", "serial", "1234"});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.err.find("norva: Write this change? Yes\n"), std::string::npos);
    EXPECT_NE(written.err.find("norva: Written and confirmed by the unit: 2 values\n"),
              std::string::npos)
        << written.err;
    EXPECT_NE(written.err.find("norva: The unit's configuration before this write is kept in "),
              std::string::npos)
        << written.err;
}

// A file system that is full: saves fail and keep the old file, a write whose backup cannot be
// kept sends nothing. Needs a small file system of its own (root may mount one).
TEST(UnitCommand, AFullDiskFailsEverySaveAndWriteAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString full = dir.filePath("full");
    QDir().mkpath(full);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", full}) != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString old = full + "/kept.nvc";
    {
        QFile f(old);
        f.open(QIODevice::WriteOnly);
        f.write("old\r\n");
    }
    {
        QFile filler(full + "/filler");
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(1024, '\0');
        while (filler.write(block) == block.size()) {
        }
    }
    for (const QStringList& save :
         {QStringList{"clone", "save", old}, {"params", "save", old}, {"ramps", "read", old}}) {
        SCOPED_TRACE(save.join(' ').toStdString());
        const Ran ran = RunNorva(QStringList{"--device", "sim:rate=1000"} + save);
        EXPECT_EQ(ran.status, 3);
        EXPECT_NE(ran.err.find("No space left on device"), std::string::npos) << ran.err;
        EXPECT_EQ(Read(old), "old\r\n");
    }
    const QString file = dir.filePath("unit.nvc");
    ASSERT_EQ(RunNorva({"--device", "sim:rate=1000", "clone", "save", file}).status, 0);
    const Ran write = RunNorva({"--device", "sim:rate=1000:engine=off", "factory", "max-rpm", "99"},
                               60000, {{"XDG_DATA_HOME", full}});
    EXPECT_EQ(write.status, 3);
    EXPECT_NE(write.err.find(": No space left on device: nothing was sent.\n"), std::string::npos)
        << write.err;
    EXPECT_EQ(write.err.find("Written"), std::string::npos);
    QProcess::execute("umount", {full});
}
