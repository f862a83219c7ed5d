// The one way a report goes out (send, keeping or not, and the helpers on top of it), and the
// output report it is built in. The frames themselves are the protocol's (protocol/Frames.h).
#include <algorithm>

#include "link/Link.h"

namespace norva {

void Link::OutputReportDataClear() {
    std::fill_n(OutputReportData.mut().begin(), 64, uint8_t{0});
}

void Link::SetSlot(int slot, const SlotBytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), OutputReportData.mut().begin() + slot * kSlotSize);
}

void Link::SetMode(uint8_t modeByte, uint8_t modeValue) {
    OutputReportData.mut()[kModeByte] = modeByte;
    OutputReportData.mut()[kModeValue] = modeValue;
}

void Link::WriteReport() {
    // The unit's report length decides how much goes out; byte 0 is the report ID.
    const int length = OutputReportByteLength > 0 ? OutputReportByteLength.get() : kReportLength;
    if (length > kReportLength + 1) return;  // more than the buffer could ever fill
    std::array<uint8_t, kReportLength + 1> report{};
    std::copy_n(OutputReportData.begin(), length - 1, report.begin() + 1);
    // A failed write changes nothing: the unit is found lost by the read.
    if (HIDHandle != kInvalidHandle)
        backend_->write(HIDHandle, std::span<const uint8_t>(report.data(), length));
}

void Link::Mode0() {
    transmit({}, kNormalMode, 0, true);
}

void Link::Transmet() {
    SlotBytes command{};
    for (int i = 0; i < kSlotSize && i < static_cast<int>(PendingCommand.size()); ++i)
        command[i] = static_cast<uint8_t>(PendingCommand[i]);
    send({command});
}

bool Link::Transmet(const SlotBytes& command) {
    PendingCommand.mut().assign(command.begin(), command.end());
    return send({command});
}

bool Link::send(std::span<const SlotBytes> commands, ModePair mode, int first) {
    return operationMayReach() && transmit(commands, mode, first, true);
}

bool Link::sendKeeping(std::span<const SlotBytes> commands, int first) {
    return operationMayReach() && transmit(commands, std::nullopt, first, false);
}

bool Link::operationMayReach() const {
    // Nothing of an operation begun with one unit ever reaches another.
    return !(Operation.busy() && Operation.connection() != 0 &&
             Operation.connection() != ConnectionNumber);
}

bool Link::transmit(std::span<const SlotBytes> commands, std::optional<ModePair> mode, int first,
                    bool clear) {
    if (!DeviceDetected || HIDHandle == kInvalidHandle) return false;
    // Not from inside a poll (normal mode at the first report) nor while the link goes away.
    if (!polling_ && !stopped_) {
        DrainBeforeSending();
        if (!DeviceDetected || HIDHandle == kInvalidHandle) return false;
    }
    if (clear) OutputReportDataClear();
    if (mode) SetMode(mode->byte, mode->value);
    for (size_t i = 0; i < commands.size() && first + static_cast<int>(i) < kSlotCount; ++i)
        SetSlot(first + static_cast<int>(i), commands[i]);
    WriteReport();
    lastSentMs_ = clock_();
    if (mode && mode->byte == kNormalMode.byte && mode->value == kNormalMode.value)
        normalModeSentMs_ = lastSentMs_;
    return true;
}

// The keys, the check box and normal mode are the user's and the link's own, not an
// operation's: they reach whatever unit is connected now.
void Link::PressKey(TerminalKey key) {
    const SlotBytes press = CommandSlot(kFunctionKey, static_cast<uint8_t>(key));
    transmit({&press, 1}, KeySetsNormalMode(key) ? kNormalMode : kNoModeChange, 0, true);
}

void Link::SetUsbPower(bool on) {
    transmit({}, ModePair{kModeUsbPower, uint8_t(on ? 1 : 0)}, 0, true);
}

}  // namespace norva
