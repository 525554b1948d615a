#include "app/MenuState.h"

#include "app/Commands.h"

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
    case cmd::Trend: return s.displayMode == 2 || s.displayMode == 3 || s.displayMode == 4;
    case cmd::Table: return s.displayMode == 1 || s.displayMode == 3 || s.displayMode == 4;
    case cmd::Analysis: return s.displayMode != 0;
    case cmd::ClinicalSummary: return s.displayMode != 0; // as Analysis
    default: return true;
    }
}

} // namespace kestrova::ui
