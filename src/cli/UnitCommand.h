#pragma once
// The configuration-file and maintenance commands without windows: connect, wait for the unit
// and for what the operation needs, run the same operation the menus run, with the file or
// number of the command line as the answer to its question, and end with its exit status.

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "cli/CommandLine.h"
#include "cli/TerminalProgress.h"
#include "ops/OperationTools.h"

namespace norva {

class Program;
class ChartRun;

class UnitCommand : public QObject {
    Q_OBJECT
  public:
    static constexpr int kImageWaitMs = 30000;  // for its image, or its stream's direction

    // `app` must be built without windows, with scripted dialogs.
    UnitCommand(Program& app, CommandLine line, std::FILE* err = stderr);
    ~UnitCommand() override;
    // Runs the event loop until the command has ended; its exit status.
    int run();

  private:
    void check();
    void startOperation();
    void startRecording();
    void checkRecording(bool interrupted);
    void finish(int status);
    void say(const QString& text);  // one line on standard error
    bool needsCompleteImage() const;
    int imageBytes() const;
    int imageBytesSeen_ = 0;  // before the unit was lost

    Program& app_;
    CommandLine line_;
    std::FILE* err_;
    QTimer timer_;
    TerminalProgress waiting_;  // what it waits for, on a terminal
    int64_t startMs_ = 0;
    int64_t foundMs_ = -1;
    bool started_ = false;
    OpStatus status_ = OpStatus::Stopped;
    QString result_;                   // the hardware test's result, printed at the end
    std::unique_ptr<ChartRun> chart_;  // chart record: the run under way
    int64_t recordEndMs_ = -1;         // when it ends by itself; -1 at Ctrl-C only
    bool differs_ = false;             // diff: the unit and the file differ
};

}  // namespace norva
