// The views on screen: readout by pointing, the keyboard cursor, paging by commands,
// keys and wheel, and the page reports.
#include "model/RecordingModel.h"
#include "views/CTavroTableView.h"
#include "views/CTavroTrendView.h"

#include "settings/Settings.h"

#include "TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace kestrova;
using namespace kestrova::ui;

namespace {
void fill(RecordingModel& m, int n, int spo2 = 95, int pulse = 60) {
    m.replaceCurrent(test::flatSeries(n, spo2, pulse));
}
} // namespace

class ViewsTest : public QObject {
    Q_OBJECT
    RecordingModel m_model;
    std::unique_ptr<RecordingDocument> m_document;
    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<Settings> m_settings;

    RecordingDocument& context() { return *m_document; }
    void setMode(DisplayMode mode) { m_document->setDisplayMode(mode); }

private slots:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_settings = std::make_unique<Settings>(m_dir->file("Kestrova.ini"));
        m_document = std::make_unique<RecordingDocument>(m_model, *m_settings);
        setMode(DisplayMode::Trend);
    }
    void cleanup() {
        m_document.reset();
        m_settings.reset();
        m_dir.reset();
    }

    void pointingExactlyOnATraceSelectsTheSample() {
        fill(m_model, 3000);
        m_model.currentSamples(); // 95 / 60 everywhere
        std::vector<SampleRecord> s(m_model.currentSamples().begin(), m_model.currentSamples().end());
        s[10].spo2 = 0; // on the bottom line: cannot be selected on the SpO2 trace
        s[20].spo2 = 120;
        m_model.replaceCurrent(std::move(s));
        CTavroTrendView view(context());
        view.resize(1280, 800);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.samplesPerScreen(), 1080);
        QCOMPARE(view.pageCount(), 3);
        const auto l = view.layout();
        const int xL = l.xL();
        view.pointAt(xL + 5, pages::TrendPage::spo2Y(l, 95) - 1); // one unit off
        QVERIFY(view.readouts().spo2.isEmpty());
        view.pointAt(xL + 5, pages::TrendPage::spo2Y(l, 95) + 1);
        QVERIFY(view.readouts().spo2.isEmpty());
        view.pointAt(xL + 5, pages::TrendPage::spo2Y(l, 95));
        QCOMPARE(view.readouts().spo2, QStringLiteral("95"));
        QCOMPARE(view.readouts().date, QStringLiteral("2010/05/05"));
        QCOMPARE(view.readouts().time, QStringLiteral("08:00:05"));
        QCOMPARE(view.spo2Marker().x, xL + 5);
        QVERIFY(view.spo2Marker().extendsDown); // 95 % is in the upper half
        view.pointAt(xL + 10, l.spo2Bottom());  // SpO2 0 lies on the excluded bottom edge
        QCOMPARE(view.readouts().time, QStringLiteral("08:00:05"));
        view.pointAt(xL + 20, pages::TrendPage::pulseY(l, 60)); // 120 % only through the PR trace
        QCOMPARE(view.readouts().spo2, QStringLiteral("120"));
    }

    void keysMoveTheCursorAcrossPages() {
        fill(m_model, 3000);
        CTavroTrendView view(context());
        view.resize(1280, 800);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy reports(&view, &RecordingView::pageStatus);
        const auto l = view.layout();
        m_document->setCurrentPage(1);
        view.pointAt(l.xL(), pages::TrendPage::spo2Y(l, 95)); // first column of page 1
        QTest::keyClick(&view, Qt::Key_Left);
        QCOMPARE(m_document->currentPage(), 0);
        QVERIFY(!reports.isEmpty());
        QCOMPARE(reports.last().at(0).toInt(), 0);
        QCOMPARE(reports.last().at(1).toInt(), 3);
        // Right at the last column moves to the next page's first column.
        view.pointAt(l.xL() + 1080, pages::TrendPage::spo2Y(l, 95));
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(m_document->currentPage(), 1);
        QCOMPARE(view.spo2Marker().x, l.xL() + 1);
    }

    void pagingByRollStepStaysWithinThePages() {
        fill(m_model, 5 * 1080);
        CTavroTrendView view(context());
        view.resize(1280, 800);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.pageCount(), 5);
        m_document->setCurrentPage(3);
        view.setRollStep(3);
        view.pointAt(view.layout().xL() + 5, pages::TrendPage::spo2Y(view.layout(), 95));
        view.pageDown();
        QCOMPARE(m_document->currentPage(), 4);
        QVERIFY(view.readouts().spo2.isEmpty()); // page down clears the readouts
        QVERIFY(view.spo2Marker().hidden());
        view.pageUp();
        QCOMPARE(m_document->currentPage(), 1);
        view.pageUp();
        QCOMPARE(m_document->currentPage(), 0);
        // The wheel towards the user pages forward.
        view.setRollStep(1);
        QWheelEvent towards(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, -120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &towards);
        QCOMPARE(m_document->currentPage(), 1);
    }

    void emptyRecordingsStayOnPageZero() {
        m_model.replaceCurrent({});
        m_document->setCurrentPage(0);
        CTavroTrendView trend(context());
        trend.resize(1000, 700);
        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        trend.pageDown();
        QCOMPARE(m_document->currentPage(), 0);
        setMode(DisplayMode::Table);
        CTavroTableView table(context());
        table.resize(1000, 700);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.pageDown();
        QCOMPARE(m_document->currentPage(), 0);
    }

    void tablePagesOnlyInTableMode() {
        fill(m_model, 2000);
        setMode(DisplayMode::Table);
        CTavroTableView table(context());
        table.resize(1000, 700);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QTRY_VERIFY(table.pageCount() > 1);
        QSignalSpy reports(&table, &RecordingView::pageStatus);
        QTest::keyClick(&table, Qt::Key_PageDown);
        QCOMPARE(m_document->currentPage(), 1);
        QCOMPARE(reports.last().at(0).toInt(), 1);
        setMode(DisplayMode::Analysis); // the analysis sheet does not page and reports one page
        table.pageDown();
        QCOMPARE(m_document->currentPage(), 1);
        table.update();
        QTRY_COMPARE(reports.last().at(1).toInt(), 1);
        QCOMPARE(reports.last().at(0).toInt(), 0);
    }
};

QTEST_MAIN(ViewsTest)
#include "ViewsTest.moc"
