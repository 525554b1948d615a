// Which commands are available, from the frame's state: whether a recording is
// open, whether downloaded recordings are held, which display is shown, and whether
// a view exists for the view commands.
#pragma once

#include "common/RecordingDocument.h"

namespace kestrova::ui {

struct FrameState {
    bool noRecording = true;
    bool noDownload = true;
    DisplayMode displayMode = DisplayMode::None;
    bool viewExists = false;
};

bool commandEnabled(int commandId, const FrameState& state);

} // namespace kestrova::ui
