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
    case cmd::SaveData:
    case cmd::EventTimeReport:
    case cmd::ClinicalReport: return !s.noRecording;
    case cmd::OpenOtherId: return !s.noDownload;
    case cmd::Trend: return s.displayMode != DisplayMode::None && s.displayMode != DisplayMode::Trend;
    case cmd::Table: return s.displayMode != DisplayMode::None && s.displayMode != DisplayMode::Table;
    case cmd::Analysis:
    case cmd::ClinicalSummary: return s.displayMode != DisplayMode::None;
    default: return true;
    }
}

} // namespace kestrova::ui
