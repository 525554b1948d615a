// How a device operation ended, the one answer every layer of the device stack
// gives. The GUI and the command line turn it into words with `describe` (and the
// program's own messages where those exist), so both say the same thing.
#pragma once

#include "base/Result.h"

#include <string>

namespace kestrova {

// The device stack speaks the one status vocabulary of the core.
using DeviceStatus = Status;

// A sentence for a person about `status` on `port` (a port name or path, may be
// empty), naming the cure where there is one. Empty for Ok.
std::string describe(DeviceStatus status, const std::string& port);

// An error of the device stack that the system did not report (no errno): a reply
// not understood, silence, a stop.
Error deviceError(DeviceStatus status, std::string subject, std::string reason, int messageId = 0);

// Whether the status is about the port itself rather than the device behind it.
constexpr bool isPortProblem(DeviceStatus s) {
    return s == DeviceStatus::Busy || s == DeviceStatus::Forbidden;
}

} // namespace kestrova
