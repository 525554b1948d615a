#include "DeviceStatus.h"

#include "text/Translate.h"

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
    // Whole sentences, with and without the port's name, so that each reads well
    // once translated.
    const bool named = !port.empty();
    auto withPort = [&](std::string pattern) { return text::arg(pattern, {port}); };
    switch (status) {
    case DeviceStatus::Ok: return {};
    case DeviceStatus::NoDevice:
        if (!named) return ktr("DeviceStatus", "No oximeter answered on any port.");
        return withPort(ktr("DeviceStatus",
                            "No oximeter on the serial port %1: it does not exist or did not answer (is "
                            "the device plugged in and switched on?)."));
    case DeviceStatus::Busy:
        if (!named) return ktr("DeviceStatus", "The port is in use by another program: the serial port.");
        return withPort(ktr("DeviceStatus", "The port is in use by another program: the serial port %1."));
    case DeviceStatus::Forbidden:
        if (!named)
            return ktr("DeviceStatus", "No permission to open the serial port. Add your user to the \"dialout\" group "
                                       "(sudo usermod -aG dialout $USER), then log out and in again.");
        return withPort(ktr("DeviceStatus", "No permission to open the serial port %1. Add your user to the "
                                            "\"dialout\" group (sudo usermod -aG dialout $USER), then log out and in "
                                            "again."));
    case DeviceStatus::Timeout: return ktr("DeviceStatus", "The oximeter stopped answering.");
    case DeviceStatus::ProtocolError: return ktr("DeviceStatus", "The oximeter's answer was not understood.");
    case DeviceStatus::Cancelled: return ktr("DeviceStatus", "Stopped.");
    case DeviceStatus::NoData: return ktr("DeviceStatus", "The oximeter holds no recording.");
    case DeviceStatus::IoError:
    default:
        if (!named) return ktr("DeviceStatus", "The connection failed: the serial port could not be used.");
        return withPort(ktr("DeviceStatus", "The connection failed: the serial port %1 could not be used."));
    }
    return {};
}

} // namespace kestrova
