// The device's waits shortened for the simulated oximeter, which answers at once:
// a silent device times out after 4 x 150 ms instead of 4 x 2.1 s, and Stop pauses
// for a few tens of milliseconds. The reply window of the short exchanges (6 x 10 ms)
// and the re-request limit stay as a real device needs them.
#pragma once

#include "DeviceTiming.h"

namespace kestrova::test {

// For KESTROVA_DEVICE_TIMING (kestrova-cli) and DeviceTiming::parse alike.
inline constexpr const char* kQuickTiming = "idlePolls=25,identifyPause=20,totalsPause=20,clockPause=20,"
                                            "deleteAckRound=50,beforeStop=20,stopRepeat=20,stopSettle=10,"
                                            "bluetoothSettle=10,beforeDownload=20";

inline DeviceTiming quickTiming() {
    return DeviceTiming::parse(kQuickTiming).value();
}

} // namespace kestrova::test
