// Finding one's way through a 6-hour night on screen (offscreen): zoom steps and
// paging at a zoom, next and previous desaturation at both ends, the overview bar,
// the readout at the pointer, Home and End, Go to time, the recent files and the
// window title.
#include "app/CMainFrame.h"
#include "app/FrameNavigation.h"
#include "app/RecordingCommands.h"
#include "common/Commands.h"
#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "model/RecordingModel.h"
#include "pages/HeaderBand.h"
#include "views/CTavroTableView.h"
#include "views/CTavroTrendView.h"
#include "views/OverviewBar.h"

#include "MessageLog.h"
#include "Modal.h"
#include "settings/Settings.h"

#include "TestSupport.h"

#include <QDockWidget>
#include <QHeaderView>
#include <QInputDialog>

#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>

using namespace kestrova;
using namespace kestrova::ui;

class NavigationTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<PatientDatabase> m_db;
    std::unique_ptr<test::MessageLog> m_log;
    RecordingModel m_model;
    std::unique_ptr<CMainFrame> m_frame;

    CTavroTrendView* trend() { return qobject_cast<CTavroTrendView*>(m_frame->activeView()); }
    RecordingDocument& doc() { return m_frame->document(); }
    std::int64_t firstShown() { return static_cast<std::int64_t>(doc().currentPage()) * trend()->span(); }

    // Opens `samples` as the file `name` through the frame's recording commands.
    void open(const std::string& name, const std::vector<SampleRecord>& samples) {
        QVERIFY(writeDataFile(m_dir->file(name), samples.front().id, samples, "Night"));
        QVERIFY(m_frame->navigation().openFile(QString::fromStdString(m_dir->file(name))));
    }

