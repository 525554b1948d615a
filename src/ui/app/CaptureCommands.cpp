#include "app/CaptureCommands.h"

#include "BluetoothLink.h"
#include "PortDiscovery.h"
#include "analysis/ClinicalMetrics.h"
#include "app/CMainFrame.h"
#include "common/Commands.h"
#include "common/Messages.h"
#include "dialogs/BluetoothFinder.h"
#include "dialogs/CDlgChooseType.h"
#include "files/PatientDatabase.h"
#include "library/StudyLibrary.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/StringTable.h"
#include "text/TextCodec.h"

#include <QAction>
#include <QCoreApplication>
#include <QStringList>

#include <memory>

namespace kestrova::ui {

namespace {

// "2026-11-30 22:30, 8 h 00 min — Jane Doe?": when the ID's night began, how long it
// is, and whom the slot list proposes (a question until someone confirms it).
QString idDetails(const RecordingModel& m, const PatientDatabase& db, int id) {
    const std::int32_t n = m.idSampleCount(id);
    if (n <= 0) return {};
    const SampleRecord& first = m.idSamples(id)[RecordingModel::storesNewestFirst(m.deviceType()) ? n - 1 : 0];
    QString start = QString::fromStdString(isoTime(first)).left(16);
    start.replace(QLatin1Char('T'), QLatin1Char(' '));
    QString text = QCoreApplication::translate("CaptureCommands", "%1, %2 h %3 min")
                       .arg(start)
                       .arg(n / 3600)
                       .arg(n / 60 % 60, 2, 10, QLatin1Char('0'));
    const PatientRecord p = db.proposedPatient(id);
    if (p.holdsDetails() && p.name[0] != '\0')
        text += QStringLiteral(" \u2014 %1?").arg(QString::fromStdString(decodeStoredText(fieldBytes(p.name))));
    return text;
}

} // namespace

void attachCapture(CMainFrame& f, CDlgChooseType& dialog, const PatientDatabase* db) {
    QObject::connect(&dialog, &CDlgChooseType::recordingsCleared, &f, [&f] { f.closeRecording(); });
    StudyLibrary* library = f.document().library();
    if (db) dialog.setIdDetails([&f, db](int id) { return idDetails(f.model(), *db, id); });
    QObject::connect(&dialog, &CDlgChooseType::downloadCompleted, &f, [&f, &dialog, library, db] {
        f.setNoDownload(false);
        f.setNoRecording(false);
        if (!library || !db) return;
        const RecordingModel& m = f.model();
        const int partialId = dialog.downloadBroke() ? m.lastAppendedId() : 0;
        const auto stored =
            storeDownload(*library, m, m.deviceType(), partialId, [db](int id) { return db->proposedPatient(id); });
        QStringList failed;
        for (const DownloadedStudy& s : stored)
            if (!s.stored) failed << QString::fromStdString(s.stored.error().text());
        if (!failed.isEmpty())
            Messages::info(&dialog,
                           QCoreApplication::translate("CaptureCommands",
                                                       "These recordings could not be kept in the study library; "
                                                       "save them with Save Data before the next download:\n%1")
                               .arg(failed.join(QLatin1Char('\n'))),
                           QMessageBox::Warning);
    });
    QObject::connect(&dialog, &QDialog::finished, &f, [&f, &dialog, db](int result) {
        f.setCaptureLink(CaptureLink::Serial);
        if (result == QDialog::Accepted) {
            if (db && f.document().library()) {
                f.document().showDownloadedId(dialog.chosenId(), *db);
            } else {
                f.model().makeCurrent(dialog.chosenId());
            }
            f.document().recordingReplaced();
            f.switchDisplay(DisplayMode::Trend);
            // The slot list only proposes: a device slot is reused for other patients.
            if (f.document().study() && !f.document().patientConfirmed()) f.action(cmd::PatientInfo)->trigger();
        } else if (f.displayMode() == DisplayMode::None) {
            f.setNoRecording(true);
            f.setNoDownload(true);
        }
    });
}

namespace {

bool runCapture(CMainFrame& f, const PatientDatabase& db, const ProbeOrder& order, BluetoothLink* bluetooth) {
    CDlgChooseType dialog(f.model(), f.document().settings(), order, bluetooth, &f);
    attachCapture(f, dialog, &db);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

void installCaptureCommands(CMainFrame& frame, const PatientDatabase& db, const QString& firstPort) {
    const std::string demo = firstPort.toStdString();
    frame.setDialog(cmd::NewDataCapture, [demo, &db](CMainFrame& f) {
        ProbeOrder order;
        order.remembered = demo.empty() ? f.document().settings().defaultCom() : demo;
        order.lists = enumeratePorts();
        order.sweepNames = sweepPortNames();
        return runCapture(f, db, order, nullptr);
    });
    // The link outlives the dialog: it stays up for later captures in Bluetooth mode.
    auto link = std::make_shared<BluetoothLink>();
    frame.setDialog(cmd::FindBluetooth, [link, &db](CMainFrame& f) {
        if (BluetoothFinder::mydlldlg(&f, *link) != 1) return false;
        Messages::showString(&f, str::ConnectSucceedBluetooth);
        return runCapture(f, db, ProbeOrder{}, link.get());
    });
}

} // namespace kestrova::ui
