#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <tuple>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::string_literals;

#include "base/IniFile.h"
#include "base/Settings.h"

using namespace norva;

namespace {

class ConfigTest : public ::testing::Test {
  protected:
    QString path() const { return dir.filePath("norva10.ini"); }

    void write(const std::string& text) const {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
    }

    std::string contents() const {
        QFile f(path());
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll().toStdString();
    }

    QTemporaryDir dir;
};

// The settings read as numbers and text, in a form that compares and prints whole.
using Fields = std::tuple<int, int, int, float, float, float, float, std::string, float>;
Fields Read(const QString& path) {
    const Config c = ReadConfig(path);
    return {c.CommPort, c.AccessLevel, c.CalIntFactor, c.ThrustCalibration, c.ThrustZero,
            c.TempMax,  c.PresMax,     c.NorvaType,    c.ChartRefresh};
}

}  // namespace

TEST_F(ConfigTest, StoredNumbersAreReadWhateverTheCaseAndBadOnesGiveTheDefault) {
    const Fields defaults{2, 0, 17, 1.0f, 0.0f, 800.0f, 1.0f, "P", 250.0f};
    EXPECT_EQ(Read(path()), defaults);
    EXPECT_FALSE(QFileInfo::exists(path())) << "reading must not create the file";
    const std::pair<std::string, Fields> cases[] = {
        {"[COMM]\r\nactual=0\r\n[color]\r\nACTUAL = 742\r\n[CalInt]\r\nFactor=20\r\n"
         "[thrust]\r\ncalibration=1.25\r\nZERO=-3.5\r\n[Gauges]\r\nTEMP.MAX=900\r\n"
         "[Norva_Type]\r\ntype=\"T\"\r\n[Graphic]\r\nRefresh=500\r\n",
         {0, 742, 20, 1.25f, -3.5f, 900.0f, 1.0f, "T", 500.0f}},
        // No number, beyond 16 bits (70000), beyond a single (1e99): the default.
        {"[Comm]\nActual=COM1\n[Color]\nActual=70000\n[CalInt]\nFactor=\n"
         "[Thrust]\nCalibration=1,5,0\nZero=x\n[Gauges]\nTemp.Max=1e99\n[Graphic]\nRefresh=fast\n",
         defaults},
        // Integers round to even; the pressure factor is always the fixed one.
        {"[Comm]\nActual=2.5\n[Color]\nActual=741.6\n[CalInt]\nFactor=-1\n"
         "[Pressure_Factor]\nValue=0.02\n",
         {2, 742, -1, 1.0f, 0.0f, 800.0f, 1.0f, "P", 250.0f}},
        // A decimal comma is read (written back, a period: PlainNumberText); a period and a
        // comma are no number.
        {"[Thrust]\nCalibration=1,5\nZero=-0,25\n[Gauges]\nTemp.Max=850.5\n"
         "[Graphic]\nRefresh=1.000,5\n",
         {2, 0, 17, 1.5f, -0.25f, 850.5f, 1.0f, "P", 250.0f}},
    };
    for (const auto& [text, expected] : cases) {
        write(text);
        EXPECT_EQ(Read(path()), expected) << text;
        EXPECT_EQ(ReadConfig(path()).PressureFactor, 0.009f);
    }
}

TEST_F(ConfigTest, PresMaxTakesOnlyTheLeadingNumber) {
    const std::pair<const char*, float> cases[] = {{"1,4", 1.0f}, {"1.4", 1.4f}, {"2.5bar", 2.5f},
                                                   {" 3", 3.0f},  {"abc", 1.0f}, {"", 1.0f}};
    for (const auto& [text, expected] : cases) {
        write(std::string("[Gauges]\nPres.Max=") + text + "\n");
        EXPECT_EQ(ReadConfig(path()).PresMax, expected) << text;
    }
}

