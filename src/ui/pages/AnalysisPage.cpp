#include "pages/AnalysisPage.h"

#include "analysis/AnalysisSheet.h"
#include "pages/ColumnReducer.h"
#include "pages/HeaderBand.h"
#include "pages/Language.h"
#include "pages/TextFlow.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <clocale>
#include <cstring>

namespace kestrova::pages {
namespace {

constexpr int kLeftTop = Qt::AlignLeft | Qt::AlignTop;

// A compressed trace: sample j at x = xStart + j / k. Each column is reduced to its
// first, lowest, highest and last point, which covers exactly the pixels of the
// polyline through every sample, with a few points per column instead of k.
// `yOf` is monotonic, so the lowest and highest points are those of the column's
// lowest and highest value.
template <typename YOf>
void drawCompressed(QPainter& p, std::span<const SampleRecord> s, int channel, int k, int xStart, int xMax, YOf yOf) {
    if (s.empty() || k <= 0) return;
    // The polyline starts at sample 0; the columns then continue it from sample 1.
    ColumnGrid grid;
    grid.samples = k;
    grid.count = std::max(0, xMax - xStart + 1);
    grid.from = 1;
    grid.end = static_cast<std::int64_t>(s.size());
    const std::vector<ColumnValues> columns = ColumnReducer(s).reduce(grid);
    QPolygon poly;
    poly.reserve(static_cast<int>(std::min<std::size_t>(s.size(), 4u * static_cast<std::size_t>(xMax - xStart + 2))));
    poly << QPoint(xStart, yOf(channel == 0 ? s[0].spo2 : s[0].pulseRate));
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnValues& v = columns[c];
        if (!v.counted) continue;
        const int x = xStart + static_cast<int>(c);
        const int first = yOf(v.first[channel]), last = yOf(v.last[channel]);
        const int a = yOf(v.lo[channel]), b = yOf(v.hi[channel]);
        const int lo = std::min(a, b), hi = std::max(a, b);
        poly << QPoint(x, first);
        if (lo != first && lo != last) poly << QPoint(x, lo);
        if (hi != first && hi != last) poly << QPoint(x, hi);
        if (last != first) poly << QPoint(x, last);
    }
    p.drawPolyline(poly);
}

void eventStrip(QPainter& p, const EventList& events, int k, int x0, int x1, int top, int height, const QColor& c) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(edges(x0 + 20, top, x1, top + height).adjusted(0, 0, -1, -1));
    p.setPen(QPen(c, 1));
    for (const auto& e : events) {
        const int x = x0 + 20 + e.start / k;
        if (x <= x1) line(p, x, top, x, top + height);
    }
}

} // namespace

QRect AnalysisPage::sheetRect(const QRect& d, bool printing) {
    if (printing) return d;
    const int W = d.width(), H = d.height();
    return edges(W * 30 / 100, d.top() + 10, W * 30 / 100 + (H - 20) * 210 / 297, H - 10);
}

int AnalysisPage::compression(std::int64_t count, const QRect& sheet) {
    const int x0 = sheet.left() + 20, x1 = sheet.left() + sheet.width() - 10;
    const int width = x1 - x0 - 20;
    return width > 0 && count > width ? static_cast<int>(count / width) : 1;
}

AnalysisPage::Geometry AnalysisPage::geometry(const QRect& d, bool printing, std::int64_t count) {
    Geometry g;
    g.sheet = sheetRect(d, printing);
    const int Sl = g.sheet.left(), Sr = Sl + g.sheet.width(), Sb = g.sheet.top() + g.sheet.height();
    g.headerBottom = HeaderBand::analysisBottom(g.sheet);
    g.summary = edges(Sl + 20, g.headerBottom + 10, Sr - 10, Sb - 10);
    g.column = (Sr - Sl - 30) / 2;
    g.graphicTitleTop = g.headerBottom + 213;
    g.scaleLeft = Sl + 20;
    g.plotRight = Sr - 10;
    g.bottom = Sb - 10;
    g.spo2Top = g.graphicTitleTop + 14 + 25;
    const int R = g.bottom - g.spo2Top;
    g.graphHeight = R * 35 / 100;
    g.pulseTitleTop = g.spo2Top + R * 45 / 100;
    g.pulseTop = g.spo2Top + R * 52 / 100;
    g.stripGap = R * 3 / 100;
    g.stripHeight = R * 2 / 100;
    g.timeAxis = g.pulseTop + g.graphHeight * 8 / 7 + g.stripGap;
    g.samplesPerUnit = compression(count, g.sheet);
    return g;
}

