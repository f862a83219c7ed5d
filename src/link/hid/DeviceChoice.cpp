#include "link/hid/DeviceChoice.h"

#include <QCoreApplication>
#include <charconv>
#include <sstream>
#include <vector>

#include "link/hid/HidapiBackend.h"
#include "link/hid/SimBackend.h"
#include "link/hid/TcpBackend.h"

namespace norva {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::DeviceChoice)
};
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::optional<long> ToNumber(const std::string& text) {
    long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}
}  // namespace

std::optional<DeviceChoice> ParseDevice(const std::string& text, std::string& error) {
    DeviceChoice choice;
    if (text == "hid") return choice;
    if (text == "sim" || text.rfind("sim:", 0) == 0) {
        choice.kind = DeviceChoice::Kind::Sim;
        std::stringstream rest(text.size() > 3 ? text.substr(4) : std::string());
        std::string part;
        while (std::getline(rest, part, ':')) {
            std::string why;
            if (!sim::SetSimOption(choice.sim, part, why)) {
                error = Texts::tr("device %1: %2").arg(Q(text), Q(why)).toStdString();
                return std::nullopt;
            }
        }
        return choice;
    }
    if (text.rfind("tcp:", 0) == 0) {
        const std::string rest = text.substr(4);
        const size_t colon = rest.rfind(':');
        const auto port =
            colon == std::string::npos ? std::nullopt : ToNumber(rest.substr(colon + 1));
        if (colon == 0 || !port || *port < 1 || *port > 65535) {
            error = Texts::tr("device %1: expected tcp:HOST:PORT with a port of 1 to 65535")
                        .arg(Q(text))
                        .toStdString();
            return std::nullopt;
        }
        choice.kind = DeviceChoice::Kind::Tcp;
        choice.host = rest.substr(0, colon);
        choice.port = static_cast<uint16_t>(*port);
        return choice;
    }
    if (text.rfind("replay:", 0) == 0) {
        choice.kind = DeviceChoice::Kind::Replay;
        choice.file = text.substr(7);
        // The file's name may hold colons; only a last ":speed=N" is an option.
        const size_t option = choice.file.rfind(":speed=");
        if (option != std::string::npos) {
            const auto speed = ToNumber(choice.file.substr(option + 7));
            if (!speed || *speed < 1 || *speed > ReplayBackend::kMaxSpeed) {
                error = Texts::tr("device %1: speed takes 1 to 32 (times real time)")
                            .arg(Q(text))
                            .toStdString();
                return std::nullopt;
            }
            choice.speed = static_cast<int>(*speed);
            choice.file.resize(option);
        }
        if (choice.file.empty()) {
            error = Texts::tr("device %1: expected replay:FILE.txt[:speed=N]")
                        .arg(Q(text))
                        .toStdString();
            return std::nullopt;
        }
        return choice;
    }
    error = Texts::tr(
                "unknown device '%1': use hid, sim, sim:downward, tcp:HOST:PORT or "
                "replay:FILE.txt")
                .arg(Q(text))
                .toStdString();
    return std::nullopt;
}

std::unique_ptr<HidBackend> MakeBackend(const DeviceChoice& choice, MsClock clock) {
    switch (choice.kind) {
        case DeviceChoice::Kind::Sim: {
            return std::make_unique<SimBackend>(choice.sim, std::move(clock));
        }
        case DeviceChoice::Kind::Tcp:
            return std::make_unique<TcpBackend>(choice.host, choice.port);
        case DeviceChoice::Kind::Replay: {
            // Without its recording (the file could not be read) nothing is there to play.
            auto recording =
                choice.recording ? choice.recording : std::make_shared<const ReplayRecording>();
            return std::make_unique<ReplayBackend>(std::move(recording), choice.speed, 0,
                                                   std::move(clock));
        }
        case DeviceChoice::Kind::Hid:
            break;
    }
    return std::make_unique<HidapiBackend>();
}

}  // namespace norva
