// Which commands are available, from the frame's state: whether a recording is
// open, whether downloaded recordings are held, which display is shown, and whether
// a view exists for the view commands.
#pragma once

namespace kestrova::ui {

struct FrameState {
    bool noRecording = true;
    bool noDownload = true;
    int displayMode = 0; // 0 none, 1 trend, 2 table, 3 analysis
    bool viewExists = false;
};

bool commandEnabled(int commandId, const FrameState& state);

} // namespace kestrova::ui
