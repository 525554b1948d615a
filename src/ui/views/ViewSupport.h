// What both views share: the page data of the current recording, printing through
// the page renderer, and the roll step command.
#pragma once

#include "pages/PageRenderer.h"
#include "views/RecordingView.h"

#include <functional>

namespace kestrova::ui {

// Print (with the print dialog) or preview one page of `kind`; reports a failed job
// with "Could not start print job.".
void printView(QWidget* view, pages::PageKind kind, const RecordingDocument& document, bool preview);

// The roll step command. Views sit below the dialogs, so the application installs
// what asks for the step (a dialog with its range check and message); the asker
// returns the new step. With none installed the step stays as it is.
using RollStepAsker = std::function<int(QWidget* view, int rollStep, int pageCount)>;
void setRollStepAsker(RollStepAsker asker);
int askRollStep(QWidget* view, int rollStep, int pageCount);

// Page down / page up of the shared page index by `rollStep`, within 0 .. pageCount - 1.
int pageDownIndex(int current, int rollStep, int pageCount);
int pageUpIndex(int current, int rollStep);

} // namespace kestrova::ui
