#include "common/RecordingDocument.h"

#include "files/PatientDatabase.h"
#include "files/SaveData.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"

namespace kestrova::ui {

RecordingDocument::RecordingDocument(RecordingModel& model, const Settings& settings, QObject* parent)
    : QObject(parent), m_model(model), m_settings(settings) {
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

void RecordingDocument::editPatient(const PatientRecord& patient) {
    m_model.setCurrentPatient(patient);
    markDetailsEdited();
}

void RecordingDocument::editTitle(std::string title) {
    m_model.setReportTitle(std::move(title));
    markDetailsEdited();
}

Outcome RecordingDocument::open(const std::string& path, const PatientDatabase& db) {
    return openSavedData(path, m_model, db);
}

bool RecordingDocument::showDownloadedId(int id, const PatientDatabase& db) {
    if (!m_model.makeCurrent(id)) return false;
    PatientRecord patient;
    patient.id = id;
    if (m_model.patientInfoSaved(id)) db.loadPatientRecord(id - 1, patient);
    m_model.setCurrentPatient(patient);
    return true;
}

Result<std::uint8_t> RecordingDocument::saveData(const std::string& path) const {
    return saveCurrentRecording(path, m_model);
}

Outcome RecordingDocument::finishSave(const PatientDatabase& db, const QString& fileName) {
    const Outcome stored = finishSaveData(m_model, db);
    if (stored) markSaved(fileName);
    return stored;
}

void RecordingDocument::markDetailsEdited() {
    m_unsaved = true;
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
