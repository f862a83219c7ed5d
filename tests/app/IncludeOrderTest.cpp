// The folders include one another one way only: base <- protocol <- link/hid <- link <-
// windows and operations <- app, with ui beside base and the simulated unit on protocol.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <map>
#include <set>

namespace {

const QString kSource = QStringLiteral(NORVA_SOURCE_DIR "/src");

// A file's folder as the rules name it: "link/hid", "link", "params", ...
QString FolderOf(const QString& path) {
    QString folder = QFileInfo(path).path();
    return folder == "." ? QString() : folder;
}

bool IsFeature(const QString& folder) {
    static const std::set<QString> base = {"base", "ui",       "protocol", "sim",
                                           "link", "link/hid", "app",      "cli"};
    return !folder.isEmpty() && !base.count(folder);
}

// May files in `from` include files in `to`?
bool Allowed(const QString& from, const QString& to) {
    if (from == to || from == "app") return true;
    // The command line reaches units itself and runs the operations, but no window.
    if (from == "cli") return to != "app";
    static const std::map<QString, std::set<QString>> below = {
        {"base", {}},
        {"ui", {"base"}},
        {"protocol", {"base"}},
        {"sim", {"base", "protocol"}},
        {"link/hid", {"base", "protocol", "sim"}},
        {"link", {"base", "protocol", "link/hid"}},
    };
    if (auto it = below.find(from); it != below.end()) return it->second.count(to) != 0;
    // Windows and operations: everything below them but the ways bytes reach a unit, and
    // one another without a cycle (checked apart).
    static const std::set<QString> forFeatures = {"base", "ui", "protocol", "link"};
    return forFeatures.count(to) != 0 || IsFeature(to);
}

struct Include {
    QString file;
    int line;
    QString target;
    bool system = false;  // <...>: a library's header
};

std::vector<Include> AllIncludes() {
    std::vector<Include> out;
    static const QRegularExpression include(
        QStringLiteral(R"re(^\s*#\s*include\s+(["<])([^">]+)[">])re"));
    QDirIterator it(kSource, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        int line = 0;
        while (!file.atEnd()) {
            ++line;
            const auto match = include.match(QString::fromUtf8(file.readLine()));
            if (match.hasMatch())
                out.push_back({QDir(kSource).relativeFilePath(path), line, match.captured(2),
                               match.captured(1) == "<"});
        }
    }
    return out;
}

}  // namespace

TEST(IncludeOrder, EveryIncludeRunsDownwards) {
    const auto includes = AllIncludes();
    ASSERT_GT(includes.size(), 100u);  // the tree was found
    for (const Include& inc : includes) {
        if (inc.system) continue;
        const QString from = FolderOf(inc.file);
        const QString to = FolderOf(inc.target);
        if (to.isEmpty()) continue;  // a file beside it
        EXPECT_TRUE(Allowed(from, to)) << inc.file.toStdString() << ":" << inc.line << " includes "
                                       << inc.target.toStdString();
    }
}

// The windows: the App, the main window, every *Window file, and the widget-based parts of ui/.
bool IsWindowFile(const QString& path) {
    static const QRegularExpression window(QStringLiteral(
        R"re(^(app/|mainwin/)|Window\.(h|cpp)$|^ui/(CanvasWidget|QtDialogs|TwipLayout)\.)re"));
    return window.match(path).hasMatch();
}

TEST(IncludeOrder, TheCoreHasNoWindowAndNoWidget) {
    // Qt's widget and printing modules, which the core library does not link.
    static const QRegularExpression widgets(QStringLiteral(
        R"re(^Q(Widget|MainWindow|Dialog|Label|PushButton|LineEdit|Menu|MenuBar|Action|Application|)re"
        R"re(MessageBox|FileDialog|Printer|PrintDialog|Splitter|TreeWidget|GroupBox|CheckBox|)re"
        R"re(PlainTextEdit|ScrollBar|HeaderView|DockWidget|VBoxLayout|HBoxLayout|InputDialog)$)re"));
    int core = 0;
    for (const Include& inc : AllIncludes()) {
        if (IsWindowFile(inc.file)) continue;
        ++core;
        EXPECT_FALSE(IsWindowFile(inc.target)) << inc.file.toStdString() << ":" << inc.line
                                               << " includes " << inc.target.toStdString();
        EXPECT_FALSE(widgets.match(inc.target).hasMatch())
            << inc.file.toStdString() << ":" << inc.line << " includes "
            << inc.target.toStdString();
    }
    EXPECT_GT(core, 100);
}

TEST(IncludeOrder, WindowFoldersDoNotIncludeEachOtherInACircle) {
    std::map<QString, std::set<QString>> uses;
    for (const Include& inc : AllIncludes()) {
        if (inc.system) continue;
        const QString from = FolderOf(inc.file);
        const QString to = FolderOf(inc.target);
        if (IsFeature(from) && IsFeature(to) && from != to) uses[from].insert(to);
    }
    // Depth-first search for a way back to where it started.
    std::function<bool(const QString&, const QString&, std::set<QString>&)> reaches =
        [&](const QString& from, const QString& goal, std::set<QString>& seen) {
            for (const QString& next : uses[from]) {
                if (next == goal) return true;
                if (seen.insert(next).second && reaches(next, goal, seen)) return true;
            }
            return false;
        };
    for (const auto& [folder, _] : uses) {
        std::set<QString> seen;
        EXPECT_FALSE(reaches(folder, folder, seen)) << folder.toStdString() << " includes itself";
    }
}

