#include "DeviceStatus.h"

#include <utility>

namespace kestrova {

Error deviceError(DeviceStatus status, std::string subject, std::string reason, int messageId) {
    Error e;
    e.status = status;
    e.subject = std::move(subject);
    e.reason = std::move(reason);
    e.messageId = messageId;
    return e;
}

std::string describe(DeviceStatus status, const std::string& port) {
    const std::string thePort = port.empty() ? std::string("the serial port") : "the serial port " + port;
    switch (status) {
    case DeviceStatus::Ok: return {};
    case DeviceStatus::NoDevice:
        if (port.empty()) return "No oximeter answered on any port.";
        return "No oximeter on " + thePort +
               ": it does not exist or did not answer (is the device plugged in and switched on?).";
    case DeviceStatus::Busy: return "The port is in use by another program: " + thePort + ".";
    case DeviceStatus::Forbidden:
        return "No permission to open " + thePort +
               ". Add your user to the \"dialout\" group (sudo usermod -aG dialout $USER), then log out and in again.";
    case DeviceStatus::Timeout: return "The oximeter stopped answering.";
    case DeviceStatus::ProtocolError: return "The oximeter's answer was not understood.";
    case DeviceStatus::Cancelled: return "Stopped.";
    case DeviceStatus::IoError: return "The connection failed: " + thePort + " could not be used.";
    case DeviceStatus::NoData: return "The oximeter holds no recording.";
    default: return "The connection failed: " + thePort + " could not be used.";
    }
    return {};
}

} // namespace kestrova
