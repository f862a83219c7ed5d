#include "mainwin/WindowProgress.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>

namespace norva {

WindowProgress::WindowProgress(QLabel* label) : label_(label) {
    blink_.setInterval(kBlinkMs);
    QObject::connect(&blink_, &QTimer::timeout, [this] {
        if (label_) label_->setVisible(!label_->isVisible());
    });
}

WindowProgress::~WindowProgress() {
    setBusy(false);
}

void WindowProgress::show(const QString& text, bool blinking) {
    text_ = text;
    shown_ = true;
    update();
    // A blinking label keeps its rhythm when only its text changes.
    if (blinking && blink_.isActive()) return;
    if (blinking)
        blink_.start();
    else
        blink_.stop();
    if (label_) label_->show();
}

void WindowProgress::setPercent(int percent) {
    percent_ = percent;
    update();
}

void WindowProgress::hide() {
    shown_ = false;
    percent_ = -1;
    blink_.stop();
    if (label_) label_->hide();
}

void WindowProgress::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void WindowProgress::update() {
    if (!label_ || !shown_) return;
    label_->setText(percent_ >= 0 ? QStringLiteral("%1 %2%").arg(text_).arg(percent_) : text_);
    refit();
}

void WindowProgress::refit() {
    if (!label_ || label_->text().isEmpty()) return;
    label_->setWordWrap(true);
    QFont font = label_->font();
    // A size other than the one fitted last was set by the layout: the text starts from it.
    if (font.pointSizeF() != fittedPoints_) layoutPoints_ = font.pointSizeF();
    font.setPointSizeF(layoutPoints_);
    const QRect room = label_->contentsRect();
    const int flags = int(label_->alignment()) | Qt::TextWordWrap;
    constexpr double kSmallest = 4;
    while (font.pointSizeF() > kSmallest &&
           !room.contains(QFontMetrics(font).boundingRect(room, flags, label_->text())))
        font.setPointSizeF(std::max(kSmallest, font.pointSizeF() * 0.9));
    fittedPoints_ = font.pointSizeF();
    if (font != label_->font()) label_->setFont(font);
}

}  // namespace norva