namespace {

// The figures of the sheet come from the core as the C library printed them, with the
// decimal point of the process's C locale; the page writes them with the pages' locale.
QString figure(const std::string& printed) {
    QString out = QString::fromStdString(printed);
    const char* point = std::localeconv()->decimal_point;
    if (point && std::strcmp(point, ".") != 0) out.replace(QString::fromLocal8Bit(point), QStringLiteral("."));
    return ui::Language::decimal(out);
}

// The table of event figures (left) and threshold counts (right), 14 units a row.
void drawSummaryTable(QPainter& p, TextFlow& flow, const AnalysisPage::Geometry& g, const AnalysisResult& r) {
    const QRect& A = g.summary;
    const int Al = A.left(), Ar = A.left() + A.width(), At = A.top();
    const int c = g.column, e = c * 51 / 100, q = c * 40 / 100;
    auto cell = [&](int row, int col, int w, const QString& s) {
        const int top = At + 14 * (row - 1), bottom = At + 14 * row;
        QRect rect;
        if (col <= 3) {
            rect = edges(Al + w * (col - 1), top, Al + w * col, bottom);
        } else if (col == 4) {
            const int L4 = Al + (Ar - Al) / 2 + 5;
            rect = edges(L4, top, L4 + (Ar - L4) / 2 + w, bottom);
        } else {
            const int h = (Ar - Al) / 2;
            rect = edges(Al + h + h * 70 / 100, top, Ar, bottom);
        }
        flow.text(rect, kLeftTop, s);
    };
    const auto rows = summaryRows(r);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const bool heading = row == 1;
        p.setFont(heading ? arial(14, true) : arial(13, false));
        cell(row, 1, e, QString::fromStdString(rows[i].label));
        cell(row, 2, heading ? c * 60 / 100 : c * 60 / 100 + 5,
             heading ? QString::fromStdString(rows[i].spo2) : figure(rows[i].spo2));
        cell(row, 3, heading ? q : q + 5, heading ? QString::fromStdString(rows[i].pulse) : figure(rows[i].pulse));
    }
    p.setFont(arial(13, false));
    const auto right = thresholdRows(r);
    for (std::size_t i = 0; i < right.size(); ++i) {
        cell(static_cast<int>(i) + 2, 4, e, QString::fromStdString(right[i].text));
        cell(static_cast<int>(i) + 2, 5, e, QString::fromStdString(right[i].unit));
    }
    p.setPen(QPen(Qt::black, 1));
    line(p, Al + (Ar - Al) / 2, At, Al + (Ar - Al) / 2, At + 168);
    line(p, Al - 10, At + 168, Ar, At + 168);
}

void drawCriteria(TextFlow& flow, const AnalysisPage::Geometry& g, const PageData& data) {
    const QRect& A = g.summary;
    const int Al = A.left(), Ar = A.left() + A.width(), At = A.top(), Ab = A.top() + A.height();
    flow.text(edges(Al, At + 169, Ar, Ab), kLeftTop,
              QString::fromStdString(desaturationCriteria(data.desaturationsEvent)));
    flow.text(edges(Al, At + 183, Ar, Ab), kLeftTop, QString::fromStdString(pulseCriteria(data.pulseEvent)));
}

// One compressed trend with its dotted grid, scale labels and event strip.
struct GraphDescription {
    int top;
    int gridLines;                               // dotted lines at top + G * j / gridLines, j < gridLines
    std::vector<std::pair<int, QString>> labels; // y offset from the top, text
    QColor colour;
    int channel;                              // 0 SpO2, 1 pulse
    int (*y)(int value, int top, int height); // monotonic in the value
    const EventList* events;
    int stripLabelDrop; // the "Event" label's offset below the strip's top
};

