#include "app/CaptureCommands.h"

#include "BluetoothLink.h"
#include "PortDiscovery.h"
#include "app/CMainFrame.h"
#include "app/Commands.h"
#include "app/Messages.h"
#include "dialogs/BluetoothFinder.h"
#include "dialogs/CDlgChooseType.h"
#include "settings/Settings.h"
#include "text/StringTable.h"

#include <memory>

namespace kestrova::ui {

void installCaptureCommands(CMainFrame& frame, const QString& firstPort) {
    const std::string demo = firstPort.toStdString();
    frame.setDialog(cmd::NewDataCapture, [demo](CMainFrame& f) {
        ProbeOrder order;
        order.remembered = demo.empty() ? Settings().defaultCom() : demo;
        order.lists = enumeratePorts();
        order.sweepNames = sweepPortNames();
        CDlgChooseType dialog(f, order, nullptr, &f);
        return dialog.exec() == QDialog::Accepted;
    });
    // The link outlives the dialog: it stays up for later captures in Bluetooth mode.
    auto link = std::make_shared<BluetoothLink>();
    frame.setDialog(cmd::FindBluetooth, [link](CMainFrame& f) {
        if (BluetoothFinder::mydlldlg(&f, *link) != 1) return false;
        Messages::showString(&f, str::ConnectSucceedBluetooth);
        CDlgChooseType dialog(f, ProbeOrder{}, link.get(), &f);
        return dialog.exec() == QDialog::Accepted;
    });
}

} // namespace kestrova::ui
