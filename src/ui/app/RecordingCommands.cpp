#include "app/RecordingCommands.h"

#include "analysis/Analysis.h"
#include "app/CMainFrame.h"
#include "app/FrameNavigation.h"
#include "common/BackgroundTask.h"
#include "common/Commands.h"
#include "common/FileChooser.h"
#include "common/Messages.h"
#include "dialogs/CAnalysisSetup.h"
#include "dialogs/CDlgUnitSetup.h"
#include "dialogs/CInterpretation.h"
#include "dialogs/CModifyTitle.h"
#include "dialogs/COtherIDSelect.h"
#include "dialogs/CPatientInfo.h"
#include "dialogs/CReportSetup.h"
#include "dialogs/CStudiesDlg.h"
#include "files/CsvRecording.h"
#include "files/DataFile.h"
#include "files/EdfRecording.h"
#include "files/EventReport.h"
#include "files/Export.h"
#include "files/PatientDatabase.h"
#include "model/PatientForm.h"
#include "model/RecordingModel.h"
#include "settings/AnalysisSetupRules.h"
#include "settings/Settings.h"
#include "text/StringTable.h"
#include "text/TextCodec.h"
#include "views/ClinicalSummaryView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>

#include <atomic>
#include <cstring>
#include <memory>

namespace kestrova::ui {
namespace {

QString nameOf(const PatientRecord& p) {
    return QString::fromStdString(decodeStoredText(fieldBytes(p.name)));
}

void cantCreate(CMainFrame& f, const std::string& reason) {
    Messages::info(&f,
                   QString::fromStdString(kestrova::tr(str::CantCreateFile) + (reason.empty() ? "" : ": " + reason)));
}

// An edit the study library could not keep: the recording stays marked as edited.
void notKept(CMainFrame& f, const Outcome& kept) {
    if (!kept)
        Messages::info(
            &f,
            QCoreApplication::translate("RecordingCommands", "The change was not kept in the study library: %1")
                .arg(QString::fromStdString(kept.error().text())),
            QMessageBox::Warning);
}

// A patient record that could not be stored is said, never taken for stored.
void notStored(CMainFrame& f, const Outcome& stored) {
    if (!stored)
        Messages::info(&f,
                       QCoreApplication::translate("RecordingCommands", "The patient details were not saved: %1")
                           .arg(QString::fromStdString(stored.error().text())),
                       QMessageBox::Warning);
}

bool patientInfo(CMainFrame& f, const PatientDatabase& db) {
    RecordingDocument& doc = f.document();
    const UnitSystem units = doc.settings().unitSystem();
    auto onDelete = [&](const PatientForm& form) {
        PatientRecord cleared;
        cleared.id = std::atoi(form.idText.c_str());
        notKept(f, doc.editPatient(cleared));
        if (!patient_id::isSlot(cleared.id)) {
            Messages::showString(&f, str::PatientIdInvalidDialog);
            return false;
        }
        notStored(f, db.storePatientRecord(cleared.id, cleared));
        return true;
    };
    CPatientInfo dialog(patientFormFrom(doc.patient(), units), units, onDelete, &f);
    if (doc.study() && !doc.patientConfirmed())
        dialog.setNotice(
            QCoreApplication::translate("RecordingCommands",
                                        "Details proposed from the patient list for ID %1: confirm or change for "
                                        "this night")
                .arg(doc.patient().id));
    // Device IDs are reused for other patients, so stored details are offered, never
    // attached on their own.
    if (const int id = doc.patient().id; patient_id::isSlot(id)) {
        PatientRecord stored;
        db.loadPatientRecord(id - 1, stored);
        if (stored.holdsDetails() && std::memcmp(&stored, &doc.patient(), PatientRecord::kSize) != 0)
            dialog.offerStoredDetails(patientFormFrom(stored, units), nameOf(stored));
    }
    if (dialog.exec() != QDialog::Accepted) return false;
    const PatientRecord edited = patientRecordFrom(dialog.form(), doc.settings().unitSystem());
    notKept(f, doc.editPatient(edited));
    if (!patient_id::isSlot(edited.id)) {
        Messages::showString(&f, str::PatientIdInvalid);
        return true;
    }
    // Saving an empty form keeps what the slot holds: Delete Info is the way to clear it.
    if (!edited.holdsDetails()) return true;
    const Outcome stored = db.storePatientRecord(edited.id, edited);
    notStored(f, stored);
    if (stored) f.model().setPatientInfoSaved(edited.id);
    return true;
}

bool patientTitle(CMainFrame& f) {
    RecordingDocument& doc = f.document();
    CModifyTitle dialog(QString::fromStdString(decodeStoredText(doc.title())), &f);
    if (dialog.exec() != QDialog::Accepted) return false;
    notKept(f, doc.editTitle(dialog.title().toStdString()));
    return true;
}

bool interpretation(CMainFrame& f) {
    RecordingDocument& doc = f.document();
    CInterpretation dialog(QString::fromStdString(doc.interpretation()), &f);
    if (dialog.exec() != QDialog::Accepted) return false;
    notKept(f, doc.editInterpretation(dialog.text().toStdString()));
    return true;
}

bool studies(CMainFrame& f) {
    StudyLibrary* library = f.document().library();
    if (!library) {
        Messages::info(
            &f, QCoreApplication::translate("RecordingCommands", "The study library is not available in this session."),
            QMessageBox::Warning);
        return false;
    }
    CStudiesDlg dialog(*library, &f);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosenStudy()) return false;
    if (!f.maySetRecordingAside()) return false;
    if (const Outcome opened = f.document().openStudy(*dialog.chosenStudy()); !opened) {
        Messages::info(&f, QString::fromStdString(opened.error().text()), QMessageBox::Warning);
        return false;
    }
    f.showCurrentRecording();
    f.document().setFollowUp(dialog.followUp());
    return true;
}

bool otherId(CMainFrame& f, const PatientDatabase& db) {
    COtherIDSelect dialog(f.model(), &f);
    if (dialog.exec() != QDialog::Accepted) return false;
    f.document().showDownloadedId(dialog.chosenId(), db);
    f.showCurrentRecording();
    return true;
}

bool analysisSetup(CMainFrame& f) {
    const Settings& settings = f.document().settings();
    CAnalysisSetup::Values saved{};
    for (std::size_t i = 0; i < saved.size(); ++i) saved[i] = settings.read(kAnalysisSettings[i].key);
    CAnalysisSetup dialog(saved, &f);
    if (const Outcome p = settings.problem(); !p) dialog.setSaveProblem(QString::fromStdString(p.error().text()));
    if (dialog.exec() != QDialog::Accepted) return false;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (const WriteStatus w = settings.write(kAnalysisSettings[i].key, dialog.values()[i]); !w) {
            Messages::settingsNotSaved(&f, w.error().text()); // the later keys would fail alike
            break;
        }
    }
    return true;
}

