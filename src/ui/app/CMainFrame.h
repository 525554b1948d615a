// The main window: menus, toolbar, status bar with the page pane, the workspace with
// its one child window, the frame's state (noRecording, noDownload, displayMode),
// the display switch and the routing of every command.
#pragma once

#include "app/MenuState.h"
#include "app/NavigationHost.h"
#include "common/RecordingDocument.h"
#include "views/RecordingView.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QMimeData;

namespace kestrova {
class RecordingModel;
class Settings;
} // namespace kestrova

namespace kestrova::ui {

class CMdiClient;
class DeviceWatcher;
class FrameNavigation;

// Where the next capture connects: a device arriving on a serial port starts one only
// in serial mode; Find Bluetooth switches to the Bluetooth link until a capture ends.
enum class CaptureLink { Bluetooth, Serial };

class CMainFrame : public QMainWindow, public NavigationHost {
    Q_OBJECT
public:
    // The "document templates": how a view of each kind is made; trend first, table last.
    using ViewFactory = std::function<RecordingView*(RecordingDocument&)>;

    // `library`: the study library of this start, null when it could not be opened.
    CMainFrame(RecordingModel& model, const Settings& settings, StudyLibrary* library = nullptr,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    void registerTemplate(ViewFactory factory) { m_templates.push_back(std::move(factory)); }

    // State of the frame.
    FrameState state() const;
    DisplayMode displayMode() const { return m_document->displayMode(); }
    void setNoRecording(bool v);
    void setNoDownload(bool v);
    CaptureLink captureLink() const { return m_captureLink; }
    void setCaptureLink(CaptureLink link) { m_captureLink = link; }

    QAction* action(int commandId) const override { return m_actions.value(commandId); }
    QString pagePaneText() const;
    // The line above the workspace that says the details are only proposed.
    QLabel* detailsNotice() const { return m_notice; }
    RecordingView* activeView() const override;
    CMdiClient* workspace() const { return m_workspace; }
    RecordingModel& model() { return m_model; }
    RecordingDocument& document() override { return *m_document; }
    QMainWindow& mainWindow() override { return *this; }
    FrameNavigation& navigation() { return *m_navigation; }

    // The display switch; Analysis runs the analysis first.
    void switchDisplay(DisplayMode mode);
    // After the current recording was replaced: the table when it is shown, else the trend.
    void showCurrentRecording(const QString& fileName = {});
    void closeAllDocuments();
    // The Close command: no document, recording menus greyed.
    void closeRecording() { closeCommand(); }
    // A status bar line that stays (the demo device).
    void setPermanentNote(const QString& text);

    // Before the current recording is set aside (closed, replaced, the program ended):
    // edits that nothing keeps yet are saved, discarded or the step is cancelled, as
    // the user answers. True when the step may go on.
    bool maySetRecordingAside();

    // What is done with files dropped on the window (without a handler, the first opens).
    void setDropHandler(std::function<void(const QStringList&)> handler) { m_dropHandler = std::move(handler); }
    // The local files of a drop, in order.
    static QStringList droppedFiles(const QMimeData& data);

    // Dialogs that later parts of the program provide; each returns whether it ended with OK.
    using DialogRunner = std::function<bool(CMainFrame&)>;
    void setDialog(int commandId, DialogRunner runner) { m_dialogs[commandId] = std::move(runner); }

public slots:
    // WM_PAGE_STATUS: page is 0-based; a count of 0 shows just "Page:".
    void pageStatus(int page, int count);
    // A new serial device appeared.
    void deviceArrived();
    void newDataCapture();
    void refreshCommandState();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildActions();
    void buildNavigationActions();
    void buildMenus();
    // Options -> Language: stores the language of the next start.
    void languageCommand();
    // An access key for every item of `menu` that has none, no letter twice.
    static void giveMnemonics(QMenu& menu);
    void buildToolBar();
    void buildStatusBar();
    QAction* addAction(int id, const QString& text, std::function<void()> handler);
    void openDocument(std::size_t templateIndex);
    void openView(RecordingView* view);
    void runDialog(int commandId);
    void updateNotice();
    // runDialog once the current recording may be set aside.
    void runReplacingDialog(int commandId);
    void closeCommand();
    void unitSetupCommand();
    void analysisSetupCommand();
    void findBluetooth();

    RecordingModel& m_model;
    RecordingDocument* m_document = nullptr;
    FrameNavigation* m_navigation = nullptr;
    CMdiClient* m_workspace = nullptr;
    QLabel* m_pagePane = nullptr;
    QLabel* m_notice = nullptr;
    QHash<int, QAction*> m_actions;
    QHash<int, DialogRunner> m_dialogs;
    std::vector<ViewFactory> m_templates;
    QPointer<RecordingView> m_activeView;
    DeviceWatcher* m_deviceWatcher = nullptr;

    bool m_noRecording = true;
    bool m_noDownload = true;
    CaptureLink m_captureLink = CaptureLink::Serial;
    bool m_captureDialogOpen = false;
    std::function<void(const QStringList&)> m_dropHandler;
};

} // namespace kestrova::ui
