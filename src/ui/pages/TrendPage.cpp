#include "pages/TrendPage.h"

#include "pages/HeaderBand.h"
#include "pages/TextFlow.h"

#include <QPainter>
#include <QPolygon>

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

// One trace: sample i0 + k at x = xL + k, one point per unit of width.
template <typename YOf> void drawTrace(QPainter& p, const TrendPage::Layout& l, const PageData& data, YOf yOf) {
    const auto count = static_cast<std::int64_t>(data.samples.size());
    const std::int64_t i0 = static_cast<std::int64_t>(data.currentPage) * l.samplesPerScreen;
    if (i0 >= count || l.samplesPerScreen <= 0) return;
    const int xL = l.xL(), xR = xL + l.samplesPerScreen;
    QPolygon poly;
    poly.reserve(l.samplesPerScreen + 1);
    poly << QPoint(xL + 1, yOf(data.samples[static_cast<std::size_t>(i0)]));
    for (int x = xL + 1; x <= xR; ++x) {
        const std::int64_t i = i0 + (x - xL);
        if (i > count - 1) break;
        poly << QPoint(x, yOf(data.samples[static_cast<std::size_t>(i)]));
    }
    p.drawPolyline(poly);
}

void drawTimeLabels(QPainter& p, TextFlow& flow, const TrendPage::Layout& l, const PageData& data, const QRect& panel, int yB,
                    int evenTick, int labelTop, int labelBottom) {
    const int m = l.W * 89 / 6000;
    const int xL = l.xL();
    const auto count = static_cast<std::int64_t>(data.samples.size());
    p.setFont(arial(13, false));
    p.setPen(QPen(Qt::black, 1));
    for (int i = 1; i <= 2 * m; ++i) {
        const int x = xL + 30 * i;
        if (i % 2 == 0) {
            line(p, x, yB, x, yB + evenTick);
            const std::int64_t idx = static_cast<std::int64_t>(data.currentPage) * l.samplesPerScreen + 30 * i;
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

TrendPage::Layout TrendPage::layout(const QRect& d) {
    Layout l;
    l.W = d.width();
    l.H = d.height();
    l.samplesPerScreen = samplesPerScreen(l.W);
    l.band = edges(10, 5, l.W - 10, l.H * 27 / 100 + 10);
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

void TrendPage::draw(QPainter& p, const QRect& d, const PageData& data, const TrendReadouts* readouts,
                     const Marker* spo2Marker, const Marker* pulseMarker) {
    const Layout l = layout(d);
    const int W = l.W, H = l.H, P = l.plotHeight, sps = l.samplesPerScreen;
    p.fillRect(d, QColor(255, 182, 147));
    p.setBackgroundMode(Qt::TransparentMode);
    HeaderBand::drawTrend(p, d, data);

    TextFlow flow(p);
    const QFont f2 = arial(19, true), f3 = arial(18, false);
    const QPen axisPen(QColor(79, 79, 79), 2);
    const QPen black(Qt::black, 1);
    const int xL = l.xL();

    // SpO2 panel.
    {
        const QRect& S = l.spo2Panel;
        const int Sh = S.height(), yT = l.spo2Plot.top(), yB = l.spo2Bottom();
        p.fillRect(S, QColor(250, 245, 171));
        raisedEdge(p, S);
        p.setPen(black);
        p.setFont(f2);
        const int ly = S.top() + Sh * 9 / 100, lh = Sh * 8 / 100, Sr = S.left() + S.width();
        flow.text(edges(S.left() + 10, ly, Sr, ly + lh), kLeftTop, text(str::Spo2Scale));
        flow.text(edges(S.left() + 10 + W * 29 / 100, ly, Sr, ly + lh), kLeftTop, text(str::RecordDate));
        flow.text(edges(S.left() + 10 + W * 53 / 100, ly, Sr, ly + lh), kLeftTop, text(str::RecordTime));
        flow.text(edges(S.left() + 10 + W * 78 / 100, ly, Sr, ly + lh), kLeftTop, QStringLiteral("Spo2 : "));
        if (readouts) {
            p.setFont(f3);
            flow.text(edges(S.left() + W * 29 / 100 + 110, ly, S.left() + W * 29 / 100 + 210, ly + Sh * 9 / 100),
                     kLeftTop, readouts->date);
            flow.text(edges(S.left() + W * 53 / 100 + 115, ly, S.left() + W * 53 / 100 + 180, ly + Sh * 9 / 100),
                     kLeftTop, readouts->time);
            flow.text(edges(S.left() + W * 78 / 100 + 65, ly, S.left() + W * 78 / 100 + 125, ly + 20), kLeftTop,
                     readouts->spo2);
        }
        p.setPen(axisPen);
        line(p, xL, yT, xL, yB);
        line(p, xL, yB, Sr, yB);
        p.setPen(black);
        p.setFont(f3);
        for (int j = 0; j <= 5; ++j) {
            const int y = j == 5 ? yB : yT + j * (P / 5);
            line(p, S.left() + 45, y, xL, y);
            flow.text(edges(S.left() + 10, y - 10, S.left() + 45, y + 10), Qt::AlignCenter,
                     QString::number(100 - 20 * j));
            if (j < 5)
                for (int k = 20; k < sps + 16; k += 20) line(p, xL + k, y, xL + k + 4, y);
        }
        drawTimeLabels(p, flow, l, data, S, yB, Sh * 3 / 100, yB + Sh * 3 / 100, yB + Sh * 7 / 100);
        p.setPen(QPen(QColor(255, 0, 0), 1));
        drawTrace(p, l, data, [&](const SampleRecord& s) { return yB - std::min<int>(s.spo2, 100) * P / 100; });
    }
    // Pulse-rate panel.
    {
        const QRect& Q = l.pulsePanel;
        const int Qh = Q.height(), yT = l.pulsePlot.top(), yB = l.pulseBottom();
        const int Qr = Q.left() + Q.width();
        p.fillRect(Q, QColor(193, 250, 253));
        raisedEdge(p, Q);
        p.setPen(black);
        p.setFont(f2);
        const int ly = Q.top() + Qh * 6 / 100;
        flow.text(edges(Q.left() + Qh * 6 / 100, ly, Qr, H), kLeftTop, text(str::PulseScale));
        flow.text(edges(Q.left() + W * 32 / 100 + 10, ly, Qr, H), kLeftTop, text(str::RecordDate));
        flow.text(edges(Q.left() + W * 55 / 100 + 10, ly, Qr, H), kLeftTop, text(str::RecordTime));
        flow.text(edges(Q.left() + W * 80 / 100 + 10, ly, Qr, H), kLeftTop, QStringLiteral("PR : "));
        if (readouts) {
            p.setFont(f3);
            flow.text(edges(Q.left() + W * 32 / 100 + 110, ly, Q.left() + W * 32 / 100 + 210, ly + 20), kLeftTop,
                     readouts->date);
            flow.text(edges(Q.left() + W * 55 / 100 + 115, ly, Q.left() + W * 55 / 100 + 215, ly + 20), kLeftTop,
                     readouts->time);
            flow.text(edges(Q.left() + W * 80 / 100 + 45, ly, Q.left() + W * 80 / 100 + 145, ly + 20), kLeftTop,
                     readouts->pulse);
        }
        p.setPen(axisPen);
        line(p, xL, yT, xL, yB);
        line(p, xL, yB, Qr, yB);
        p.setPen(black);
        p.setFont(f3);
        const int half = Qh * 5 / 100;
        flow.text(edges(Q.left() + 10, yT - half, Q.left() + 45, yT + half), Qt::AlignCenter, QStringLiteral("300"));
        line(p, Q.left() + 45, yT, xL, yT);
        for (int j = 0; j <= 5; ++j) {
            const int y = yT + j * (P / 6);
            line(p, j % 2 == 0 ? Q.left() + 55 : Q.left() + 45, y, xL, y);
            flow.text(edges(Q.left() + 10, y - half, Q.left() + 45, y + half), Qt::AlignCenter,
                     QString::number((6 - j) * 50));
            for (int n = 1;; ++n) {
                const int dd = n * P / 6;
                if (!(xL + 4 + dd < xL + sps + P / 6) || P <= 0) break;
                line(p, xL + dd, y, xL + dd + 4, y);
            }
        }
        line(p, Q.left() + 45, yB, xL, yB);
        flow.text(edges(Q.left() + 10, yB - half, Q.left() + 45, yB + half), Qt::AlignCenter, QStringLiteral("0"));
        drawTimeLabels(p, flow, l, data, Q, yB, 8, yB + Qh * 4 / 100, yB + Qh * 9 / 100);
        p.setPen(QPen(Qt::black, 1));
        drawTrace(p, l, data, [&](const SampleRecord& s) { return yB - int{s.pulseRate} * P / 300; });
    }
    flow.flush();
    if (spo2Marker) drawMarker(p, *spo2Marker);
    if (pulseMarker) drawMarker(p, *pulseMarker);
}

} // namespace kestrova::pages