// The clinic's header of the clinical report; a Clinical Summary on screen is redrawn
// with it.
bool reportSetup(CMainFrame& f) {
    const Settings& settings = f.document().settings();
    CReportSetup dialog(ReportSettings::read(settings), &f);
    if (const Outcome p = settings.problem(); !p) dialog.setSaveProblem(QString::fromStdString(p.error().text()));
    if (dialog.exec() != QDialog::Accepted) return false;
    if (const WriteStatus w = dialog.chosen().write(settings); !w) Messages::settingsNotSaved(&f, w.error().text());
    if (f.displayMode() == DisplayMode::ClinicalSummary) f.switchDisplay(DisplayMode::ClinicalSummary);
    return true;
}

bool unitSetup(CMainFrame& f) {
    const Settings& settings = f.document().settings();
    CDlgUnitSetup dialog(settings.unitSystem(), &f);
    if (const Outcome p = settings.problem(); !p) dialog.setSaveProblem(QString::fromStdString(p.error().text()));
    if (dialog.exec() != QDialog::Accepted) return false;
    if (const WriteStatus w = settings.write(setting::UnitSetup, dialog.chosen() == UnitSystem::Metric ? 1 : 0); !w)
        Messages::settingsNotSaved(&f, w.error().text());
    return true;
}

