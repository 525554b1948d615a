// The main frame: menu state in each state, the display switch, the page pane, the
// device-arrival rule and Unit Setup's repaint rule.
#include "MessageLog.h"
#include "Modal.h"
#include "app/CMainFrame.h"
#include "app/CMdiClient.h"
#include "common/Commands.h"
#include "dialogs/CLanguageDlg.h"
#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"
#include "settings/Settings.h"
#include "views/CTavroTableView.h"
#include "views/CTavroTrendView.h"

#include "TestSupport.h"

#include "common/FileChooser.h"
#include <QAction>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QSet>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <filesystem>

using namespace kestrova;
using namespace kestrova::ui;

namespace {
// A trend view that counts its paints.
class CountingTrendView : public CTavroTrendView {
public:
    using CTavroTrendView::CTavroTrendView;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        CTavroTrendView::paintEvent(e);
    }
};
} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    RecordingModel m_model;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<test::MessageLog> m_log;

    bool enabled(int id) {
        m_frame->refreshCommandState();
        return m_frame->action(id)->isEnabled();
    }
    int childCount() const { return static_cast<int>(m_frame->workspace()->subWindowList().size()); }

    // Every event posted so far (a repaint request among them) has been handled: a
    // zero timer started now fires only after them.
    static void settle() {
        bool reached = false;
        QTimer::singleShot(0, [&reached] { reached = true; });
        QTRY_VERIFY_WITH_TIMEOUT(reached, 5000);
        QCoreApplication::sendPostedEvents();
    }

