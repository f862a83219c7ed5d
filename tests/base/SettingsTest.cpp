#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

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

}  // namespace

TEST_F(ConfigTest, WithoutAFileEverySettingHasItsDefault) {
    const Config c = ReadConfig(path());
    EXPECT_EQ(c.CommPort, 2);
    EXPECT_EQ(c.AccessLevel, 0);
    EXPECT_EQ(c.CalIntFactor, 17);
    EXPECT_EQ(c.ThrustCalibration, 1.0f);
    EXPECT_EQ(c.ThrustZero, 0.0f);
    EXPECT_EQ(c.TempMax, 800.0f);
    EXPECT_EQ(c.PresMax, 1.0f);  // from the text "1,4"
    EXPECT_EQ(c.NorvaType, "P");
    EXPECT_EQ(c.ChartRefresh, 250.0f);
    EXPECT_EQ(c.PressureFactor, 0.009f);
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{9400, 6000, 1000, 1000}));
    EXPECT_EQ(ReadChartGeometry(path()), (Geometry{9400, 6000, 0, 0}));
    EXPECT_FALSE(QFileInfo::exists(path())) << "reading must not create the file";
}

TEST_F(ConfigTest, StoredValuesAreReadWhateverTheCase) {
    write(
        "[COMM]\r\nactual=0\r\n[color]\r\nACTUAL = 742\r\n[CalInt]\r\nFactor=20\r\n"
        "[thrust]\r\ncalibration=1.25\r\nZERO=-3.5\r\n[Gauges]\r\nTEMP.MAX=900\r\n"
        "[Norva_Type]\r\ntype=\"T\"\r\n[Graphic]\r\nRefresh=500\r\n");
    const Config c = ReadConfig(path());
    EXPECT_EQ(c.CommPort, 0);
    EXPECT_EQ(c.AccessLevel, 742);
    EXPECT_EQ(c.CalIntFactor, 20);
    EXPECT_EQ(c.ThrustCalibration, 1.25f);
    EXPECT_EQ(c.ThrustZero, -3.5f);
    EXPECT_EQ(c.TempMax, 900.0f);
    EXPECT_EQ(c.NorvaType, "T");
    EXPECT_EQ(c.ChartRefresh, 500.0f);
}

TEST_F(ConfigTest, PressureFactorIsAlwaysTheFixedOne) {
    write("[Pressure_Factor]\nValue=0.02\n");
    EXPECT_EQ(ReadConfig(path()).PressureFactor, 0.009f);
    ASSERT_TRUE(GuardaConfig(path(), ReadConfig(path())));
    EXPECT_EQ(IniFile::Load(path())->Get("Pressure_Factor", "Value"), "0.009");
}

TEST_F(ConfigTest, PresMaxTakesOnlyTheLeadingNumber) {
    const std::pair<const char*, float> cases[] = {{"1,4", 1.0f}, {"1.4", 1.4f}, {"2.5bar", 2.5f},
                                                   {" 3", 3.0f},  {"abc", 1.0f}, {"", 1.0f}};
    for (const auto& [text, expected] : cases) {
        write(std::string("[Gauges]\nPres.Max=") + text + "\n");
        EXPECT_EQ(ReadConfig(path()).PresMax, expected) << text;
    }
}

TEST_F(ConfigTest, TextsThatAreNoNumberGiveTheDefault) {
    write(
        "[Comm]\nActual=COM1\n[Color]\nActual=70000\n[CalInt]\nFactor=\n"
        "[Thrust]\nCalibration=1,5,0\nZero=x\n[Gauges]\nTemp.Max=1e99\n[Graphic]\nRefresh=fast\n");
    const Config c = ReadConfig(path());
    EXPECT_EQ(c.CommPort, 2);
    EXPECT_EQ(c.AccessLevel, 0);  // beyond 16 bits
    EXPECT_EQ(c.CalIntFactor, 17);
    EXPECT_EQ(c.ThrustCalibration, 1.0f);
    EXPECT_EQ(c.ThrustZero, 0.0f);
    EXPECT_EQ(c.TempMax, 800.0f);  // beyond a single
    EXPECT_EQ(c.ChartRefresh, 250.0f);
}

