#include "link/hid/DeviceChoice.h"

#include <charconv>
#include <sstream>
#include <vector>

#include "link/hid/HidapiBackend.h"
#include "link/hid/SimBackend.h"
#include "link/hid/TcpBackend.h"

namespace norva {

namespace {
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
                error = "device " + text + ": " + why;
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
            error = "device " + text + ": expected tcp:HOST:PORT with a port of 1 to 65535";
            return std::nullopt;
        }
        choice.kind = DeviceChoice::Kind::Tcp;
        choice.host = rest.substr(0, colon);
        choice.port = static_cast<uint16_t>(*port);
        return choice;
    }
    error = "unknown device '" + text + "': use hid, sim, sim:falling or tcp:HOST:PORT";
    return std::nullopt;
}

std::unique_ptr<HidBackend> MakeBackend(const DeviceChoice& choice, MsClock clock) {
    switch (choice.kind) {
        case DeviceChoice::Kind::Sim: {
            return std::make_unique<SimBackend>(choice.sim, std::move(clock));
        }
        case DeviceChoice::Kind::Tcp:
            return std::make_unique<TcpBackend>(choice.host, choice.port);
        case DeviceChoice::Kind::Hid:
            break;
    }
    return std::make_unique<HidapiBackend>();
}

}  // namespace norva
