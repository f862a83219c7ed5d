#pragma once
// Runs one of the programs as a user would, from the outside: its exit status and what it
// printed. Settings and data go to a folder of the test's own.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace norva::testing {

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

inline Ran RunNorva(const QStringList& args, int timeoutMs = 60000) {
    static QTemporaryDir home;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CACHE_HOME", home.filePath("cache"));
    env.insert("ASAN_OPTIONS", "detect_leaks=1:abort_on_error=1");
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

}  // namespace norva::testing
