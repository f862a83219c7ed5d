#include "cli/WaitTexts.h"

#include <QCoreApplication>

#include "base/NumberText.h"

namespace norva::waittext {

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("WaitTexts", text);
}
}  // namespace

QString NoUnitWithin(double seconds) {
    return Tr(QT_TRANSLATE_NOOP("WaitTexts", "no unit was found within %1 s"))
        .arg(QString::fromStdString(PlainNumberText(seconds)));
}

QString Cancelled() {
    return Tr(QT_TRANSLATE_NOOP("WaitTexts", "Cancelled while waiting for the unit."));
}

QString CancelledForImage(int bytes) {
    return Tr(QT_TRANSLATE_NOOP("WaitTexts",
                                "Cancelled while waiting for the unit's configuration (%1 of 256 "
                                "bytes)."))
        .arg(bytes);
}

QString LostWhileImage(int bytes) {
    return Tr(QT_TRANSLATE_NOOP("WaitTexts",
                                "the unit was lost while its configuration arrived (%1 of 256 "
                                "bytes)"))
        .arg(bytes);
}

}  // namespace norva::waittext
