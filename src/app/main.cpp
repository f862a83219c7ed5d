// norva: the ground-support program for a NORVA engine control unit.
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/Monitor.h"
#include "app/Screenshot.h"
#include "app/SummaryCommand.h"
#include "link/Link.h"
#include "mainwin/Config.h"
#include "mainwin/MainWindow.h"
#include "ui/QtDialogs.h"

namespace {
int RunWindow(int argc, char** argv, const norva::CommandLine& line) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norva"));
    // The dialogs outlive the link: an operation cancelled when the link goes still restores
    // the mouse pointer through them.
    norva::QtDialogs dialogs;
    auto backend = norva::MakeBackend(line.device);
    norva::Link link(*backend);
    const QString config =
        line.config.empty() ? norva::DefaultConfigPath() : QString::fromStdString(line.config);
    norva::MainWindow window(link, dialogs, config);
    window.show();
    norva::Screenshot screenshot(window, link, QString::fromStdString(line.screenshot));
    if (!line.screenshot.empty()) screenshot.start();
    return QApplication::exec();
}

int RunMonitor(int argc, char** argv, const norva::CommandLine& line) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("norva"));
    auto backend = norva::MakeBackend(line.device);
    norva::Link link(*backend);
    norva::Monitor monitor(link, line.monitorOptions, stdout, stderr);
    return monitor.run();
}

int RunSummaryCommand(int argc, char** argv, const norva::CommandLine& line) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("norva"));
    if (!line.summaryImage.empty())
        return norva::PrintCloneSummary(line.summaryImage, stdout, stderr);
    auto backend = norva::MakeBackend(line.device);
    norva::Link link(*backend);
    return norva::RunSummary(link, stdout, stderr);
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto line = norva::ParseCommandLine(args, error);
    if (!line) {
        std::fprintf(stderr, "norva: %s\n%s", error.c_str(), norva::Usage().c_str());
        return 2;
    }
    if (line->help) {
        std::fputs(norva::Usage().c_str(), stdout);
        return 0;
    }
    if (line->monitor) return RunMonitor(argc, argv, *line);
    if (line->summary) return RunSummaryCommand(argc, argv, *line);
    return RunWindow(argc, argv, *line);
}