TEST_F(ConfigTest, ValuesAreCutAt74CharactersAndAtTheFirstNul) {
    const std::string longType(100, 'X');
    write("[Norva_type]\nType=" + longType + "\n");
    EXPECT_EQ(ReadConfig(path()).NorvaType, std::string(74, 'X'));

    write("[Norva_type]\nType=PX\0junk\n[Comm]\nActual=0\0 9\n"s);
    EXPECT_EQ(ReadConfig(path()).NorvaType, "PX");
    EXPECT_EQ(ReadConfig(path()).CommPort, 0);

    write("[Norva_type]\nType=\0P\n"s);
    EXPECT_EQ(ReadConfig(path()).NorvaType, "");

    // A number beyond the 74th character no longer counts.
    write("[Graphic]\nRefresh=" + std::string(73, '1') + "x\n");
    EXPECT_EQ(ReadConfig(path()).ChartRefresh, 250.0f);
}

TEST_F(ConfigTest, ExitOnAFreshMachineWritesEveryKeyInOrder) {
    ASSERT_TRUE(GuardaConfig(path(), ReadConfig(path())));
    EXPECT_EQ(contents(),
              "[Comm]\r\nActual=2\r\n"
              "[Color]\r\nActual=0\r\n"
              "[Gauges]\r\nR.P.M.Max=250\r\nTemp.Max=800\r\nPres.Max=1\r\n"
              "[Graphic]\r\nRefresh=250\r\n"
              "[Pressure_Factor]\r\nValue=0.009\r\n"
              "[Norva_type]\r\nType=P\r\n"
              "[Thrust]\r\nCalibration=1\r\nZero=0\r\n");
    EXPECT_TRUE(DefaultConfigPath().endsWith("/norva/norva10.ini"));
    // The connected unit's full speed is saved.
    ASSERT_TRUE(GuardaConfig(path(), Config{}, 120));
    EXPECT_EQ(IniFile::Load(path())->Get("Gauges", "R.P.M.Max"), "120");
}

TEST_F(ConfigTest, OtherSectionsKeysAndCommentsAreKeptAndKeysChangedWhereTheyStand) {
    const std::string kept =
        "; kept by hand\n[Other]\nName=keep me\n\n[comm]\nACTUAL=5\nExtra=yes\n\n";
    write(kept + "[Thrust]\nZero=4\n\n[FormSize]\nForm1W= 9000\n");
    Config c = ReadConfig(path());
    c.ThrustZero = 1.5f;
    ASSERT_TRUE(GuardaConfig(path(), c));
    const std::string text = contents();
    EXPECT_EQ(
        text.rfind(kept + "[Thrust]\nZero=1.5\nCalibration=1\n\n[FormSize]\nForm1W= 9000\n", 0), 0u)
        << text;
    EXPECT_EQ(IniFile::Load(path())->Get("Gauges", "R.P.M.Max"), "250");
}

