#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "base/IniFile.h"

using namespace norva;

namespace {

IniFile FromText(const QTemporaryDir& dir, const std::string& text) {
    const QString path = dir.filePath("t.ini");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
    f.close();
    return *IniFile::Load(path);
}

}  // namespace

TEST(IniFile, ReadsLikeTheProfileFunctions) {
    QTemporaryDir dir;
    const IniFile ini = FromText(dir,
                                 "Orphan=1\n"
                                 "[ Main ]\n"
                                 "; Key=commented\n"
                                 "  Key  =  spaced value  \n"
                                 "key=second\n"
                                 "Quoted=\"a b\"\n"
                                 "Single='x'\n"
                                 "Half=\"open\n"
                                 "NoEquals\n"
                                 "Empty=\n"
                                 "[main]\n"
                                 "Late=ignored\n");
    EXPECT_EQ(ini.Get("MAIN", "KEY"), "spaced value");
    EXPECT_EQ(ini.Get("Main", "Quoted"), "a b");
    EXPECT_EQ(ini.Get("Main", "Single"), "x");
    EXPECT_EQ(ini.Get("Main", "Half"), "\"open");
    EXPECT_EQ(ini.Get("Main", "Empty"), "");
    EXPECT_FALSE(ini.Get("Main", "NoEquals"));
    EXPECT_FALSE(ini.Get("Main", "Late"));  // only the first section of a name counts
    EXPECT_FALSE(ini.Get("", "Orphan"));
    EXPECT_FALSE(ini.Get("Other", "Key"));
}

TEST(IniFile, WritingTouchesOnlyItsOwnLine) {
    QTemporaryDir dir;
    IniFile ini = FromText(dir, "[A]\nx=1\n\n; note\n[B]\ny=2");
    ini.Set("a", "X", "10");
    ini.Set("A", "z", "3");
    ini.Set("B", "w", "4");
    ini.Set("C", "v", "5\r\nInjected=1");
    EXPECT_EQ(ini.Text(), "[A]\nx=10\nz=3\n\n; note\n[B]\ny=2\nw=4\n[C]\nv=5\n");
}
