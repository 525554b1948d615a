// How a device operation ended, the one answer every layer of the device stack
// gives. The GUI and the command line turn it into words with `describe` (and the
// program's own messages where those exist), so both say the same thing.
#pragma once

#include <string>

namespace kestrova {

enum class DeviceStatus {
    Ok,
    NoDevice,      // no port answered as a supported oximeter, or the port does not exist
    Busy,          // another program holds the port
    Forbidden,     // no permission to open the port
    Timeout,       // the device stopped answering
    ProtocolError, // the device answered, but not what the exchange expects, or refused
    Cancelled,     // stopped by the user
    IoError,       // the port or link failed: unplugged, not a serial port, settings refused, link down
    NoData,        // the device holds no recording
};

// A sentence for a person about `status` on `port` (a port name or path, may be
// empty), naming the cure where there is one. Empty for Ok.
std::string describe(DeviceStatus status, const std::string& port);

// Whether the status is about the port itself rather than the device behind it.
constexpr bool isPortProblem(DeviceStatus s) { return s == DeviceStatus::Busy || s == DeviceStatus::Forbidden; }

} // namespace kestrova
