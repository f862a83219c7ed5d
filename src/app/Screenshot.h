#pragma once
// --screenshot: let the window fill from the unit, then save what it shows and end the program.

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace norva {

class Link;

class Screenshot : public QObject {
    Q_OBJECT
  public:
    // The stream needs 5.1 s at the unit's slowest usual rate; a slow link gets three times
    // that.
    static constexpr int kWaitMs = 15000;

    // `done` gets the exit status: 0 when the picture was saved, 1 when it could not be
    // written, 2 when no unit was reached.
    Screenshot(QWidget& window, Link& link, QString path, std::function<void(int)> done,
               std::FILE* err = stderr);
    void start();
    // Saves the picture once the unit's configuration is complete, or when the wait is over.
    void check();

  private:
    void say(const QString& text);  // one line on standard error
    void finish(int status);

    QWidget& window_;
    Link& link_;
    QString path_;
    std::function<void(int)> done_;
    std::FILE* err_;
    QTimer timer_;
    int64_t startMs_ = 0;
};

}  // namespace norva
