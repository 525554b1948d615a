#include "app/CaptureCommands.h"

#include "BluetoothLink.h"
#include "PortDiscovery.h"
#include "app/CMainFrame.h"
#include "common/Commands.h"
#include "common/Messages.h"
#include "dialogs/BluetoothFinder.h"
#include "dialogs/CDlgChooseType.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/StringTable.h"

#include <memory>

namespace kestrova::ui {

void attachCapture(CMainFrame& f, CDlgChooseType& dialog) {
    QObject::connect(&dialog, &CDlgChooseType::recordingsCleared, &f, [&f] { f.closeRecording(); });
    QObject::connect(&dialog, &CDlgChooseType::downloadCompleted, &f, [&f] {
        f.setNoDownload(false);
        f.setNoRecording(false);
    });
    QObject::connect(&dialog, &QDialog::finished, &f, [&f, &dialog](int result) {
        f.setCaptureLink(CaptureLink::Serial);
        if (result == QDialog::Accepted) {
            f.model().makeCurrent(dialog.chosenId());
            f.document().recordingReplaced();
            f.switchDisplay(DisplayMode::Trend);
        } else if (f.displayMode() == DisplayMode::None) {
            f.setNoRecording(true);
            f.setNoDownload(true);
        }
    });
}

namespace {

bool runCapture(CMainFrame& f, const ProbeOrder& order, BluetoothLink* bluetooth) {
    CDlgChooseType dialog(f.model(), f.document().settings(), order, bluetooth, &f);
    attachCapture(f, dialog);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

void installCaptureCommands(CMainFrame& frame, const QString& firstPort) {
    const std::string demo = firstPort.toStdString();
    frame.setDialog(cmd::NewDataCapture, [demo](CMainFrame& f) {
        ProbeOrder order;
        order.remembered = demo.empty() ? f.document().settings().defaultCom() : demo;
        order.lists = enumeratePorts();
        order.sweepNames = sweepPortNames();
        return runCapture(f, order, nullptr);
    });
    // The link outlives the dialog: it stays up for later captures in Bluetooth mode.
    auto link = std::make_shared<BluetoothLink>();
    frame.setDialog(cmd::FindBluetooth, [link](CMainFrame& f) {
        if (BluetoothFinder::mydlldlg(&f, *link) != 1) return false;
        Messages::showString(&f, str::ConnectSucceedBluetooth);
        return runCapture(f, ProbeOrder{}, link.get());
    });
}

} // namespace kestrova::ui
