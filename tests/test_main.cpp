// Test entry point: headless Qt before anything touches a platform plugin. Test discovery runs
// this binary without CTest's environment, so the default has to be set here. The user's data
// and cache folders are a scratch folder of the run's own: no test writes working files,
// backups or downloads where the user keeps theirs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir scratch;
    setenv("XDG_DATA_HOME", qPrintable(scratch.filePath("data")), 1);
    setenv("XDG_CACHE_HOME", qPrintable(scratch.filePath("cache")), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    // Ended as the program ends: work still running off the interface thread finishes (it
    // waits on aboutToQuit), and its threads are deleted rather than left for the leak check.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    QApplication::exec();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return failed;
}
