// The page renderers: computed geometry, pixels at the coordinates the layout fixes,
// the texts drawn (recorded by a paint engine), printing units and the PDF.
#include "analysis/ClinicalMetrics.h"
#include "pages/AnalysisPage.h"
#include "pages/ColumnReducer.h"
#include "pages/HeaderBand.h"
#include "pages/Language.h"
#include "pages/PageRenderer.h"
#include "pages/TablePage.h"
#include "pages/TrendPage.h"

#include "TestSupport.h"
#include "TextRecorder.h"

#include <QScopeGuard>
#include <QtTest>

#include <random>

using namespace kestrova;
using namespace kestrova::pages;
using kestrova::test::TextRecorder;

namespace {

std::vector<SampleRecord> series(int n, int spo2 = 95, int pulse = 60) {
    return test::flatSeries(n, spo2, pulse);
}

PageData dataOf(const std::vector<SampleRecord>& s, const AnalysisResult* a = nullptr) {
    PageData d;
    d.samples = s;
    d.patient.id = 1;
    d.reportTitle = "Sleep lab";
    d.analysis = a;
    return d;
}

QColor at(const QImage& img, int x, int y) {
    return img.pixelColor(x, y);
}

template <std::size_t N> void fill(char (&field)[N], const char* text) {
    std::strncpy(field, text, N);
}

// A night with details in every field and a desaturation every ten minutes.
struct FullNight {
    std::vector<SampleRecord> samples = series(6 * 3600);
    PatientRecord patient;
    AnalysisResult analysis;
    FullNight() {
        for (std::size_t i = 0; i < samples.size(); ++i)
            if (i % 600 >= 300 && i % 600 < 330) samples[i].spo2 = 86;
        patient.id = 12;
        fill(patient.name, "Margaret Thompson");
        patient.gender = 1;
        patient.age = 67;
        patient.height = 168;
        patient.weight = 72;
        fill(patient.physician, "Dr. A. Whitfield");
        fill(patient.note1, "Snoring reported by partner");
        fill(patient.note2, "CPAP trial next month");
        fill(patient.comments, "Woke twice during the night");
        analysis = computeAnalysis(samples, AnalysisLimits{});
    }
    PageData data() const {
        PageData d;
        d.samples = samples;
        d.patient = patient;
        d.reportTitle = "Overnight oximetry";
        d.analysis = &analysis;
        return d;
    }
};

// Every pair of words drawn on the page that intersect, and (unless `allowCuts`) every
// word its clip cuts.
QStringList collisions(const TextRecorder& page, bool allowCuts = false) {
    QStringList found;
    const auto words = page.words();
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i].cut && !allowCuts) found << QStringLiteral("cut: %1").arg(words[i].text);
        for (qsizetype j = i + 1; j < words.size(); ++j)
            // (A text drawn twice at one place, as the pulse scale's top label is, is no collision.)
            if (words[i].box.intersects(words[j].box) && words[i].box != words[j].box)
                found << QStringLiteral("%1 / %2").arg(words[i].text, words[j].text);
    }
    return found;
}

// A random signal with artefacts of every kind: runs of 0/0 and 127/255, single bad
// readings, pulse-only failures, among valid values that jump about.
std::vector<SampleRecord> noisySignal(int n, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<SampleRecord> s = series(n);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (auto& r : s) {
        r.spo2 = static_cast<std::uint8_t>(pick(60, 100));
        r.pulseRate = static_cast<std::uint8_t>(pick(30, 200));
    }
    for (int k = 0; k < n / 10 + 1; ++k) {
        const int at = pick(0, n - 1), length = pick(0, 4) == 0 ? 1 : pick(1, 40);
        const int kind = pick(0, 3);
        for (int i = at; i < std::min(n, at + length); ++i) {
            auto& r = s[static_cast<std::size_t>(i)];
            if (kind == 0) r.spo2 = r.pulseRate = 0;
            if (kind == 1) r.spo2 = 127, r.pulseRate = 255;
            if (kind == 2) r.pulseRate = 0;
            if (kind == 3) r.spo2 = static_cast<std::uint8_t>(pick(0, 127));
        }
    }
    return s;
}

// The column sample `m` (counted from the grid's origin) lies in, by its definition.
std::int64_t columnOf(const ColumnGrid& g, std::int64_t m) {
    return g.roundUp ? m * g.columns / g.samples : ((m + 1) * g.columns - 1) / g.samples;
}
// Where column c starts: the floor (or ceiling) of c * samples / columns after the origin.
std::int64_t startOf(const ColumnGrid& g, std::int64_t c) {
    const std::int64_t q = c * g.samples / g.columns;
    return g.origin + (g.roundUp && q * g.columns < c * g.samples ? q + 1 : q);
}
std::size_t expectedColumns(const ColumnGrid& g) {
    std::int64_t count = 0;
    while (count < g.count && startOf(g, count) < g.end) ++count;
    return static_cast<std::size_t>(count);
}

