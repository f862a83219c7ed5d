#include "params/WelcomeText.h"

#include <vector>

#include "base/Windows1252.h"
#include "link/Link.h"
#include "ops/OperationTools.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
constexpr int kReportsWaited = 2;

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
    return QStringLiteral(
               "The unit cannot show the character \"%1\" (U+%2); nothing was sent. "
               "Use letters, digits and common signs.")
        .arg(QString::fromUcs4(&c, 1), code);
}

Task<OpStatus> WriteWelcome(Services s, WelcomeBytes bytes, WriteOptions options) {
    constexpr int kReports = (kWelcomeLength + kSlotCount - 1) / kSlotCount;
    const auto before = co_await AwaitImage(s, QStringLiteral("writing the welcome text"));
    if (!before) co_return OpStatus::Stopped;
    if (!co_await BackUpBeforeWriting(s, options, *before)) co_return OpStatus::Stopped;
    std::vector<CellWrite> cells;
    for (int i = 0; i < kWelcomeLength; ++i) cells.push_back({kWelcomeFirstAddress + i, bytes[i]});
    const WriteCheck check(s.link, cells);
    int sent = 0;
    Outcome outcome;
    {
        ProgressScope busy(s.progress);
        for (int first = 0; first < kWelcomeLength && outcome; first += kSlotCount) {
            busy.setText(QStringLiteral("Writing %1 of %2").arg(sent + 1).arg(kReports));
            outcome = co_await s.link.reports(kReportsWaited);
            if (!outcome) break;
            std::vector<SlotBytes> commands;
            for (int j = 0; j < kSlotCount && first + j < kWelcomeLength; ++j) {
                const CellWrite& cell = cells[first + j];
                commands.push_back(CommandSlot(static_cast<uint8_t>(cell.address), cell.value));
            }
            if (!s.link.send(commands)) {
                outcome = Outcome{Outcome::UnitLost};
                break;
            }
            ++sent;
        }
    }
    if (!outcome)
        co_return co_await Stop(s.dialogs, outcome, QStringLiteral("writing the welcome text"),
                                SentAndConfirmed(sent, kReports, check));
    s.link.restartImage();
    co_return co_await Confirm(s, check, QStringLiteral("the welcome text"));
}

}  // namespace norva
