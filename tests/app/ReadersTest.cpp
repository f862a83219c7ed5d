// Every reader of the program's files refuses at once, naming the file, what is not a regular
// file (a FIFO would block it, /dev/zero fill the memory) and a file beyond its format's size.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include "base/Settings.h"
#include "config/CloneImage.h"
#include "config/ParameterFile.h"
#include "perfchart/PerfChart.h"
#include "ramps/Ramps.h"
#include "runlog/RunLog.h"
#include "runlog/Runs.h"
#include "runlog/TimeChart.h"
#include "support/MarkingTranslator.h"

using namespace norva;

namespace {
// Each reader of the program's files: what it refuses, empty for a file it read.
std::vector<std::function<std::string(const std::string&)>> Readers() {
    const auto refused = [](auto read) {
        return [read](const std::string& path) {
            std::string error;
            return read(path, error) ? std::string() : error;
        };
    };
    return {
        refused([](auto& p, auto& e) { return params::ReadCloneFile(p, e).has_value(); }),
        refused([](auto& p, auto& e) { return ReadParameterFile(p, e).has_value(); }),
        refused([](auto& p, auto& e) { return ReadRampFile(p, e).has_value(); }),
        refused([](auto& p, auto& e) { return ReadMeasureFile(p, e).has_value(); }),
        refused([](auto& p, auto& e) { return ReadRawLog(p, e).has_value(); }),
        refused([](auto& p, auto& e) { return ReadRunLogExport(p, e).has_value(); }),
        refused([](auto& p, auto& e) { return ReadExportFile(p, e).has_value(); }),
        [](const std::string& p) {
            std::string error;
            ReadConfig(QString::fromStdString(p), &error);
            return error;
        },
    };
}
}  // namespace

TEST(Readers, RefuseWhatIsNotARegularFileAndFilesBeyondTheirSize) {
    const auto readers = Readers();
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("fifo").toStdString();
    const std::string huge = dir.filePath("huge").toStdString();  // sparse: no room taken
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream{huge}.close();
    ASSERT_EQ(::truncate(huge.c_str(), 64 << 20), 0);
    for (size_t k = 0; k < readers.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(readers[k](fifo), fifo + ": not a regular file");
        EXPECT_EQ(readers[k]("/dev/zero"), "/dev/zero: not a regular file");
        EXPECT_EQ(readers[k](huge).rfind(huge + ": too large for this kind of file", 0), 0u);
    }
    // Nor is a refused settings file replaced by a save.
    std::string error;
    EXPECT_FALSE(GuardaConfig(QString::fromStdString(fifo), Config{}, 250, &error));
    EXPECT_EQ(error, fifo + ": not a regular file");
}

// What is wrong inside a file is one sentence in the user's language, after the file's name and
// line as they are.
TEST(Readers, SayWhatIsWrongInsideAFileInTheUsersLanguage) {
    const MarkingTranslator marks;
    const std::string header(kRunLogColumns);
    const std::pair<int, std::string> cases[] = {
        {0, "3x\r\n"},    {1, "300\r\n"}, {2, "x\r\n"}, {2, "1\r\n2\r\n"},
        {3, "1,2,3\r\n"}, {4, "256\r\n"}, {5, "x\r\n"}, {5, header + "\r\n1,2\r\n"},
    };
    const auto readers = Readers();
    QTemporaryDir dir;
    const std::string path = dir.filePath("file").toStdString();
    for (const auto& [reader, text] : cases) {
        std::ofstream{path, std::ios::binary} << text;
        const std::string said = readers[reader](path);
        EXPECT_EQ(said.rfind(path + ":", 0), 0u) << said;
        EXPECT_NE(said.find(": \u00AB"), std::string::npos) << said;
        EXPECT_EQ(said.back(), '\xBB') << said;
    }
}
