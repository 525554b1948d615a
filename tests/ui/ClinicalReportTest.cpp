// The clinical report: which pages a night takes, what each says (and what it leaves
// unsaid), that no two words meet and no text lies on a trace on any page of any
// paper, that traces are continuous, the PDF it makes, the report settings and their
// dialog, the nights comparison, and the Clinical Summary display with its paging.
#include "pages/ClinicalReport.h"
#include "MessageLog.h"
#include "app/CMainFrame.h"
#include "app/RecordingCommands.h"
#include "common/Commands.h"
#include "common/FileChooser.h"
#include "dialogs/CReportSetup.h"
#include "files/PatientDatabase.h"
#include "files/PatientText.h"
#include "model/RecordingModel.h"
#include "pages/DisclosurePage.h"
#include "pages/HourTablePage.h"
#include "pages/Language.h"
#include "pages/NightsComparison.h"
#include "pages/SummaryPage.h"
#include "settings/ReportSettings.h"
#include "settings/Settings.h"
#include "views/CTavroTableView.h"
#include "views/CTavroTrendView.h"
#include "views/ClinicalSummaryView.h"

#include "TestSupport.h"
#include "TextRecorder.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <fstream>
#include <set>

using namespace kestrova;
using namespace kestrova::pages;
using kestrova::test::TextRecorder;

namespace {

template <std::size_t N> void fill(char (&field)[N], const char* text) {
    std::strncpy(field, text, N);
}

ClinicalReportData reportOf(const std::vector<SampleRecord>& s) {
    ClinicalReportData d;
    d.page.samples = s;
    d.page.patient.id = 9;
    d.page.reportTitle = "Sleep lab";
    d.metrics = computeClinicalMetrics(s);
    d.reportDate = QDate(2024, 3, 14);
    return d;
}

std::vector<FollowUpNight> nights(int count) {
    std::vector<FollowUpNight> out;
    for (int i = 0; i < count; ++i) {
        FollowUpNight n;
        n.start = QStringLiteral("2024-02-%1T22:%2:00")
                      .arg(i + 1, 2, 10, QLatin1Char('0'))
                      .arg(i * 7 % 60, 2, 10, QLatin1Char('0'))
                      .toStdString();
        n.figures.recordedSeconds = 6 * 3600 + i * 600;
        n.figures.validSeconds = 5 * 3600 + i * 500;
        n.figures.odi3 = 4.5 + 3.25 * i;
        n.figures.odi4 = 2.0 + 1.5 * i;
        n.figures.t90Percent = 0.5 + 2.0 * i;
        n.figures.nadir = 88 - 3 * i;
        n.figures.meanSpo2 = 95.4 - 0.5 * i;
        out.push_back(n);
    }
    return out;
}

// Every field filled: the clinic, the patient, the interpretation, several nights.
ClinicalReportData everyField(const std::vector<SampleRecord>& s) {
    ClinicalReportData d = reportOf(s);
    PatientRecord& p = d.page.patient;
    p.id = 12;
    fill(p.name, "Margaret Thompson-Whitfield");
    p.gender = 1;
    p.age = 67;
    p.height = 168;
    p.weight = 72;
    p.unitSystem = 1;
    fill(p.physician, "Dr. A. Whitfield");
    fill(p.note1, "Snoring reported by partner, daytime sleepiness");
    fill(p.note2, "On CPAP since 2021; mask leak reported");
    fill(p.comments, "Recorded at home, finger probe on the left index finger, study repeated after a poor night");
    d.page.units = UnitSystem::Metric;
    d.header.clinicName = "Northfield Sleep and Respiratory Clinic";
    d.header.address = {"Department of Respiratory Medicine", "14 Harbour Road", "Northfield NF2 8QT"};
    d.interpretation = "Moderate nocturnal desaturation with a cyclical pattern suggestive of sleep-disordered "
                       "breathing. Recommend polysomnography.\nRepeat oximetry on treatment.";
    d.patientConfirmed = false;
    d.deviceType = 2;
    d.version = "9.8.7";
    d.followUp = nights(5);
    return d;
}

QStringList collisions(const TextRecorder& page) {
    QStringList found;
    const auto words = page.words();
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i].cut) found << QStringLiteral("cut: %1").arg(words[i].text);
        for (qsizetype j = i + 1; j < words.size(); ++j)
            if (words[i].box.intersects(words[j].box) && words[i].box != words[j].box)
                found << QStringLiteral("%1 / %2").arg(words[i].text, words[j].text);
    }
    return found;
}

