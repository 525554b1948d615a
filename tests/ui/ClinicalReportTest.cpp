// The clinical report: how many pages a night takes, what page 1 says, the PDF it
// makes, and the Clinical Summary display with its menu rules.
#include "pages/ClinicalReport.h"
#include "MessageLog.h"
#include "app/CMainFrame.h"
#include "app/RecordingCommands.h"
#include "common/Commands.h"
#include "common/FileChooser.h"
#include "files/PatientDatabase.h"
#include "model/RecordingModel.h"
#include "views/CTavroTableView.h"
#include "views/CTavroTrendView.h"
#include "views/ClinicalSummaryView.h"

#include "settings/Settings.h"

#include "TestSupport.h"
#include "TextRecorder.h"

#include <QAction>
#include <QtTest>

using namespace kestrova;
using namespace kestrova::pages;
using kestrova::test::TextRecorder;

namespace {
ClinicalReportData reportOf(const std::vector<SampleRecord>& s) {
    ClinicalReportData d;
    d.page.samples = s;
    d.page.patient.id = 9;
    d.page.reportTitle = "Sleep lab";
    d.metrics = computeClinicalMetrics(s);
    return d;
}
} // namespace

class ClinicalReportTest : public QObject {
    Q_OBJECT
private slots:
    void pagesGrowWithTheNight() {
        QCOMPARE(ClinicalReport::pageCount(0), 1);
        QCOMPARE(ClinicalReport::pageCount(1), 2);
        QCOMPARE(ClinicalReport::pageCount(3600), 2);
        QCOMPARE(ClinicalReport::pageCount(8 * 3600), 2);
        QCOMPARE(ClinicalReport::pageCount(8 * 3600 + 1), 3);
        QCOMPARE(ClinicalReport::pageCount(144 * 3600), 19);
    }

    void pageOneStatesTheFiguresAndTheirCriteria() {
        const auto night = test::night(9, 2 * 3600);
        const ClinicalReportData data = reportOf(night);
        TextRecorder page(794, 1123);
        QPainter p(&page);
        ClinicalReport::drawPage(p, ClinicalReport::pageSize(Paper::A4), data, 0);
        p.end();
        QVERIFY(page.has(QStringLiteral("Clinical oximetry summary")));
        QVERIFY(page.has(QStringLiteral("ODI 3 %")));
        QVERIFY(page.has(QString::number(data.metrics.odi3.perHour, 'f', 1) +
                         QStringLiteral(" /h (%1 events)").arg(data.metrics.odi3.events.size())));
        QVERIFY(page.has(QStringLiteral("Page 1 of 2")));
        QVERIFY(page.has(QStringLiteral("Patient ID 9 - recorded ") +
                         QString::fromStdString(isoTime(night.front())).replace('T', ' ')));
        QVERIFY(page.has(QStringLiteral("95-100 %")));
        const bool criteria = std::any_of(page.items.begin(), page.items.end(), [](const TextRecorder::Item& i) {
            return i.text.contains(QStringLiteral("120 s")) || i.text.contains(QStringLiteral("preceding"));
        });
        QVERIFY(criteria);
        // Nothing is drawn outside the page.
        for (const auto& item : page.items) QVERIFY2(item.at.y() < 1123 && item.at.x() < 794, qPrintable(item.text));

        TextRecorder strips(794, 1123);
        QPainter q(&strips);
        ClinicalReport::drawPage(q, ClinicalReport::pageSize(Paper::A4), data, 1);
        q.end();
        QVERIFY(strips.has(QStringLiteral("Page 2 of 2")));
        QVERIFY(strips.has(QString::asprintf("%02d:%02d", night.front().hour, night.front().minute)));
    }

    void pdfHasEveryPageAndBadPathsLeaveNothing() {
        test::TempDir dir;
        for (const int hours : {0, 9}) {
            const auto night = test::night(9, hours * 3600);
            const std::string path = dir.file("r" + std::to_string(hours) + ".pdf");
            QVERIFY(ClinicalReport::writePdf(path, reportOf(night), Paper::Letter).ok());
            QCOMPARE(test::pdfPageCount(test::readFile(path)), ClinicalReport::pageCount(hours * 3600));
        }
        const WriteStatus bad = ClinicalReport::writePdf(dir.file("no/r.pdf"), reportOf({}), Paper::A4);
        QVERIFY(!bad.ok());
        QVERIFY(bad.error().text().find("No such file or directory") != std::string::npos);
    }

    void theDisplayFollowsTheAnalysisMenuRules() {
        test::TempDir dir;
        const Settings settings(dir.file("Kestrova.ini"));
        test::MessageLog log;
        RecordingModel model;
        auto night = test::night(9, 3600);
        model.replaceCurrent(std::move(night));
        model.setCurrentPatient(PatientRecord{.id = 9});
        PatientDatabase db(dir.path() + "/");
        ui::CMainFrame frame(model, settings);
        frame.registerTemplate(
            [](ui::RecordingDocument& d) -> ui::RecordingView* { return new ui::CTavroTrendView(d); });
        frame.registerTemplate(
            [](ui::RecordingDocument& d) -> ui::RecordingView* { return new ui::CTavroTableView(d); });
        ui::installRecordingCommands(frame, db);
        frame.show();
        frame.refreshCommandState();
        QVERIFY(!frame.action(ui::cmd::ClinicalSummary)->isEnabled()); // nothing shown yet
        frame.showCurrentRecording();
        frame.refreshCommandState();
        QVERIFY(frame.action(ui::cmd::ClinicalSummary)->isEnabled());
        frame.action(ui::cmd::ClinicalSummary)->trigger();
        QCOMPARE(frame.displayMode(), ui::DisplayMode::ClinicalSummary);
        QVERIFY(qobject_cast<ui::ClinicalSummaryView*>(frame.activeView()));
        frame.refreshCommandState();
        QVERIFY(frame.action(ui::cmd::Trend)->isEnabled());
        QVERIFY(frame.action(ui::cmd::Table)->isEnabled());
        QVERIFY(frame.action(ui::cmd::Print)->isEnabled());
        const QImage shown = frame.activeView()->grab().toImage();
        QCOMPARE(frame.pagePaneText(), QStringLiteral("Page:1/1"));
        QVERIFY(shown.pixelColor(shown.width() / 2, shown.height() / 2) != QColor(128, 128, 128)); // the page

        ui::FileChooser::setHandler(
            [&](const ui::FileChooser::Request&) { return QString::fromStdString(dir.file("n.pdf")); });
        frame.action(ui::cmd::ClinicalReport)->trigger();
        QCOMPARE(test::pdfPageCount(test::readFile(dir.file("n.pdf"))), 2);
        ui::FileChooser::setHandler({});
    }
};

QTEST_MAIN(ClinicalReportTest)
#include "ClinicalReportTest.moc"
