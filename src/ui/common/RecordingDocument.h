// The one recording the window shows and everything the views draw from: the current
// recording (held by the core model), the display mode, the page, the last analysis with
// the limits it was computed with, the settings a page is drawn with, the file it came
// from and whether its patient details changed since. Views repaint on its signals;
// commands and dialogs change it only through these functions.
#pragma once

#include "analysis/Analysis.h"
#include "analysis/ClinicalMetrics.h"
#include "base/Result.h"
#include "library/StudyLibrary.h"
#include "pages/ClinicalReport.h"
#include "pages/PageData.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace kestrova {
class RecordingModel;
class PatientDatabase;
class Settings;
struct PatientRecord;
} // namespace kestrova

namespace kestrova::ui {

enum class DisplayMode { None = 0, Trend = 1, Table = 2, Analysis = 3, ClinicalSummary = 4 };

class RecordingDocument : public QObject {
    Q_OBJECT
public:
    // `library`: where every recording is kept with its own patient; null when it could
    // not be opened (the recording then lives in memory and in the files saved by hand).
    RecordingDocument(RecordingModel& model, const Settings& settings, StudyLibrary* library = nullptr,
                      QObject* parent = nullptr);

    RecordingModel& model() const { return m_model; }
    // The settings file of this start, the one every command reads and writes.
    const Settings& settings() const { return m_settings; }

    DisplayMode displayMode() const { return m_displayMode; }
    void setDisplayMode(DisplayMode mode);

    // The page the active view shows, 0-based.
    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);

    // Trend zoom: seconds a page shows; kDefaultSpan for one sample per unit of width,
    // kWholeRecording for all of it.
    static constexpr int kDefaultSpan = 0, kWholeRecording = -1;
    int zoom() const { return m_zoom; }
    void setZoom(int zoom);
    // Samples a trend page shows at this zoom, 0 for the default.
    int span() const;

    // The 3 % desaturations of the current recording, for navigation.
    const std::vector<DesaturationEvent>& events() const;
    // The lowest valid sample of an event (the first of equal ones).
    std::int64_t nadirIndex(const DesaturationEvent& e) const;

    // The last analysis and, in it, the limits it was computed with.
    const AnalysisResult& analysis() const { return m_analysis; }
    // Analyses the current recording with the limits in the settings file now.
    void runAnalysis();

    // Unit system and event criteria as the pages show them, read from the settings
    // file when the recording changes and when a setup dialog ends with OK.
    void reloadSettings();

    // The current recording's patient, title (stored bytes) and interpretation. Only
    // these operations change them; each announces the change. With a study, the edit
    // is stored with it at once (an edited patient counts as confirmed for this night);
    // without one, or when storing fails, the recording counts as edited until saved.
    const PatientRecord& patient() const;
    const std::string& title() const;
    const std::string& interpretation() const { return m_interpretation; }
    Outcome editPatient(const PatientRecord& patient);
    Outcome editTitle(std::string title);
    Outcome editInterpretation(std::string text);

    // The study the current recording is, if the library holds it, and whether its
    // patient details were confirmed for this recording (false: proposed from the slot
    // list, and every page says so).
    StudyLibrary* library() const { return m_library; }
    std::optional<StudyId> study() const { return m_study; }
    bool patientConfirmed() const { return m_patientConfirmed; }
    // The device type the recording was downloaded from (0 when unknown).
    std::int32_t deviceType() const { return m_deviceType; }
    // The patient's nights the clinical report compares (oldest first), when the
    // recording was opened from a comparison; empty otherwise.
    const std::vector<pages::FollowUpNight>& followUp() const { return m_followUp; }
    void setFollowUp(std::vector<pages::FollowUpNight> nights);
    // Why the library could not keep the current recording, empty when it did.
    const QString& libraryProblem() const { return m_libraryProblem; }

    // Opens a recording file of any known format as the current recording, or changes
    // nothing and says why. A recording the library holds comes with its study's
    // patient; another is kept as a new study, its details proposed from the slot list
    // of `db` (unconfirmed). The caller shows it (recordingReplaced).
    Outcome open(const std::string& path, const PatientDatabase& db);
    // The samples of a downloaded ID become the current recording, with the details
    // proposed for its study when it was stored, else those its slot holds once they
    // were saved for this download.
    bool showDownloadedId(int id, const PatientDatabase& db);
    // A study of the library becomes the current recording.
    Outcome openStudy(StudyId id);
    // Save Data's .dat file; gives the ID byte written.
    Result<std::uint8_t> saveData(const std::string& path) const;
    // Save Data's last step after any file was written: the details go to the slot
    // list and the recording counts as saved.
    Outcome finishSave(const PatientDatabase& db, const QString& fileName = {});

    // The current recording was replaced (download, other ID, opened file): back to
    // its first page, no unsaved changes; `fileName` is empty for a downloaded one.
    void recordingReplaced(const QString& fileName = {});
    // The details were stored (patient database or a saved file).
    void markSaved(const QString& fileName = {});

    const QString& fileName() const { return m_fileName; }
    bool hasUnsavedChanges() const { return m_unsaved; }

    // What a page is drawn from now.
    pages::PageData pageData() const;

signals:
    void recordingChanged();
    void displayModeChanged(kestrova::ui::DisplayMode mode);
    void pageChanged(int page);
    void zoomChanged(int zoom);
    void analysisChanged();
    // Details, title, unit system or file name: the pages' header changes.
    void detailsChanged();

private:
    void markDetailsEdited(const Outcome& stored);
    // Finds the current recording in the library, or keeps it there as a new study.
    void adoptCurrentRecording(StudyOrigin origin, const std::string& source, std::int32_t deviceType);
    void takeStudy(const Study& study);
    void forgetStudy();

    RecordingModel& m_model;
    const Settings& m_settings;
    StudyLibrary* m_library = nullptr;
    std::optional<StudyId> m_study;
    bool m_patientConfirmed = true;
    std::int32_t m_deviceType = 0;
    std::string m_interpretation;
    std::vector<pages::FollowUpNight> m_followUp;
    QString m_libraryProblem;
    DisplayMode m_displayMode = DisplayMode::None;
    int m_currentPage = 0;
    int m_zoom = kDefaultSpan;
    mutable std::optional<std::vector<DesaturationEvent>> m_events;
    mutable std::optional<pages::SignalBlocks> m_blocks; // for zoomed-out trends
    AnalysisResult m_analysis;
    UnitSystem m_units = UnitSystem::Imperial;
    AnalysisLimits m_limits; // criteria texts before the first analysis
    QString m_fileName;
    bool m_unsaved = false;
};

} // namespace kestrova::ui
