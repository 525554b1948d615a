// Every recording with its own patient, through the real frame and dialogs: a night
// opened from a file keeps the patient confirmed for it whatever the device slot holds
// later; a download is kept in the library before an ID is chosen and its proposed
// details are confirmed; unsaved edits are never dropped without a question; the
// Studies window lists, filters, deletes and compares nights.
#include "DeviceSimulator.h"
#include "MessageLog.h"
#include "Modal.h"
#include "app/CMainFrame.h"
#include "app/CaptureCommands.h"
#include "app/RecordingCommands.h"
#include "common/Commands.h"
#include "common/FileChooser.h"
#include "dialogs/CDlgChooseType.h"
#include "dialogs/CInterpretation.h"
#include "dialogs/CNightsDlg.h"
#include "dialogs/CPatientInfo.h"
#include "dialogs/CStudiesDlg.h"
#include "dialogs/StudyListModel.h"
#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "library/StudyLibrary.h"
#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"
#include "settings/Settings.h"
#include "views/CTavroTableView.h"
#include "views/CTavroTrendView.h"
#include "views/ClinicalSummaryView.h"

#include "../device/QuickTiming.h"
#include "TestSupport.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QtTest>

#include <filesystem>

using namespace kestrova;
using namespace kestrova::ui;

namespace {
std::vector<SampleRecord> nightOf(int id, int day, std::uint64_t seed, int seconds = 1800) {
    SyntheticNight n;
    n.id = id;
    n.day = day;
    n.seed = seed;
    n.seconds = seconds;
    return makeSyntheticNight(n);
}

PatientRecord patientNamed(int id, const char* name, int age) {
    PatientRecord p;
    p.id = id;
    std::strncpy(p.name, name, sizeof p.name);
    p.age = age;
    return p;
}

QString nameOf(const PatientRecord& p) {
    return QString::fromLatin1(fieldBytes(p.name).data(), static_cast<int>(fieldBytes(p.name).size()));
}
} // namespace

class StudiesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<PatientDatabase> m_db;
    std::unique_ptr<StudyLibrary> m_library;
    RecordingModel m_model;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<test::MessageLog> m_log;
    QString m_nextFile;

    void makeFrame(bool withLibrary) {
        m_frame = std::make_unique<CMainFrame>(m_model, *m_settings, withLibrary ? m_library.get() : nullptr);
        m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTrendView(d); });
        m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTableView(d); });
        installRecordingCommands(*m_frame, *m_db);
        m_frame->show();
    }
    std::string datFile(const char* name, const std::vector<SampleRecord>& samples) {
        const std::string path = m_dir->file(name);
        if (!writeDataFile(path, samples.front().id, samples, "night")) return {};
        return path;
    }
    void openFile(const std::string& path) {
        m_nextFile = QString::fromStdString(path);
        m_frame->action(cmd::OpenSavedData)->trigger();
    }
    std::size_t studyCount() {
        auto listed = m_library->list();
        return listed ? listed->size() : 0;
    }

