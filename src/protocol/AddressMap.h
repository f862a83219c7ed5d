#pragma once
// Every configuration cell, named once: the image layout (protocol/ImageLayout, what each cell
// means for the summary and comparisons), the operations, the run log's trailer and the
// simulated unit all look their cells up here. A number that names a cell appears nowhere
// else (a source rule test keeps it so).

namespace norva::cell {

// Temperature calibration: both cells cleared, then written with the calibration value.
constexpr int kTempCalibration1 = 1;
constexpr int kTempCalibration2 = 2;
// The unit's record of its last shutdown and receiver errors (below the clone file's cells).
constexpr int kShutdownCause = 3;
constexpr int kShutdownEgt = 4;   // 4 degrees C
constexpr int kShutdownRpm = 5;   // thousands of RPM
constexpr int kShutdownPump = 6;  // 4 pump units
constexpr int kRxErrorsLow = 9;   // receiver errors of the last run, two bytes, low first
constexpr int kRxErrorsHigh = 10;
constexpr int kRxErrorTime = 9;     // seconds, as the summary shows it (the count's low byte)
constexpr int kLastRunRxTime = 11;  // half seconds, as the run log's trailer reads it
// The parameter file's cells: 16..31, 48..70 and the pump curve's 208..239.
constexpr int kParametersFirst = 16;
constexpr int kParametersLast = 31;
// Starting.
constexpr int kStarterPowerIgnition = 17;
constexpr int kGasIgnitionMaxSpeed = 18;
constexpr int kGasIgnitionMinSpeed = 19;
constexpr int kGasPreheatTime = 20;
constexpr int kGasOffSpeed = 22;
constexpr int kStarterOffSpeed = 23;
constexpr int kStarterPowerFuelRamp = 24;
constexpr int kStarterFullPowerSpeed = 25;
constexpr int kStarterReconnectSpeed = 31;
constexpr int kIgnitionTimeout = 33;
// Engine timers of downward units: "Clear all timers" zeroes 32..43 and 64..69, "Clear
// Service Timer" 34..38.
constexpr int kTimersFirst = 32;
constexpr int kServiceTimerFirst = 34;
constexpr int kServiceTimerCount = 5;
constexpr int kRunTimersFirst = 64;  // cycles, last run time, total time
constexpr int kRunTimersCount = 6;
// The terminal's menu access: 7 is full access.
constexpr int kAccessUpward = 47;
constexpr int kAccessDownward = 55;
constexpr int kFullAccessValue = 7;
constexpr int AccessCell(bool downward) {
    return downward ? kAccessDownward : kAccessUpward;
}
constexpr int kMaxAuthorizedSpeed = 48;  // thousands of RPM
constexpr int kDecelDelay = 49;
constexpr int kIdleSpeed = 50;  // thousands of RPM
constexpr int kFullSpeed = 51;  // thousands of RPM: the speed dial's full scale
constexpr int kMinEgt = 52;     // 4 degrees C
constexpr int kMaxEgt = 53;     // 4 degrees C
constexpr int kPumpStartPoint = 54;
constexpr int kStabilityDelay = 55;  // upward units; downward ones keep their access here
constexpr int kAccelDelay = 56;
constexpr int kStopSpeed = 57;  // thousands of RPM
constexpr int kPumpStartRamp = 58;
// Downward units keep the engine serial number here; upward units the idle stick position and
// the 100 % pulse.
constexpr int kSerialLow = 59;
constexpr int kSerialHigh = 60;
constexpr int kIdleStick = 59;
constexpr int kPulse100High = 60;  // microseconds, two bytes, high first
constexpr int kPulse0High = 62;
constexpr int kCycles = 64;
constexpr int kLastRunLow = 65;  // seconds, two bytes, low first
constexpr int kLastRunHigh = 66;
constexpr int kTotalTimeLow = 67;  // seconds, three bytes, low first
constexpr int kTotalTimeMiddle = 68;
constexpr int kTotalTimeHigh = 69;
constexpr int kGlowPlug = 70;
constexpr int kGasStartFlow = 75;
constexpr int kPumpLimit = 80;  // 4 pump units
constexpr int kLowBattery = 81;
constexpr int kKeroIgnitionSpeed = 82;
constexpr int kKeroPumpPowerIgnition = 83;
constexpr int kSwitchOverFlow = 84;
constexpr int kEndPreheatEgt = 85;
constexpr int kPreheatSpeed = 86;
constexpr int kStartMode = 87;
// The hardware-test cell; on downward units the run-log download request too.
constexpr int kTestUpward = 88;
constexpr int kTestDownward = 79;
constexpr int TestCell(bool downward) {
    return downward ? kTestDownward : kTestUpward;
}
constexpr int kDownloadRequest = 79;
constexpr int kFuelRampSpeed = 89;
constexpr int kEngineFuelPreheat = 91;
constexpr int kThrottleCurve = 93;
constexpr int kKeroGlowPlug = 94;
constexpr int kRampsFirst = 144;  // acceleration then deceleration, 16 cells each
constexpr int kRampsCount = 32;
constexpr int kAccelRamp = 144;
constexpr int kDecelRamp = 160;
constexpr int kWelcomeFirst = 176;  // two lines of 16 characters
constexpr int kWelcomeCount = 32;
constexpr int kWelcomeLine2 = 192;
constexpr int kPumpCurveFirst = 208;
constexpr int kPumpCurveLast = 239;
// Current calibration of the hardware test (their slots take the calibration checksum).
constexpr int kCurrentOffset = 241;
constexpr int kCurrentFactor = 242;
constexpr int kCalibrationClear = 243;

}  // namespace norva::cell
