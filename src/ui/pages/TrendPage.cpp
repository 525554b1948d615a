#include "pages/TrendPage.h"

#include "pages/ColumnReducer.h"
#include "pages/HeaderBand.h"
#include "pages/TextFlow.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>

#include <vector>

namespace kestrova::pages {
namespace {

constexpr int kLeftTop = Qt::AlignLeft | Qt::AlignTop;

void drawMarker(QPainter& p, const Marker& m) {
    if (m.hidden()) return;
    p.setPen(QPen(QColor(128, 128, 255), 1));
    const int end = m.extendsDown ? m.y + m.length : m.y - m.length;
    const int s = m.extendsDown ? 5 : -5;
    line(p, m.x, m.y, m.x, end);
    line(p, m.x - 5, m.y + s, m.x, m.y);
    line(p, m.x + 5, m.y + s, m.x, m.y);
}

// Each plot column's first, lowest, highest and last value of both signals, for spans
// wider than the plot: one pass over the samples serves both panels.
std::vector<ColumnValues> reduceColumns(const TrendPage::Layout& l, const PageData& data) {
    const std::int64_t i0 = TrendPage::firstSample(l, data);
    if (i0 < 0 || l.span <= l.samplesPerScreen) return {};
    // Column x - xL starts at sampleAt(x, i0).
    ColumnGrid grid;
    grid.origin = i0;
    grid.samples = l.span;
    grid.columns = std::max(1, l.samplesPerScreen);
    grid.count = l.samplesPerScreen;
    grid.from = i0;
    grid.end = std::min<std::int64_t>(static_cast<std::int64_t>(data.samples.size()), i0 + l.span);
    return ColumnReducer(data.samples, SampleRule::Every, data.blocks).reduce(grid);
}

// A zoomed trace. Wider spans draw each column's reduced values (yOf never rises with
// the value, so the lowest value is the lowest point); narrower ones spread the
// samples over the width.
template <typename YOf>
void drawZoomedTrace(QPainter& p, const TrendPage::Layout& l, const PageData& data,
                     const std::vector<ColumnValues>& columns, int channel, YOf yOf) {
    QPolygon poly;
    if (l.span <= l.samplesPerScreen) {
        const auto count = static_cast<std::int64_t>(data.samples.size());
        const std::int64_t i0 = TrendPage::firstSample(l, data);
        const std::int64_t end = std::min<std::int64_t>(count, i0 + l.span);
        for (std::int64_t i = std::max<std::int64_t>(i0, 0); i < end; ++i) {
            const SampleRecord& r = data.samples[static_cast<std::size_t>(i)];
            poly << QPoint(l.xOf(i, i0), yOf(channel == 0 ? r.spo2 : r.pulseRate));
        }
        p.drawPolyline(poly);
        return;
    }
    // Per column a vertical stroke over its range and a step from the last value of
    // the column before: the pixels of a line through every sample, in one batch of
    // straight lines (far cheaper to raster than one long polyline).
    QVector<QLine> lines;
    lines.reserve(2 * static_cast<int>(columns.size()));
    int previousLast = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ColumnValues& v = columns[c];
        const int x = l.xL() + static_cast<int>(c);
        const int first = yOf(v.first[channel]), last = yOf(v.last[channel]);
        if (c > 0) lines << QLine(x - 1, previousLast, x, first);
        lines << QLine(x, yOf(v.hi[channel]), x, yOf(v.lo[channel]));
        previousLast = last;
    }
    p.drawLines(lines);
}

// One trace: sample i0 + k at x = xL + k, one point per unit of width.
template <typename YOf>
void drawTrace(QPainter& p, const TrendPage::Layout& l, const PageData& data, const std::vector<ColumnValues>& columns,
               int channel, YOf yOf) {
    if (l.zoomed() || data.firstSample >= 0) return drawZoomedTrace(p, l, data, columns, channel, yOf);
    const std::uint8_t SampleRecord::*field = channel == 0 ? &SampleRecord::spo2 : &SampleRecord::pulseRate;
    const auto count = static_cast<std::int64_t>(data.samples.size());
    const std::int64_t i0 = static_cast<std::int64_t>(data.currentPage) * l.samplesPerScreen;
    if (i0 >= count || l.samplesPerScreen <= 0) return;
    const int xL = l.xL(), xR = xL + l.samplesPerScreen;
    QPolygon poly;
    poly.reserve(l.samplesPerScreen + 1);
    poly << QPoint(xL + 1, yOf(data.samples[static_cast<std::size_t>(i0)].*field));
    for (int x = xL + 1; x <= xR; ++x) {
        const std::int64_t i = i0 + (x - xL);
        if (i > count - 1) break;
        poly << QPoint(x, yOf(data.samples[static_cast<std::size_t>(i)].*field));
    }
    p.drawPolyline(poly);
}

void drawTimeLabels(QPainter& p, TextFlow& flow, const TrendPage::Layout& l, const PageData& data, const QRect& panel,
                    int yB, int evenTick, int labelTop, int labelBottom) {
    const int m = l.W * 89 / 6000;
    const int xL = l.xL();
    const auto count = static_cast<std::int64_t>(data.samples.size());
    p.setFont(arial(13, false));
    p.setPen(QPen(Qt::black, 1));
    for (int i = 1; i <= 2 * m; ++i) {
        const int x = xL + 30 * i;
        if (i % 2 == 0) {
            line(p, x, yB, x, yB + evenTick);
            const std::int64_t idx = l.sampleAt(x, TrendPage::firstSample(l, data));
            if (idx < count)
                flow.text(edges(panel.left() + 30 * i + 35, labelTop, panel.left() + 30 * i + 85, labelBottom),
                          Qt::AlignCenter, HeaderBand::timeText(data.samples[static_cast<std::size_t>(idx)]));
        } else {
            line(p, x, yB, x, yB + panel.height() * 2 / 100);
        }
    }
}

} // namespace

