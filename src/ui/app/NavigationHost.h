// What the navigation needs of the window it serves: the recording document, the
// command actions, the active view and the window itself (for its event dock, status
// bar, title and as the parent of its questions). The main frame implements it.
#pragma once

class QAction;
class QMainWindow;

namespace kestrova::ui {

class RecordingDocument;
class RecordingView;

class NavigationHost {
public:
    virtual RecordingDocument& document() = 0;
    virtual QAction* action(int commandId) const = 0;
    virtual RecordingView* activeView() const = 0;
    virtual QMainWindow& mainWindow() = 0;

protected:
    ~NavigationHost() = default;
};

} // namespace kestrova::ui