private slots:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_settings = std::make_unique<Settings>(m_dir->file("Kestrova.ini"));
        m_log = std::make_unique<test::MessageLog>();
        m_model.clearAllRecordings();
        SyntheticNight night;
        night.seconds = 600;
        for (const auto& s : makeSyntheticNight(night)) m_model.appendSample(1, s, 0);
        m_frame = std::make_unique<CMainFrame>(m_model, *m_settings);
        m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CountingTrendView(d); });
        m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTableView(d); });
        m_frame->show();
    }
    void cleanup() {
        m_frame.reset();
        m_log.reset();
        m_settings.reset();
        m_dir.reset();
    }

    void emptyStateGreysRecordingCommands() {
        for (int id : {cmd::Trend, cmd::Table, cmd::Analysis, cmd::Close, cmd::PatientInfo, cmd::PatientTitle,
                       cmd::SaveData, cmd::EventTimeReport, cmd::OpenOtherId, cmd::Print, cmd::PrintPreview,
                       cmd::RollStep, cmd::PageUp, cmd::PageDown})
            QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
        for (int id : {cmd::NewDataCapture, cmd::FindBluetooth, cmd::OpenSavedData, cmd::Exit, cmd::AnalysisSetup,
                       cmd::UnitSetup, cmd::About})
            QVERIFY2(enabled(id), qPrintable(QString::number(id)));
    }

    void menuStateFollowsEachDisplayMode() {
        m_model.makeCurrent(1);
        m_frame->setNoDownload(false);
        m_frame->setNoRecording(false);
        struct Row {
            DisplayMode mode;
            bool trend, table, analysis;
        };
        for (const Row r : {Row{DisplayMode::Trend, false, true, true}, Row{DisplayMode::Table, true, false, true},
                            Row{DisplayMode::Analysis, true, true, true}}) {
            m_frame->switchDisplay(r.mode);
            QCOMPARE(enabled(cmd::Trend), r.trend);
            QCOMPARE(enabled(cmd::Table), r.table);
            QCOMPARE(enabled(cmd::Analysis), r.analysis);
            // The display shown is the one checked.
            QCOMPARE(m_frame->action(cmd::Trend)->isChecked(), r.mode == DisplayMode::Trend);
            QCOMPARE(m_frame->action(cmd::Table)->isChecked(), r.mode == DisplayMode::Table);
            QCOMPARE(m_frame->action(cmd::Analysis)->isChecked(), r.mode == DisplayMode::Analysis);
            QVERIFY(enabled(cmd::Print));
            QVERIFY(enabled(cmd::SaveData));
            QVERIFY(enabled(cmd::OpenOtherId));
        }
        // File open without a download: Save Data available, Open Other ID Data grey.
        m_frame->setNoDownload(true);
        QVERIFY(enabled(cmd::SaveData));
        QVERIFY(!enabled(cmd::OpenOtherId));
        // Close: back to the empty state, recordings kept.
        m_frame->action(cmd::Close)->trigger();
        QCOMPARE(childCount(), 0);
        QCOMPARE(m_frame->displayMode(), DisplayMode::None);
        QVERIFY(!enabled(cmd::SaveData));
        QVERIFY(!enabled(cmd::Trend));
        QCOMPARE(m_model.idSampleCount(1), 600);
    }

    void displaySwitchLeavesExactlyOneChildOfTheRightKind() {
        m_model.makeCurrent(1);
        m_frame->switchDisplay(DisplayMode::Trend);
        m_frame->document().setCurrentPage(4);
        m_frame->pageStatus(4, 9);
        m_frame->action(cmd::Table)->trigger();
        QCOMPARE(childCount(), 1);
        QVERIFY(qobject_cast<CTavroTableView*>(m_frame->activeView()));
        QCOMPARE(m_frame->pagePaneText(), QStringLiteral("Page:"));
        QCOMPARE(m_frame->document().currentPage(), 0);
        QCOMPARE(m_frame->displayMode(), DisplayMode::Table);
        m_frame->action(cmd::Analysis)->trigger();
        QCOMPARE(childCount(), 1);
        QCOMPARE(m_frame->displayMode(), DisplayMode::Analysis);
        QCOMPARE(m_frame->document().analysis().samples, 600); // the analysis ran first
        m_frame->action(cmd::Trend)->trigger();
        QCOMPARE(childCount(), 1);
        QVERIFY(dynamic_cast<CTavroTrendView*>(m_frame->activeView()));
        QMdiSubWindow* child = m_frame->workspace()->subWindowList().first();
        QVERIFY(child->isMaximized());
        QVERIFY(!(child->windowFlags() & Qt::WindowSystemMenuHint));
        child->showNormal();
        QVERIFY(child->isMaximized());
    }

    void pagePaneTexts() {
        m_frame->pageStatus(0, 0);
        QCOMPARE(m_frame->pagePaneText(), QStringLiteral("Page:"));
        m_frame->pageStatus(2, 5);
        QCOMPARE(m_frame->pagePaneText(), QStringLiteral("Page:3/5"));
    }

    void deviceArrivalOpensTheCaptureOnce() {
        int runs = 0;
        m_frame->setDialog(cmd::NewDataCapture, [&](CMainFrame& f) {
            ++runs;
            f.deviceArrived(); // a second arrival while the dialog is open
            return true;
        });
        m_frame->deviceArrived();
        QCOMPARE(runs, 1);
        m_frame->setDialog(cmd::FindBluetooth, [](CMainFrame&) { return false; });
        m_frame->action(cmd::FindBluetooth)->trigger();
        QCOMPARE(m_frame->captureLink(), CaptureLink::Bluetooth);
        m_frame->deviceArrived(); // in Bluetooth mode: nothing
        QCOMPARE(runs, 1);
        m_frame->action(cmd::NewDataCapture)->trigger();
        QCOMPARE(m_frame->captureLink(), CaptureLink::Serial);
        QCOMPARE(runs, 2);
    }

    void unitSetupRepaintsOnlyWhenTheValueChanged() {
        m_model.makeCurrent(1);
        m_frame->switchDisplay(DisplayMode::Trend);
        auto* view = dynamic_cast<CountingTrendView*>(m_frame->activeView());
        QVERIFY(view);
        int nextValue = 0;
        m_frame->setDialog(cmd::UnitSetup,
                           [&](CMainFrame&) { return m_settings->write(setting::UnitSetup, nextValue).ok(); });
        settle();
        int before = view->paints;
        nextValue = 0; // unchanged (the default)
        m_frame->action(cmd::UnitSetup)->trigger();
        settle();
        QCOMPARE(view->paints, before);
        nextValue = 1;
        m_frame->action(cmd::UnitSetup)->trigger();
        settle();
        QVERIFY(view->paints > before);
        before = view->paints;
        m_frame->action(cmd::UnitSetup)->trigger(); // 1 again: remembered, no repaint
        settle();
        QCOMPARE(view->paints, before);
    }

    void keyboardShortcuts() {
        QCOMPARE(m_frame->action(cmd::NewDataCapture)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(m_frame->action(cmd::OpenSavedData)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(m_frame->action(cmd::SaveData)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(m_frame->action(cmd::Print)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(m_frame->action(cmd::Exit)->shortcut(), QKeySequence(QKeySequence::Quit));
        QCOMPARE(m_frame->action(cmd::Help)->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(m_frame->action(cmd::Studies)->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    }

    // Every menu and every item can be reached by its access key, no letter twice in
    // one menu (Recent Files' numbers aside).
    void everyMenuHasDistinctAccessKeys() {
        auto key = [](const QString& text) {
            const int at = text.indexOf(QLatin1Char('&'));
            return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
        };
        QSet<QChar> menus;
        for (QAction* top : m_frame->menuBar()->actions()) {
            if (!top->menu()) continue;
            const QChar m = key(top->text());
            QVERIFY2(!m.isNull() && !menus.contains(m), qPrintable(top->text()));
            menus.insert(m);
            QSet<QChar> items;
            for (QAction* a : top->menu()->actions()) {
                if (a->isSeparator()) continue;
                const QChar k = key(a->text());
                QVERIFY2(!k.isNull(), qPrintable(top->text() + QStringLiteral(" > ") + a->text()));
                QVERIFY2(!items.contains(k), qPrintable(top->text() + QStringLiteral(" > ") + a->text()));
                items.insert(k);
            }
        }
        QVERIFY(menus.size() >= 6);
    }

    // Options > Language stores the chosen code and says when it takes effect; a settings
    // file that cannot take it says so instead, and the dialog starts on the stored code.
    void languageIsStoredForTheNextStart() {
        auto choose = [](const QString& code) {
            test::onModal<CLanguageDlg>([code](CLanguageDlg* d) {
                for (int i = 0; i < d->list()->count(); ++i)
                    if (d->list()->item(i)->data(Qt::UserRole).toString() == code) d->list()->setCurrentRow(i);
                d->accept();
            });
        };
        choose(QStringLiteral("fr"));
        m_frame->action(cmd::Language)->trigger();
        QCOMPARE(QString::fromStdString(m_settings->language()), QStringLiteral("fr"));
        QCOMPARE(m_log->texts, QStringList{QStringLiteral("The language changes the next time Kestrova starts.")});

        QString shownFirst;
        test::onModal<CLanguageDlg>([&shownFirst](CLanguageDlg* d) {
            shownFirst = d->chosen();
            d->reject();
        });
        m_frame->action(cmd::Language)->trigger();
        QCOMPARE(shownFirst, QStringLiteral("fr"));
        QCOMPARE(m_log->texts.size(), 1); // cancelled: nothing said, nothing stored
        QCOMPARE(QString::fromStdString(m_settings->language()), QStringLiteral("fr"));

        std::filesystem::create_directories(m_dir->file("blocked.ini"));
        const Settings blocked(m_dir->file("blocked.ini"));
        RecordingModel model;
        CMainFrame frame(model, blocked);
        choose(QStringLiteral("de"));
        frame.action(cmd::Language)->trigger();
        QCOMPARE(m_log->texts.size(), 2);
        QVERIFY2(m_log->texts[1].startsWith(QStringLiteral("The settings were not saved")),
                 qPrintable(m_log->texts[1]));
        QVERIFY(std::filesystem::is_directory(m_dir->file("blocked.ini")));
    }

    void helpShowsTheManualAndTheShortcuts() {
        m_frame->action(cmd::Help)->trigger();
        auto* help = m_frame->findChild<QTextBrowser*>(QStringLiteral("helpText"));
        QVERIFY(help);
        QVERIFY(help->toPlainText().contains(QStringLiteral("Downloading from the oximeter")));
        m_frame->action(cmd::Shortcuts)->trigger();
        auto* table = m_frame->findChild<QTableWidget*>(QStringLiteral("shortcuts"));
        QVERIFY(table);
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 1)->text() + QLatin1Char('=') + table->item(r, 2)->text();
        QVERIFY2(rows.contains(QStringLiteral("Next Event=F3")), qPrintable(rows.join(QLatin1Char(','))));
        QVERIFY(rows.contains(QStringLiteral("Kestrova Help=F1")));
    }

    // The save dialog's type gives a name typed without an extension its extension.
    void aFilterGivesItsExtension() {
        QCOMPARE(FileChooser::suffixOfFilter(QStringLiteral("(*.xlsx)")), QStringLiteral("xlsx"));
        QCOMPARE(FileChooser::suffixOfFilter(QStringLiteral("EDF+ (*.edf)")), QStringLiteral("edf"));
        QCOMPARE(FileChooser::suffixOfFilter(QStringLiteral("All files (*)")), QString());
        QVERIFY(!FileChooser::startFolder().contains(QStringLiteral("/.")));
    }

    // Dropped local files reach the handler, after the drop; other URLs are ignored.
    void droppedFilesAreTaken() {
        QStringList taken;
        m_frame->setDropHandler([&taken](const QStringList& files) { taken = files; });
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.dat")), QUrl(QStringLiteral("https://x/y.dat")),
                      QUrl::fromLocalFile(QStringLiteral("/tmp/b.edf"))});
        QCOMPARE(CMainFrame::droppedFiles(data),
                 (QStringList{QStringLiteral("/tmp/a.dat"), QStringLiteral("/tmp/b.edf")}));
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window (the application delivers drops only during a real drag).
        static_cast<QObject*>(m_frame.get())->event(&drop);
        QVERIFY(drop.isAccepted());
        QVERIFY(taken.isEmpty()); // not while the drop is under way
        QTRY_COMPARE_WITH_TIMEOUT(taken.size(), 2, 5000);
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