private slots:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_settings = std::make_unique<Settings>(m_dir->file("Kestrova.ini"));
        m_db = std::make_unique<PatientDatabase>(m_dir->path() + "/");
        m_log = std::make_unique<test::MessageLog>();
        m_model.clearAllRecordings();
        m_frame = std::make_unique<CMainFrame>(m_model, *m_settings);
        installRecordingCommands(*m_frame, *m_db);
        m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTrendView(d); });
        m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTableView(d); });
        m_frame->show();
        open("ID3.dat", test::night(3, 6 * 3600));
        QVERIFY(trend());
        QTRY_VERIFY(trend()->width() > 600);
    }
    void cleanup() {
        m_frame.reset();
        m_log.reset();
        m_db.reset();
        m_settings.reset();
        m_dir.reset();
    }

    void zoomStepsAndPagingAtAZoom() {
        CTavroTrendView* v = trend();
        const int sps = v->samplesPerScreen();
        QCOMPARE(v->span(), sps); // the default: one sample per unit of width
        // The levels: the steps, the default and the whole night (8 h is longer than it).
        QList<int> levels{300, 900, 1800, 3600, 7200, 14400, 6 * 3600};
        if (!levels.contains(sps)) levels << sps;
        std::sort(levels.begin(), levels.end());
        // Out: every level wider than the default, then it stays at the whole night.
        QList<int> spans, expected;
        for (int level : levels)
            if (level > sps) expected << level;
        while (expected.size() < 8) expected << 6 * 3600;
        for (int i = 0; i < 8; ++i) {
            m_frame->action(cmd::ZoomOut)->trigger();
            spans << v->span();
        }
        QCOMPARE(spans, expected);
        QCOMPARE(v->pageCount(), 1);
        QVERIFY(m_frame->action(cmd::ZoomLevel + FrameNavigation::zoomChoiceCount() - 1)->isChecked());

        // 1 h a page: six pages; paging moves by an hour; Home and End.
        m_frame->action(cmd::ZoomLevel + 4)->trigger();
        QCOMPARE(v->span(), 3600);
        QCOMPARE(v->pageCount(), 6);
        v->pageDown();
        QCOMPARE(firstShown(), 3600);
        QTest::keyClick(v, Qt::Key_End);
        QCOMPARE(doc().currentPage(), 5);
        QTest::keyClick(v, Qt::Key_Home);
        QCOMPARE(doc().currentPage(), 0);

        // In: every narrower level, the default among them, keeping the first sample shown.
        v->pageDown();
        spans.clear();
        expected.clear();
        for (auto it = levels.rbegin(); it != levels.rend(); ++it)
            if (*it < 3600) expected << *it;
        expected << 300; // the narrowest stays
        for (int i = 0; i < expected.size(); ++i) {
            const std::int64_t before = firstShown();
            m_frame->action(cmd::ZoomIn)->trigger();
            spans << v->span();
            QVERIFY(firstShown() <= before && before < firstShown() + v->span());
            if (v->span() == sps) QCOMPARE(doc().zoom(), RecordingDocument::kDefaultSpan);
        }
        QCOMPARE(spans, expected);
        // Ctrl+wheel zooms too; the wheel alone still pages.
        QWheelEvent out(QPointF(200, 400), v->mapToGlobal(QPointF(200, 400)), {}, QPoint(0, -120), Qt::NoButton,
                        Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v, &out);
        QCOMPARE(v->span(), levels[1]);
    }

    void nextAndPreviousEventAtBothEnds() {
        CTavroTrendView* v = trend();
        const auto& events = doc().events();
        QVERIFY(events.size() >= 10);
        const std::int64_t firstNadir = doc().nadirIndex(events.front());
        const std::int64_t lastNadir = doc().nadirIndex(events.back());

        // Before the first: previous says so and stays; next lands on the first nadir.
        m_frame->action(cmd::PreviousEvent)->trigger();
        QCOMPARE(doc().currentPage(), 0);
        QVERIFY(m_frame->statusBar()->currentMessage().contains(QStringLiteral("No desaturation before")));
        m_frame->action(cmd::NextEvent)->trigger();
        QCOMPARE(doc().currentPage(), static_cast<int>(firstNadir / v->span()));
        QCOMPARE(v->focusSample(), firstNadir);
        const auto& s = m_model.currentSamples()[static_cast<std::size_t>(firstNadir)];
        QCOMPARE(v->readouts().spo2, QString::number(s.spo2));
        m_frame->action(cmd::NextEvent)->trigger();
        QCOMPARE(v->focusSample(), doc().nadirIndex(events[1]));
        m_frame->action(cmd::PreviousEvent)->trigger();
        QCOMPARE(v->focusSample(), firstNadir);

        // After the last: next says so.
        QTest::keyClick(v, Qt::Key_End);
        m_frame->action(cmd::PreviousEvent)->trigger();
        QCOMPARE(v->focusSample(), lastNadir);
        m_frame->action(cmd::NextEvent)->trigger();
        QCOMPARE(v->focusSample(), lastNadir);
        QVERIFY(m_frame->statusBar()->currentMessage().contains(QStringLiteral("No desaturation after")));

        // The event list: one row per event; activating a row goes there.
        QTreeWidget* list = m_frame->navigation().eventList();
        QCOMPARE(list->topLevelItemCount(), static_cast<int>(events.size()));
        emit list->itemActivated(list->topLevelItem(1), 0);
        QCOMPARE(v->focusSample(), doc().nadirIndex(events[1]));
        // Sorted by depth, deepest first: the top row is the deepest event.
        list->sortByColumn(4, Qt::DescendingOrder);
        int deepest = 0;
        for (const auto& e : events) deepest = std::max(deepest, e.depth());
        QCOMPARE(list->topLevelItem(0)->text(4), QStringLiteral("%1 %").arg(deepest));
        QVERIFY(list->topLevelItem(list->topLevelItemCount() - 1)->text(4) != list->topLevelItem(0)->text(4));
        emit list->itemActivated(list->topLevelItem(0), 0);
        QCOMPARE(m_model.currentSamples()[static_cast<std::size_t>(v->focusSample())].spo2,
                 static_cast<std::uint8_t>(list->topLevelItem(0)->text(3).section(QLatin1Char(' '), 0, 0).toInt()));
        list->sortByColumn(0, Qt::AscendingOrder);

        // The table pages to the event's row.
        m_frame->action(cmd::Table)->trigger();
        m_frame->action(cmd::NextEvent)->trigger();
        auto* table = qobject_cast<CTavroTableView*>(m_frame->activeView());
        QVERIFY(table);
        QVERIFY(table->focusSample() < firstNadir && doc().currentPage() > 0);
    }

    void overviewClickAndHoverReadout() {
        CTavroTrendView* v = trend();
        auto* bar = m_frame->findChild<OverviewBar*>(QStringLiteral("overviewBar"));
        QVERIFY(bar);
        QTRY_VERIFY(bar->width() > 100);
        const int x = bar->width() * 3 / 4;
        const std::int64_t target = static_cast<std::int64_t>(x) * m_model.currentCount() / bar->width();
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
        QCOMPARE(doc().currentPage(), static_cast<int>(target / v->span()));
        QCOMPARE(bar->shownFirst(), firstShown());

        // The readout at a column: its sample at the default zoom, a range when zoomed out.
        const auto l = v->layout();
        const int column = l.xL() + 100;
        const auto& s = m_model.currentSamples()[static_cast<std::size_t>(l.sampleAt(column, firstShown()))];
        const QString one = v->hoverText(column);
        QVERIFY2(one.startsWith(pages::HeaderBand::timeText(s)) &&
                     one.contains(QStringLiteral("SpO2 %1 %").arg(s.spo2)),
                 qPrintable(one));
        QVERIFY(v->hoverText(l.xL() - 20).isEmpty());
        m_frame->action(cmd::ZoomLevel + FrameNavigation::zoomChoiceCount() - 1)->trigger();
        QVERIFY(v->hoverText(column).contains(QChar(0x2013))); // a range of samples
    }

    // Ctrl+wheel zooms around the sample under the pointer, and the readout shown for
    // the pointer follows every zoom, page and key, and goes when the pointer leaves.
    void zoomAroundThePointerAndTheReadoutFollowing() {
        CTavroTrendView* v = trend();
        v->showSample(3 * 3600);
        const auto start = v->layout();
        const QPoint at(start.xL() + 60, start.spo2Panel.center().y());
        auto move = [&](const QPoint& pos) {
            QMouseEvent e(QEvent::MouseMove, QPointF(pos), v->mapToGlobal(QPointF(pos)), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(v, &e);
        };
        auto wheel = [&](int delta) {
            QWheelEvent e(QPointF(at), v->mapToGlobal(QPointF(at)), {}, QPoint(0, delta), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(v, &e);
        };
        move(at);
        const std::int64_t anchor = v->layout().sampleAt(at.x(), v->shownFirst());
        QCOMPARE(v->hoverReadout(), v->hoverText(at.x()));
        QVERIFY(!v->hoverReadout().isEmpty());
        const auto& s = m_model.currentSamples()[static_cast<std::size_t>(anchor)];
        QVERIFY(v->hoverReadout().startsWith(pages::HeaderBand::timeText(s)));

        // Out twice, in three times: the same sample stays under the pointer's column.
        QList<int> spans;
        for (int delta : {-120, -120, 120, 120, 120}) {
            const QString before = v->hoverReadout();
            const int span = v->span();
            wheel(delta);
            QVERIFY(v->span() != span);
            spans << v->span();
            const auto l = v->layout();
            QCOMPARE(l.sampleAt(at.x(), v->shownFirst()), anchor);
            QVERIFY(std::abs(l.xOf(anchor, v->shownFirst()) - at.x()) <= 1);
            // The readout is that of the new zoom, not the one before it.
            QCOMPARE(v->hoverReadout(), v->hoverText(at.x()));
            // Wider than one sample a column, the column's range of times and values.
            QCOMPARE(v->hoverReadout().contains(QChar(0x2013)), v->span() > start.span);
            if (v->span() > start.span || span > start.span) QVERIFY(v->hoverReadout() != before);
            QVERIFY(v->hoverReadout().startsWith(pages::HeaderBand::timeText(s)));
        }
        QVERIFY(spans[0] > start.span && spans[1] > spans[0] && spans[4] < start.span);

        // Paging and the keys move what is under the pointer: the readout follows.
        QString before = v->hoverReadout();
        v->pageDown();
        QCOMPARE(v->hoverReadout(), v->hoverText(at.x()));
        QVERIFY(v->hoverReadout() != before);
        before = v->hoverReadout();
        QTest::keyClick(v, Qt::Key_PageUp);
        QCOMPARE(v->hoverReadout(), v->hoverText(at.x()));
        QVERIFY(v->hoverReadout() != before);

        // Outside the plots there is none, and paging does not bring one back.
        move(QPoint(start.xL() - 20, at.y()));
        QVERIFY(v->hoverReadout().isEmpty());
        move(at);
        QVERIFY(!v->hoverReadout().isEmpty());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(v, &leave);
        QVERIFY(v->hoverReadout().isEmpty());
        v->pageDown();
        QVERIFY(v->hoverReadout().isEmpty());
    }

    // The event list shows every column whole, and F3 / Shift+F3 select the event's row.
    void eventListFitsAndFollowsTheEventKeys() {
        CTavroTrendView* v = trend();
        QCOMPARE(m_frame->action(cmd::NextEvent)->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(m_frame->action(cmd::PreviousEvent)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
        m_frame->navigation().eventDock()->show();
        QTreeWidget* list = m_frame->navigation().eventList();
        QTRY_VERIFY(list->isVisible() && list->viewport()->width() > 0);
        QHeaderView* header = list->header();
        const int last = header->count() - 1;
        QTRY_VERIFY(header->sectionViewportPosition(last) + header->sectionSize(last) <= list->viewport()->width());
        for (int c = 0; c <= last; ++c)
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                QVERIFY(header->sectionSize(c) >=
                        list->fontMetrics().horizontalAdvance(list->topLevelItem(i)->text(c)));

        auto selectedNadir = [&] {
            const auto rows = list->selectedItems();
            return rows.size() == 1 ? rows.front()->data(0, Qt::UserRole).toLongLong() : -1;
        };
        auto inView = [&] { return list->viewport()->rect().contains(list->visualItemRect(list->currentItem())); };
        const auto& events = doc().events();
        m_frame->action(cmd::NextEvent)->trigger();
        QCOMPARE(selectedNadir(), doc().nadirIndex(events.front()));
        QCOMPARE(selectedNadir(), v->focusSample());
        m_frame->action(cmd::NextEvent)->trigger();
        QCOMPARE(selectedNadir(), doc().nadirIndex(events[1]));
        QVERIFY(inView());
        // The last event, far down the list, is scrolled to.
        QTest::keyClick(v, Qt::Key_End);
        m_frame->action(cmd::PreviousEvent)->trigger();
        QCOMPARE(selectedNadir(), doc().nadirIndex(events.back()));
        QVERIFY(inView());
        m_frame->action(cmd::PreviousEvent)->trigger();
        QCOMPARE(selectedNadir(), doc().nadirIndex(events[events.size() - 2]));
        QVERIFY(inView());
    }

    void goToTimeOutsideIsAnsweredInside() {
        CTavroTrendView* v = trend();
        test::onModal<QInputDialog>([](QInputDialog* d) {
            d->setTextValue(QStringLiteral("12:00:00"));
            d->accept();
        });
        m_frame->action(cmd::GoToTime)->trigger();
        QVERIFY(m_log->texts.last().contains(QStringLiteral("is not within this recording")));
        QCOMPARE(doc().currentPage(), 0);
        test::onModal<QInputDialog>([](QInputDialog* d) {
            d->setTextValue(QStringLiteral("02:30:00")); // the night starts at 22:30: four hours in
            d->accept();
        });
        m_frame->action(cmd::GoToTime)->trigger();
        QCOMPARE(v->focusSample(), 4 * 3600);
        QCOMPARE(doc().currentPage(), 4 * 3600 / v->span());
    }

    void recentFilesAndTitle() {
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("ID3.dat[*] - Kestrova"));
        QVERIFY(!m_frame->isWindowModified());
        QVERIFY(doc().editTitle("Edited").ok());
        QVERIFY(m_frame->isWindowModified());
        m_log->answers = {QMessageBox::Discard}; // the edited title is let go at the next open
        for (int i = 1; i <= 9; ++i) open("N" + std::to_string(i) + ".dat", test::night(i, 600));
        const QStringList recent = m_frame->navigation().recentFiles();
        QCOMPARE(recent.size(), 8);
        QVERIFY(recent.first().endsWith(QStringLiteral("/N9.dat")));
        QVERIFY(recent.last().endsWith(QStringLiteral("/N2.dat")));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("N9.dat[*] - Kestrova"));
        m_frame->action(cmd::Close)->trigger();
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Kestrova"));
    }
};

QTEST_MAIN(NavigationTest)
#include "NavigationTest.moc"
