#include "app/MenuState.h"

#include "common/Commands.h"

namespace kestrova::ui {

bool commandEnabled(int id, const FrameState& s) {
    switch (id) {
    // Commands of the active view exist only while a view does.
    case cmd::Print:
    case cmd::PrintPreview:
    case cmd::RollStep:
    case cmd::PageUp:
    case cmd::PageDown: return s.viewExists;
    case cmd::Close:
    case cmd::PatientInfo:
    case cmd::PatientTitle:
    case cmd::Interpretation:
    case cmd::SaveData:
    case cmd::EventTimeReport:
    case cmd::ClinicalReport: return !s.noRecording;
    case cmd::OpenOtherId: return !s.noDownload;
    case cmd::Trend: return s.displayMode != DisplayMode::None && s.displayMode != DisplayMode::Trend;
    case cmd::Table: return s.displayMode != DisplayMode::None && s.displayMode != DisplayMode::Table;
    case cmd::Analysis:
    case cmd::ClinicalSummary: return s.displayMode != DisplayMode::None;
    case cmd::ZoomIn:
    case cmd::ZoomOut:
    case cmd::ZoomDefault: return s.viewExists && s.displayMode == DisplayMode::Trend;
    case cmd::NextEvent:
    case cmd::PreviousEvent:
    case cmd::GoToTime:
        return s.viewExists && (s.displayMode == DisplayMode::Trend || s.displayMode == DisplayMode::Table);
    default:
        if (id >= cmd::ZoomLevel && id < cmd::ZoomLevel + 100)
            return s.viewExists && s.displayMode == DisplayMode::Trend;
        return true;
    }
}

} // namespace kestrova::ui
