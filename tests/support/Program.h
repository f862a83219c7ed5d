#pragma once
// Runs one of the programs as a user would, from the outside: its exit status and what it
// printed. Settings and data go to a folder of the test's own.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

namespace norva::testing {

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

// The home folder every run of the program shares: settings, data, working files.
inline QTemporaryDir& NorvaHome() {
    static QTemporaryDir home;
    return home;
}

// `env` adds to the environment (or changes it), as "NAME", "value" pairs.
inline Ran RunNorva(const QStringList& args, int timeoutMs = 60000,
                    const std::vector<std::pair<QString, QString>>& extra = {}) {
    QTemporaryDir& home = NorvaHome();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CACHE_HOME", home.filePath("cache"));
    env.insert("ASAN_OPTIONS", "detect_leaks=1:abort_on_error=1");
    // English whatever the machine's language: the tests read what the program says.
    env.insert("LANG", "C.UTF-8");
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
    for (const auto& [name, value] : extra) env.insert(name, value);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(NORVA_PROGRAM), args);
    process.closeWriteChannel();
    Ran ran;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return ran;
    }
    ran.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.out = process.readAllStandardOutput().toStdString();
    ran.err = process.readAllStandardError().toStdString();
    return ran;
}

// norva-sim as another process, listening on a free port for as long as this lives.
struct SimProcess {
    explicit SimProcess(const QStringList& options) {
        process.start(QFileInfo(QStringLiteral(NORVA_PROGRAM)).dir().filePath("norva-sim"),
                      QStringList{"--listen", "tcp:127.0.0.1:0"} + options);
        if (!process.waitForStarted()) return;
        for (int tries = 0; tries < 50 && port.isEmpty(); ++tries) {
            process.waitForReadyRead(100);
            const QString said = QString::fromUtf8(process.readAllStandardError());
            const int at = said.lastIndexOf(':');
            if (said.contains("listening") && at > 0) port = said.mid(at + 1).trimmed();
        }
    }
    ~SimProcess() {
        process.terminate();
        process.waitForFinished();
    }
    QString device() const { return "tcp:127.0.0.1:" + port; }

    QProcess process;
    QString port;  // empty when it did not start
};

}  // namespace norva::testing
