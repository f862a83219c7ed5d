#pragma once
// "Download measures": the explanation, the two download buttons and the progress of the
// download (a red bar, the share received and the time left).

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "ops/OperationTools.h"
#include "runlog/Download.h"
#include "ui/CanvasWidget.h"
#include "ui/TwipLayout.h"

namespace norva {

class DownloadWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kDesignWidthTwips = 6600;
    static constexpr double kDesignHeightTwips = 4200;

    // `exported` is told the file of every finished download (the time chart shows it).
    DownloadWindow(Services services, std::function<void(const QString&)> exported,
                   QWidget* parent = nullptr);

    // The two buttons: the one pressed starts a download and reads "Stop" while it runs, and
    // then stops it.
    void Start(bool withConfiguration);
    // The share received so far, 0..100, and the seconds left.
    void showReceived(int percent, int secondsLeft);
    // How the download ended, on the window: hidden when exported, otherwise what became of it.
    void Finished(OpStatus status);
    // Told every download once kept with the recent downloads (the engine logbook takes it).
    void setKept(decltype(DownloadOptions::kept) kept) { kept_ = std::move(kept); }

    QPlainTextEdit* Text1;   // the explanation
    QLabel* Label1;          // "Please Wait"
    QLabel* Label2;          // share received and time left
    CanvasWidget* Picture1;  // progress box
    QPushButton* Command1;   // "Download measures and configuration"
    QPushButton* Download;   // "Download Measures"

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    Services services_;
    std::function<void(const QString&)> exported_;
    decltype(DownloadOptions::kept) kept_;
    TwipLayout layout_;
    int percent_ = 0;
    QPushButton* running_ = nullptr;  // the button that started the download under way
    QString runningCaption_;
};

}  // namespace norva
