#include "DeviceCommands.h"

#include "CaptureSession.h"
#include "DeviceLink.h"
#include "text/StringTable.h"

namespace kestrova {

ClockResult setDeviceClock(DeviceLink& link, CaptureSession& session, const DeviceDateTime& when) {
    link.waker().reset();
    ClockResult result;
    switch (link.findDevice(/*reopenFailureEnds=*/true)) {
    case DeviceLink::Found::Device:
        result = link.exchanges().setClock(packDateTime(when)) ? ClockResult::Succeeded : ClockResult::Failed;
        break;
    case DeviceLink::Found::ReopenFailed: result = ClockResult::Failed; break;
    default: result = link.bluetooth() ? ClockResult::LinkDown : ClockResult::NoDevice; break;
    }
    session.stop();
    return result;
}

int clockMessage(ClockResult r) {
    switch (r) {
    case ClockResult::Succeeded: return str::SetClockSucceed;
    case ClockResult::Failed: return str::SetClockError;
    case ClockResult::NoDevice: return str::NoDevice;
    case ClockResult::LinkDown: return 0;
    }
    return 0;
}

DeleteResult deleteDeviceData(DeviceLink& link, CaptureSession& session, int patientId, int dataType,
                              const std::function<void(bool)>& awaiting) {
    link.waker().reset();
    if (link.findDevice() != DeviceLink::Found::Device)
        return link.bluetooth() ? DeleteResult::LinkDown : DeleteResult::NoDevice;
    auto ex = link.exchanges();
    DeleteResult result;
    Totals totals;
    if (!ex.queryTotals(totals) || totals.total() == 0) {
        result = DeleteResult::NoData;
    } else if (!ex.sendDelete(patientId, dataType)) {
        result = DeleteResult::SendFailed;
    } else {
        if (awaiting) awaiting(true);
        result = ex.awaitDeleteAck() ? DeleteResult::Cleared : DeleteResult::Failed;
        if (awaiting) awaiting(false);
    }
    session.stop();
    return result;
}

int deleteMessage(DeleteResult r) {
    switch (r) {
    case DeleteResult::Cleared: return str::DeviceDataCleared;
    case DeleteResult::Failed: return str::DeleteDataError;
    case DeleteResult::NoData: return str::NoData;
    case DeleteResult::NoDevice: return str::NoDevice;
    default: return 0;
    }
}

} // namespace kestrova