// Words on a plot, or outside the page's margins.
QStringList misplaced(const TextRecorder& page, const std::vector<QRect>& plots, const QSize& size) {
    QStringList found;
    const QRectF paper(6, 6, size.width() - 12, size.height() - 12);
    for (const auto& w : page.words()) {
        if (!paper.contains(w.box)) found << QStringLiteral("off the page: %1").arg(w.text);
        for (const QRect& plot : plots)
            if (QRectF(plot).adjusted(1, 1, -1, -1).intersects(w.box))
                found << QStringLiteral("on a plot: %1").arg(w.text);
    }
    return found;
}

QString allText(const TextRecorder& page) {
    QStringList texts;
    for (const auto& i : page.items) texts << i.text;
    return texts.join(QLatin1Char('\n'));
}

std::unique_ptr<TextRecorder> recordPage(const ClinicalReportData& data, Paper paper, int index,
                                         std::vector<QRect>* plots = nullptr) {
    const QSize size = ClinicalReport::pageSize(paper);
    auto page = std::make_unique<TextRecorder>(size.width(), size.height());
    QPainter p(page.get());
    std::vector<QRect> drawn = ClinicalReport::drawPage(p, size, data, index);
    if (plots) *plots = std::move(drawn);
    return page;
}

QImage paintPage(const ClinicalReportData& data, Paper paper, int index) {
    const QSize size = ClinicalReport::pageSize(paper);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    ClinicalReport::drawPage(p, size, data, index);
    return image;
}

// Samples whose time runs on from 22:00:00 second by second.
std::vector<SampleRecord> timedSeries(int n, int spo2, int pulse) {
    std::vector<SampleRecord> s = test::flatSeries(n, spo2, pulse);
    for (int i = 0; i < n; ++i) {
        const int t = 22 * 3600 + i;
        s[static_cast<std::size_t>(i)].hour = static_cast<std::uint8_t>(t / 3600 % 24);
        s[static_cast<std::size_t>(i)].day = static_cast<std::uint8_t>(5 + t / 86400);
    }
    return s;
}

} // namespace

class ClinicalReportTest : public QObject {
    Q_OBJECT
private slots:
    // Every clock hour appears once in the hour table, every hour of samples in one
    // strip, the events once after the last rows; the comparison only for several nights.
    void pagesCoverTheNightOnce() {
        for (const Paper paper : {Paper::A4, Paper::Letter}) {
            for (const int seconds : {0, 1, 600, 3600, 6 * 3600, 6 * 3600 + 1, 30 * 3600, 144 * 3600}) {
                auto samples = timedSeries(seconds, 95, 60);
                ClinicalReportData data = reportOf(samples);
                const auto plan = ClinicalReport::plan(data, ClinicalReport::pageSize(paper));
                QCOMPARE(plan.front().kind, ReportPage::Kind::Summary);
                int nextRow = 0, nextStrip = 0, events = 0;
                for (const ReportPage& part : plan) {
                    if (part.kind == ReportPage::Kind::Hours) {
                        QCOMPARE(part.firstRow, nextRow);
                        QVERIFY(events == 0);
                        nextRow += part.rows;
                        events += part.events;
                    }
                    if (part.kind == ReportPage::Kind::Disclosure) {
                        QCOMPARE(part.firstStrip, nextStrip);
                        nextStrip += ClinicalReport::kStripsPerPage;
                    }
                    QVERIFY(part.kind != ReportPage::Kind::FollowUp);
                }
                QCOMPARE(events, 1);
                QCOMPARE(nextRow, HourTablePage::rowCount(samples));
                // Strips of one hour from the first sample: the last page holds the last hour.
                const int strips = (seconds + 3599) / 3600;
                QVERIFY(nextStrip >= strips && nextStrip - ClinicalReport::kStripsPerPage < strips);
                QCOMPARE(ClinicalReport::pageCount(data, paper), static_cast<int>(plan.size()));
                data.followUp = nights(1);
                QCOMPARE(ClinicalReport::pageCount(data, paper), static_cast<int>(plan.size()));
                data.followUp = nights(2);
                QCOMPARE(ClinicalReport::pageCount(data, paper), static_cast<int>(plan.size()) + 1);
            }
        }
        // A night starting at 22:30 touches the clock hours 22, 23 and 00 in 1.5 h.
        auto late = timedSeries(5400, 95, 60);
        for (auto& s : late) s.minute = static_cast<std::uint8_t>((s.minute + 30) % 60);
        QCOMPARE(HourTablePage::rowCount(late), 2);
        late[0].minute = 30;
        late[0].second = 0;
        QCOMPARE(HourTablePage::rowCount(std::span(late).first(5400)), 2);
        QCOMPARE(HourTablePage::rowCount(timedSeries(5401, 95, 60)), 2);
    }

