// End to end through the real dialogs, against the simulated oximeter: download two
// IDs, open one, switch displays, open the other, edit the patient, save, export and
// reopen, the event report, Analysis Setup, the clock, deletion, and Stop/Cancel.
#include "DeviceSimulator.h"
#include "MessageLog.h"
#include "Modal.h"
#include "analysis/Analysis.h"
#include "app/CMainFrame.h"
#include "app/CaptureCommands.h"
#include "app/RecordingCommands.h"
#include "common/Commands.h"
#include "common/FileChooser.h"
#include "dialogs/CAnalysisSetup.h"
#include "dialogs/CDateAndTimeDlg.h"
#include "dialogs/CDelDataDlg.h"
#include "dialogs/CDlgChooseType.h"
#include "dialogs/COtherIDSelect.h"
#include "dialogs/CPatientInfo.h"
#include "files/DataFile.h"
#include "files/EventReport.h"
#include "files/PatientDatabase.h"
#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"
#include "settings/Settings.h"
#include "views/CTavroTableView.h"
#include "views/CTavroTrendView.h"

#include "../device/QuickTiming.h"
#include "TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace kestrova;
using namespace kestrova::ui;

class CaptureFlowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<PatientDatabase> m_db;
    RecordingModel m_model;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<test::MessageLog> m_log;
    QString m_nextFile;

    ProbeOrder orderFor(const DeviceSimulator& sim) {
        ProbeOrder o;
        o.remembered = sim.portName();
        o.sweep = false;
        return o;
    }