TEST_F(ConfigTest, IntegersRoundToEven) {
    write("[Comm]\nActual=2.5\n[Color]\nActual=741.6\n[CalInt]\nFactor=-1\n");
    const Config c = ReadConfig(path());
    EXPECT_EQ(c.CommPort, 2);
    EXPECT_EQ(c.AccessLevel, 742);
    EXPECT_EQ(c.CalIntFactor, -1);
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

TEST_F(ConfigTest, ADecimalCommaIsReadAndAPeriodWrittenBack) {
    write(
        "[Thrust]\nCalibration=1,5\nZero=-0,25\n[Gauges]\nTemp.Max=850.5\nPres.Max=1,4\n"
        "[Graphic]\nRefresh=1.000,5\n");
    const Config c = ReadConfig(path());
    EXPECT_EQ(c.ThrustCalibration, 1.5f);
    EXPECT_EQ(c.ThrustZero, -0.25f);
    EXPECT_EQ(c.TempMax, 850.5f);
    EXPECT_EQ(c.PresMax, 1.0f);         // its own leading-number rule
    EXPECT_EQ(c.ChartRefresh, 250.0f);  // a period and a comma: no number
    ASSERT_TRUE(GuardaConfig(path(), c));
    EXPECT_NE(contents().find("Calibration=1.5\nZero=-0.25\n"), std::string::npos) << contents();
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
    // Written back, the settings read the same.
    const Config again = ReadConfig(path());
    EXPECT_EQ(again.CommPort, 2);
    EXPECT_EQ(again.PresMax, 1.0f);
    EXPECT_EQ(again.NorvaType, "P");
}

TEST_F(ConfigTest, ConnectedUnitsFullSpeedAndChangedSettingsAreSaved) {
    Config c;
    c.AccessLevel = 741;
    c.ThrustCalibration = 1.05f;
    c.ThrustZero = -12.5f;
    ASSERT_TRUE(GuardaConfig(path(), c, 120));
    const auto ini = IniFile::Load(path());
    EXPECT_EQ(ini->Get("Gauges", "R.P.M.Max"), "120");
    EXPECT_EQ(ini->Get("Color", "Actual"), "741");
    EXPECT_EQ(ini->Get("Thrust", "Calibration"), "1.05");
    EXPECT_EQ(ini->Get("Thrust", "Zero"), "-12.5");
    const Config back = ReadConfig(path());
    EXPECT_EQ(back.ThrustCalibration, 1.05f);
    EXPECT_EQ(back.ThrustZero, -12.5f);
}

TEST_F(ConfigTest, OtherSectionsKeysAndCommentsAreKept) {
    write(
        "; kept by hand\n[Other]\nName=keep me\n\n[comm]\nACTUAL=5\nExtra=yes\n\n"
        "[FormSize]\nForm1W= 9000\n");
    ASSERT_TRUE(GuardaConfig(path(), ReadConfig(path())));
    const std::string text = contents();
    EXPECT_EQ(text.rfind("; kept by hand\n[Other]\nName=keep me\n\n[comm]\nACTUAL=5\nExtra=yes\n\n"
                         "[FormSize]\nForm1W= 9000\n",
                         0),
              0u)
        << text;
    const auto ini = IniFile::Load(path());
    EXPECT_EQ(ini->Get("Other", "Name"), "keep me");
    EXPECT_EQ(ini->Get("Comm", "Extra"), "yes");
    EXPECT_EQ(ini->Get("FormSize", "Form1W"), "9000");
    EXPECT_EQ(ini->Get("Gauges", "R.P.M.Max"), "250");
}

TEST_F(ConfigTest, AnExistingKeyIsChangedWhereItStands) {
    write("[Comm]\nActual=7\n\n[Thrust]\nZero=4\n");
    Config c = ReadConfig(path());
    c.ThrustZero = 1.5f;
    ASSERT_TRUE(GuardaConfig(path(), c));
    const std::string text = contents();
    EXPECT_EQ(text.rfind("[Comm]\nActual=7\nActual=0\n", 0), std::string::npos);
    EXPECT_EQ(text.rfind("[Comm]\nActual=7\n\n[Thrust]\nZero=1.5\nCalibration=1\n", 0), 0u) << text;
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

    // A read-only file is the user's say: left as it is, even for a superuser.
    write("[Comm]\nActual=5\n");
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup));
    EXPECT_FALSE(GuardaConfig(path(), Config{}, 250, &error));
    EXPECT_EQ(error, path().toStdString() + ": the file is read-only");
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(contents(), "[Comm]\nActual=5\n");
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

TEST_F(ConfigTest, MainWindowGeometryIsKeptOnScreen) {
    write("[FormSize]\nForm1W=12000\nForm1H=4000\nForm1L=500\nForm1T=2000\n");
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{10000, 5000, 1000, 2000}));
    write("[FormSize]\nForm1W=3000\nForm1H=20000\nForm1L=-50\nForm1T=1000\n");
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{4000, 20000, 1000, 1000}));
    write("[FormSize]\nForm1W= 8000\nForm1H=7000.4\nForm1L=wide\nForm1T=1e30\n");
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{8000, 7000, 1000, 1000000000}));
}

TEST_F(ConfigTest, ChartGeometryHasItsOwnLimits) {
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
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{9400, 6000, 1000, 1200}));
    // Settings and geometry live side by side in the one file.
    ASSERT_TRUE(GuardaConfig(path(), Config{}));
    EXPECT_EQ(ReadMainGeometry(path()), (Geometry{9400, 6000, 1000, 1200}));
}

TEST_F(ConfigTest, AFolderIsMadeForTheFirstWrite) {
    const QString nested = dir.filePath("norva/norva10.ini");
    ASSERT_TRUE(GuardaConfig(nested, Config{}));
    EXPECT_TRUE(QFileInfo::exists(nested));
    EXPECT_TRUE(DefaultConfigPath().endsWith("/norva/norva10.ini"));
}
