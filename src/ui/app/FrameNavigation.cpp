#include "app/FrameNavigation.h"

#include "app/NavigationHost.h"
#include "common/Commands.h"
#include "common/Messages.h"
#include "common/RecordingDocument.h"
#include "model/RecordingModel.h"
#include "model/RecordingTime.h"
#include "pages/HeaderBand.h"
#include "settings/Settings.h"
#include "views/CTavroTrendView.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>

namespace kestrova::ui {
namespace {

struct ZoomChoice {
    const char* text;
    int zoom;
};
constexpr ZoomChoice kZoomChoices[] = {
    {QT_TRANSLATE_NOOP("FrameNavigation", "Page width (default)"), RecordingDocument::kDefaultSpan},
    {QT_TRANSLATE_NOOP("FrameNavigation", "5 min"), 300},
    {QT_TRANSLATE_NOOP("FrameNavigation", "15 min"), 900},
    {QT_TRANSLATE_NOOP("FrameNavigation", "30 min"), 1800},
    {QT_TRANSLATE_NOOP("FrameNavigation", "1 h"), 3600},
    {QT_TRANSLATE_NOOP("FrameNavigation", "2 h"), 7200},
    {QT_TRANSLATE_NOOP("FrameNavigation", "4 h"), 14400},
    {QT_TRANSLATE_NOOP("FrameNavigation", "8 h"), 28800},
    {QT_TRANSLATE_NOOP("FrameNavigation", "Whole recording"), RecordingDocument::kWholeRecording}};

// A row of the event list that sorts by the numbers behind its texts.
class EventItem : public QTreeWidgetItem {
public:
    static constexpr int kSortRole = Qt::UserRole + 1;
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int c = treeWidget() ? treeWidget()->sortColumn() : 0;
        return data(c, kSortRole).toLongLong() < other.data(c, kSortRole).toLongLong();
    }
};

} // namespace

FrameNavigation::FrameNavigation(NavigationHost& host) : QObject(&host.mainWindow()), m_host(host) {
    RecordingDocument& doc = host.document();
    connect(&doc, &RecordingDocument::recordingChanged, this, [this] {
        fillEventList();
        updateTitle();
    });
    connect(&doc, &RecordingDocument::detailsChanged, this, &FrameNavigation::updateTitle);
    connect(&doc, &RecordingDocument::displayModeChanged, this, &FrameNavigation::updateTitle);
    connect(&doc, &RecordingDocument::zoomChanged, this, &FrameNavigation::syncZoomMenu);
    buildEventDock();
}

void FrameNavigation::buildMenus(QMenu& mode, QMenu& file) {
    mode.addSeparator();
    QMenu* zoom = mode.addMenu(tr("Zoom"));
    zoom->addAction(m_host.action(cmd::ZoomIn));
    zoom->addAction(m_host.action(cmd::ZoomOut));
    zoom->addSeparator();
    m_zoomGroup = new QActionGroup(this);
    for (int i = 0; i < static_cast<int>(std::size(kZoomChoices)); ++i) {
        QAction* a = m_host.action(cmd::ZoomLevel + i);
        a->setCheckable(true);
        a->setChecked(kZoomChoices[i].zoom == m_host.document().zoom());
        m_zoomGroup->addAction(a);
        zoom->addAction(a);
    }
    mode.addAction(m_host.action(cmd::PreviousEvent));
    mode.addAction(m_host.action(cmd::NextEvent));
    mode.addAction(m_host.action(cmd::GoToTime));
    QAction* list = m_dock->toggleViewAction();
    list->setText(tr("Event List"));
    list->setData(cmd::EventList);
    mode.addAction(list);

    m_recentMenu = new QMenu(tr("Recent Files"), &file);
    file.insertMenu(m_host.action(cmd::EventTimeReport), m_recentMenu); // right after Open Saved Data
    connect(m_recentMenu, &QMenu::aboutToShow, this, &FrameNavigation::refreshRecentMenu);
    refreshRecentMenu();
}

int FrameNavigation::zoomChoiceCount() {
    return static_cast<int>(std::size(kZoomChoices));
}
int FrameNavigation::zoomOfChoice(int index) {
    return kZoomChoices[index].zoom;
}
QString FrameNavigation::zoomChoiceText(int index) {
    return QCoreApplication::translate("FrameNavigation", kZoomChoices[index].text);
}

void FrameNavigation::syncZoomMenu() {
    if (!m_zoomGroup) return;
    for (int i = 0; i < zoomChoiceCount(); ++i)
        m_host.action(cmd::ZoomLevel + i)->setChecked(kZoomChoices[i].zoom == m_host.document().zoom());
}