int TrendPage::pageCount(std::int64_t count, int sps) {
    if (sps <= 0 || count <= 0) return 0;
    return static_cast<int>(count / sps + (count % sps ? 1 : 0));
}

TrendPage::Layout TrendPage::layout(const QRect& d, int span) {
    Layout l;
    l.W = d.width();
    l.H = d.height();
    l.samplesPerScreen = samplesPerScreen(l.W);
    l.span = span > 0 ? span : l.samplesPerScreen;
    l.band = HeaderBand::trendBand(d);
    l.bandBottom = l.band.top() + l.band.height();
    const int Bl = l.band.left(), Br = l.band.left() + l.band.width(), Bb = l.bandBottom;
    l.spo2Panel = edges(Bl, Bb + 10, Br, Bb + (l.H - Bb) / 2 + 5);
    const int Sbottom = l.spo2Panel.top() + l.spo2Panel.height();
    l.pulsePanel = edges(Bl, Sbottom + 10, Br, l.H - 5);
    l.plotHeight = l.H * 20 / 100;
    const int xL = Bl + 60, xR = xL + l.samplesPerScreen;
    const int sT = l.spo2Panel.top() + l.spo2Panel.height() * 27 / 100;
    const int qT = l.pulsePanel.top() + l.H * 7 / 100;
    l.spo2Plot = edges(xL, sT, xR + 1, sT + l.plotHeight);
    l.pulsePlot = edges(xL, qT, xR + 1, qT + l.plotHeight);
    const int sh = l.spo2Panel.height(), qh = l.pulsePanel.height();
    l.spo2Readouts = edges(Bl + l.W * 29 / 100 + 110, l.spo2Panel.top() + sh * 9 / 100, Bl + l.W * 78 / 100 + 125,
                           l.spo2Panel.top() + sh * 18 / 100 + 20);
    l.pulseReadouts = edges(Bl + l.W * 32 / 100 + 110, l.pulsePanel.top() + qh * 6 / 100, Bl + l.W * 80 / 100 + 145,
                            l.pulsePanel.top() + qh * 6 / 100 + 20);
    return l;
}

