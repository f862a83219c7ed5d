#include "params/WelcomeText.h"

#include <vector>

#include "base/Windows1252.h"
#include "link/Link.h"
#include "ops/Operation.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
constexpr int kReportsWaited = 2;

}  // namespace

std::optional<WelcomeBytes> EncodeWelcome(const QString& line1, const QString& line2,
                                          QString* bad) {
    WelcomeBytes bytes;
    bytes.fill(' ');
    const QString lines[] = {line1.left(kWelcomeLineLength), line2.left(kWelcomeLineLength)};
    for (int l = 0; l < 2; ++l) {
        for (int i = 0; i < lines[l].size(); ++i) {
            const auto b = AnsiByte(lines[l][i]);
            if (!b) {
                if (bad) *bad = lines[l][i];
                return std::nullopt;
            }
            bytes[l * kWelcomeLineLength + i] = *b;
        }
    }
    return bytes;
}

Task<bool> WriteWelcome(Link& link, Dialogs& dialogs, Progress& progress, WelcomeBytes bytes) {
    constexpr int kReports = (kWelcomeLength + kSlotCount - 1) / kSlotCount;
    int sent = 0;
    Outcome outcome;
    {
        ProgressScope busy(progress);
        for (int first = 0; first < kWelcomeLength && outcome; first += kSlotCount) {
            outcome = co_await link.reports(kReportsWaited);
            if (!outcome) break;
            std::vector<SlotBytes> commands;
            for (int j = 0; j < kSlotCount && first + j < kWelcomeLength; ++j) {
                const auto address = static_cast<uint8_t>(kWelcomeFirstAddress + first + j);
                commands.push_back(CommandSlot(address, bytes[first + j]));
            }
            link.send(commands);
            ++sent;
        }
    }
    if (!outcome) {
        co_await dialogs.message(StopText(outcome, QStringLiteral("writing the welcome text"),
                                          SentCount(sent, kReports)),
                                 {}, MessageIcon::Warning);
        co_return false;
    }
    link.BackupByteCount = 0;
    co_return true;
}

}  // namespace norva