ColumnValues scanColumn(const std::vector<SampleRecord>& s, const ColumnGrid& g, std::int64_t c, bool validOnly) {
    std::vector<std::int64_t> members;
    const std::int64_t first = std::max<std::int64_t>(0, c * g.samples / g.columns - 2);
    const std::int64_t last = (c + 1) * g.samples / g.columns + 2;
    for (std::int64_t m = first; m <= last; ++m)
        if (columnOf(g, m) == c) members.push_back(g.origin + m);
    if (members.empty() && g.narrowShowsStart) members.push_back(startOf(g, c));
    ColumnValues v;
    for (const std::int64_t i : members) {
        if (i < g.from || i >= g.end) continue;
        const SampleRecord& r = s[static_cast<std::size_t>(i)];
        if (validOnly && !clinical::isValid(r)) {
            v.artefact = true;
            continue;
        }
        const std::uint8_t value[2] = {r.spo2, r.pulseRate};
        for (int k = 0; k < 2; ++k) {
            if (!v.counted) v.first[k] = value[k];
            v.lo[k] = std::min(v.lo[k], value[k]);
            v.hi[k] = std::max(v.hi[k], value[k]);
            v.last[k] = value[k];
        }
        v.counted = true;
    }
    return v;
}

bool sameColumn(const ColumnValues& a, const ColumnValues& b) {
    for (int k = 0; k < 2; ++k)
        if (a.first[k] != b.first[k] || a.lo[k] != b.lo[k] || a.hi[k] != b.hi[k] || a.last[k] != b.last[k])
            return false;
    return a.counted == b.counted && a.artefact == b.artefact;
}

