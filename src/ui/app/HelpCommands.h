// The Help menu: the manual (F1) in a window of its own, and the keyboard shortcuts as
// the menus define them.
#pragma once

#include <QString>

class QDialog;

namespace kestrova::ui {

class CMainFrame;

// The manual as HTML (built into the program, the text installed beside the man pages).
QString helpHtml();

// Shown without blocking the main window; the same window is raised when asked again.
QDialog* showHelp(CMainFrame& frame);
QDialog* showShortcuts(CMainFrame& frame);

} // namespace kestrova::ui
