// Finding one's way through a recording, beside paging a page at a time: zoom of the
// trend, next and previous desaturation, the event list, Go to time, the recent
// files and the window title. Owned by the main frame, which it reaches as its
// NavigationHost; acts on its active view and its recording document.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QActionGroup;
class QDockWidget;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace kestrova::ui {

class NavigationHost;

class FrameNavigation : public QObject {
    Q_OBJECT
public:
    explicit FrameNavigation(NavigationHost& host);

    // Mode menu items, the Zoom submenu and the event buttons of the toolbar.
    void buildMenus(QMenu& mode, QMenu& file);

    // Opens a recording file as Open Saved Data does (installed by the commands that
    // hold the patient database); the recent-files menu uses it.
    using FileOpener = std::function<bool(const QString& path)>;
    void setFileOpener(FileOpener opener) { m_openFile = std::move(opener); }
    bool openFile(const QString& path) { return m_openFile && m_openFile(path); }
    // A file was opened: it goes to the top of the recent files.
    void fileOpened(const QString& path);

    // Mode > Zoom's levels: how many, and each one's zoom and text.
    static int zoomChoiceCount();
    static int zoomOfChoice(int index);
    static QString zoomChoiceText(int index);

    void nextEvent();
    void previousEvent();
    void goToTime();
    QDockWidget* eventDock() const { return m_dock; }
    QTreeWidget* eventList() const { return m_list; }
    // The recent files as the menu lists them.
    QStringList recentFiles() const;
    void updateTitle();

private:
    void buildEventDock();
    void fillEventList();
    void fitEventListWidth();
    void selectEventRow(qint64 nadir);
    void jumpToEvent(QTreeWidgetItem* item);
    void refreshRecentMenu();
    void syncZoomMenu();

    NavigationHost& m_host;
    QDockWidget* m_dock = nullptr;
    QTreeWidget* m_list = nullptr;
    QMenu* m_recentMenu = nullptr;
    QActionGroup* m_zoomGroup = nullptr;
    FileOpener m_openFile;
};

} // namespace kestrova::ui
