// Building and sending the output report.
#include <algorithm>

#include "link/Link.h"

namespace norva {

void Link::OutputReportDataClear() {
    std::fill_n(OutputReportData.begin(), 64, uint8_t{0});
}

void Link::SetSlot(int slot, const SlotBytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), OutputReportData.begin() + slot * kSlotSize);
}

void Link::SetMode(uint8_t modeByte, uint8_t modeValue) {
    OutputReportData[kModeByte] = modeByte;
    OutputReportData[kModeValue] = modeValue;
}

void Link::WriteReport() {
    // The unit's report length decides how much goes out; byte 0 is the report ID.
    const int length = OutputReportByteLength > 0 ? OutputReportByteLength : kReportLength;
    if (length > kReportLength + 1) return;  // more than the buffer could ever fill
    std::array<uint8_t, kReportLength + 1> report{};
    std::copy_n(OutputReportData.begin(), length - 1, report.begin() + 1);
    // A failed write changes nothing: the unit is found lost by the read.
    if (HIDHandle != kInvalidHandle)
        backend_.write(HIDHandle, std::span<const uint8_t>(report.data(), length));
}

void Link::Mode0() {
    OutputReportDataClear();
    SetMode(kModeOperating, kOperatingNormal);
    WriteReport();
}

void Link::Transmet() {
    SlotBytes command{};
    for (int i = 0; i < kSlotSize && i < static_cast<int>(PendingCommand.size()); ++i)
        command[i] = static_cast<uint8_t>(PendingCommand[i]);
    send({command});
}

bool Link::Transmet(const SlotBytes& command) {
    PendingCommand.assign(command.begin(), command.end());
    return send({command});
}

bool Link::send(std::span<const SlotBytes> commands, ModePair mode, int first) {
    OutputReportDataClear();
    SetMode(mode.byte, mode.value);
    return sendKeeping(commands, first);
}

bool Link::sendKeeping(std::span<const SlotBytes> commands, int first) {
    if (!DeviceDetected || HIDHandle == kInvalidHandle) return false;
    // Nothing of an operation begun with one unit ever reaches another.
    if (Operation.busy() && Operation.connection() != 0 &&
        Operation.connection() != ConnectionNumber)
        return false;
    for (size_t i = 0; i < commands.size() && first + static_cast<int>(i) < kSlotCount; ++i)
        SetSlot(first + static_cast<int>(i), commands[i]);
    WriteReport();
    return true;
}

// The keys and the check box are the user's own, not an operation's: they reach whatever
// unit is connected now.
void Link::PressKey(TerminalKey key) {
    OutputReportDataClear();
    SetSlot(0, CommandSlot(kFunctionKey, static_cast<uint8_t>(key)));
    if (KeySetsNormalMode(key)) SetMode(kModeOperating, kOperatingNormal);
    WriteReport();
}

void Link::SetUsbPower(bool on) {
    OutputReportDataClear();
    SetMode(kModeUsbPower, on ? 1 : 0);
    WriteReport();
}

}  // namespace norva