// The spreadsheet export runs on a worker while the window keeps painting, with a
// progress window whose Cancel stops it; the patient record is stored once the
// workbook is written. The export works on a copy, so nothing that happens to the
// recording meanwhile reaches the file.
void exportWorkbook(CMainFrame& f, const PatientDatabase& db, const std::string& path) {
    auto* progress = new QProgressDialog(
        QCoreApplication::translate("RecordingCommands", "Exporting to %1 ...").arg(QString::fromStdString(path)),
        QCoreApplication::translate("RecordingCommands", "Cancel"), 0, 1000, &f);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(300);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    QObject::connect(progress, &QProgressDialog::canceled, progress, [cancelled] { *cancelled = true; });
    auto* task = new BackgroundTask(progress);
    const RecordingModel& m = f.model();
    std::vector<SampleRecord> samples(m.currentSamples().begin(), m.currentSamples().end());
    task->run(
        [path, samples = std::move(samples), patient = m.currentPatient(), units = f.document().settings().unitSystem(),
         cancelled, task, progress] {
            int shown = -1;
            return writeSpreadsheetExport(path, samples, patient, units, [&](std::int64_t done, std::int64_t total) {
                const int permille = total > 0 ? static_cast<int>(done * 1000 / total) : 1000;
                if (permille != shown) { // a queued update per step, not per row
                    shown = permille;
                    // Posted to the task, which outlives this job and is the progress window's child.
                    QMetaObject::invokeMethod(
                        task, [progress, permille] { progress->setValue(permille); }, Qt::QueuedConnection);
                }
                return !cancelled->load();
            });
        },
        [&f, &db, progress](ExportStatus result) {
            progress->deleteLater();
            if (result.status() == Status::Cancelled) return;
            if (!result) {
                Messages::info(&f, QString::fromStdString(exportMessage(result)));
                return;
            }
            notStored(f, f.document().finishSave(db));
        });
}

// The patient record is stored only once a file was written (a cancelled dialog or a
// name Kestrova cannot write stores nothing).
bool saveData(CMainFrame& f, const PatientDatabase& db) {
    RecordingModel& m = f.model();
    FileChooser::Request r;
    r.caption = QCoreApplication::translate("RecordingCommands", "Save Data");
    r.proposedName = QStringLiteral("ID %1  Name ").arg(m.currentPatient().id) + nameOf(m.currentPatient());
    r.filter = QCoreApplication::translate("RecordingCommands",
                                           "(*.dat);;(*.txt);;(*.xls);;(*.xlsx);;CSV (*.csv);;EDF+ (*.edf)");
    r.defaultSuffix = QStringLiteral("dat");
    const QString chosen = FileChooser::choose(&f, r);
    if (chosen.isEmpty()) return false;
    const std::string path = chosen.toStdString();
    const std::string ext = fileExtension(path);
    if (ext == "dat") {
        const auto written = f.document().saveData(path);
        if (!written) {
            cantCreate(f, written.error().text());
            return false;
        }
        if (!patient_id::isSlot(*written)) {
            Messages::showString(&f, str::PatientIdInvalid);
            return false;
        }
    } else if (ext == "xls" || ext == "xlsx") {
        exportWorkbook(f, db, path);
        return true;
    } else if (ext == "txt") {
        const ExportStatus result =
            writeTextExport(path, m.currentSamples(), m.currentPatient(), f.document().settings().unitSystem());
        if (!result) {
            Messages::info(&f, QString::fromStdString(exportMessage(result)));
            return false;
        }
    } else if (ext == "csv" || ext == "edf") {
        const WriteStatus w = ext == "csv"
                                  ? writeCsvRecording(path, m.currentSamples(), m.reportTitle())
                                  : writeEdfRecording(path, m.currentSamples(), m.currentPatient(), m.reportTitle());
        if (!w) {
            cantCreate(f, w.error().text());
            return false;
        }
    } else {
        Messages::info(
            &f, QCoreApplication::translate("RecordingCommands",
                                            "Kestrova cannot write \"%1\": choose a name ending in .dat, .txt, .xls, "
                                            ".xlsx, .csv or .edf.")
                    .arg(chosen));
        return false;
    }
    notStored(f, f.document().finishSave(db, ext == "dat" ? chosen : QString()));
    return true;
}

// A recording file (.dat, .csv, .edf) becomes the current recording, or nothing changes
// and the reason is shown.
bool openRecordingFile(CMainFrame& f, const PatientDatabase& db, const QString& path) {
    if (const Outcome opened = f.document().open(path.toStdString(), db); !opened) {
        Messages::info(&f, QString::fromStdString(opened.error().text()), QMessageBox::Warning);
        return false;
    }
    f.showCurrentRecording(path);
    f.navigation().fileOpened(path);
    return true;
}

bool openSaved(CMainFrame& f, const PatientDatabase& db) {
    FileChooser::Request r;
    r.save = false;
    r.caption = QCoreApplication::translate("RecordingCommands", "Open Saved Data");
    r.filter = QCoreApplication::translate("RecordingCommands",
                                           "Data file(*.dat);;CSV recording (*.csv);;EDF recording (*.edf)");
    r.defaultSuffix = QStringLiteral("dat");
    const QString chosen = FileChooser::choose(&f, r);
    if (chosen.isEmpty()) return false;
    return openRecordingFile(f, db, chosen);
}