// Configuration cells reach the unit through the write gate alone. Besides the link itself, only
// the read questions, the download request and the calibration's and hardware test's step lists
// send anything, and none of them writes a setting outside its own cells.
TEST(SourceRules, OnlyTheLinkAndTheWriteGateSendConfigurationCells) {
    const QRegularExpression sends(QStringLiteral(R"(\.(send|sendKeeping|Transmet)\()"));
    const std::set<QString> allowed = {"config/WriteGate.cpp", "config/ParameterFile.cpp",
                                       "runlog/Download.cpp", "factory/FactoryCommands.cpp"};
    std::set<QString> found;
    QDirIterator it(kSource, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(kSource).relativeFilePath(it.next());
        QFile file(it.filePath());
        if (path.startsWith("link/") || !file.open(QIODevice::ReadOnly)) continue;
        if (sends.match(QString::fromUtf8(file.readAll())).hasMatch()) found.insert(path);
    }
    for (const QString& path : found) EXPECT_TRUE(allowed.count(path)) << path.toStdString();
    EXPECT_TRUE(found.count("config/WriteGate.cpp"));
}

// The system's own headers are included in base/Platform.cpp only, so that a build for
// another system has one file to look at.
TEST(SourceRules, SystemHeadersOnlyInThePlatformFile) {
    const QRegularExpression system(QStringLiteral(
        R"(#\s*include\s*<((unistd|fcntl|poll|netdb|termios|signal|dirent|dlfcn|pthread|pwd|grp|)"
        R"(io|windows|winsock2)\.h|(sys|netinet|arpa|linux)/[\w/]+\.h)>)"));
    for (const char* folder : {"src", "bench", "fuzz", "tools"}) {
        const QString root = QStringLiteral(NORVA_SOURCE_DIR "/") + folder;
        QDirIterator it(root, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (it.filePath().endsWith("src/base/Platform.cpp") || !file.open(QIODevice::ReadOnly))
                continue;
            const auto match = system.match(QString::fromUtf8(file.readAll()));
            EXPECT_FALSE(match.hasMatch())
                << it.filePath().toStdString() << ": " << match.captured(0).toStdString();
        }
    }
}

// A cell is named in the address map and nowhere else: no image, memory or trailer is indexed
// by a number, and no row of the image layout gives its address as one (the simulated unit's
// stop speed once sat in a cell of its own numbering and every test passed).
TEST(SourceRules, CellsAreNamedInTheAddressMapOnly) {
    const QRegularExpression indexed(QStringLiteral(
        R"(\b(image|Image|memory|m|b|cells|bytes)(\.get\(\))?\s*\[\s*([2-9]|\d{2,3})\s*\])"));
    const QRegularExpression row(
        QStringLiteral(R"(\b(One|Shown|Wide|Block|Written|Downward)\(\s*\w+,\s*\d)"));
    QDirIterator it(kSource, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(kSource).relativeFilePath(it.next());
        QFile file(it.filePath());
        // The run log's own page bytes are no configuration cells.
        if (path == "protocol/AddressMap.h" || path == "sim/SimRunLog.cpp" ||
            !file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QRegularExpression& rule : {indexed, row}) {
            const auto match = rule.match(text);
            EXPECT_FALSE(match.hasMatch())
                << path.toStdString() << ": " << match.captured(0).toStdString();
        }
    }
}

// Every sentence the program says can be translated: a text of words stands in tr(),
// translate() or a translation marker. Kept as they are: the simulated unit and the unit's own
// texts (protocol/), style sheets, SQL, and the few below.
TEST(SourceRules, EverySentenceCanBeTranslated) {
    // Kept as they are: Qt's and libpq's messages, recognised; results printed on standard
    // output, which scripts read (printf's formats, ramps show's table, diff's lines, runlog
    // runs' and the events logbook import names); journal notes and the export's trailer, stored.
    const QString keptTexts = QStringLiteral(
        "XDG_RUNTIME_DIR not set|no password supplied|password authentication failed|"
        "Full throttle speed: |Idle stick position|Pump curve point %1|idle not reached  |"
        "idle speed unknown  |hung start at |already in the logbook|service timer cleared|"
        "the temperature calibration: %1 at %2 C|Last Run RX Errors and time:");
    const QStringList kept = keptTexts.split('|');
    const QRegularExpression printf(QStringLiteral("%[-+ 0-9.]*[sdf]"));
    // Literals and comments, read from the left: a quote in a comment starts no literal.
    const QRegularExpression token(
        QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)"|'(?:[^'\\\n]|\\.)+'|//[^\n]*|/\*.*?\*/)re"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression sentence(QStringLiteral("[A-Za-z]{2,}[,:]? [a-z]{2,} [a-z]{2,}"));
    const QRegularExpression marked(QStringLiteral(
        R"re((\btr|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP)\s*\(\s*("[^"]*"\s*,\s*)?$)re"));
    QDirIterator it(kSource, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(kSource).relativeFilePath(it.next());
        QFile file(it.filePath());
        if (path.startsWith("sim/") || path.startsWith("protocol/") ||
            !file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = token.globalMatch(text); m.hasNext();) {
            const auto found = m.next();
            const QString said = found.captured(1);
            const QString before = text.left(found.capturedStart()).right(200).trimmed();
            // Style sheets, SQL and patterns are no sentences; a literal after a literal goes on
            // the one before.
            if (!said.contains(sentence) || said.contains('{') || said.contains("SELECT ") ||
                said.startsWith('^') || said.contains(printf) || before.endsWith('"') ||
                before.contains(marked) || kept.contains(said))
                continue;
            ADD_FAILURE() << path.toStdString() << ": \"" << said.toStdString() << "\"";
        }
    }
}
