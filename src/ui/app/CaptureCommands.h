// "New data capture" and "Find bluetooth radio": the capture dialog in serial or
// Bluetooth mode, with the port probing order (a demo device goes first).
#pragma once

#include <QString>

namespace kestrova::ui {

class CMainFrame;
class CDlgChooseType;

// `firstPort`: a port to probe before all others (the demo device), may be empty.
void installCaptureCommands(CMainFrame& frame, const QString& firstPort);

// Makes the frame act on what the capture dialog reports: recordings cleared by a new
// download, a download complete, and when it closes, the ID chosen or the cancel.
void attachCapture(CMainFrame& frame, CDlgChooseType& dialog);

} // namespace kestrova::ui
