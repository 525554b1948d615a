#include "DeviceCommands.h"

#include "CaptureSession.h"
#include "DeviceLink.h"
#include "text/StringTable.h"

namespace kestrova {

DeviceStatus setDeviceClock(DeviceLink& link, CaptureSession& session, const DeviceDateTime& when) {
    link.waker().reset();
    DeviceStatus result = link.findDevice(/*reopenFailureEnds=*/true);
    // A clock that was not set is "set clock error", whether refused or not heard.
    if (result == DeviceStatus::Ok && !link.exchanges().setClock(packDateTime(when)))
        result = DeviceStatus::ProtocolError;
    session.stop();
    return result;
}

namespace {
// No device: "Can't find right COM ..." in serial mode, silence over Bluetooth.
int noDeviceMessage(bool bluetooth) {
    return bluetooth ? 0 : str::NoDevice;
}
} // namespace

int clockMessage(DeviceStatus s, bool bluetooth) {
    switch (s) {
    case DeviceStatus::Ok: return str::SetClockSucceed;
    case DeviceStatus::ProtocolError:
    case DeviceStatus::IoError:
    case DeviceStatus::Timeout: return str::SetClockError;
    case DeviceStatus::NoDevice:
    case DeviceStatus::Busy:
    case DeviceStatus::Forbidden: return noDeviceMessage(bluetooth);
    default: return 0;
    }
}

DeviceStatus deleteDeviceData(DeviceLink& link, CaptureSession& session, int patientId, int dataType,
                              const std::function<void(bool)>& awaiting) {
    link.waker().reset();
    if (const DeviceStatus found = link.findDevice(); found != DeviceStatus::Ok) return found;
    auto ex = link.exchanges();
    DeviceStatus result;
    if (const Result<Totals> totals = ex.queryTotals(); !totals || totals->total() == 0) {
        result = DeviceStatus::NoData;
    } else if (!ex.sendDelete(patientId, dataType)) {
        result = DeviceStatus::IoError;
    } else {
        if (awaiting) awaiting(true);
        // Not acknowledged in time, or stopped while waiting: the deletion is in doubt.
        result = ex.awaitDeleteAck() ? DeviceStatus::Ok : DeviceStatus::ProtocolError;
        if (awaiting) awaiting(false);
    }
    session.stop();
    return result;
}

int deleteMessage(DeviceStatus s, bool bluetooth) {
    switch (s) {
    case DeviceStatus::Ok: return str::DeviceDataCleared;
    case DeviceStatus::ProtocolError: return str::DeleteDataError;
    case DeviceStatus::NoData: return str::NoData;
    case DeviceStatus::NoDevice:
    case DeviceStatus::Busy:
    case DeviceStatus::Forbidden: return noDeviceMessage(bluetooth);
    default: return 0;
    }
}

} // namespace kestrova