    void noWordMeetsAnotherOrATraceOnAnyPage() {
        const auto tenMinutes = test::night(9, 600);
        const auto night = test::night(9, 7 * 3600);
        const auto week = test::night(9, 144 * 3600);
        struct Case {
            const char* name;
            ClinicalReportData data;
        };
        ClinicalReportData empty = reportOf(night);
        empty.page.patient = PatientRecord{};
        empty.page.reportTitle.clear();
        empty.reportDate = QDate();
        const Case cases[] = {{"every field", everyField(night)},
                              {"empty record", empty},
                              {"10 minutes", everyField(tenMinutes)},
                              {"144 hours", everyField(week)},
                              {"no samples", reportOf({})}};
        // German words are long: every language must fit, not only the classic texts.
        const auto classicAfterwards = qScopeGuard([] { ui::Language::install(QStringLiteral("en_classic")); });
        for (const char* lang : {"en_classic", "en", "de", "fr", "es"})
            for (const Case& c : cases) {
                ui::Language::install(QString::fromLatin1(lang));
                for (const Paper paper : {Paper::A4, Paper::Letter}) {
                    const int pages = ClinicalReport::pageCount(c.data, paper);
                    for (int i = 0; i < pages; ++i) {
                        std::vector<QRect> plots;
                        const auto recorded = recordPage(c.data, paper, i, &plots);
                        const TextRecorder& page = *recorded;
                        const QString where =
                            QStringLiteral("%1, %2, %3, page %4: ")
                                .arg(QLatin1String(lang), QLatin1String(c.name), paper == Paper::A4 ? "A4" : "Letter")
                                .arg(i + 1);
                        QVERIFY2(
                            page.has(
                                QCoreApplication::translate("ReportDrawing", "Page %1 of %2").arg(i + 1).arg(pages)),
                            qPrintable(where));
                        QVERIFY2(collisions(page).isEmpty(), qPrintable(where + collisions(page).join(", ")));
                        const QStringList wrong = misplaced(page, plots, ClinicalReport::pageSize(paper));
                        QVERIFY2(wrong.isEmpty(), qPrintable(where + wrong.join(", ")));
                    }
                }
            }
    }

