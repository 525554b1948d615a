// The main window: menus, toolbar, status bar with the page pane, the workspace with
// its one child window, the frame's state (noRecording, noDownload, displayMode),
// the display switch and the routing of every command.
#pragma once

#include "analysis/Analysis.h"
#include "app/MenuState.h"
#include "views/RecordingView.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QLabel;

namespace kestrova {
class RecordingModel;
}

namespace kestrova::ui {

class CMdiClient;
class DeviceWatcher;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The "document templates": how a view of each kind is made; trend first, table last.
    using ViewFactory = std::function<RecordingView*(const ViewContext&)>;

    explicit CMainFrame(RecordingModel& model, QWidget* parent = nullptr);
    ~CMainFrame() override;

    void registerTemplate(ViewFactory factory) { m_templates.push_back(std::move(factory)); }

    // State of the frame.
    FrameState state() const;
    int displayMode() const { return m_displayMode; }
    const int& displayModeRef() const { return m_displayMode; } // for a ViewContext
    void setNoRecording(bool v);
    void setNoDownload(bool v);
    int transportFlag() const { return m_transportFlag; }
    void setTransportFlag(int v) { m_transportFlag = v; }
    bool captureDialogOpen() const { return m_captureDialogOpen; }

    QAction* action(int commandId) const { return m_actions.value(commandId); }
    QString pagePaneText() const;
    RecordingView* activeView() const;
    CMdiClient* workspace() const { return m_workspace; }
    const AnalysisResult& analysis() const { return m_analysis; }
    // Runs the analysis of the current recording with the limits in the settings file now.
    void runAnalysis();
    RecordingModel& model() { return m_model; }

    // The display switch: 1 trend, 2 table, 3 analysis (which runs the analysis first),
    // 4 the clinical summary.
    void switchDisplay(int mode);
    // After the current recording changed: the table when it is shown, else the trend.
    void showCurrentRecording();
    void closeAllDocuments();
    // The Close command: no document, recording menus greyed.
    void closeRecording() { closeCommand(); }
    // A status bar line that stays (the demo device).
    void setPermanentNote(const QString& text);

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

private:
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    QAction* addAction(int id, const QString& text, std::function<void()> handler);
    void openDocument(std::size_t templateIndex);
    void openView(RecordingView* view);
    void runDialog(int commandId);
    void closeCommand();
    void unitSetupCommand();
    void analysisSetupCommand();
    void findBluetooth();
    void notYetAvailable();

    RecordingModel& m_model;
    CMdiClient* m_workspace = nullptr;
    QLabel* m_pagePane = nullptr;
    QHash<int, QAction*> m_actions;
    QHash<int, DialogRunner> m_dialogs;
    std::vector<ViewFactory> m_templates;
    QPointer<RecordingView> m_activeView;
    DeviceWatcher* m_deviceWatcher = nullptr;

    bool m_noRecording = true;
    bool m_noDownload = true;
    int m_displayMode = 0;
    int m_transportFlag = 1;
    bool m_captureDialogOpen = false;
    bool m_unitRemembered = false;
    int m_rememberedUnit = 0;
    AnalysisResult m_analysis;
};

} // namespace kestrova::ui
