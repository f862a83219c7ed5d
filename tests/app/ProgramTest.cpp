// The program run from the outside, as a user at a terminal runs it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/Program.h"

using namespace norva::testing;

TEST(Program, AWrongArgumentGetsOneLineAndAPointerToHelp) {
    const Ran ran = RunNorva({"--bogus"});
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.err, "norva: unknown argument '--bogus'\nTry 'norva --help'.\n");
    EXPECT_EQ(ran.out, "");
    const Ran help = RunNorva({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: norva", 0), 0u);
    EXPECT_EQ(RunNorva({"--version"}).out, "norva 0.1\n");
}

TEST(Program, AFileThatCannotBeReadIsNamedWithTheReasonAndNoRawBytes) {
    QTemporaryDir dir;
    Ran ran = RunNorva({"summary", "--image", dir.path()});
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.err, "norva: " + dir.path().toStdString() + ": is a directory\n");
    ran = RunNorva({"summary", "--image", dir.filePath("none.nvc")});
    EXPECT_EQ(ran.err, "norva: " + dir.filePath("none.nvc").toStdString() + ": no such file\n");

    const QString binary = dir.filePath("binary.nvc");
    QFile file(binary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x1b[2J\xff\xfe\x07", 7));
    file.close();
    ran = RunNorva({"summary", "--image", binary});
    EXPECT_EQ(ran.status, 2);
    EXPECT_NE(ran.err.find("'\\x1B[2J\\xFF\\xFE\\x07'"), std::string::npos) << ran.err;
    for (char c : ran.err) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);
}
