#include "app/CMainFrame.h"

#include "app/CChildFrame.h"
#include "app/CMdiClient.h"
#include "app/DeviceWatcher.h"
#include "app/FrameNavigation.h"
#include "app/HelpCommands.h"
#include "common/Artwork.h"
#include "common/Commands.h"
#include "common/Messages.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CLanguageDlg.h"
#include "dialogs/CSetRollStep.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/StringTable.h"
#include "views/CTavroTrendView.h"
#include "views/ClinicalSummaryView.h"
#include "views/OverviewBar.h"
#include "views/ViewSupport.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSet>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrova::ui {

namespace {
// The roll step dialog for the views, which lie below the dialogs and cannot open it.
int askRollStepDialog(QWidget* view, int rollStep, int pageCount) {
    CSetRollStep dialog(view);
    dialog.step = rollStep;
    dialog.maxStep = pageCount;
    if (dialog.exec() != QDialog::Accepted) return rollStep;
    return CSetRollStep::acceptRollStep(view, rollStep, dialog.step, pageCount);
}
} // namespace

CMainFrame::CMainFrame(RecordingModel& model, const Settings& settings, StudyLibrary* library, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_document(new RecordingDocument(model, settings, library, this)) {
    setWindowTitle(QStringLiteral("Kestrova"));
    setAcceptDrops(true);
    m_workspace = new CMdiClient(this);
    m_workspace->setBackgroundTile(artwork::workspaceTile());
    m_workspace->setViewMode(QMdiArea::SubWindowView);
    // Above the workspace, a line for details that nobody confirmed for this recording.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_notice = new QLabel(central);
    m_notice->setObjectName(QStringLiteral("detailsNotice"));
    m_notice->setWordWrap(true);
    m_notice->setMargin(6);
    m_notice->setAutoFillBackground(true);
    m_notice->setBackgroundRole(QPalette::ToolTipBase);
    m_notice->setForegroundRole(QPalette::ToolTipText);
    m_notice->hide();
    connect(m_notice, &QLabel::linkActivated, this, [this] { runDialog(cmd::PatientInfo); });
    column->addWidget(m_notice);
    column->addWidget(m_workspace, 1);
    setCentralWidget(central);
    connect(m_document, &RecordingDocument::detailsChanged, this, &CMainFrame::updateNotice);
    connect(m_document, &RecordingDocument::recordingChanged, this, &CMainFrame::updateNotice);
    connect(m_document, &RecordingDocument::displayModeChanged, this, &CMainFrame::updateNotice);
    m_navigation = new FrameNavigation(*this);
    setRollStepAsker(askRollStepDialog);
    buildActions();
    buildMenus();
    buildToolBar();
    buildStatusBar();
    m_deviceWatcher = new DeviceWatcher(QStringLiteral("/dev"), this);
    connect(m_deviceWatcher, &DeviceWatcher::serialDeviceArrived, this, &CMainFrame::deviceArrived);
    refreshCommandState();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::addAction(int id, const QString& text, std::function<void()> handler) {
    auto* a = new QAction(text, this);
    a->setData(id);
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    m_actions.insert(id, a);
    return a;
}

void CMainFrame::buildActions() {
    auto view = [this](void (RecordingView::*f)()) {
        return [this, f] {
            if (auto* v = activeView()) (v->*f)();
        };
    };
    addAction(cmd::NewDataCapture, tr("NewDataCapture (&N)"), [this] {
        newDataCapture();
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    addAction(cmd::FindBluetooth, tr("Find bluetooth radio"), [this] { findBluetooth(); });
    addAction(cmd::OpenOtherId, tr("Open Other ID Data"), [this] { runReplacingDialog(cmd::OpenOtherId); });
    addAction(cmd::SaveData, tr("Save Data(&S)..."), [this] {
        runDialog(cmd::SaveData);
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    addAction(cmd::OpenSavedData, tr("Open Saved Data(&O)..."), [this] {
        runReplacingDialog(cmd::OpenSavedData);
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    addAction(cmd::Studies, tr("Studies..."), [this] {
        runDialog(cmd::Studies);
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    addAction(cmd::EventTimeReport, tr("Check out the SpO2 event time..."),
              [this] { runDialog(cmd::EventTimeReport); });
    addAction(cmd::Close, tr("Close"), [this] {
        if (maySetRecordingAside()) closeCommand();
    });
    addAction(cmd::PrintPreview, tr("PrintPreView"), view(&RecordingView::printPreview));
    addAction(cmd::Print, tr("Print"), view(&RecordingView::print))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    addAction(cmd::Exit, tr("Exit(&X)"), [this] { close(); })->setShortcut(QKeySequence::Quit);
    addAction(cmd::Help, tr("Kestrova &Help"), [this] { showHelp(*this); })->setShortcut(QKeySequence::HelpContents);
    addAction(cmd::Shortcuts, tr("&Keyboard Shortcuts"), [this] { showShortcuts(*this); });
    addAction(cmd::PatientInfo, tr("Patient Info"), [this] { runDialog(cmd::PatientInfo); });
    addAction(cmd::PatientTitle, tr("Patient Title"), [this] { runDialog(cmd::PatientTitle); });
    addAction(cmd::Interpretation, tr("Interpretation..."), [this] { runDialog(cmd::Interpretation); });
    addAction(cmd::Trend, tr("Trend"), [this] { switchDisplay(DisplayMode::Trend); });
    addAction(cmd::Table, tr("Table"), [this] { switchDisplay(DisplayMode::Table); });
    addAction(cmd::Analysis, tr("Analysis"), [this] { switchDisplay(DisplayMode::Analysis); });
    addAction(cmd::ClinicalSummary, tr("Clinical Summary"), [this] { switchDisplay(DisplayMode::ClinicalSummary); });
    addAction(cmd::ClinicalReport, tr("Clinical Report (PDF)..."), [this] { runDialog(cmd::ClinicalReport); });
    addAction(cmd::RollStep, tr("Roll Step"), view(&RecordingView::rollStep));
    addAction(cmd::AnalysisSetup, tr("Analysis Setup"), [this] { analysisSetupCommand(); });
    addAction(cmd::UnitSetup, tr("Unit Setup"), [this] { unitSetupCommand(); });
    addAction(cmd::ReportSetup, tr("Report..."), [this] { runDialog(cmd::ReportSetup); });
    addAction(cmd::Language, tr("&Language..."), [this] { languageCommand(); });
    addAction(cmd::About, tr("About \t(&A)..."), [this] { CAboutDlg(this).exec(); });
    addAction(cmd::PageUp, tr("PageUp"), view(&RecordingView::pageUp));
    addAction(cmd::PageDown, tr("PageDown"), view(&RecordingView::pageDown));
    for (int id : {cmd::PageUp, cmd::PageDown}) m_actions[id]->setStatusTip(m_actions[id]->text());
    buildNavigationActions();
}

void CMainFrame::buildNavigationActions() {
    auto trend = [this](void (CTavroTrendView::*f)()) {
        return [this, f] {
            if (auto* v = qobject_cast<CTavroTrendView*>(activeView())) (v->*f)();
        };
    };
    addAction(cmd::ZoomIn, tr("Zoom In"), trend(&CTavroTrendView::zoomIn))
        ->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    addAction(cmd::ZoomOut, tr("Zoom Out"), trend(&CTavroTrendView::zoomOut))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+-")));
    for (int i = 0; i < FrameNavigation::zoomChoiceCount(); ++i)
        addAction(cmd::ZoomLevel + i, FrameNavigation::zoomChoiceText(i), [this, i] {
            if (auto* v = qobject_cast<CTavroTrendView*>(activeView())) v->setZoom(FrameNavigation::zoomOfChoice(i));
        });
    m_actions[cmd::ZoomLevel]->setShortcut(QKeySequence(QStringLiteral("Ctrl+0")));
    addAction(cmd::NextEvent, tr("Next Event"), [this] {
        m_navigation->nextEvent();
    })->setShortcut(QKeySequence(Qt::Key_F3));
    addAction(cmd::PreviousEvent, tr("Previous Event"), [this] {
        m_navigation->previousEvent();
    })->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    addAction(cmd::GoToTime, tr("Go to Time..."), [this] {
        m_navigation->goToTime();
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
    m_actions[cmd::NextEvent]->setStatusTip(tr("Moves to the next 3 % desaturation and puts the cursor on its nadir"));
    m_actions[cmd::PreviousEvent]->setStatusTip(
        tr("Moves to the previous 3 % desaturation and puts the cursor on its nadir"));
}

void CMainFrame::buildMenus() {
    auto* bar = menuBar();
    auto add = [this](QMenu* m, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0)
                m->addSeparator();
            else
                m->addAction(m_actions[id]);
        }
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::refreshCommandState);
    };
    QMenu* file = bar->addMenu(tr("File(&F)"));
    add(file,
        {cmd::NewDataCapture, cmd::FindBluetooth, cmd::OpenOtherId, 0, cmd::SaveData, cmd::OpenSavedData, cmd::Studies,
         cmd::EventTimeReport, cmd::ClinicalReport, cmd::Close, 0, cmd::PrintPreview, cmd::Print, 0, cmd::Exit});
    QMenu* edit = bar->addMenu(tr("&Edit"));
    add(edit, {cmd::PatientInfo, cmd::PatientTitle, cmd::Interpretation});
    QMenu* mode = bar->addMenu(tr("&Mode"));
    add(mode, {cmd::Trend, cmd::Table, cmd::Analysis, cmd::ClinicalSummary, 0, cmd::RollStep});
    // The display shown is checked; it stays unavailable, as switching to it does nothing.
    auto* displays = new QActionGroup(this);
    for (int id : {cmd::Trend, cmd::Table, cmd::Analysis, cmd::ClinicalSummary}) {
        m_actions[id]->setCheckable(true);
        displays->addAction(m_actions[id]);
    }
    m_navigation->buildMenus(*mode, *file);
    QMenu* options = bar->addMenu(tr("&Options"));
    add(options, {cmd::AnalysisSetup, cmd::UnitSetup, cmd::ReportSetup, 0, cmd::Language});
    add(bar->addMenu(tr("About(&A)")), {cmd::About});
    QMenu* help = bar->addMenu(tr("&Help"));
    add(help, {cmd::Help, cmd::Shortcuts, 0, cmd::About});
    for (QMenu* m : {file, edit, mode, options}) giveMnemonics(*m);
}

void CMainFrame::buildToolBar() {
    auto* tb = addToolBar(tr("Standard"));
    tb->setObjectName(QStringLiteral("toolbar128"));
    tb->setIconSize(QSize(17, 17) * 1.5);
    for (int id : {cmd::NewDataCapture, cmd::OpenSavedData, cmd::FindBluetooth, cmd::Print, 0, cmd::PageUp,
                   cmd::PageDown, cmd::PreviousEvent, cmd::NextEvent, cmd::About}) {
        if (id == 0) {
            tb->addSeparator();
            continue;
        }
        QAction* a = m_actions[id];
        a->setIcon(artwork::toolIcon(id));
        tb->addAction(a);
    }
}

void CMainFrame::buildStatusBar() {
    statusBar()->showMessage(tr("Ready"));
    m_pagePane = new QLabel(tr("Page:"), this);
    m_pagePane->setMinimumWidth(
        m_pagePane->fontMetrics().horizontalAdvance(tr("Page:") + QStringLiteral("          ")));
    m_pagePane->setObjectName(QStringLiteral("pagePane"));
    statusBar()->addPermanentWidget(m_pagePane);
}

FrameState CMainFrame::state() const {
    return {m_noRecording, m_noDownload, displayMode(), activeView() != nullptr};
}

void CMainFrame::refreshCommandState() {
    const FrameState s = state();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        it.value()->setEnabled(commandEnabled(it.key(), s));
    const std::pair<int, DisplayMode> displays[] = {{cmd::Trend, DisplayMode::Trend},
                                                    {cmd::Table, DisplayMode::Table},
                                                    {cmd::Analysis, DisplayMode::Analysis},
                                                    {cmd::ClinicalSummary, DisplayMode::ClinicalSummary}};
    for (const auto& [id, mode] : displays) m_actions[id]->setChecked(s.displayMode == mode);
}

void CMainFrame::languageCommand() {
    // The texts are loaded once at start, so the choice is only stored here.
    const Settings& settings = m_document->settings();
    CLanguageDlg dialog(QString::fromStdString(settings.language()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const WriteStatus w = settings.setLanguage(dialog.chosen().toStdString()); !w) {
        Messages::settingsNotSaved(this, w.error().text());
        return;
    }
    Messages::info(this, tr("The language changes the next time Kestrova starts."));
}

void CMainFrame::giveMnemonics(QMenu& menu) {
    // Letters the menu's items already claim, then the first free letter of each other item.
    QSet<QChar> used;
    auto mnemonic = [](const QString& text) {
        const int at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
    };
    QList<QAction*> items = menu.actions();
    for (QAction* a : items)
        if (const QChar c = mnemonic(a->text()); !c.isNull()) used.insert(c);
    // Short names have the fewest letters to choose from: they choose first.
    std::stable_sort(items.begin(), items.end(),
                     [](const QAction* a, const QAction* b) { return a->text().size() < b->text().size(); });
    for (QAction* a : items) {
        if (a->isSeparator() || !mnemonic(a->text()).isNull()) continue;
        QString text = a->text();
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i].toLower();
            if (!c.isLetter() || used.contains(c)) continue;
            used.insert(c);
            const QString tip = a->statusTip();
            text.insert(i, QLatin1Char('&'));
            a->setText(text);
            a->setStatusTip(tip);
            break;
        }
    }
}

void CMainFrame::setNoRecording(bool v) {
    m_noRecording = v;
    refreshCommandState();
}

void CMainFrame::setNoDownload(bool v) {
    m_noDownload = v;
    refreshCommandState();
}

void CMainFrame::updateNotice() {
    const RecordingDocument& doc = *m_document;
    const bool show = doc.displayMode() != DisplayMode::None && doc.study() && !doc.patientConfirmed();
    if (show)
        m_notice->setText(tr("Details proposed from the patient list for ID %1: not confirmed for this "
                             "recording. <a href=\"confirm\">Confirm or change them...</a>")
                              .arg(doc.patient().id));
    m_notice->setVisible(show);
}

void CMainFrame::setPermanentNote(const QString& text) {
    auto* note = new QLabel(text, this);
    note->setObjectName(QStringLiteral("permanentNote"));
    statusBar()->insertPermanentWidget(0, note);
}

QString CMainFrame::pagePaneText() const {
    return m_pagePane->text();
}

void CMainFrame::pageStatus(int page, int count) {
    m_pagePane->setText(count > 0 ? tr("Page:%1/%2").arg(page + 1).arg(count) : tr("Page:"));
}

RecordingView* CMainFrame::activeView() const {
    return m_activeView.data();
}

void CMainFrame::closeAllDocuments() {
    for (QMdiSubWindow* w : m_workspace->subWindowList()) {
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->close();
        delete w; // at once: the next document must be the only one
    }
    m_activeView = nullptr;
}

void CMainFrame::openDocument(std::size_t index) {
    if (index >= m_templates.size()) return;
    openView(m_templates[index](*m_document));
}

void CMainFrame::openView(RecordingView* view) {
    connect(view, &RecordingView::pageStatus, this, &CMainFrame::pageStatus);
    QWidget* content = view;
    if (view->pagesSamples()) {
        // The overview bar under views that page through the samples.
        content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(view, 1);
        auto* bar = new OverviewBar(*m_document, content);
        bar->setObjectName(QStringLiteral("overviewBar"));
        layout->addWidget(bar);
        connect(view, &RecordingView::visibleRangeChanged, bar, &OverviewBar::setVisibleRange);
        connect(bar, &OverviewBar::sampleRequested, view, [view](qint64 index) { view->showSample(index); });
    }
    auto* child = new CChildFrame(content);
    m_workspace->addSubWindow(child);
    m_activeView = view;
    child->showMaximized();
    view->setFocus();
}

void CMainFrame::switchDisplay(DisplayMode mode) {
    if (mode == DisplayMode::Analysis) m_document->runAnalysis();
    closeAllDocuments();
    m_document->setCurrentPage(0);
    m_document->setDisplayMode(mode);
    if (mode == DisplayMode::ClinicalSummary)
        openView(new ClinicalSummaryView(*m_document));
    else
        openDocument(mode == DisplayMode::Trend ? 0 : m_templates.size() - 1);
    if (!isMaximized()) showMaximized();
    pageStatus(0, 0);
    refreshCommandState();
}

void CMainFrame::showCurrentRecording(const QString& fileName) {
    m_document->recordingReplaced(fileName);
    switchDisplay(displayMode() == DisplayMode::Table ? DisplayMode::Table : DisplayMode::Trend);
    setNoRecording(false);
}

void CMainFrame::closeCommand() {
    closeAllDocuments();
    m_noDownload = true;
    m_noRecording = true;
    m_document->setDisplayMode(DisplayMode::None);
    pageStatus(0, 0);
    refreshCommandState();
}

void CMainFrame::runDialog(int commandId) {
    const auto it = m_dialogs.find(commandId);
    if (it == m_dialogs.end()) return; // every command's dialog is installed at start-up
    it.value()(*this);
    refreshCommandState();
}

void CMainFrame::runReplacingDialog(int commandId) {
    if (maySetRecordingAside()) runDialog(commandId);
}

bool CMainFrame::maySetRecordingAside() {
    if (!m_document->hasUnsavedChanges() || m_document->displayMode() == DisplayMode::None) return true;
    MessageRequest r;
    r.title = QStringLiteral("Kestrova");
    r.icon = QMessageBox::Warning;
    r.text = tr("The patient details or the title of this recording were changed and are not saved "
                "anywhere yet.\n\nSave them before going on?");
    r.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    // A scripted run has nobody to choose a file: it says so and lets the edit go.
    r.defaultButton = Messages::scripted() ? QMessageBox::Discard : QMessageBox::Save;
    switch (Messages::show(this, r)) {
    case QMessageBox::Discard: return true;
    case QMessageBox::Save:
        runDialog(cmd::SaveData);
        return !m_document->hasUnsavedChanges(); // a cancelled or failed save keeps the recording
    default: return false;
    }
}

QStringList CMainFrame::droppedFiles(const QMimeData& data) {
    QStringList files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList files = droppedFiles(*event->mimeData());
    if (files.isEmpty()) return;
    event->acceptProposedAction();
    // After the drop has ended: opening may ask questions in dialogs of its own.
    QMetaObject::invokeMethod(
        this,
        [this, files] {
            if (m_dropHandler)
                m_dropHandler(files);
            else
                m_navigation->openFile(files.first());
        },
        Qt::QueuedConnection);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (maySetRecordingAside())
        event->accept();
    else
        event->ignore();
}

void CMainFrame::newDataCapture() {
    m_captureLink = CaptureLink::Serial;
    if (m_captureDialogOpen) return;
    if (!maySetRecordingAside()) return;
    m_captureDialogOpen = true;
    runDialog(cmd::NewDataCapture);
    m_captureDialogOpen = false;
}

void CMainFrame::findBluetooth() {
    if (!maySetRecordingAside()) return;
    m_captureLink = CaptureLink::Bluetooth;
    runDialog(cmd::FindBluetooth);
}

void CMainFrame::deviceArrived() {
    if (m_captureLink == CaptureLink::Serial) newDataCapture();
}

void CMainFrame::analysisSetupCommand() {
    const auto it = m_dialogs.find(cmd::AnalysisSetup);
    if (it == m_dialogs.end() || !it.value()(*this)) return;
    m_document->reloadSettings();
    if (displayMode() == DisplayMode::Analysis) switchDisplay(DisplayMode::Analysis);
}

void CMainFrame::unitSetupCommand() {
    runDialog(cmd::UnitSetup);
    m_document->reloadSettings(); // views repaint when the unit system changed
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!isMaximized())
        QMetaObject::invokeMethod(
            this, [this] { showMaximized(); }, Qt::QueuedConnection);
}

} // namespace kestrova::ui
