// The commands that work on the current recording and its patient: Patient Info,
// Patient Title, Open Other ID Data, Save Data (with the exports), Open Saved Data,
// the event time report, and the two setup dialogs. Installed into the main frame.
#pragma once

namespace kestrova {
class PatientDatabase;
}

namespace kestrova::ui {

class CMainFrame;

void installRecordingCommands(CMainFrame& frame, const PatientDatabase& db);

} // namespace kestrova::ui
