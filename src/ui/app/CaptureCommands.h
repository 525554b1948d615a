// "New data capture" and "Find bluetooth radio": the capture dialog in serial or
// Bluetooth mode, with the port probing order (a demo device goes first).
#pragma once

#include <QString>

namespace kestrova::ui {

class CMainFrame;

// `firstPort`: a port to probe before all others (the demo device), may be empty.
void installCaptureCommands(CMainFrame& frame, const QString& firstPort);

} // namespace kestrova::ui
