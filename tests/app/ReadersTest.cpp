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
#include "runlog/Runs.h"
#include "runlog/TimeChart.h"

using namespace norva;

TEST(Readers, RefuseWhatIsNotARegularFileAndFilesBeyondTheirSize) {
    std::string error;
    const auto refused = [&](bool read) { return read ? std::string("read") : error; };
    const std::vector<std::function<std::string(const std::string&)>> readers = {
        [&](auto& p) { return refused(params::ReadCloneFile(p, error).has_value()); },
        [&](auto& p) { return refused(ReadParameterFile(p, error).has_value()); },
        [&](auto& p) { return refused(ReadRampFile(p, error).has_value()); },
        [&](auto& p) { return refused(ReadMeasureFile(p, error).has_value()); },
        [&](auto& p) { return refused(ReadRawLog(p, error).has_value()); },
        [&](auto& p) { return refused(ReadRunLogExport(p, error).has_value()); },
        [&](auto& p) { return refused(ReadExportFile(p, error).has_value()); },
        [&](auto& p) {
            error.clear();
            ReadConfig(QString::fromStdString(p), &error);
            return error;
        },
    };
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
    EXPECT_FALSE(GuardaConfig(QString::fromStdString(fifo), Config{}, 250, &error));
    EXPECT_EQ(error, fifo + ": not a regular file");
}
