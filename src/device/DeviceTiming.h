// Every wait, time-out and retry limit of the device link in one place. The
// defaults are what a real oximeter needs; the link, the exchanges and the capture
// session take a copy, so a test against the simulated device can shorten them and
// a silent device times out in milliseconds instead of seconds.
#pragma once

#include "base/Result.h"

#include <chrono>
#include <cstdint>
#include <string_view>

namespace kestrova {

struct DeviceTiming {
    using Ms = std::chrono::milliseconds;

    // Download: silence for idlePolls polls ends in a re-request of the first frame
    // not received. Device types 1, 3 and 4 are polled 6 ms apart, the others 9 ms.
    int idlePolls = 350;
    Ms idlePollReversed{6};
    Ms idlePoll{9};
    // Re-requests after which the next silence ends the download as timed out.
    int reRequests = 3;

    // Short replies: after the request the device is given a pause, then the reply
    // is gathered in up to replyRounds receives replyRound apart.
    Ms identifyPause{200};
    Ms totalsPause{500};
    Ms clockPause{100};
    int replyRounds = 6;
    Ms replyRound{10};
    // Erasing the memory may take seconds: up to deleteAckRounds checks for the
    // acknowledgement, deleteAckRound apart.
    int deleteAckRounds = 11;
    Ms deleteAckRound{1000};

    // Stop: the device finishes the frame it is sending, gets the stop frame twice
    // over a serial port (stopRepeat apart) and is drained stopSettle later.
    Ms beforeStop{500};
    Ms stopRepeat{500};
    Ms stopSettle{100};
    // A Bluetooth device needs a moment between identification and the totals.
    Ms bluetoothSettle{100};
    // The device needs a moment after the totals before the first frame request.
    Ms beforeDownload{500};
    // A write gives up after writePerByte for each byte plus writeExtra.
    Ms writePerByte{5};
    Ms writeExtra{5};

    // The idle time-out of a download from a device of `deviceType`.
    Ms idleLimit(std::int32_t deviceType) const;

    // The defaults with the named fields changed: "idlePolls=20,identifyPause=20"
    // (milliseconds for the waits, counts for the rest). Invalid names the first
    // field it cannot take.
    static Result<DeviceTiming> parse(std::string_view text);
};

} // namespace kestrova