// A save dialog for a report of one kind: the chosen path, or empty when cancelled or
// when the name does not end in `ext` (the user is told which ending it needs).
std::string chooseReportPath(CMainFrame& f, const QString& caption, const QString& proposedName, const QString& filter,
                             const QString& ext) {
    FileChooser::Request r;
    r.caption = caption;
    r.proposedName = proposedName;
    r.filter = filter;
    r.defaultSuffix = ext;
    const QString chosen = FileChooser::choose(&f, r);
    if (chosen.isEmpty()) return {};
    if (fileExtension(chosen.toStdString()) != ext.toStdString()) {
        Messages::info(
            &f, QCoreApplication::translate("RecordingCommands",
                                            "Kestrova cannot write the report as \"%1\": choose a name ending in .%2.")
                    .arg(chosen, ext));
        return {};
    }
    return chosen.toStdString();
}

// Always the events of the current recording with the current limits: lists kept
// from an earlier analysis may belong to another recording.
bool eventReport(CMainFrame& f) {
    RecordingModel& m = f.model();
    const Settings& settings = f.document().settings();
    const AnalysisResult analysis = computeAnalysis(m.currentSamples(), settings);
    const std::string path =
        chooseReportPath(f, QCoreApplication::translate("RecordingCommands", "Check out the SpO2 event time"),
                         QStringLiteral("ID %1  Name Event ").arg(m.currentPatient().id) + nameOf(m.currentPatient()),
                         QCoreApplication::translate("RecordingCommands", "Data file(*.txt)"), QStringLiteral("txt"));
    if (path.empty()) return false;
    const WriteStatus written = writeEventReport(path, m.currentSamples(), m.currentPatient(), settings.unitSystem(),
                                                 analysis.desaturationEvents, analysis.pulseEvents);
    if (!written) {
        cantCreate(f, written.error().text());
        return false;
    }
    return true;
}

// The whole-night clinical report as a PDF, drawn as the Clinical Summary shows it.
bool clinicalReport(CMainFrame& f) {
    RecordingModel& m = f.model();
    const std::string path = chooseReportPath(
        f, QCoreApplication::translate("RecordingCommands", "Clinical Report (PDF)"),
        QStringLiteral("ID %1 Clinical Report").arg(m.currentPatient().id),
        QCoreApplication::translate("RecordingCommands", "PDF document (*.pdf)"), QStringLiteral("pdf"));
    if (path.empty()) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const pages::ClinicalReportData data = ClinicalSummaryView::reportData(f.document());
    const WriteStatus written = pages::ClinicalReport::writePdf(path, data, data.header.paper);
    QApplication::restoreOverrideCursor();
    if (!written) {
        cantCreate(f, written.error().text());
        return false;
    }
    return true;
}

} // namespace

void installRecordingCommands(CMainFrame& frame, const PatientDatabase& db) {
    frame.navigation().setFileOpener([&frame, &db](const QString& path) {
        return frame.maySetRecordingAside() && openRecordingFile(frame, db, path);
    });
    frame.setDialog(cmd::Interpretation, interpretation);
    frame.setDialog(cmd::Studies, studies);
    frame.setDialog(cmd::PatientInfo, [&db](CMainFrame& f) { return patientInfo(f, db); });
    frame.setDialog(cmd::PatientTitle, [](CMainFrame& f) { return patientTitle(f); });
    frame.setDialog(cmd::OpenOtherId, [&db](CMainFrame& f) { return otherId(f, db); });
    frame.setDialog(cmd::SaveData, [&db](CMainFrame& f) { return saveData(f, db); });
    frame.setDialog(cmd::OpenSavedData, [&db](CMainFrame& f) { return openSaved(f, db); });
    frame.setDialog(cmd::EventTimeReport, [](CMainFrame& f) { return eventReport(f); });
    frame.setDialog(cmd::ClinicalReport, [](CMainFrame& f) { return clinicalReport(f); });
    frame.setDialog(cmd::AnalysisSetup, analysisSetup);
    frame.setDialog(cmd::UnitSetup, unitSetup);
    frame.setDialog(cmd::ReportSetup, reportSetup);
}

} // namespace kestrova::ui