// What differs between the reducer's columns (from the samples and from the block
// summary) and a literal scan; empty when nothing does.
QString mismatch(const std::vector<SampleRecord>& s, const SignalBlocks& blocks, const ColumnGrid& grid,
                 bool validOnly) {
    const auto rule = validOnly ? SampleRule::ArtefactsExcluded : SampleRule::Every;
    const auto direct = ColumnReducer(s, rule).reduce(grid);
    const auto fromBlocks = ColumnReducer(s, rule, &blocks).reduce(grid);
    if (direct.size() != expectedColumns(grid) || fromBlocks.size() != direct.size())
        return QStringLiteral(": %1 / %2 columns, not %3")
            .arg(direct.size())
            .arg(fromBlocks.size())
            .arg(expectedColumns(grid));
    for (std::size_t c = 0; c < direct.size(); ++c) {
        const ColumnValues scan = scanColumn(s, grid, static_cast<std::int64_t>(c), validOnly);
        if (!sameColumn(direct[c], scan) || !sameColumn(fromBlocks[c], scan))
            return QStringLiteral(": column %1").arg(c);
    }
    return {};
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void trendPagination() {
        QCOMPARE(TrendPage::samplesPerScreen(1000), 840);
        QCOMPARE(TrendPage::samplesPerScreen(1280), 1080);
        QCOMPARE(TrendPage::samplesPerScreen(764), 660); // the printed page
        QCOMPARE(TrendPage::samplesPerScreen(67), 0);
        QCOMPARE(TrendPage::pageCount(1081, 1080), 2);
        QCOMPARE(TrendPage::pageCount(1080, 1080), 1);
        QCOMPARE(TrendPage::pageCount(0, 1080), 0);
        QCOMPARE(TrendPage::pageCount(500, 0), 0); // narrower than 68 units: no division by zero
        const auto s = series(500);
        const QImage narrow = PageRenderer::renderScreen(PageKind::Trend, dataOf(s), QSize(60, 300));
        QVERIFY(!narrow.isNull());
    }

    void trendPixelsSitWhereTheLayoutSays() {
        auto s = series(1200, 95, 60);
        s[100].spo2 = 120; // above 100: drawn on the 100 line
        s[200].spo2 = 50;
        PageData d = dataOf(s);
        const QImage img = PageRenderer::renderScreen(PageKind::Trend, d, QSize(1280, 800));
        const auto l = TrendPage::layout(QRect(0, 0, 1280, 800));
        const int xL = l.xL(), P = l.plotHeight, yB = l.spo2Bottom();
        const QColor red(255, 0, 0);
        QCOMPARE(at(img, xL + 50, yB - 95 * P / 100), red);
        QCOMPARE(at(img, xL + 100, yB - 100 * P / 100), red);
        QCOMPARE(at(img, xL + 200, yB - 50 * P / 100), red);
        QCOMPARE(at(img, xL + 50, l.pulseBottom() - 60 * P / 300), QColor(Qt::black));
        // Panel fills and the view background.
        QCOMPARE(at(img, l.spo2Panel.right() - 5, l.spo2Panel.bottom() - 5), QColor(250, 245, 171));
        QCOMPARE(at(img, l.pulsePanel.right() - 5, l.pulsePanel.bottom() - 5), QColor(193, 250, 253));
        QCOMPARE(at(img, 3, 3), QColor(255, 182, 147));
        // Grid dashes every 20 units, four units long, on the 80 % line.
        const int y80 = l.spo2Plot.top() + P / 5;
        QCOMPARE(at(img, xL + 21, y80), QColor(Qt::black));
        QCOMPARE(at(img, xL + 30, y80), QColor(250, 245, 171));
        // The second page starts with sample 1080.
        d.currentPage = 1;
        const QImage page2 = PageRenderer::renderScreen(PageKind::Trend, d, QSize(1280, 800));
        QCOMPARE(at(page2, xL + 50, yB - 95 * P / 100), red);
        QCOMPARE(at(page2, xL + 500, yB - 95 * P / 100), QColor(250, 245, 171)); // no sample there
    }

    void datesCarryTheCenturyExceptOnTheAnalysisSheet() {
        const auto s = series(3000);
        AnalysisResult a = computeAnalysis(s, AnalysisLimits{});
        TextRecorder trend(1280, 800), table(1280, 800), sheet(1280, 800);
        {
            QPainter p(&trend);
            TrendPage::draw(p, QRect(0, 0, 1280, 800), dataOf(s));
        }
        {
            QPainter p(&table);
            TablePage::draw(p, QRect(0, 0, 1280, 800), dataOf(s));
        }
        {
            QPainter p(&sheet);
            AnalysisPage::draw(p, QRect(0, 0, 1280, 800), dataOf(s, &a), false);
        }
        QVERIFY(trend.has(QStringLiteral("2010/05/05")));
        QVERIFY(table.has(QStringLiteral("2010/05/05")));
        QVERIFY(sheet.has(QStringLiteral("10/05/05")));
        QVERIFY(!sheet.has(QStringLiteral("2010/05/05")));
        QVERIFY(trend.has(QStringLiteral("Sleep lab")));
        QVERIFY(trend.has(QStringLiteral("08:01:00"))); // time label of sample 60
        QVERIFY(sheet.has(
            QStringLiteral("Desaturation Event:drop in Spo2 by at least 4% for a minimum duration of 10 seconds.")));
        QVERIFY(table.has(QStringLiteral("Item")));
    }

    // The sheet's figures follow the pages' language: a comma in German, the classic point
    // otherwise, whatever the C library's locale.
    void analysisFiguresFollowTheLanguage() {
        const FullNight night;
        const QString printed = QString::number(static_cast<double>(night.analysis.desaturation.indexPerHour), 'f', 1);
        auto sheetOf = [&] {
            auto sheet = std::make_unique<TextRecorder>(1280, 800);
            QPainter p(sheet.get());
            AnalysisPage::draw(p, QRect(0, 0, 1280, 800), night.data(), false);
            return sheet;
        };
        struct Classic {
            ~Classic() { ui::Language::install(QStringLiteral("en_classic")); }
        } resetAfterwards;
        ui::Language::install(QStringLiteral("de"));
        const auto german = sheetOf();
        QVERIFY2(german->has(QString(printed).replace(QLatin1Char('.'), QLatin1Char(','))), qPrintable(printed));
        QVERIFY(!german->has(printed));
        ui::Language::install(QStringLiteral("en_classic"));
        const auto classic = sheetOf();
        QVERIFY(classic->has(printed));
        QVERIFY(!classic->has(QString(printed).replace(QLatin1Char('.'), QLatin1Char(','))));
    }

    void tableRowsAndNumbering() {
        const QRect t(0, 0, 100, 300);
        QCOMPARE(TablePage::rows(t), 13);
        QCOMPARE(TablePage::recordsPerPage(13), 22);
        QCOMPARE(TablePage::pageCount(23, 22), 2);
        QCOMPARE(TablePage::recordNumber(0, 2, 0, 13), 1);
        QCOMPARE(TablePage::recordNumber(0, 12, 0, 13), 11);
        QCOMPARE(TablePage::recordNumber(1, 2, 0, 13), 12);
        QCOMPARE(TablePage::recordNumber(0, 2, 1, 13), 23);
        QCOMPARE(TablePage::recordsPerPage(2), 0);
        // Too short for three rows: no crash, no page count.
        const auto s = series(30);
        QImage tiny(400, 200, QImage::Format_RGB32);
        QPainter p(&tiny);
        QCOMPARE(TablePage::draw(p, tiny.rect(), dataOf(s)), -1);
    }

    void analysisSheetCompressesAndClamps() {
        const QRect sheet(0, 0, 600, 800);
        QCOMPARE(AnalysisPage::compression(3000, sheet), 5);
        QCOMPARE(AnalysisPage::compression(500, sheet), 1);
        const QRect screen = AnalysisPage::sheetRect(QRect(0, 0, 1000, 720), false);
        QCOMPARE(screen.left(), 300);
        QCOMPARE(screen.width(), 700 * 210 / 297);
        QCOMPARE(AnalysisPage::sheetRect(QRect(0, 0, 764, 1092), true), QRect(0, 0, 764, 1092));

        auto s = series(1000, 60, 200); // below 70 and above 180: drawn on those lines
        AnalysisResult a = computeAnalysis(s, AnalysisLimits{});
        const QImage img = PageRenderer::renderScreen(PageKind::Analysis, dataOf(s, &a), QSize(1000, 1100));
        QCOMPARE(at(img, 5, 5), QColor(196, 196, 196));
        QCOMPARE(at(img, screen.left() + 3, 600), QColor(Qt::white));
        // Find the green trace: it must be a horizontal run (clamped to the 70 line).
        int greenRows = 0;
        for (int y = 0; y < img.height(); ++y)
            if (at(img, 700, y) == QColor(0, 255, 0)) ++greenRows;
        QCOMPARE(greenRows, 1);
        // Empty recording: only the grey margin and the white sheet.
        const std::vector<SampleRecord> none;
        const QImage blank = PageRenderer::renderScreen(PageKind::Analysis, dataOf(none), QSize(1000, 1100));
        QCOMPARE(at(blank, 700, 500), QColor(Qt::white));
    }

    void noTwoWordsOverlapOnAnyPage() {
        const FullNight night;
        const PageData data = night.data();
        // German words are long: every language must fit, not only the classic texts.
        const auto classicAfterwards = qScopeGuard([] { ui::Language::install(QStringLiteral("en_classic")); });
        for (const char* lang : {"en_classic", "en", "de", "fr", "es"}) {
            ui::Language::install(QString::fromLatin1(lang));
            overlapCheck(data, QString::fromLatin1(lang));
        }
    }

    void overlapCheck(const PageData& data, const QString& lang) {
        const TrendReadouts readouts{QStringLiteral("2010/05/05"), QStringLiteral("22:38:55"), QStringLiteral("100"),
                                     QStringLiteral("255")};
        for (const QSize size : {QSize(1024, 640), QSize(1280, 800), QSize(1600, 1000)}) {
            const QRect d(QPoint(0, 0), size);
            TextRecorder trend(size.width(), size.height()), table(size.width(), size.height()),
                sheet(size.width(), size.height());
            {
                QPainter p(&trend);
                TrendPage::draw(p, d, data, &readouts);
            }
            {
                QPainter p(&table);
                TablePage::draw(p, d, data);
            }
            {
                QPainter p(&sheet);
                AnalysisPage::draw(p, d, data, false);
            }
            QVERIFY(trend.has(QStringLiteral("22:38:55")) && table.has(QStringLiteral("Margaret Thompson")));
            const auto where = QStringLiteral(" %3 at %1x%2: ").arg(size.width()).arg(size.height()).arg(lang);
            QVERIFY2(collisions(trend).isEmpty(), qPrintable("trend" + where + collisions(trend).join(", ")));
            QVERIFY2(collisions(table).isEmpty(), qPrintable("table" + where + collisions(table).join(", ")));
            // The smallest window's sheet is a 438-unit wide thumbnail whose summary
            // cells are narrower than their headings: those are cut at the cell's edge.
            const bool thumbnail = size.width() < 1280;
            QVERIFY2(collisions(sheet, thumbnail).isEmpty(),
                     qPrintable("analysis" + where + collisions(sheet, thumbnail).join(", ")));
        }
        // The printed pages on A4 (the PDF's path), in 1/96-inch units.
        for (const PageKind kind : {PageKind::Trend, PageKind::Table, PageKind::Analysis}) {
            TextRecorder a4(794, 1123);
            {
                QPainter p(&a4);
                PageRenderer::printPage(p, 96, 96, QRect(0, 0, 794, 1123), kind, data);
            }
            QVERIFY(!a4.items.isEmpty());
            QVERIFY2(collisions(a4).isEmpty(), qPrintable(QStringLiteral("%2 A4 page %1: ").arg(int(kind)).arg(lang) +
                                                          collisions(a4).join(", ")));
        }
    }

    void zoomedTrendsReduceEachColumnExactly() {
        const FullNight night;
        PageData data = night.data();
        data.span = static_cast<int>(night.samples.size());
        // Column reduction from the block summary draws the same pixels as from every sample.
        const QImage direct = PageRenderer::renderScreen(PageKind::Trend, data, QSize(1280, 800));
        const SignalBlocks blocks = summariseBlocks(night.samples);
        data.blocks = &blocks;
        QCOMPARE(PageRenderer::renderScreen(PageKind::Trend, data, QSize(1280, 800)), direct);
        // The nadir of a dip reaches the plot: each dip (SpO2 86) shows at the whole-night zoom.
        const auto l = TrendPage::layout(QRect(0, 0, 1280, 800), data.span);
        const int dipY = TrendPage::spo2Y(l, 86);
        const int column = l.xOf(310, 0); // inside the first dip
        QCOMPARE(at(direct, column, dipY), QColor(255, 0, 0));
        // A narrow zoom spreads samples: 300 samples over the plot, from a start sample.
        data.span = 300;
        data.firstSample = 700;
        const QImage narrow = PageRenderer::renderScreen(PageKind::Trend, data, QSize(1280, 800));
        const auto ln = TrendPage::layout(QRect(0, 0, 1280, 800), 300);
        QCOMPARE(at(narrow, ln.xOf(910, 700), TrendPage::spo2Y(ln, 86)), QColor(255, 0, 0));     // 900 + 10: in a dip
        QCOMPARE(at(narrow, ln.xOf(800, 700), TrendPage::spo2Y(ln, 86)), QColor(250, 245, 171)); // 95 %: nothing at 86
    }

    // Every column's first, lowest, highest and last value is that of a literal scan of
    // the samples the column covers: sample i lies in column c when c * span / width
    // <= i - origin < (c + 1) * span / width (or, rounding up, when (i - origin) * width
    // / span == c); a column narrower than a sample shows the sample at its start.
    void columnReducerEqualsALiteralScanOfEachColumn() {
        for (const int n : {1, 7, 300, 4099}) {
            const std::vector<SampleRecord> s = noisySignal(n, static_cast<std::uint32_t>(n));
            const SignalBlocks blocks = summariseBlocks(s);
            for (const int width : {1, 3, n / 7 + 1, n - 1, n, n + 1, 2 * n + 3, 1900}) {
                // The whole recording, a window running past its end, and columns read from sample 1.
                const std::int64_t windows[][4] = {{0, n, 0, n}, {n / 3, n, n / 3, n}, {0, 5 * n / 4 + 1, 1, n}};
                for (const auto& [origin, span, from, end] : windows) {
                    for (int variant = 0; variant < 8 && width > 0; ++variant) {
                        ColumnGrid grid{origin, span, width, (variant & 2) != 0, width, from, end, (variant & 4) != 0};
                        const QString where = QStringLiteral("n %1 width %2 origin %3 from %4 variant %5")
                                                  .arg(n)
                                                  .arg(width)
                                                  .arg(origin)
                                                  .arg(from)
                                                  .arg(variant);
                        const QString wrong = mismatch(s, blocks, grid, (variant & 1) != 0);
                        QVERIFY2(wrong.isEmpty(), qPrintable(where + wrong));
                    }
                }
            }
        }
    }

    void printingUsesNinetySixUnitsPerInchAndOnePage() {
        QCOMPARE(PageRenderer::viewportExtent(600, 600), QRect(0, 0, 6250, 4375));
        test::TempDir dir;
        const auto s = series(3000);
        const QString path = QString::fromStdString(dir.file("p.pdf"));
        QVERIFY(PageRenderer::writePdf(path.toStdString(), PageKind::Trend, dataOf(s)).ok());
        QCOMPARE(test::pdfPageCount(test::readFile(path.toStdString())), 1);
        QVERIFY(!PageRenderer::writePdf(dir.file("none/p.pdf"), PageKind::Trend, dataOf(s)).ok());
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
