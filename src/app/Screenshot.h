#pragma once
// --screenshot: let the window fill from the unit, then save what it shows and end the program.

#include <QObject>
#include <QString>
#include <QTimer>

namespace norva {

class Link;

class Screenshot : public QObject {
    Q_OBJECT
  public:
    static constexpr int kWaitMs = 5000;

    Screenshot(QWidget& window, Link& link, QString path);
    // Ends the event loop with 0 when the picture was saved, 1 when it could not be.
    void start();

  private:
    void check();

    QWidget& window_;
    Link& link_;
    QString path_;
    QTimer timer_;
    int64_t startMs_ = 0;
};

}  // namespace norva