private slots:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_settings = std::make_unique<Settings>(m_dir->file("Kestrova.ini"));
        m_db = std::make_unique<PatientDatabase>(m_dir->path() + "/");
        m_log = std::make_unique<test::MessageLog>();
        FileChooser::setHandler([this](const FileChooser::Request&) { return m_nextFile; });
        m_model.clearAllRecordings();
        m_frame = std::make_unique<CMainFrame>(m_model, *m_settings);
        m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTrendView(d); });
        m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTableView(d); });
        installRecordingCommands(*m_frame, *m_db);
        m_frame->show();
    }
    void cleanup() {
        m_frame.reset();
        m_log.reset();
        FileChooser::setHandler({});
        m_settings.reset();
        m_dir.reset();
    }

    void downloadOpenEditSaveExportReopen() {
        DeviceSimulator sim;
        sim.addRecording(test::night(3, 1800));
        sim.addRecording(test::night(9, 1200));
        QVERIFY(sim.start());
        CDlgChooseType capture(m_model, *m_settings, orderFor(sim), nullptr, nullptr, test::quickTiming());
        attachCapture(*m_frame, capture);
        capture.start();
        QTRY_COMPARE_WITH_TIMEOUT(capture.idList()->count(), 2, 20000);
        QVERIFY(m_log->texts.contains(QStringLiteral("Connect succeed! Total %1 Frames!").arg(sim.frameCount())));
        QCOMPARE(capture.idList()->item(0)->text(), QStringLiteral("ID   3     total       1800 Groups"));
        QCOMPARE(capture.startButton()->text(), QStringLiteral("Done"));
        QVERIFY(!capture.downloading());

        capture.openId();
        QCOMPARE(m_log->texts.last(), QStringLiteral("Please select patient ID"));
        capture.idList()->setCurrentRow(0);
        capture.openId();
        QCOMPARE(m_frame->displayMode(), DisplayMode::Trend);
        QCOMPARE(m_model.currentPatient().id, 3);
        QCOMPARE(m_model.currentCount(), 1800);
        QVERIFY(m_frame->action(cmd::OpenOtherId)->isEnabled());

        m_frame->action(cmd::Table)->trigger();
        QVERIFY(qobject_cast<CTavroTableView*>(m_frame->activeView()));
        m_frame->action(cmd::Analysis)->trigger();
        QCOMPARE(m_frame->displayMode(), DisplayMode::Analysis);

        // Open Other ID Data from the analysis page: ID 9, shown as a trend.
        test::onModal<COtherIDSelect>([](COtherIDSelect* d) {
            d->list()->setCurrentRow(1);
            d->accept();
        });
        m_frame->action(cmd::OpenOtherId)->trigger();
        QCOMPARE(m_model.currentPatient().id, 9);
        QCOMPARE(m_frame->displayMode(), DisplayMode::Trend);

        // Patient details, saved into the database.
        test::onModal<CPatientInfo>([](CPatientInfo* d) {
            d->field(PatientField::Name)->setText(QStringLiteral("Ana Lima"));
            d->field(PatientField::Age)->setText(QStringLiteral("61"));
            d->accept();
        });
        m_frame->action(cmd::PatientInfo)->trigger();
        QVERIFY(m_model.patientInfoSaved(9));
        PatientRecord stored;
        m_db->loadPatientRecord(8, stored);
        QCOMPARE(QString::fromLatin1(fieldBytes(stored.name).data(), 8), QStringLiteral("Ana Lima"));

        // Save as .dat, .txt and .xlsx, whatever the case of the extension; a name
        // Kestrova cannot write is answered with the ones it can.
        for (const char* name : {"rec.dat", "rec.txt", "rec.xlsx", "rec.csv", "rec.edf", "REC.DAT", "rec.foo"}) {
            m_nextFile = QString::fromStdString(m_dir->file(name));
            m_frame->action(cmd::SaveData)->trigger();
        }
        QCOMPARE(test::fileSize(m_dir->file("rec.dat")), 5L + 11 * 1200 + 12);
        QVERIFY(test::readFile(m_dir->file("rec.txt")).find("Ana Lima") != std::string::npos);
        QTRY_VERIFY_WITH_TIMEOUT(test::fileSize(m_dir->file("rec.xlsx")) > 1000, 20000); // written on a worker
        QCOMPARE(test::readFile(m_dir->file("REC.DAT")), test::readFile(m_dir->file("rec.dat")));
        QCOMPARE(test::fileSize(m_dir->file("rec.foo")), -1L);
        QVERIFY(m_log->texts.last().contains(QStringLiteral(".xlsx, .csv or .edf")));
        // The CSV and EDF+ files open again as the same recording (from the open dialog).
        for (const char* name : {"rec.csv", "rec.edf"}) {
            m_model.makeCurrent(3);
            m_nextFile = QString::fromStdString(m_dir->file(name));
            m_frame->action(cmd::OpenSavedData)->trigger();
            QCOMPARE(m_model.currentCount(), 1200);
            QCOMPARE(m_model.currentSamples()[700].spo2, test::night(9, 1200)[700].spo2);
        }

        // Reopen the .dat after another ID was made current: the patient comes back.
        m_model.makeCurrent(3);
        m_model.setCurrentPatient({});
        m_nextFile = QString::fromStdString(m_dir->file("rec.dat"));
        m_frame->action(cmd::OpenSavedData)->trigger();
        QCOMPARE(m_model.currentPatient().id, 9);
        QCOMPARE(m_model.currentPatient().age, 61);
        QCOMPARE(m_model.currentCount(), 1200);

        // The event report.
        m_nextFile = QString::fromStdString(m_dir->file("events.txt"));
        m_frame->action(cmd::EventTimeReport)->trigger();
        QVERIFY(test::readFile(m_dir->file("events.txt")).find("SpO2 Event\r\n") != std::string::npos);

        // Analysis Setup while the analysis page is shown: the page follows the new limit.
        m_frame->action(cmd::Analysis)->trigger();
        test::onModal<CAnalysisSetup>([](CAnalysisSetup* d) {
            d->edit(4)->setText(QStringLiteral("2"));
            d->accept();
        });
        m_frame->action(cmd::AnalysisSetup)->trigger();
        QCOMPARE(m_frame->displayMode(), DisplayMode::Analysis);
        QCOMPARE(m_frame->document().analysis().limits.desaturationsEvent, 2);

        // Delete Info, then Cancel: the slot and the current patient keep only the ID.
        test::onModal<CPatientInfo>([](CPatientInfo* d) {
            d->deleteInfo(); // the question is answered OK
            QCOMPARE(d->field(PatientField::Name)->text(), QString());
            d->reject();
        });
        m_frame->action(cmd::PatientInfo)->trigger();
        QCOMPARE(m_model.currentPatient().id, 9);
        QCOMPARE(m_model.currentPatient().age, 0);
        PatientRecord cleared;
        m_db->loadPatientRecord(8, cleared);
        QCOMPARE(cleared.id, 9);
        QCOMPARE(cleared.age, 0);

        // A truncated file leaves the current recording as it was (its edited details
        // are let go when asked).
        test::writeFile(m_dir->file("cut.dat"), test::readFile(m_dir->file("rec.dat")).substr(0, 100));
        m_nextFile = QString::fromStdString(m_dir->file("cut.dat"));
        m_log->answers = {QMessageBox::Discard};
        m_frame->action(cmd::OpenSavedData)->trigger();
        QVERIFY(m_log->texts.last().startsWith(QStringLiteral("Attempted to access ")));
        QCOMPARE(m_model.currentCount(), 1200);
    }

    // Stored details survive a new download of the same ID and a save, and are offered,
    // never attached; the event report always describes the recording on screen.
    void detailsAreNeverWipedAndReportsNeverStale() {
        DeviceSimulator sim;
        sim.addRecording(test::night(9, 1500));
        sim.addRecording(test::night(12, 1500));
        QVERIFY(sim.start());
        auto download = [&](int row) {
            CDlgChooseType capture(m_model, *m_settings, orderFor(sim), nullptr, nullptr, test::quickTiming());
            attachCapture(*m_frame, capture);
            capture.start();
            QTRY_COMPARE_WITH_TIMEOUT(capture.idList()->count(), 2, 20000);
            capture.idList()->setCurrentRow(row);
            capture.openId();
        };
        download(0);
        QCOMPARE(m_model.currentPatient().id, 9);
        test::onModal<CPatientInfo>([](CPatientInfo* d) {
            QVERIFY(!d->useStoredButton()); // nothing stored yet
            d->field(PatientField::Name)->setText(QStringLiteral("Ana Lima"));
            d->accept();
        });
        m_frame->action(cmd::PatientInfo)->trigger();
        PatientRecord stored;
        m_db->loadPatientRecord(8, stored);
        QCOMPARE(QByteArray(fieldBytes(stored.name).data()), QByteArray("Ana Lima"));

        // A new download: ID 9 shows no details, and neither a cancelled save nor a
        // written one blanks the slot.
        download(0);
        QCOMPARE(m_model.currentPatient().name[0], '\0');
        m_nextFile.clear();
        m_frame->action(cmd::SaveData)->trigger();
        m_nextFile = QString::fromStdString(m_dir->file("nine.dat"));
        m_frame->action(cmd::SaveData)->trigger();
        QVERIFY(test::fileSize(m_dir->file("nine.dat")) > 0);
        PatientRecord after;
        m_db->loadPatientRecord(8, after);
        QCOMPARE(std::memcmp(&after, &stored, PatientRecord::kSize), 0);

        // Saving the empty form keeps them too; the stored details are one click away.
        test::onModal<CPatientInfo>([](CPatientInfo* d) { d->accept(); });
        m_frame->action(cmd::PatientInfo)->trigger();
        m_db->loadPatientRecord(8, after);
        QCOMPARE(std::memcmp(&after, &stored, PatientRecord::kSize), 0);
        test::onModal<CPatientInfo>([](CPatientInfo* d) {
            QVERIFY(d->useStoredButton());
            QVERIFY(d->useStoredButton()->text().contains(QStringLiteral("Ana Lima")));
            QCOMPARE(d->field(PatientField::Name)->text(), QString());
            d->useStoredButton()->click();
            QCOMPARE(d->field(PatientField::Name)->text(), QStringLiteral("Ana Lima"));
            d->accept();
        });
        m_frame->action(cmd::PatientInfo)->trigger();
        QCOMPARE(QByteArray(fieldBytes(m_model.currentPatient().name).data()), QByteArray("Ana Lima"));

        // Done without a selection changes nothing.
        test::onModal<COtherIDSelect>([](COtherIDSelect* d) {
            d->list()->clearSelection();
            d->list()->setCurrentItem(nullptr);
            d->accept();
            d->reject();
        });
        m_frame->action(cmd::OpenOtherId)->trigger();
        QCOMPARE(m_log->texts.last(), QStringLiteral("Please select patient ID"));
        QCOMPARE(QByteArray(fieldBytes(m_model.currentPatient().name).data()), QByteArray("Ana Lima"));

        // Analyse ID 9, then open ID 12 from a file: the report lists ID 12's events.
        m_model.makeCurrent(12);
        const std::vector<SampleRecord> twelve(m_model.currentSamples().begin(), m_model.currentSamples().end());
        QVERIFY(writeDataFile(m_dir->file("ID12.dat"), 12, twelve, "ReportTitle").ok());
        m_model.makeCurrent(9);
        m_frame->action(cmd::Analysis)->trigger();
        QVERIFY(!m_frame->document().analysis().desaturationEvents.empty());
        m_nextFile = QString::fromStdString(m_dir->file("ID12.dat"));
        m_frame->action(cmd::OpenSavedData)->trigger();
        QCOMPARE(m_model.currentPatient().id, 12);
        m_nextFile = QString::fromStdString(m_dir->file("events12.txt"));
        m_frame->action(cmd::EventTimeReport)->trigger();
        const AnalysisResult expected = computeAnalysis(m_model.currentSamples(), *m_settings);
        QCOMPARE(test::readFile(m_dir->file("events12.txt")),
                 eventReportText(m_model.currentSamples(), m_model.currentPatient(), UnitSystem::Imperial,
                                 expected.desaturationEvents, expected.pulseEvents));
    }

    void clockAndDeletionChangeTheDevice() {
        DeviceSimulator sim;
        sim.addRecording(test::night(3, 300));
        sim.addRecording(test::night(5, 300));
        QVERIFY(sim.start());
        CDlgChooseType capture(m_model, *m_settings, orderFor(sim), nullptr, nullptr, test::quickTiming());
        attachCapture(*m_frame, capture);
        test::onModal<CDateAndTimeDlg>([](CDateAndTimeDlg* d) {
            d->date()->setDate(QDate(2010, 3, 15));
            d->hour()->setText(QStringLiteral("13"));
            d->minute()->setText(QStringLiteral("45"));
            d->second()->setText(QStringLiteral("30"));
            d->accept();
        });
        capture.setClock();
        QVERIFY(capture.busy()); // on a worker: the dialog keeps painting
        QTRY_VERIFY_WITH_TIMEOUT(!capture.busy(), 10000);
        QCOMPARE(m_log->texts.last(), QStringLiteral("Set Date and Time Succeed !"));
        QVERIFY(sim.clockWasSet());
        QCOMPARE(sim.clock().minute, 45);

        SampleRecord s;
        s.id = 3;
        m_model.appendSample(3, s, 0); // the ID list of the deletion dialog comes from the last download
        test::onModal<CDelDataDlg>([this](CDelDataDlg* d) {
            d->idCombo()->setCurrentIndex(1);
            d->typeCombo()->setCurrentIndex(1);
            d->accept(); // asked first; the default answer No keeps the dialog open
            QCOMPARE(m_log->texts.last(),
                     QStringLiteral("Delete the SpO2 and pulse data of ID 3 on the device? This cannot be undone."));
            QVERIFY(d->isVisible());
            d->idCombo()->setCurrentIndex(0);
            d->accept();
            QCOMPARE(m_log->texts.last(),
                     QStringLiteral("Delete all recordings on the device? This cannot be undone."));
            d->idCombo()->setCurrentIndex(1);
            d->typeCombo()->setCurrentIndex(1);
            m_log->answers << QMessageBox::Yes;
            d->accept();
        });
        capture.deleteData();
        QTRY_VERIFY_WITH_TIMEOUT(!capture.busy(), 10000);
        QCOMPARE(m_log->texts.last(), QStringLiteral("Device data cleared !"));
        QCOMPARE(sim.recordings().count(3), 0u);
        QCOMPARE(sim.recordings().count(5), 1u);
        QVERIFY(capture.startButton()->isEnabled());
    }

    void stopAndCancelEndTheDownload() {
        SimulatorOptions slow;
        slow.paced = true;
        slow.lineRate = 9600;
        DeviceSimulator sim(slow);
        sim.addRecording(test::night(3, 3000));
        QVERIFY(sim.start());
        {
            CDlgChooseType capture(m_model, *m_settings, orderFor(sim), nullptr, nullptr, test::quickTiming());
            attachCapture(*m_frame, capture);
            capture.start();
            QTRY_VERIFY_WITH_TIMEOUT(capture.downloading(), 5000);
            capture.stop();
            QTRY_VERIFY_WITH_TIMEOUT(!capture.busy(), 10000);
            QVERIFY(!capture.downloading());
            QCOMPARE(capture.startButton()->text(), QStringLiteral("Start"));
            QCOMPARE(capture.idList()->count(), 0);
        }
        // Both stop frames taken in (a serial port sends two): the device is done with
        // the frame it was sending and answers the next capture.
        QTRY_VERIFY_WITH_TIMEOUT(sim.stopCount() >= 2, 8000);
        CDlgChooseType capture(m_model, *m_settings, orderFor(sim), nullptr, nullptr, test::quickTiming());
        attachCapture(*m_frame, capture);
        capture.start();
        QTRY_VERIFY_WITH_TIMEOUT(capture.downloading(), 8000);
        capture.reject(); // Cancel during the download: the window closes, the Stop runs on
        QVERIFY(!capture.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!capture.downloading(), 10000);
        QCOMPARE(m_frame->captureLink(), CaptureLink::Serial);
        QVERIFY(!m_frame->action(cmd::SaveData)->isEnabled()); // nothing shown: back to empty
    }
};

QTEST_MAIN(CaptureFlowTest)
#include "CaptureFlowTest.moc"
