#include "params/WelcomeText.h"

#include <QCoreApplication>
#include <vector>

#include "base/Windows1252.h"
#include "link/Link.h"
#include "ops/OperationTools.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
constexpr int kReportsWaited = 2;
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::WelcomeText)
};

}  // namespace

std::optional<WelcomeBytes> EncodeWelcome(const QString& line1, const QString& line2,
                                          char32_t* bad) {
    WelcomeBytes bytes;
    bytes.fill(' ');
    const QString* lines[] = {&line1, &line2};
    for (int l = 0; l < 2; ++l) {
        // By characters, not UTF-16 units: a character outside the BMP is one character.
        const QList<uint> characters = lines[l]->toUcs4();
        for (int i = 0; i < kWelcomeLineLength && i < characters.size(); ++i) {
            const char32_t c = characters[i];
            const auto b = c > 0xFFFF ? std::nullopt : AnsiByte(QChar(char16_t(c)));
            if (!b) {
                if (bad) *bad = c;
                return std::nullopt;
            }
            bytes[l * kWelcomeLineLength + i] = *b;
        }
    }
    return bytes;
}

QString CannotShowText(char32_t c) {
    const QString code = QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return Texts::tr(
               "The unit cannot show the character \"%1\" (U+%2); nothing was sent. Use "
               "letters, digits and common signs.")
        .arg(QString::fromUcs4(&c, 1), code);
}

Task<OpStatus> WriteWelcome(Services s, WelcomeBytes bytes, WriteOptions options) {
    constexpr int kReports = (kWelcomeLength + kSlotCount - 1) / kSlotCount;
    WritePlan plan;
    plan.doing = Texts::tr("writing the welcome text");
    plan.what = Texts::tr("the welcome text");
    plan.progress = {};
    plan.restartImage = true;
    for (int first = 0, n = 1; first < kWelcomeLength; first += kSlotCount, ++n) {
        PlannedReport report;
        report.reportsBefore = kReportsWaited;
        report.progress = QStringLiteral("Writing %1 of %2").arg(n).arg(kReports);
        for (int j = 0; j < kSlotCount && first + j < kWelcomeLength; ++j)
            report.commands.push_back(CommandSlot(
                static_cast<uint8_t>(kWelcomeFirstAddress + first + j), bytes[first + j]));
        plan.reports.push_back(report);
    }
    co_return co_await Write(s, plan, options);
}

}  // namespace norva