namespace {

// What sets the SpO2 and pulse panels apart; drawPanel draws either from it.
struct PanelDescription {
    QRect panel, plot; // plot: (xL, yT, xR + 1, yB)
    QColor fill;
    QRect labelRects[4]; // title, "RecordDate : ", "RecordTime : ", value label
    QString labels[4];
    QRect readoutRects[3]; // date, time, value
    QString readouts[3];   // empty when the screen shows none
    void (*scale)(QPainter& p, TextFlow& flow, const PanelDescription& panel, int samplesPerScreen);
    int evenTick, timeLabelTop, timeLabelBottom;
    QColor trace;
    int channel;                                     // 0 SpO2, 1 pulse
    int (*y)(int value, int bottom, int plotHeight); // never rises with the value
};

int left(const PanelDescription& s) {
    return s.panel.left();
}
int spo2Y(int v, int bottom, int P) {
    return bottom - std::min(v, 100) * P / 100;
}
int pulseY(int v, int bottom, int P) {
    return bottom - v * P / 300;
}
int plotBottom(const PanelDescription& s) {
    return s.plot.top() + s.plot.height();
}

// 100 to 0 in steps of 20, each line with dashes across the plot.
void spo2Scale(QPainter& p, TextFlow& flow, const PanelDescription& s, int sps) {
    const int xL = s.plot.left(), yT = s.plot.top(), yB = plotBottom(s), P = s.plot.height();
    for (int j = 0; j <= 5; ++j) {
        const int y = j == 5 ? yB : yT + j * (P / 5);
        line(p, left(s) + 45, y, xL, y);
        flow.text(edges(left(s) + 10, y - 10, left(s) + 45, y + 10), Qt::AlignCenter, QString::number(100 - 20 * j));
        if (j < 5)
            for (int k = 20; k < sps + 16; k += 20) line(p, xL + k, y, xL + k + 4, y);
    }
}

// 300 to 0 in steps of 50, long ticks at every other line, dashes every sixth of the plot height.
void pulseScale(QPainter& p, TextFlow& flow, const PanelDescription& s, int sps) {
    const int xL = s.plot.left(), yT = s.plot.top(), yB = plotBottom(s), P = s.plot.height();
    const int half = s.panel.height() * 5 / 100;
    auto label = [&](int y, const QString& text) {
        flow.text(edges(left(s) + 10, y - half, left(s) + 45, y + half), Qt::AlignCenter, text);
    };
    label(yT, QStringLiteral("300"));
    line(p, left(s) + 45, yT, xL, yT);
    for (int j = 0; j <= 5; ++j) {
        const int y = yT + j * (P / 6);
        line(p, j % 2 == 0 ? left(s) + 55 : left(s) + 45, y, xL, y);
        label(y, QString::number((6 - j) * 50));
        for (int n = 1;; ++n) {
            const int dd = n * P / 6;
            if (!(xL + 4 + dd < xL + sps + P / 6) || P <= 0) break;
            line(p, xL + dd, y, xL + dd + 4, y);
        }
    }
    line(p, left(s) + 45, yB, xL, yB);
    label(yB, QStringLiteral("0"));
}

void drawPanel(QPainter& p, TextFlow& flow, const TrendPage::Layout& l, const PageData& data, const PanelDescription& s,
               const std::vector<ColumnValues>& columns) {
    const int xL = s.plot.left(), yT = s.plot.top(), yB = plotBottom(s);
    const int right = s.panel.left() + s.panel.width();
    p.fillRect(s.panel, s.fill);
    raisedEdge(p, s.panel);
    p.setPen(QPen(Qt::black, 1));
    p.setFont(arial(19, true));
    for (int i = 0; i < 4; ++i) flow.text(s.labelRects[i], kLeftTop, s.labels[i]);
    p.setFont(arial(18, false));
    for (int i = 0; i < 3; ++i) flow.text(s.readoutRects[i], kLeftTop, s.readouts[i]);
    p.setPen(QPen(QColor(79, 79, 79), 2));
    line(p, xL, yT, xL, yB);
    line(p, xL, yB, right, yB);
    p.setPen(QPen(Qt::black, 1));
    s.scale(p, flow, s, l.samplesPerScreen);
    drawTimeLabels(p, flow, l, data, s.panel, yB, s.evenTick, s.timeLabelTop, s.timeLabelBottom);
    p.setPen(QPen(s.trace, 1));
    drawTrace(p, l, data, columns, s.channel, [&](int v) { return s.y(v, yB, s.plot.height()); });
}

PanelDescription spo2Panel(const TrendPage::Layout& l, const TrendReadouts* readouts) {
    const QRect& S = l.spo2Panel;
    const int W = l.W, Sh = S.height(), Sr = S.left() + S.width();
    const int ly = S.top() + Sh * 9 / 100, lh = Sh * 8 / 100;
    PanelDescription s{S,
                       l.spo2Plot,
                       QColor(250, 245, 171),
                       {},
                       {},
                       {},
                       {},
                       spo2Scale,
                       Sh * 3 / 100,
                       l.spo2Bottom() + Sh * 3 / 100,
                       l.spo2Bottom() + Sh * 7 / 100,
                       QColor(255, 0, 0),
                       0,
                       spo2Y};
    const int x[4] = {S.left() + 10, S.left() + 10 + W * 29 / 100, S.left() + 10 + W * 53 / 100,
                      S.left() + 10 + W * 78 / 100};
    const QString labels[4] = {text(str::Spo2Scale), text(str::RecordDate), text(str::RecordTime),
                               QStringLiteral("Spo2 : ")};
    for (int i = 0; i < 4; ++i) {
        s.labelRects[i] = edges(x[i], ly, Sr, ly + lh);
        s.labels[i] = labels[i];
    }
    s.readoutRects[0] = edges(S.left() + W * 29 / 100 + 110, ly, S.left() + W * 29 / 100 + 210, ly + Sh * 9 / 100);
    s.readoutRects[1] = edges(S.left() + W * 53 / 100 + 115, ly, S.left() + W * 53 / 100 + 180, ly + Sh * 9 / 100);
    s.readoutRects[2] = edges(S.left() + W * 78 / 100 + 65, ly, S.left() + W * 78 / 100 + 125, ly + 20);
    if (readouts) {
        s.readouts[0] = readouts->date;
        s.readouts[1] = readouts->time;
        s.readouts[2] = readouts->spo2;
    }
    return s;
}

PanelDescription pulsePanel(const TrendPage::Layout& l, const TrendReadouts* readouts) {
    const QRect& Q = l.pulsePanel;
    const int W = l.W, H = l.H, Qh = Q.height(), Qr = Q.left() + Q.width();
    const int ly = Q.top() + Qh * 6 / 100;
    PanelDescription s{Q,
                       l.pulsePlot,
                       QColor(193, 250, 253),
                       {},
                       {},
                       {},
                       {},
                       pulseScale,
                       8,
                       l.pulseBottom() + Qh * 4 / 100,
                       l.pulseBottom() + Qh * 9 / 100,
                       QColor(Qt::black),
                       1,
                       pulseY};
    const int x[4] = {Q.left() + Qh * 6 / 100, Q.left() + W * 32 / 100 + 10, Q.left() + W * 55 / 100 + 10,
                      Q.left() + W * 80 / 100 + 10};
    const QString labels[4] = {text(str::PulseScale), text(str::RecordDate), text(str::RecordTime),
                               QCoreApplication::translate("TrendPage", "PR : ")};
    for (int i = 0; i < 4; ++i) {
        s.labelRects[i] = edges(x[i], ly, Qr, H);
        s.labels[i] = labels[i];
    }
    s.readoutRects[0] = edges(Q.left() + W * 32 / 100 + 110, ly, Q.left() + W * 32 / 100 + 210, ly + 20);
    s.readoutRects[1] = edges(Q.left() + W * 55 / 100 + 115, ly, Q.left() + W * 55 / 100 + 215, ly + 20);
    s.readoutRects[2] = edges(Q.left() + W * 80 / 100 + 45, ly, Q.left() + W * 80 / 100 + 145, ly + 20);
    if (readouts) {
        s.readouts[0] = readouts->date;
        s.readouts[1] = readouts->time;
        s.readouts[2] = readouts->pulse;
    }
    return s;
}

} // namespace

void TrendPage::draw(QPainter& p, const QRect& d, const PageData& data, const TrendReadouts* readouts,
                     const Marker* spo2Marker, const Marker* pulseMarker) {
    const Layout l = layout(d, data.span);
    p.fillRect(d, QColor(255, 182, 147));
    p.setBackgroundMode(Qt::TransparentMode);
    HeaderBand::drawTrend(p, d, data);
    {
        TextFlow flow(p);
        const std::vector<ColumnValues> columns = reduceColumns(l, data);
        drawPanel(p, flow, l, data, spo2Panel(l, readouts), columns);
        drawPanel(p, flow, l, data, pulsePanel(l, readouts), columns);
    }
    if (spo2Marker) drawMarker(p, *spo2Marker);
    if (pulseMarker) drawMarker(p, *pulseMarker);
}

} // namespace kestrova::pages