TEST_F(ConfigTest, AFailedWriteChangesNothingAndSaysWhy) {
    // A plain file where the folder should be: nothing can be written below it.
    {
        QFile f(dir.filePath("plain-file"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString blocked = dir.filePath("plain-file/norva10.ini");
    std::string error;
    EXPECT_FALSE(GuardaConfig(blocked, Config{}, 250, &error));
    EXPECT_EQ(error, blocked.toStdString() + ": the folder cannot be made");
    EXPECT_FALSE(WriteGeometry(blocked, "Form1", Geometry{}));
    EXPECT_EQ(ReadConfig(blocked).CommPort, 2);
    EXPECT_EQ(QFileInfo(dir.filePath("plain-file")).size(), 0);
    // A read-only file: MainWindowTest.
}

TEST_F(ConfigTest, SavingKeepsTheFilesOwnerAndGroup) {
    write("[Comm]\nActual=5\n");
    // Another group of the user's, or (as superuser) another owner altogether.
    const uid_t uid = ::geteuid() == 0 ? 65534 : ::geteuid();
    gid_t groups[64];
    const int n = ::getgroups(64, groups);
    gid_t gid = ::getegid();
    for (int i = 0; i < n; ++i)
        if (groups[i] != ::getegid()) gid = groups[i];
    if (::geteuid() == 0) gid = 65534;
    if (gid == ::getegid() && uid == ::geteuid()) GTEST_SKIP() << "no other group to try";
    ASSERT_EQ(::chown(QFile::encodeName(path()).constData(), uid, gid), 0);
    ASSERT_TRUE(GuardaConfig(path(), Config{}));
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &after), 0);
    EXPECT_EQ(after.st_uid, uid);
    EXPECT_EQ(after.st_gid, gid);
    EXPECT_NE(contents().find("Actual=2"), std::string::npos);
}

TEST_F(ConfigTest, AFolderThatCannotTakeATemporaryFileGetsTheFileWrittenInPlace) {
    write("[Comm]\nActual=5\n");
    ASSERT_TRUE(QFile::setPermissions(
        path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther));
    const QFile::Permissions folder = QFile::permissions(dir.path());
    ASSERT_TRUE(QFile::setPermissions(
        dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    int status = -1;
    if (::geteuid() == 0) {
        // The superuser writes anywhere: try as nobody, in a child process.
        const pid_t child = ::fork();
        if (child == 0) {
            const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(dropped && GuardaConfig(path(), Config{}) ? 0 : 1);
        }
        ::waitpid(child, &status, 0);
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    } else {
        status = GuardaConfig(path(), Config{}) ? 0 : 1;
    }
    QFile::setPermissions(dir.path(), folder);
    EXPECT_EQ(status, 0);
    EXPECT_NE(contents().find("[Comm]\nActual=2"), std::string::npos) << contents();
}

TEST_F(ConfigTest, WindowGeometryIsKeptOnScreen) {
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{9400, 6000, 1000, 1000}));
    EXPECT_EQ(ReadChartGeometry(path()), (Geometry{9400, 6000, 0, 0}));
    write("[FormSize]\nForm1W=12000\nForm1H=4000\nForm1L=500\nForm1T=2000\n");
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{10000, 5000, 1000, 2000}));
    write("[FormSize]\nForm1W=3000\nForm1H=20000\nForm1L=-50\nForm1T=1000\n");
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{4000, 20000, 1000, 1000}));
    write("[FormSize]\nForm1W= 8000\nForm1H=7000.4\nForm1L=wide\nForm1T=1e30\n");
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{8000, 7000, 1000, 1000000000}));
    // The chart window has its own limits.
    write("[FormSize]\nForm4W=500\nForm4H=100\nForm4L=-200\nForm4T=300px\n");
    EXPECT_EQ(ReadChartGeometry(path()), (Geometry{1000, 600, 0, 300}));
    write("[FormSize]\nForm4W=12000\nForm4H=9000\n");
    EXPECT_EQ(ReadChartGeometry(path()), (Geometry{12000, 9000, 0, 0}));
}

TEST_F(ConfigTest, GeometryIsWrittenWithALeadingBlank) {
    ASSERT_TRUE(WriteGeometry(path(), "Form1", Geometry{9400, 6000, 1000, 1200}));
    ASSERT_TRUE(WriteGeometry(path(), "Form5", Geometry{8000, 5000, -300, 0}));
    EXPECT_EQ(contents(),
              "[FormSize]\r\nForm1W= 9400\r\nForm1H= 6000\r\nForm1L= 1000\r\nForm1T= 1200\r\n"
              "Form5W= 8000\r\nForm5H= 5000\r\nForm5L=-300\r\nForm5T= 0\r\n");
    EXPECT_EQ(ReadProfileString(path(), "formsize", "FORM1W", "x"), "9400");
    // Settings and geometry live side by side in the one file.
    ASSERT_TRUE(GuardaConfig(path(), Config{}));
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{9400, 6000, 1000, 1200}));
}
