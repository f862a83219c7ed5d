// Finding the unit, opening it twice (writes and reads), and noticing when it is gone.
#include "link/Link.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>

namespace norva {

namespace {
std::string Hex4(uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}
}  // namespace

bool Link::FindTheHid() {
    DeviceDetected = false;
    const std::vector<std::string> paths = backend_->enumerate();
    for (const std::string& path : paths) {
        HIDHandle = backend_->open(path, HidOpenMode::Write);
        if (HIDHandle == kInvalidHandle) continue;  // a failed open is simply no match
        const std::optional<HidIdentity> id = backend_->identity(HIDHandle);
        if (id && id->vendorId == kVendorId && id->productId == kProductId) {
            // Frames and dispatch are built for 65-byte reports; anything else is not our unit.
            ReadDeviceCapabilities();
            if (InputReportByteLength == kReportLength && OutputReportByteLength == kReportLength) {
                DevicePath = path;
                DeviceDetected = true;
                break;
            }
            // Said once a path: the enumeration repeats every tick.
            if (skippedPaths_.insert(path).second)
                std::cerr << "norva: "
                          << QCoreApplication::translate(
                                 "norva::Session",
                                 "skipped a unit with vendor %1 and product %2 at %3: its reports "
                                 "are %4 and %5 bytes long, not %6.")
                                 .arg(QString::fromStdString(Hex4(id->vendorId)),
                                      QString::fromStdString(Hex4(id->productId)),
                                      QString::fromStdString(path))
                                 .arg(InputReportByteLength)
                                 .arg(OutputReportByteLength)
                                 .arg(kReportLength)
                                 .toStdString()
                          << "\n"
                          << std::flush;
        }
        backend_->close(HIDHandle);
        HIDHandle = kInvalidHandle;
    }
    if (!DeviceDetected) return false;

    ReadHandle = backend_->open(DevicePath, HidOpenMode::Read);
    if (ReadHandle == kInvalidHandle) {
        // Without a read handle every read would fail at once; try again next tick.
        backend_->close(HIDHandle);
        HIDHandle = kInvalidHandle;
        DeviceDetected = false;
        return false;
    }
    // The silence that marks a lost unit counts from the moment it was found.
    lastReportMs_ = clock_();
    // Another unit, or the same one anew: its pace is measured afresh.
    arrived_.clear();
    readings_.clear();
    readingsTotal_ = 0;
    ConnectionNumber = ConnectionNumber + 1;
    if (mode0WhenBack_) {
        mode0WhenBack_ = false;
        Mode0();
    }
    return true;
}

void Link::ReadDeviceCapabilities() {
    // A unit whose report descriptor cannot be read (some kernels and sandboxes refuse it)
    // still has the unit's own report lengths.
    const HidReportLengths lengths =
        backend_->reportLengths(HIDHandle).value_or(HidReportLengths{kReportLength, kReportLength});
    InputReportByteLength = lengths.input;
    OutputReportByteLength = lengths.output;
}

void Link::SetState(LinkState state) {
    if (state == State) return;
    State = state;
    emit stateChanged(State);
}

void Link::PollDevice() {
    if (!DeviceDetected) {
        SetState(LinkState::Disconnected);
        DeviceDetected = FindTheHid();
    }
    if (DeviceDetected) {
        SetState(DownloadActive == 1 ? LinkState::Downloading : LinkState::Connected);
        ReceiveReport();
    }
}

void Link::CloseDeviceHandles() {
    if (HIDHandle != kInvalidHandle) backend_->close(HIDHandle);
    if (ReadHandle != kInvalidHandle) backend_->close(ReadHandle);
    HIDHandle = kInvalidHandle;
    ReadHandle = kInvalidHandle;
}

void Link::LostUnit() {
    // Handles are closed on every kind of loss so the next enumeration starts clean.
    if (ReadHandle != kInvalidHandle) backend_->cancel(ReadHandle);
    CloseDeviceHandles();
    DeviceDetected = false;
    arrived_.clear();
    SetState(LinkState::Disconnected);
    EndAllWaits(Outcome::UnitLost);
}

void Link::setBackend(HidBackend& backend) {
    if (DeviceDetected) LostUnit();
    CloseDeviceHandles();
    backend_ = &backend;
    skippedPaths_.clear();
    restartImage();
}

void Link::Mode0WhenBack() {
    if (DeviceDetected && HIDHandle != kInvalidHandle)
        Mode0();
    else
        mode0WhenBack_ = true;
}

void Link::stop() {
    Operation.abort();
    stopped_ = true;
    Timer3.stop();
    if (ReadHandle != kInvalidHandle) backend_->cancel(ReadHandle);
    CloseDeviceHandles();
    DeviceDetected = false;
}

}  // namespace norva
