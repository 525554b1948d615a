#include "common/RecordingDocument.h"

#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "files/RecordingFile.h"
#include "files/SaveData.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/Translate.h"

namespace kestrova::ui {

RecordingDocument::RecordingDocument(RecordingModel& model, const Settings& settings, StudyLibrary* library,
                                     QObject* parent)
    : QObject(parent), m_model(model), m_settings(settings), m_library(library) {
    reloadSettings();
}

void RecordingDocument::setDisplayMode(DisplayMode mode) {
    if (mode == m_displayMode) return;
    m_displayMode = mode;
    emit displayModeChanged(mode);
}

void RecordingDocument::setCurrentPage(int page) {
    page = std::max(0, page);
    if (page == m_currentPage) return;
    m_currentPage = page;
    emit pageChanged(page);
}

void RecordingDocument::setZoom(int zoom) {
    if (zoom == m_zoom) return;
    m_zoom = zoom;
    emit zoomChanged(zoom);
}

int RecordingDocument::span() const {
    if (m_zoom == kWholeRecording) return std::max(1, static_cast<int>(m_model.currentCount()));
    return std::max(0, m_zoom);
}

const std::vector<DesaturationEvent>& RecordingDocument::events() const {
    if (!m_events) m_events = findDesaturations(m_model.currentSamples(), 3);
    return *m_events;
}

std::int64_t RecordingDocument::nadirIndex(const DesaturationEvent& e) const {
    // The detector's own nadir: an event may bridge artefact seconds, whose raw 0 is no
    // reading to show.
    return e.nadirIndex >= 0 ? e.nadirIndex : e.start;
}

void RecordingDocument::runAnalysis() {
    m_analysis = computeAnalysis(m_model.currentSamples(), m_settings);
    m_limits = m_analysis.limits;
    emit analysisChanged();
}

void RecordingDocument::reloadSettings() {
    const Settings& settings = m_settings;
    const UnitSystem units = settings.unitSystem();
    AnalysisLimits limits = m_limits;
    limits.desaturationsEvent = settings.read(setting::DesaturationsEvent);
    limits.pulseEvent = settings.read(setting::PulseEvent);
    const bool changed = units != m_units || limits.desaturationsEvent != m_limits.desaturationsEvent ||
                         limits.pulseEvent != m_limits.pulseEvent;
    m_units = units;
    m_limits = limits;
    if (changed) emit detailsChanged();
}

void RecordingDocument::recordingReplaced(const QString& fileName) {
    m_currentPage = 0;
    m_events.reset();
    m_blocks.reset();
    m_fileName = fileName;
    m_unsaved = false;
    reloadSettings();
    emit recordingChanged();
    emit pageChanged(0);
    emit detailsChanged();
}

const PatientRecord& RecordingDocument::patient() const {
    return m_model.currentPatient();
}
const std::string& RecordingDocument::title() const {
    return m_model.reportTitle();
}

namespace {
QString problemText(const Error& e) {
    return QString::fromStdString(e.text());
}
} // namespace

Outcome RecordingDocument::editPatient(const PatientRecord& patient) {
    m_model.setCurrentPatient(patient);
    Outcome stored;
    if (m_study) stored = m_library->setPatient(*m_study, patient, true);
    if (m_study && stored) m_patientConfirmed = true;
    markDetailsEdited(stored);
    return stored;
}

Outcome RecordingDocument::editTitle(std::string title) {
    m_model.setReportTitle(std::move(title));
    Outcome stored;
    if (m_study) stored = m_library->setTitle(*m_study, m_model.reportTitle());
    markDetailsEdited(stored);
    return stored;
}

Outcome RecordingDocument::editInterpretation(std::string text) {
    m_interpretation = std::move(text);
    Outcome stored;
    if (m_study) stored = m_library->setInterpretation(*m_study, m_interpretation);
    markDetailsEdited(stored);
    return stored;
}

void RecordingDocument::setFollowUp(std::vector<pages::FollowUpNight> nights) {
    m_followUp = std::move(nights);
    emit detailsChanged();
}

void RecordingDocument::forgetStudy() {
    m_study.reset();
    m_followUp.clear();
    m_deviceType = 0;
    m_patientConfirmed = true;
    m_interpretation.clear();
    m_libraryProblem.clear();
}

void RecordingDocument::takeStudy(const Study& study) {
    m_study = study.summary.id;
    m_patientConfirmed = study.summary.patientConfirmed;
    m_interpretation = study.interpretation;
    m_deviceType = study.summary.deviceType;
    m_model.setCurrentPatient(study.summary.patient);
}

void RecordingDocument::adoptCurrentRecording(StudyOrigin origin, const std::string& source, std::int32_t deviceType) {
    forgetStudy();
    if (!m_library) return;
    auto fail = [this](const Error& e) { m_libraryProblem = problemText(e); };
    const auto found = m_library->find(m_model.currentSamples());
    if (!found) return fail(found.error());
    if (*found) {
        const auto study = m_library->get(**found);
        if (!study) return fail(study.error());
        takeStudy(*study);
        return;
    }
    NewStudy kept;
    kept.samples = m_model.currentSamples();
    kept.patient = m_model.currentPatient();
    kept.patientConfirmed = false;
    kept.title = m_model.reportTitle();
    kept.deviceType = deviceType;
    kept.origin = origin;
    kept.sourceFile = source;
    const auto added = m_library->add(kept);
    if (!added) return fail(added.error());
    m_study = added->id;
    m_deviceType = deviceType;
    m_patientConfirmed = false;
}

Outcome RecordingDocument::open(const std::string& path, const PatientDatabase& db) {
    auto read = readRecordingFile(path);
    if (!read) return read.error();
    if (Outcome made = makeCurrentRecording(std::move(*read), m_model, db); !made) return made;
    // The title is the file's own; the patient is the study's when the library knows
    // these samples, so another night under the same ID never shows today's patient.
    const std::string title = m_model.reportTitle();
    adoptCurrentRecording(StudyOrigin::Import, path, 0);
    m_model.setReportTitle(title);
    return {};
}

bool RecordingDocument::showDownloadedId(int id, const PatientDatabase& db) {
    if (!m_model.makeCurrent(id)) return false;
    PatientRecord patient;
    patient.id = id;
    if (m_model.patientInfoSaved(id)) db.loadPatientRecord(id - 1, patient);
    m_model.setCurrentPatient(patient);
    forgetStudy();
    if (!m_library) return true;
    // Stored when the download ended, with the slot's details as the proposal.
    if (const auto found = m_library->find(m_model.currentSamples()); found && *found) {
        if (const auto study = m_library->get(**found)) {
            takeStudy(*study);
            return true;
        } else {
            m_libraryProblem = problemText(study.error());
        }
    } else if (!found) {
        m_libraryProblem = problemText(found.error());
    }
    adoptCurrentRecording(StudyOrigin::Download, {}, m_model.deviceType());
    m_deviceType = m_model.deviceType();
    return true;
}

Outcome RecordingDocument::openStudy(StudyId id) {
    if (!m_library)
        return Error{Status::NotFound, ktr("RecordingDocument", "study library"), ktr("RecordingDocument", "not open")};
    auto study = m_library->get(id);
    if (!study) return study.error();
    auto samples = m_library->samples(id);
    if (!samples) return samples.error();
    if (!m_model.replaceCurrent(std::move(*samples))) return Error{Status::TooLarge, study->datPath};
    m_model.setReportTitle(study->summary.title);
    forgetStudy();
    takeStudy(*study);
    return {};
}

Result<std::uint8_t> RecordingDocument::saveData(const std::string& path) const {
    return saveCurrentRecording(path, m_model);
}

Outcome RecordingDocument::finishSave(const PatientDatabase& db, const QString& fileName) {
    const Outcome stored = finishSaveData(m_model, db);
    if (stored) markSaved(fileName);
    return stored;
}

void RecordingDocument::markDetailsEdited(const Outcome& stored) {
    // Kept with the study: nothing is lost when the window closes.
    m_unsaved = !m_study || !stored;
    if (!stored) m_libraryProblem = problemText(stored.error());
    emit detailsChanged();
}

void RecordingDocument::markSaved(const QString& fileName) {
    if (!fileName.isEmpty()) m_fileName = fileName;
    m_unsaved = false;
    emit detailsChanged();
}

pages::PageData RecordingDocument::pageData() const {
    pages::PageData d;
    d.samples = m_model.currentSamples();
    d.patient = m_model.currentPatient();
    d.reportTitle = m_model.reportTitle();
    d.units = m_units;
    d.analysis = &m_analysis;
    d.desaturationsEvent = m_limits.desaturationsEvent;
    d.pulseEvent = m_limits.pulseEvent;
    d.currentPage = m_currentPage;
    d.span = span();
    if (m_zoom != kDefaultSpan) {
        if (!m_blocks) m_blocks = pages::summariseBlocks(d.samples);
        d.blocks = &*m_blocks;
    }
    return d;
}

} // namespace kestrova::ui
