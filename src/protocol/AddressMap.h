#pragma once
// Every configuration cell an operation, a window or the simulated unit acts on, named once.
// What each cell means for the parameter summary and comparisons is the image layout's
// (protocol/ImageLayout); this is where the program's own actions look their cells up.

namespace norva::cell {

// Temperature calibration: both cells cleared, then written with the calibration value.
constexpr int kTempCalibration1 = 1;
constexpr int kTempCalibration2 = 2;
// The unit's record of its last shutdown and receiver errors (below the clone file's cells).
constexpr int kShutdownCause = 3;
// Engine timers of downward units: "Clear all timers" zeroes 32..43 and 64..69, "Clear
// Service Timer" 34..38.
constexpr int kTimersFirst = 32;
constexpr int kServiceTimerFirst = 34;
constexpr int kServiceTimerCount = 5;
constexpr int kRunTimersFirst = 64;  // cycles, last run time, total time
constexpr int kRunTimersCount = 6;
constexpr int kCycles = 64;
// The terminal's menu access: 7 is full access.
constexpr int kAccessUpward = 47;
constexpr int kAccessDownward = 55;
constexpr int kFullAccessValue = 7;
constexpr int AccessCell(bool downward) {
    return downward ? kAccessDownward : kAccessUpward;
}
constexpr int kMaxAuthorizedSpeed = 48;  // thousands of RPM
constexpr int kIdleSpeed = 50;           // thousands of RPM
constexpr int kFullSpeed = 51;           // thousands of RPM: the speed dial's full scale
constexpr int kMaxEgt = 53;              // 4 degrees C a step
// Downward units keep the engine serial number here; upward units the idle stick position and
// the 100 % pulse.
constexpr int kSerialLow = 59;
constexpr int kSerialHigh = 60;
constexpr int kIdleStick = 59;
constexpr int kGlowPlug = 70;
constexpr int kStartMode = 87;
// The hardware-test cell; on downward units the run-log download request too.
constexpr int kTestUpward = 88;
constexpr int kTestDownward = 79;
constexpr int TestCell(bool downward) {
    return downward ? kTestDownward : kTestUpward;
}
constexpr int kDownloadRequest = 79;
constexpr int kRampsFirst = 144;  // acceleration then deceleration, 16 cells each
constexpr int kRampsCount = 32;
constexpr int kWelcomeFirst = 176;  // two lines of 16 characters
constexpr int kWelcomeCount = 32;
constexpr int kPumpCurveFirst = 208;
// Current calibration of the hardware test (their slots take the calibration checksum).
constexpr int kCurrentOffset = 241;
constexpr int kCurrentFactor = 242;
constexpr int kCalibrationClear = 243;

}  // namespace norva::cell