    // A steady hour is a line through every column; a fast pulse one connected band.
    void tracesAreContinuous() {
        auto steady = timedSeries(3600, 95, 70);
        ClinicalReportData data = reportOf(steady);
        const auto plan = ClinicalReport::plan(data, ClinicalReport::pageSize(Paper::A4));
        const int disclosure = static_cast<int>(plan.size()) - 1;
        QCOMPARE(plan.back().kind, ReportPage::Kind::Disclosure);
        const QImage page = paintPage(data, Paper::A4, disclosure);
        const auto [spo2, pulse] = DisclosurePage::plots(ClinicalReport::pageSize(Paper::A4), 0);
        auto inked = [&](const QRect& plot, const QColor& colour, int x) {
            for (int y = plot.top() + 1; y < plot.bottom(); ++y)
                if (page.pixelColor(x, y) == colour) return true;
            return false;
        };
        for (int x = spo2.left() + 1; x < spo2.right(); ++x) {
            QVERIFY2(inked(spo2, QColor(0, 0, 200), x), qPrintable(QStringLiteral("SpO2 column %1").arg(x)));
            QVERIFY2(inked(pulse, QColor(170, 0, 0), x), qPrintable(QStringLiteral("pulse column %1").arg(x)));
        }

        auto fast = timedSeries(3600, 95, 125);
        for (std::size_t i = 0; i < fast.size(); ++i)
            fast[i].pulseRate = static_cast<std::uint8_t>(std::lround(125 + 15 * std::sin(2 * M_PI * i / 40.0)));
        data = reportOf(fast);
        const QImage sine = paintPage(data, Paper::A4, disclosure);
        // Flood from one trace pixel over 8-neighbours: the whole trace is reached.
        std::set<std::pair<int, int>> trace;
        for (int y = pulse.top() + 1; y < pulse.bottom(); ++y)
            for (int x = pulse.left() + 1; x < pulse.right(); ++x)
                if (sine.pixelColor(x, y) == QColor(170, 0, 0)) trace.insert({x, y});
        QVERIFY(!trace.empty());
        std::set<std::pair<int, int>> reached{*trace.begin()};
        std::vector<std::pair<int, int>> todo{*trace.begin()};
        while (!todo.empty()) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if (trace.count({x + dx, y + dy}) && reached.insert({x + dx, y + dy}).second)
                        todo.push_back({x + dx, y + dy});
        }
        QCOMPARE(reached.size(), trace.size());
        // It spans the 110-140 bpm range, not a flat line.
        int top = pulse.bottom(), bottom = pulse.top();
        for (const auto& [x, y] : trace) top = std::min(top, y), bottom = std::max(bottom, y);
        QVERIFY(bottom - top >= pulse.height() * 25 / 140);
    }

    // Facts never entered are left out, never printed as 0 or "male"; entered ones show.
    void emptyFactsAreNeverPrinted() {
        const auto night = test::night(9, 2 * 3600);
        ClinicalReportData data = reportOf(night);
        data.page.patient = PatientRecord{};
        data.page.reportTitle.clear();
        const QString blank = allText(*recordPage(data, Paper::A4, 0));
        for (const QString& absent :
             {QStringLiteral("male"), QStringLiteral("Age"), QStringLiteral("0 in"), QStringLiteral("0 lb"),
              QStringLiteral("Height"), QStringLiteral("Note"), QStringLiteral("Physician"),
              QStringLiteral("ReportTitle"), QStringLiteral("PatientData"), QStringLiteral("BMI")})
            QVERIFY2(!blank.contains(absent, Qt::CaseSensitive), qPrintable(absent));
        QVERIFY(!blank.contains(QStringLiteral("Details proposed")));

        const ClinicalReportData full = everyField(night);
        const auto recorded = recordPage(full, Paper::A4, 0);
        const TextRecorder& page = *recorded;
        const PatientRecord& p = full.page.patient;
        for (const QString& present :
             {QString::fromLatin1(p.name), QString::fromStdString(genderText(p)), QStringLiteral("%1 years").arg(p.age),
              QString::fromStdString(heightText(p, full.page.units)),
              QString::fromStdString(weightText(p, full.page.units)),
              QString::number(p.weight / std::pow(p.height / 100.0, 2), 'f', 1) + QStringLiteral(" kg/m²"),
              QString::fromLatin1(p.physician), QString::fromLatin1(p.note1), QString::fromLatin1(p.comments),
              QString::fromStdString(full.header.clinicName), QString::fromStdString(full.header.address[2]),
              QStringLiteral("Overnight pulse oximetry"), QStringLiteral("Sleep lab"),
              QStringLiteral("Oximeter type 2"), QStringLiteral("2024-03-14"), QStringLiteral("Kestrova 9.8.7"),
              QStringLiteral("Signature"),
              QStringLiteral("Details proposed from the patient list: not confirmed for this recording")})
            QVERIFY2(page.has(present), qPrintable(present));
        QVERIFY(allText(page).contains(QStringLiteral("Recommend polysomnography")));
        QVERIFY(allText(page).contains(QStringLiteral("Repeat oximetry on treatment.")));
        // An imperial record shown in metric units: BMI from the converted values.
        ClinicalReportData imperial = full;
        imperial.page.patient.unitSystem = 0;
        imperial.page.patient.height = 66;
        imperial.page.patient.weight = 160;
        const double bmi = 160 * 0.454 / std::pow(66 * 0.0254, 2);
        QVERIFY(recordPage(imperial, Paper::A4, 0)->has(QString::number(bmi, 'f', 1) + QStringLiteral(" kg/m²")));
    }

    void gradingFollowsTheCutOffs() {
        const auto night = test::night(9, 5 * 3600);
        ClinicalReportData data = reportOf(night);
        const std::pair<double, const char*> odi[] = {{0, "normal"},   {4.99, "normal"}, {5, "mild"},
                                                      {14.99, "mild"}, {15, "moderate"}, {29.99, "moderate"},
                                                      {30, "severe"},  {75.5, "severe"}};
        for (const auto& [value, grade] : odi) {
            data.metrics.odi3.perHour = value;
            data.metrics.odi4.perHour = value;
            const auto recorded = recordPage(data, Paper::A4, 0);
            const TextRecorder& page = *recorded;
            const QString shown = QString::number(value, 'f', 2);
            QVERIFY2(page.has(QStringLiteral("ODI 3 % %1 /h: %2").arg(shown, QLatin1String(grade))), grade);
            QVERIFY2(page.has(QStringLiteral("ODI 4 % %1 /h: %2").arg(shown, QLatin1String(grade))), grade);
            QVERIFY(page.has(
                QStringLiteral("normal < 5/h, mild 5–< 15, moderate 15–< 30, severe ≥ 30 (common adult cut-offs)")));
        }
        const std::pair<double, const char*> t90[] = {{0.99, "normal"}, {1, "mild"},         {9.99, "mild"},
                                                      {10, "moderate"}, {24.99, "moderate"}, {25, "severe"}};
        for (const auto& [value, grade] : t90) {
            data.metrics.t90.percent = value;
            const auto recorded = recordPage(data, Paper::Letter, 0);
            const TextRecorder& page = *recorded;
            QVERIFY2(page.has(QStringLiteral("T90 %1 %: %2").arg(QString::number(value, 'f', 2), QLatin1String(grade))),
                     grade);
        }
        // Under 4 h of valid time the results warn; at 4 h they do not.
        const QString caution = QStringLiteral("Less than 4 h of valid recording: interpret with caution");
        data.metrics.validSeconds = 4 * 3600 - 1;
        QVERIFY(recordPage(data, Paper::A4, 0)->has(caution));
        data.metrics.validSeconds = 4 * 3600;
        QVERIFY(!recordPage(data, Paper::A4, 0)->has(caution));
    }

    // Fractions and the report's dates follow the pages' language; the classic texts keep
    // the point and the ISO dates.
    void numbersAndDatesFollowTheLanguage() {
        const auto night = test::night(9, 5 * 3600);
        ClinicalReportData data = everyField(night);
        data.metrics.odi3.perHour = 13.57;
        const QString recorded = QString::fromStdString(isoTime(data.page.samples.front()).substr(0, 10));
        auto contains = [](const TextRecorder& page, const QString& part) { return allText(page).contains(part); };
        struct Classic {
            ~Classic() { ui::Language::install(QStringLiteral("en_classic")); }
        } resetAfterwards;
        ui::Language::install(QStringLiteral("de"));
        const QString germanDate = ui::Language::locale().toString(data.reportDate, QLocale::ShortFormat);
        const auto german = recordPage(data, Paper::A4, 0);
        QVERIFY(contains(*german, QStringLiteral("13,57")));
        QVERIFY(contains(*german, QStringLiteral("13,6")));
        QVERIFY(!contains(*german, QStringLiteral("13.57")));
        QVERIFY(!contains(*german, QStringLiteral("13.6")));
        QVERIFY2(contains(*german, germanDate), qPrintable(germanDate));
        QVERIFY(!contains(*german, QStringLiteral("2024-03-14")));
        QVERIFY2(!contains(*german, recorded), qPrintable(recorded));
        QVERIFY(collisions(*german).isEmpty());

        ui::Language::install(QStringLiteral("en_classic"));
        const auto classic = recordPage(data, Paper::A4, 0);
        QVERIFY(classic->has(QStringLiteral("ODI 3 % 13.57 /h: mild")));
        QVERIFY(contains(*classic, QStringLiteral("13.6 /h (")));
        QVERIFY(!contains(*classic, QStringLiteral("13,57")));
        QVERIFY(contains(*classic, QStringLiteral("Report 2024-03-14")));
        QVERIFY(contains(*classic, QStringLiteral("recorded ") + recorded));
    }

    void hourTableAndDeepestEvents() {
        // Two dips of known depth in the second hour, none in the first.
        auto s = timedSeries(2 * 3600, 96, 64);
        for (int i = 4000; i < 4030; ++i) s[static_cast<std::size_t>(i)].spo2 = 85;
        for (int i = 5000; i < 5030; ++i) s[static_cast<std::size_t>(i)].spo2 = 91;
        for (int i = 100; i < 160; ++i) s[static_cast<std::size_t>(i)].spo2 = 0; // artefact
        const ClinicalReportData data = reportOf(s);
        const auto rows = HourTablePage::rows(data);
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[0].validSeconds, 3600 - 60);
        QCOMPARE(rows[0].events3, 0);
        QCOMPARE(rows[1].events3, 2);
        QCOMPARE(rows[1].lowestSpo2, 85);
        QCOMPARE(rows[1].t90Seconds, 30);
        const auto deepest = HourTablePage::deepest(data.metrics);
        QCOMPARE(deepest.size(), std::size_t(2));
        QVERIFY(deepest[0].depth() > deepest[1].depth());
        QCOMPARE(deepest[0].nadir, 85);
        const auto recorded = recordPage(data, Paper::A4, 1);
        const TextRecorder& page = *recorded;
        QVERIFY(page.has(QStringLiteral("2010-05-05 22:00")));
        QVERIFY(page.has(QStringLiteral("23:00")));
        QVERIFY(page.has(QStringLiteral("2010-05-05 ") + QString::asprintf("%02d:%02d:%02d", s[deepest[0].start].hour,
                                                                           s[deepest[0].start].minute,
                                                                           s[deepest[0].start].second)));
        QVERIFY(page.has(QString::number(deepest[0].area)));
        QVERIFY(allText(page).contains(QStringLiteral("preceding 120 s")));
    }

    void nightsComparisonShowsEveryNight() {
        const auto all = nights(6);
        for (const QSize size : {QSize(718, 1000), QSize(900, 560), QSize(600, 420)}) {
            TextRecorder page(size.width() + 40, size.height() + 40);
            const QRectF area(20, 20, size.width(), size.height());
            {
                QPainter p(&page);
                NightsComparison::draw(p, area, all);
            }
            const auto l = NightsComparison::layout(area, all.size());
            const QString where = QStringLiteral("%1x%2: ").arg(size.width()).arg(size.height());
            QVERIFY2(collisions(page).isEmpty(), qPrintable(where + collisions(page).join(", ")));
            const QStringList wrong = misplaced(page, {l.chart}, size + QSize(40, 40));
            QVERIFY2(wrong.isEmpty(), qPrintable(where + wrong.join(", ")));
            QVERIFY(l.rows > 0);
            for (std::size_t i = all.size() - static_cast<std::size_t>(l.rows); i < all.size(); ++i) {
                const auto& f = all[i].figures;
                QVERIFY2(page.has(QString::fromStdString(all[i].start).replace('T', ' ').left(16)), qPrintable(where));
                for (const QString& v : {QString::number(f.odi3, 'f', 1), QString::number(f.odi4, 'f', 1),
                                         QString::number(f.t90Percent, 'f', 1), QString::number(f.nadir),
                                         QString::number(f.meanSpo2, 'f', 1)})
                    QVERIFY2(page.has(v), qPrintable(where + v));
            }
            for (const QString& key : {QStringLiteral("ODI 3 % (/h, left)"), QStringLiteral("T90 (%, left)"),
                                       QStringLiteral("Nadir (%, right)")})
                QVERIFY(page.has(key));
        }
        // The chart's points: one ODI marker per night, higher for the higher ODI.
        QImage image(760, 1040, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QRectF area(20, 20, 718, 1000);
        {
            QPainter p(&image);
            NightsComparison::draw(p, area, all);
        }
        const QRect chart = NightsComparison::layout(area, all.size()).chart;
        auto markerY = [&](int x) {
            for (int y = chart.top() + 1; y < chart.bottom(); ++y)
                if (image.pixelColor(x, y) == QColor(0, 90, 180)) return y;
            return -1;
        };
        const int count = static_cast<int>(all.size());
        int previous = chart.bottom() + 1;
        for (int i = 0; i < count; ++i) {
            const int y = markerY(chart.left() + (2 * i + 1) * chart.width() / (2 * count));
            QVERIFY(y > 0 && y < previous);
            previous = y;
        }
    }

    void pdfHasEveryPageAndItsMetadata() {
        test::TempDir dir;
        for (const int hours : {0, 9}) {
            const auto night = test::night(9, hours * 3600);
            ClinicalReportData data = everyField(night);
            const std::string path = dir.file("r" + std::to_string(hours) + ".pdf");
            QVERIFY(ClinicalReport::writePdf(path, data, Paper::Letter).ok());
            const std::string pdf = test::readFile(path);
            QCOMPARE(test::pdfPageCount(pdf), ClinicalReport::pageCount(data, Paper::Letter));
            for (const char* meta : {"Overnight pulse oximetry", "Northfield Sleep and Respiratory Clinic",
                                     "Kestrova 9.8.7", "<dc:description>", "<dc:creator>"})
                QVERIFY2(pdf.find(meta) != std::string::npos, meta);
            QVERIFY(pdf.find("/FontFile2") != std::string::npos); // fonts embedded
        }
        const WriteStatus bad = ClinicalReport::writePdf(dir.file("no/r.pdf"), reportOf({}), Paper::A4);
        QVERIFY(!bad.ok());
        QVERIFY(bad.error().text().find("No such file or directory") != std::string::npos);
        QVERIFY(!QFile::exists(QString::fromStdString(dir.file("no/r.pdf"))));
    }

    void reportSettingsRoundTrip() {
        test::TempDir dir;
        const Settings settings(dir.file("Kestrova.ini"));
        const ReportSettings unset = ReportSettings::read(settings);
        QVERIFY(!unset.hasHeader());
        QCOMPARE(unset.paper, PaperSize::A4);
        ReportSettings r;
        r.clinicName = "Clinic\nwith a line break";
        r.address = {"1 Road", "", "Town"};
        r.logoPath = dir.file("logo.png");
        r.paper = PaperSize::Letter;
        QVERIFY(r.write(settings).ok());
        const ReportSettings back = ReportSettings::read(settings);
        QCOMPARE(back.clinicName, std::string("Clinic with a line break"));
        QCOMPARE(back.address[0], r.address[0]);
        QCOMPARE(back.address[1], std::string());
        QCOMPARE(back.address[2], r.address[2]);
        QCOMPARE(back.logoPath, r.logoPath);
        QCOMPARE(back.paper, PaperSize::Letter);
        QVERIFY(back.hasHeader());
        // The other sections are left alone.
        QVERIFY(settings.write(setting::UnitSetup, 1).ok());
        QCOMPARE(ReportSettings::read(settings), back);
        QCOMPARE(paperOf("LETTER"), PaperSize::Letter);
        QCOMPARE(paperOf("b5"), PaperSize::A4);
        // A settings file that cannot be written says so.
        const Settings nowhere(dir.file("missing/Kestrova.ini"));
        QVERIFY(!r.write(nowhere).ok());
    }

    void reportSetupDialogGivesBackWhatWasEntered() {
        test::TempDir dir;
        ReportSettings current;
        current.clinicName = "Old clinic";
        current.address = {"a", "b", "c"};
        current.paper = PaperSize::Letter;
        ui::CReportSetup dialog(current);
        QCOMPARE(dialog.chosen(), current);
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        const QString logoPath = QString::fromStdString(dir.file("logo.png"));
        QVERIFY(logo.save(logoPath));
        ui::FileChooser::setHandler(
            [&](const ui::FileChooser::Request& request) { return request.save ? QString() : logoPath; });
        dialog.chooseLogo()->click();
        ui::FileChooser::setHandler({});
        QVERIFY(!dialog.logoPreview()->pixmap().isNull());
        dialog.clinic()->setText(QStringLiteral("  New clinic "));
        dialog.addressLine(1)->clear();
        dialog.paper()->setCurrentIndex(0);
        const ReportSettings chosen = dialog.chosen();
        QCOMPARE(chosen.clinicName, std::string("New clinic"));
        QCOMPARE(chosen.address[1], std::string());
        QCOMPARE(chosen.logoPath, logoPath.toStdString());
        QCOMPARE(chosen.paper, PaperSize::A4);
        dialog.logo()->setText(QString::fromStdString(dir.file("none.png")));
        QVERIFY(dialog.logoPreview()->pixmap().isNull());
        dialog.clearLogo()->click();
        QVERIFY(dialog.chosen().logoPath.empty());
        // The logo is drawn at the top of page 1.
        const auto night = test::night(9, 3600); // the report's samples are a view of it
        ClinicalReportData data = reportOf(night);
        data.header.logoPath = logoPath.toStdString();
        const QImage page = paintPage(data, Paper::A4, 0);
        QCOMPARE(page.pixelColor(ClinicalReport::kMargin + 5, ClinicalReport::kMargin - 10), QColor(Qt::blue));
    }

    void theDisplayPagesThroughTheReport() {
        test::TempDir dir;
        const Settings settings(dir.file("Kestrova.ini"));
        test::MessageLog log;
        RecordingModel model;
        auto night = test::night(9, 7 * 3600);
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
        auto* view = qobject_cast<ui::ClinicalSummaryView*>(frame.activeView());
        QVERIFY(view);
        frame.refreshCommandState();
        QVERIFY(frame.action(ui::cmd::Trend)->isEnabled());
        QVERIFY(frame.action(ui::cmd::Print)->isEnabled());
        const int pages = ClinicalReport::pageCount(view->data(), Paper::A4);
        QVERIFY(pages > 2);
        QCOMPARE(view->pageCount(), pages);
        const QImage first = view->grab().toImage();
        QCOMPARE(frame.pagePaneText(), QStringLiteral("Page:1/%1").arg(pages));
        QVERIFY(first.pixelColor(first.width() / 2, first.height() / 2) != QColor(128, 128, 128)); // the page
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(frame.pagePaneText(), QStringLiteral("Page:2/%1").arg(pages));
        QVERIFY(view->grab().toImage() != first);
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(frame.pagePaneText(), QStringLiteral("Page:%1/%1").arg(pages));
        QTest::keyClick(view, Qt::Key_PageDown); // stays on the last page
        QCOMPARE(frame.pagePaneText(), QStringLiteral("Page:%1/%1").arg(pages));
        QTest::keyClick(view, Qt::Key_PageUp);
        QCOMPARE(frame.pagePaneText(), QStringLiteral("Page:%1/%2").arg(pages - 1).arg(pages));
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(frame.pagePaneText(), QStringLiteral("Page:1/%1").arg(pages));
        QCOMPARE(view->grab().toImage(), first);

        // The report settings' paper decides the pages; a study's details reach the report.
        ReportSettings header;
        header.clinicName = "Clinic";
        header.paper = PaperSize::Letter;
        QVERIFY(header.write(settings).ok());
        QVERIFY(frame.document().editInterpretation("Normal study.").ok());
        frame.document().setFollowUp(nights(3));
        view->refresh();
        QCOMPARE(view->data().header.clinicName, std::string("Clinic"));
        QCOMPARE(view->data().interpretation, std::string("Normal study."));
        QCOMPARE(view->data().followUp.size(), std::size_t{3});
        QCOMPARE(view->pageCount(), ClinicalReport::pageCount(view->data(), Paper::Letter));

        ui::FileChooser::setHandler(
            [&](const ui::FileChooser::Request&) { return QString::fromStdString(dir.file("n.pdf")); });
        frame.action(ui::cmd::ClinicalReport)->trigger();
        ui::FileChooser::setHandler({});
        QCOMPARE(test::pdfPageCount(test::readFile(dir.file("n.pdf"))),
                 ClinicalReport::pageCount(ui::ClinicalSummaryView::reportData(frame.document()),
                                           Paper::Letter)); // the paper of the settings
    }
};

QTEST_MAIN(ClinicalReportTest)
#include "ClinicalReportTest.moc"