void drawGraph(QPainter& p, TextFlow& flow, const AnalysisPage::Geometry& g, const PageData& data,
               const GraphDescription& s) {
    const int x0 = g.scaleLeft, x1 = g.plotRight, G = g.graphHeight, k = g.samplesPerUnit;
    const QPen black(Qt::black, 1);
    p.setPen(black);
    line(p, x0 + 20, s.top, x0 + 20, s.top + G);
    line(p, x0 + 20, s.top + G, x1, s.top + G);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int j = 0; j < s.gridLines; ++j)
        line(p, x0 + 20, s.top + G * j / s.gridLines, x1, s.top + G * j / s.gridLines);
    p.setPen(black);
    for (const auto& [dy, text] : s.labels) flow.textAt(x0, s.top + dy, text);
    p.setPen(QPen(s.colour, 1));
    drawCompressed(p, data.samples, s.channel, k, x0 + 21, x1, [&](int v) { return s.y(v, s.top, G); });
    eventStrip(p, *s.events, k, x0, x1, s.top + G + g.stripGap, g.stripHeight, s.colour);
    p.setPen(black);
    flow.textAt(x0 - 12, s.top + G + s.stripLabelDrop, text(str::EventStrip));
}

void drawTimeAxis(QPainter& p, TextFlow& flow, const AnalysisPage::Geometry& g, const PageData& data) {
    const int x0 = g.scaleLeft, ya = g.timeAxis, w = g.plotRight - x0 - 20;
    const auto count = static_cast<std::int64_t>(data.samples.size());
    line(p, x0 + 20, ya, g.plotRight, ya);
    for (int j = 0; j <= 9; ++j) {
        const int x = x0 + 20 + j * w / 10;
        if (j % 2 == 0) {
            line(p, x, ya, x, ya + 2);
            continue;
        }
        line(p, x, ya, x, ya + 4);
        const std::int64_t idx = static_cast<std::int64_t>(j * w / 10) * g.samplesPerUnit;
        if (idx < count)
            flow.text(edges(x0 + j * w / 10 - 5, ya + 1, x0 + j * w / 10 + 45, g.bottom + 1),
                      Qt::AlignHCenter | Qt::AlignTop,
                      HeaderBand::timeText(data.samples[static_cast<std::size_t>(idx)]));
    }
}

} // namespace

void AnalysisPage::draw(QPainter& p, const QRect& d, const PageData& data, bool printing) {
    p.fillRect(d, QColor(196, 196, 196));
    const Geometry g = geometry(d, printing, static_cast<std::int64_t>(data.samples.size()));
    p.fillRect(g.sheet, Qt::white);
    if (data.samples.empty()) return;
    p.setBackgroundMode(Qt::TransparentMode);
    p.setPen(Qt::black);
    HeaderBand::drawAnalysis(p, g.sheet, data);
    const AnalysisResult empty;
    const AnalysisResult& r = data.analysis ? *data.analysis : empty;
    TextFlow flow(p);
    drawSummaryTable(p, flow, g, r);
    drawCriteria(flow, g, data);

    p.setFont(arial(14, true));
    flow.textAt(g.scaleLeft, g.graphicTitleTop, text(str::GraphicSummary));
    p.setFont(arial(13, false));
    flow.textAt(g.scaleLeft, g.graphicTitleTop + 14, text(str::Spo2Scale));
    const int G = g.graphHeight;
    drawGraph(p, flow, g, data,
              {g.spo2Top,
               3,
               {{-7, QStringLiteral("100")},
                {G / 3 - 7, QStringLiteral("90")},
                {2 * G / 3 - 7, QStringLiteral("80")},
                {G - 7, QStringLiteral("70")}},
               QColor(0, 255, 0),
               0,
               [](int spo2, int top, int height) { return top + (100 - std::clamp(spo2, 70, 100)) * height / 30; },
               &r.desaturationEvents,
               g.stripHeight});
    flow.textAt(g.scaleLeft, g.pulseTitleTop, text(str::PulseScale));
    std::vector<std::pair<int, QString>> pulseLabels;
    for (int j : {0, 1, 3, 5}) pulseLabels.emplace_back(G * j / 7 - 5, QString::number(180 - 20 * j));
    pulseLabels.emplace_back(G - 5, QStringLiteral("40"));
    drawGraph(p, flow, g, data,
              {g.pulseTop, 7, pulseLabels, QColor(0, 0, 250), 1,
               [](int pulse, int top, int height) { return top + (180 - std::clamp(pulse, 40, 180)) * height / 140; },
               &r.pulseEvents, g.stripHeight + 1});
    drawTimeAxis(p, flow, g, data);
}

} // namespace kestrova::pages
