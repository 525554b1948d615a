// The one recording the window shows and everything the views draw from: the current
// recording (held by the core model), the display mode, the page, the last analysis with
// the limits it was computed with, the settings a page is drawn with, the file it came
// from and whether its patient details changed since. Views repaint on its signals;
// commands and dialogs change it only through these functions.
#pragma once

#include "analysis/Analysis.h"
#include "analysis/ClinicalMetrics.h"
#include "pages/PageData.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace kestrova {
class RecordingModel;
}

namespace kestrova::ui {

enum class DisplayMode { None = 0, Trend = 1, Table = 2, Analysis = 3, ClinicalSummary = 4 };

class RecordingDocument : public QObject {
    Q_OBJECT
public:
    explicit RecordingDocument(RecordingModel& model, QObject* parent = nullptr);

    RecordingModel& model() const { return m_model; }

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
    // The lowest sample of an event (the first of equal ones).
    std::int64_t nadirIndex(const DesaturationEvent& e) const;

    // The last analysis and, in it, the limits it was computed with.
    const AnalysisResult& analysis() const { return m_analysis; }
    // Analyses the current recording with the limits in the settings file now.
    void runAnalysis();

    // Unit system and event criteria as the pages show them, read from the settings
    // file when the recording changes and when a setup dialog ends with OK.
    void reloadSettings();

    // The current recording was replaced (download, other ID, opened file): back to
    // its first page, no unsaved changes; `fileName` is empty for a downloaded one.
    void recordingReplaced(const QString& fileName = {});
    // The patient details or title of the current recording were edited.
    void markDetailsEdited();
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
    RecordingModel& m_model;
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
