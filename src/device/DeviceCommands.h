// Setting the device clock and deleting the device's data: each finds the device
// like a capture does, runs its exchange, and ends with the capture's Stop.
#pragma once

#include "DeviceStatus.h"
#include "Protocol.h"

#include <functional>

namespace kestrova {

class CaptureSession;
class DeviceLink;

// Ok, ProtocolError when the device refused, IoError when the port could not be
// reopened at the device's rate, or what findDevice said.
DeviceStatus setDeviceClock(DeviceLink& link, CaptureSession& session, const DeviceDateTime& when);
// The program's message for a clock setting that ended with `status` (0 for none:
// a Bluetooth link that is down says nothing).
int clockMessage(DeviceStatus status, bool bluetooth);

// Ok, NoData, ProtocolError when the device did not acknowledge, IoError when the
// request could not be sent, or what findDevice said.
// `awaiting(true)` before the acknowledgement is awaited, `awaiting(false)` after:
// the dialog shows its "Deleting Data ..." window in between.
DeviceStatus deleteDeviceData(DeviceLink& link, CaptureSession& session, int patientId, int dataType,
                              const std::function<void(bool)>& awaiting = {});
int deleteMessage(DeviceStatus status, bool bluetooth);

} // namespace kestrova
