// "New data capture" and "Find bluetooth radio": the capture dialog in serial or
// Bluetooth mode, with the port probing order (a demo device goes first).
#pragma once

#include <QString>

namespace kestrova {
class PatientDatabase;
}

namespace kestrova::ui {

class CMainFrame;
class CDlgChooseType;

// `firstPort`: a port to probe before all others (the demo device), may be empty.
// `db`: the slot list that proposes each downloaded ID's patient.
void installCaptureCommands(CMainFrame& frame, const PatientDatabase& db, const QString& firstPort);

// Makes the frame act on what the capture dialog reports: recordings cleared by a new
// download, a download complete (kept in the study library at once, when there is one
// and `db` proposes the patients), and when it closes, the ID chosen (with its patient
// details to confirm) or the cancel.
void attachCapture(CMainFrame& frame, CDlgChooseType& dialog, const PatientDatabase* db = nullptr);

} // namespace kestrova::ui