void FrameNavigation::buildEventDock() {
    m_dock = new QDockWidget(tr("Desaturations (3 %)"), &m_host.mainWindow());
    m_dock->setObjectName(QStringLiteral("eventDock"));
    m_list = new QTreeWidget(m_dock);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({tr("Start"), tr("Duration"), tr("Baseline"), tr("Nadir"), tr("Depth")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false);
    m_list->setSortingEnabled(true); // by depth, to find the deepest first
    m_list->sortByColumn(0, Qt::AscendingOrder);
    fitEventListWidth();
    connect(m_list, &QTreeWidget::itemActivated, this, &FrameNavigation::jumpToEvent);
    connect(m_list, &QTreeWidget::itemClicked, this, &FrameNavigation::jumpToEvent);
    m_dock->setWidget(m_list);
    m_host.mainWindow().addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
}

void FrameNavigation::fillEventList() {
    m_list->clear();
    const RecordingDocument& doc = m_host.document();
    const auto samples = doc.model().currentSamples();
    QList<QTreeWidgetItem*> items;
    for (const DesaturationEvent& e : doc.events()) {
        auto* item =
            new EventItem(QStringList{pages::HeaderBand::timeText(samples[static_cast<std::size_t>(e.start)]),
                                      tr("%1 s").arg(e.duration()), QStringLiteral("%1 %").arg(e.baseline),
                                      QStringLiteral("%1 %").arg(e.nadir), QStringLiteral("%1 %").arg(e.depth())});
        item->setData(0, Qt::UserRole, QVariant::fromValue<qint64>(doc.nadirIndex(e)));
        const qint64 keys[5] = {e.start, e.duration(), e.baseline, e.nadir, e.depth()};
        for (int c = 0; c < 5; ++c) item->setData(c, EventItem::kSortRole, keys[c]);
        items << item;
    }
    m_list->addTopLevelItems(items);
    fitEventListWidth();
}

// Every column whole: the dock is never narrower than the columns at their contents'
// width (translated headings and long durations included) plus the scroll bar.
void FrameNavigation::fitEventListWidth() {
    QHeaderView* header = m_list->header();
    int columns = 0;
    for (int c = 0; c < header->count(); ++c)
        columns += std::max(header->sectionSizeHint(c), static_cast<QAbstractItemView*>(m_list)->sizeHintForColumn(c));
    const int scrollBar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    m_list->setMinimumWidth(columns + 2 * m_list->frameWidth() + scrollBar + 2);
}

// The event navigated to by F3 / Shift+F3 is the selected row of the list, in view.
void FrameNavigation::selectEventRow(qint64 nadir) {
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toLongLong() != nadir) continue;
        m_list->setCurrentItem(item);
        m_list->scrollToItem(item);
        return;
    }
}

void FrameNavigation::jumpToEvent(QTreeWidgetItem* item) {
    RecordingView* view = m_host.activeView();
    if (!item || !view || !view->pagesSamples()) return;
    view->showSample(item->data(0, Qt::UserRole).toLongLong());
}

void FrameNavigation::nextEvent() {
    RecordingView* view = m_host.activeView();
    if (!view || !view->pagesSamples()) return;
    const RecordingDocument& doc = m_host.document();
    const std::int64_t from = view->focusSample();
    for (const DesaturationEvent& e : doc.events()) {
        if (const std::int64_t nadir = doc.nadirIndex(e); nadir > from) {
            view->showSample(nadir);
            selectEventRow(nadir);
            return;
        }
    }
    m_host.mainWindow().statusBar()->showMessage(tr("No desaturation after this point."), 4000);
}

void FrameNavigation::previousEvent() {
    RecordingView* view = m_host.activeView();
    if (!view || !view->pagesSamples()) return;
    const RecordingDocument& doc = m_host.document();
    const std::int64_t from = view->focusSample();
    const auto& events = doc.events();
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        if (const std::int64_t nadir = doc.nadirIndex(*it); nadir < from) {
            view->showSample(nadir);
            selectEventRow(nadir);
            return;
        }
    }
    m_host.mainWindow().statusBar()->showMessage(tr("No desaturation before this point."), 4000);
}

void FrameNavigation::goToTime() {
    RecordingView* view = m_host.activeView();
    const auto samples = m_host.document().model().currentSamples();
    if (!view || !view->pagesSamples() || samples.empty()) return;
    bool ok = false;
    const QString text = QInputDialog::getText(&m_host.mainWindow(), tr("Go to time"),
                                               tr("Time (HH:MM:SS), or date and time (YYYY-MM-DD HH:MM:SS):"),
                                               QLineEdit::Normal, pages::HeaderBand::timeText(samples.front()), &ok);
    if (!ok) return;
    const auto query = parseTimeQuery(text.toStdString());
    if (!query) {
        Messages::info(&m_host.mainWindow(), tr("Type a time as HH:MM:SS, or a date and time as YYYY-MM-DD HH:MM:SS."));
        return;
    }
    const auto index = findSampleAt(samples, *query);
    if (!index) {
        Messages::info(&m_host.mainWindow(),
                       tr("%1 is not within this recording, which runs from %2 to %3.")
                           .arg(text.trimmed(), QString::fromStdString(stampText(samples.front())),
                                QString::fromStdString(stampText(samples.back()))));
        return;
    }
    view->showSample(*index);
}

QStringList FrameNavigation::recentFiles() const {
    QStringList files;
    for (const auto& f : m_host.document().settings().recentFiles()) files << QString::fromStdString(f);
    return files;
}

void FrameNavigation::fileOpened(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (const WriteStatus w = m_host.document().settings().addRecentFile(absolute.toStdString()); !w)
        m_host.mainWindow().statusBar()->showMessage(
            tr("The recent files could not be remembered: %1").arg(QString::fromStdString(w.error().text())), 6000);
    // A menu that was empty is disabled and never asks to be refreshed: refresh it now.
    refreshRecentMenu();
}

void FrameNavigation::refreshRecentMenu() {
    m_recentMenu->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setToolTip(path);
        connect(a, &QAction::triggered, this, [this, path] {
            if (m_openFile) m_openFile(path);
        });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

void FrameNavigation::updateTitle() {
    const RecordingDocument& doc = m_host.document();
    if (doc.displayMode() == DisplayMode::None) {
        m_host.mainWindow().setWindowTitle(QStringLiteral("Kestrova"));
        m_host.mainWindow().setWindowModified(false);
        return;
    }
    const QString what = doc.fileName().isEmpty() ? tr("ID %1 (downloaded)").arg(doc.model().currentPatient().id)
                                                  : QFileInfo(doc.fileName()).fileName();
    m_host.mainWindow().setWindowTitle(tr("%1[*] - Kestrova").arg(what));
    m_host.mainWindow().setWindowModified(doc.hasUnsavedChanges());
}

} // namespace kestrova::ui