private slots:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_settings = std::make_unique<Settings>(m_dir->file("Kestrova.ini"));
        m_db = std::make_unique<PatientDatabase>(m_dir->path() + "/");
        auto library = StudyLibrary::open(m_dir->file("library"));
        QVERIFY(library.ok());
        m_library = std::move(*library);
        m_log = std::make_unique<test::MessageLog>();
        FileChooser::setHandler([this](const FileChooser::Request&) { return m_nextFile; });
        m_model.clearAllRecordings();
        makeFrame(true);
    }
    void cleanup() {
        m_frame.reset();
        m_log.reset();
        FileChooser::setHandler({});
        m_library.reset();
        m_settings.reset();
        m_dir.reset();
    }

    // The wrong-patient fault: the slot list of ID 3 changing never changes the patient
    // of a night already confirmed.
    void eachNightKeepsItsOwnPatient() {
        const std::string a = datFile("a.dat", nightOf(3, 10, 1)), b = datFile("b.dat", nightOf(3, 20, 2));
        QVERIFY(!a.empty() && !b.empty());
        QVERIFY(m_db->storePatientRecord(3, patientNamed(3, "Ana Lima", 50)).ok());

        // A file the library does not know: kept as a study, details proposed, not confirmed.
        openFile(a);
        RecordingDocument& doc = m_frame->document();
        QVERIFY(doc.study().has_value());
        QVERIFY(!doc.patientConfirmed());
        QCOMPARE(nameOf(doc.patient()), QStringLiteral("Ana Lima"));
        QVERIFY(m_frame->detailsNotice()->isVisible());
        QVERIFY(!ClinicalSummaryView::reportData(doc).patientConfirmed); // and the report says so
        QVERIFY(m_frame->detailsNotice()->text().contains(QStringLiteral("not confirmed for this recording")));
        test::onModal<CPatientInfo>([](CPatientInfo* d) {
            QVERIFY(d->notice() && d->notice()->text().contains(QStringLiteral("ID 3")));
            d->field(PatientField::Name)->setText(QStringLiteral("Jane Doe"));
            d->accept();
        });
        m_frame->action(cmd::PatientInfo)->trigger();
        QVERIFY(doc.patientConfirmed());
        QVERIFY(!m_frame->detailsNotice()->isVisible());
        QVERIFY(!doc.hasUnsavedChanges()); // kept with the study: nothing to lose

        // Another person's night under the same ID: the slot now proposes Jane Doe,
        // marked as a proposal; confirming Max for it changes the slot again.
        openFile(b);
        QVERIFY(!doc.patientConfirmed());
        QCOMPARE(nameOf(doc.patient()), QStringLiteral("Jane Doe"));
        test::onModal<CPatientInfo>([](CPatientInfo* d) {
            d->field(PatientField::Name)->setText(QStringLiteral("Max Roth"));
            d->accept();
        });
        m_frame->action(cmd::PatientInfo)->trigger();

        // Night A still shows Jane Doe, also in a new session of the program.
        openFile(a);
        QVERIFY(doc.patientConfirmed());
        QCOMPARE(nameOf(doc.patient()), QStringLiteral("Jane Doe"));
        m_frame.reset();
        m_model.clearAllRecordings();
        makeFrame(true);
        openFile(b);
        QCOMPARE(nameOf(m_frame->document().patient()), QStringLiteral("Max Roth"));
        openFile(a);
        QCOMPARE(nameOf(m_frame->document().patient()), QStringLiteral("Jane Doe"));
        QCOMPARE(studyCount(), std::size_t{2}); // reopening never adds a study
    }

    // Every ID is kept once the download ends, before one is chosen; the list says
    // when, how long and whom the slot proposes; the chosen one asks for confirmation.
    void downloadsAreKeptBeforeAnIdIsChosen() {
        QVERIFY(m_db->storePatientRecord(9, patientNamed(9, "Ana Lima", 61)).ok());
        DeviceSimulator sim;
        sim.addRecording(test::night(3, 1800));
        sim.addRecording(test::night(9, 3720));
        QVERIFY(sim.start());
        ProbeOrder order;
        order.remembered = sim.portName();
        order.sweep = false;
        for (int round = 0; round < 2; ++round) {
            CDlgChooseType capture(m_model, *m_settings, order, nullptr, nullptr, test::quickTiming());
            attachCapture(*m_frame, capture, m_db.get());
            capture.start();
            QTRY_COMPARE_WITH_TIMEOUT(capture.idList()->count(), 2, 20000);
            QCOMPARE(studyCount(), std::size_t{2}); // the same samples twice: still two studies
            // The list's own line, its details beside it.
            QCOMPARE(capture.idList()->item(1)->text(), QStringLiteral("ID   9     total       3720 Groups"));
            const QString details = capture.idList()->item(1)->data(Qt::UserRole + 1).toString();
            QVERIFY2(details.contains(QStringLiteral("1 h 02 min")) && details.contains(QStringLiteral("Ana Lima?")),
                     qPrintable(details));
            QVERIFY(!capture.idList()->item(0)->data(Qt::UserRole + 1).toString().contains(QLatin1Char('?')));
            if (round == 1) {
                capture.reject();
                break;
            }
            capture.idList()->setCurrentRow(1);
            bool asked = false;
            test::onModal<CPatientInfo>([&asked](CPatientInfo* d) {
                asked = d->notice() && d->notice()->text().startsWith(
                                           QStringLiteral("Details proposed from the patient list for ID 9"));
                QCOMPARE(d->field(PatientField::Name)->text(), QStringLiteral("Ana Lima"));
                d->accept();
            });
            capture.openId();
            QVERIFY(asked);
            QVERIFY(m_frame->document().patientConfirmed());
        }
        auto listed = m_library->list();
        QVERIFY(listed.ok());
        int confirmed = 0;
        for (const StudySummary& s : *listed) confirmed += s.patientConfirmed ? 1 : 0;
        QCOMPARE(confirmed, 1);
    }

    // Without a library an edit lives in memory only: closing asks, and Cancel keeps
    // the window and the edit.
    void unsavedEditsAreNeverDroppedSilently() {
        m_frame.reset();
        makeFrame(false);
        openFile(datFile("a.dat", nightOf(3, 10, 1)));
        QVERIFY(m_frame->document().editTitle("Edited").ok());
        QVERIFY(m_frame->document().hasUnsavedChanges());

        m_log->answers = {QMessageBox::Cancel};
        QCloseEvent closing;
        QCoreApplication::sendEvent(m_frame.get(), &closing);
        QVERIFY(!closing.isAccepted());
        QVERIFY(m_log->texts.last().contains(QStringLiteral("not saved")));

        // Open asks too; Cancel leaves the recording, Discard lets it go.
        const std::string other = datFile("b.dat", nightOf(3, 20, 2, 900));
        m_log->answers = {QMessageBox::Cancel};
        openFile(other);
        QCOMPARE(m_model.currentCount(), 1800);
        m_log->answers = {QMessageBox::Discard};
        openFile(other);
        QCOMPARE(m_model.currentCount(), 900);

        // Save writes the file, after which nothing is asked.
        QVERIFY(m_frame->document().editTitle("Again").ok());
        m_log->answers = {QMessageBox::Save};
        m_nextFile = QString::fromStdString(m_dir->file("saved.dat"));
        QCloseEvent second;
        QCoreApplication::sendEvent(m_frame.get(), &second);
        QVERIFY(second.isAccepted());
        QVERIFY(test::fileSize(m_dir->file("saved.dat")) > 0);
    }

    void studiesWindowListsFiltersDeletesAndCompares() {
        const auto a = nightOf(3, 10, 1), b = nightOf(3, 11, 2), c = nightOf(5, 12, 3);
        for (const auto& [samples, name] :
             {std::pair{&a, "Jane Doe"}, std::pair{&b, "Jane Doe"}, std::pair{&c, "Max Roth"}}) {
            NewStudy s;
            s.samples = *samples;
            s.patient = patientNamed(samples->front().id, name, 40);
            s.patientConfirmed = true;
            QVERIFY(m_library->add(s).ok());
        }
        CStudiesDlg dialog(*m_library);
        QCOMPARE(dialog.rows()->rowCount(), 3);
        dialog.search()->setText(QStringLiteral("jane"));
        QCOMPARE(dialog.rows()->rowCount(), 2);
        dialog.search()->setText(QStringLiteral("2026-11-12"));
        QCOMPARE(dialog.rows()->rowCount(), 1);
        dialog.search()->clear();

        // Sorted by value: the nadir column orders numbers, not their text.
        dialog.table()->sortByColumn(StudyListModel::Nadir, Qt::AscendingOrder);
        for (int r = 1; r < dialog.rows()->rowCount(); ++r)
            QVERIFY(dialog.rows()->index(r - 1, StudyListModel::Nadir).data(StudyListModel::kSortRole).toInt() <=
                    dialog.rows()->index(r, StudyListModel::Nadir).data(StudyListModel::kSortRole).toInt());

        // Two nights of two patients are not compared; two of one patient are, and the
        // latest opens with both for its report.
        dialog.table()->sortByColumn(StudyListModel::Start, Qt::AscendingOrder);
        dialog.table()->selectRow(1);
        dialog.table()->selectionModel()->select(dialog.rows()->index(2, 0),
                                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
        dialog.compareSelected();
        QVERIFY(m_log->texts.last().contains(QStringLiteral("one patient")));
        dialog.table()->clearSelection();
        dialog.table()->selectRow(0);
        dialog.table()->selectionModel()->select(dialog.rows()->index(1, 0),
                                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
        test::onModal<CNightsDlg>([](CNightsDlg* d) {
            QCOMPARE(d->nights().size(), std::size_t{2});
            d->accept();
        });
        dialog.compareSelected();
        QVERIFY(dialog.chosenStudy().has_value());
        QCOMPARE(dialog.followUp().size(), std::size_t{2});
        QVERIFY(dialog.followUp()[0].start < dialog.followUp()[1].start);
        auto latest = m_library->get(*dialog.chosenStudy());
        QVERIFY(latest.ok());
        QCOMPARE(latest->summary.start, dialog.followUp()[1].start);

        // Delete asks; No keeps it, Yes moves its file to the trash.
        dialog.table()->clearSelection();
        dialog.table()->selectRow(2);
        m_log->answers = {QMessageBox::No};
        dialog.deleteSelected();
        QCOMPARE(dialog.rows()->rowCount(), 3);
        m_log->answers = {QMessageBox::Yes};
        dialog.deleteSelected();
        QCOMPARE(dialog.rows()->rowCount(), 2);
        QCOMPARE(studyCount(), std::size_t{2});
        namespace fs = std::filesystem;
        const fs::path trash = fs::path(m_library->directory()) / "trash";
        QVERIFY(fs::exists(trash) && !fs::is_empty(trash));
    }

    // The interpretation is kept with the study and comes back with it.
    void interpretationIsKeptWithTheStudy() {
        const std::string a = datFile("a.dat", nightOf(3, 10, 1));
        openFile(a);
        test::onModal<CInterpretation>([](CInterpretation* d) {
            d->edit()->setPlainText(QStringLiteral("Moderate nocturnal hypoxaemia."));
            d->accept();
        });
        m_frame->action(cmd::Interpretation)->trigger();
        openFile(datFile("b.dat", nightOf(3, 20, 2)));
        QVERIFY(m_frame->document().interpretation().empty());
        openFile(a);
        QCOMPARE(QString::fromStdString(m_frame->document().interpretation()),
                 QStringLiteral("Moderate nocturnal hypoxaemia."));
    }
};

QTEST_MAIN(StudiesTest)
#include "StudiesTest.moc"
