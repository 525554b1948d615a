// Setting the device clock and deleting the device's data: each finds the device
// like a capture does, runs its exchange, and ends with the capture's Stop.
#pragma once

#include "Protocol.h"

#include <functional>

namespace kestrova {

class CaptureSession;
class DeviceLink;

enum class ClockResult {
    Succeeded,   // "Set Date and Time Succeed !"
    Failed,      // "Set Date and Time Error !"
    NoDevice,    // "Can't find right COM or the device is power off !"
    LinkDown,    // Bluetooth: no message
};
ClockResult setDeviceClock(DeviceLink& link, CaptureSession& session, const DeviceDateTime& when);
int clockMessage(ClockResult result); // string ID, 0 for none

enum class DeleteResult {
    Cleared,     // "Device data cleared !"
    Failed,      // "Delete Data Error !"
    NoData,      // "no data!"
    SendFailed,  // no message
    NoDevice,    // "Can't find right COM or the device is power off !"
    LinkDown,    // Bluetooth: no message
};
// `awaiting(true)` before the acknowledgement is awaited, `awaiting(false)` after:
// the dialog shows its "Deleting Data ..." window in between.
DeleteResult deleteDeviceData(DeviceLink& link, CaptureSession& session, int patientId, int dataType,
                              const std::function<void(bool)>& awaiting = {});
int deleteMessage(DeleteResult result);

} // namespace kestrova
