// The program run from the outside, as a user at a terminal runs it.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/Program.h"

using namespace norva::testing;

TEST(Program, AFileThatCannotBeReadIsNamedWithTheReasonAndNoRawBytes) {
    QTemporaryDir dir;
    Ran ran = RunNorva({"summary", "--image", dir.path()});
    EXPECT_EQ(ran.status, 3);
    EXPECT_EQ(ran.err, "norva: " + dir.path().toStdString() + ": is a directory\n");
    ran = RunNorva({"summary", "--image", dir.filePath("none.nvc")});
    EXPECT_EQ(ran.err, "norva: " + dir.filePath("none.nvc").toStdString() + ": no such file\n");

    const QString binary = dir.filePath("binary.nvc");
    QFile file(binary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x1b[2J\xff\xfe\x07", 7));
    file.close();
    ran = RunNorva({"summary", "--image", binary});
    EXPECT_EQ(ran.status, 3);
    EXPECT_NE(ran.err.find("'\\x1B[2J\\xFF\\xFE\\x07'"), std::string::npos) << ran.err;
    for (char c : ran.err) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);
}

// The system's language, or the one asked for; English where the program has none.
TEST(Program, SpeaksTheSystemsLanguageOrTheOneAskedFor) {
    const struct {
        const char* lang;
        QStringList asked;
        const char* says;
    } cases[] = {
        {"de_DE.UTF-8", {}, "norva: 1 Änderung;"},
        {"es_ES.UTF-8", {}, "norva: 1 cambio;"},
        {"fr_FR.UTF-8", {}, "norva: 1 modification"},
        {"C", {}, "norva: 1 change;"},
        {"de_DE.UTF-8", {"--language", "en"}, "norva: 1 change;"},
        {"C", {"--language", "fr"}, "norva: 1 modification"},
    };
    for (const auto& c : cases) {
        const Ran ran = RunNorva(c.asked + QStringList{"--device", "sim:rate=1000:engine=off",
                                                       "factory", "max-rpm", "120", "--dry-run"},
                                 60000, {{"LANG", c.lang}, {"LC_ALL", ""}, {"LANGUAGE", ""}});
        EXPECT_EQ(ran.status, 0) << ran.err;
        EXPECT_NE(ran.err.find(c.says), std::string::npos) << c.lang << ": " << ran.err;
    }
    // A refused command line too, said before any unit is looked for.
    const Ran refused = RunNorva({"clone", "save"}, 60000,
                                 {{"LANG", "de_DE.UTF-8"}, {"LC_ALL", ""}, {"LANGUAGE", ""}});
    EXPECT_EQ(refused.status, 64);
    EXPECT_NE(refused.err.find("FILE.nvc ist erforderlich"), std::string::npos) << refused.err;
}
