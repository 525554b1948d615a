#include "pages/AnalysisPage.h"

#include "analysis/AnalysisSheet.h"
#include "pages/HeaderBand.h"
#include "pages/TextFlow.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace kestrova::pages {
namespace {

constexpr int kLeftTop = Qt::AlignLeft | Qt::AlignTop;

// A compressed trace: sample j at x = xStart + j / k. Each column is reduced to its
// first, lowest, highest and last point, which covers exactly the pixels of the
// polyline through every sample, with a few points per column instead of k.
template <typename YOf>
void drawCompressed(QPainter& p, std::span<const SampleRecord> s, int k, int xStart, int xMax, YOf yOf) {
    if (s.empty() || k <= 0) return;
    QPolygon poly;
    poly.reserve(static_cast<int>(std::min<std::size_t>(s.size(), 4u * static_cast<std::size_t>(xMax - xStart + 2))));
    poly << QPoint(xStart, yOf(s[0]));
    std::size_t j = 1;
    while (j < s.size()) {
        const int x = xStart + static_cast<int>(j / static_cast<std::size_t>(k));
        if (x > xMax) break;
        const std::size_t columnEnd = std::min(s.size(), (j / static_cast<std::size_t>(k) + 1) * static_cast<std::size_t>(k));
        int first = yOf(s[j]), lo = first, hi = first, last = first;
        for (std::size_t i = j + 1; i < columnEnd; ++i) {
            last = yOf(s[i]);
            lo = std::min(lo, last);
            hi = std::max(hi, last);
        }
        poly << QPoint(x, first);
        if (lo != first && lo != last) poly << QPoint(x, lo);
        if (hi != first && hi != last) poly << QPoint(x, hi);
        if (last != first) poly << QPoint(x, last);
        j = columnEnd;
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

void AnalysisPage::draw(QPainter& p, const QRect& d, const PageData& data, bool printing) {
    p.fillRect(d, QColor(196, 196, 196));
    const QRect S = sheetRect(d, printing);
    p.fillRect(S, Qt::white);
    if (data.samples.empty()) return;
    p.setBackgroundMode(Qt::TransparentMode);
    p.setPen(Qt::black);
    const int Db = HeaderBand::drawAnalysis(p, S, data);
    const AnalysisResult empty;
    const AnalysisResult& r = data.analysis ? *data.analysis : empty;
    const QFont t5 = arial(14, true), t6 = arial(13, false);
    TextFlow flow(p);
    const int Sl = S.left(), Sr = S.left() + S.width(), Sb = S.top() + S.height();

    // Summary table.
    const QRect A = edges(Sl + 20, Db + 10, Sr - 10, Sb - 10);
    const int Al = A.left(), Ar = A.left() + A.width(), At = A.top(), Ab = A.top() + A.height();
    const int c = (Sr - Sl - 30) / 2, e = c * 51 / 100, q = c * 40 / 100;
    auto cell = [&](int row, int col, int w, const QString& s) {
        if (row < 1 || col < 1) return;
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
        p.setFont(row == 1 ? t5 : t6);
        const bool heading = row == 1;
        cell(row, 1, e, QString::fromStdString(rows[i].label));
        cell(row, 2, heading ? c * 60 / 100 : c * 60 / 100 + 5, QString::fromStdString(rows[i].spo2));
        cell(row, 3, heading ? q : q + 5, QString::fromStdString(rows[i].pulse));
    }
    p.setFont(t6);
    const auto right = thresholdRows(r);
    for (std::size_t i = 0; i < right.size(); ++i) {
        cell(static_cast<int>(i) + 2, 4, e, QString::fromStdString(right[i].text));
        cell(static_cast<int>(i) + 2, 5, e, QString::fromStdString(right[i].unit));
    }
    p.setPen(QPen(Qt::black, 1));
    line(p, Al + (Ar - Al) / 2, At, Al + (Ar - Al) / 2, At + 168);
    line(p, Al - 10, At + 168, Ar, At + 168);
    flow.text(edges(Al, At + 169, Ar, Ab), kLeftTop, QString::fromStdString(desaturationCriteria(data.desaturationsEvent)));
    flow.text(edges(Al, At + 183, Ar, Ab), kLeftTop, QString::fromStdString(pulseCriteria(data.pulseEvent)));

    // Graphic summary.
    const int x0 = Sl + 20, x1 = Sr - 10, yE = Sb - 10;
    int y = Db + 213;
    p.setFont(t5);
    flow.textAt(x0, y, text(str::GraphicSummary));
    p.setFont(t6);
    y += 14;
    flow.textAt(x0, y, text(str::Spo2Scale));
    y += 25;
    const int R = yE - y, G = R * 35 / 100, g3 = R * 3 / 100, g2 = R * 2 / 100;
    const auto count = static_cast<std::int64_t>(data.samples.size());
    const int k = compression(count, S);
    const QPen black(Qt::black, 1), dotted(Qt::black, 1, Qt::DotLine);

    // SpO2 graph.
    p.setPen(black);
    line(p, x0 + 20, y, x0 + 20, y + G);
    line(p, x0 + 20, y + G, x1, y + G);
    p.setPen(dotted);
    const int spo2Lines[3] = {y, y + G / 3, y + 2 * G / 3};
    const char* spo2Labels[3] = {"100", "90", "80"};
    for (int i = 0; i < 3; ++i) line(p, x0 + 20, spo2Lines[i], x1, spo2Lines[i]);
    p.setPen(black);
    for (int i = 0; i < 3; ++i) flow.textAt(x0, spo2Lines[i] - 7, QString::fromLatin1(spo2Labels[i]));
    flow.textAt(x0, y + G - 7, QStringLiteral("70"));
    p.setPen(QPen(QColor(0, 255, 0), 1));
    drawCompressed(p, data.samples, k, x0 + 21, x1, [&](const SampleRecord& s) {
        return y + (100 - std::clamp<int>(s.spo2, 70, 100)) * G / 30;
    });
    eventStrip(p, r.desaturationEvents, k, x0, x1, y + G + g3, g2, QColor(0, 255, 0));
    p.setPen(black);
    flow.textAt(x0 - 12, y + G + g2, text(str::EventStrip));

    // Pulse-rate graph.
    const int v = R * 52 / 100;
    flow.textAt(x0, y + R * 45 / 100, text(str::PulseScale));
    line(p, x0 + 20, y + v, x0 + 20, y + v + G);
    line(p, x0 + 20, y + v + G, x1, y + v + G);
    p.setPen(dotted);
    for (int j = 0; j <= 6; ++j) line(p, x0 + 20, y + v + G * j / 7, x1, y + v + G * j / 7);
    p.setPen(black);
    for (int j : {0, 1, 3, 5}) flow.textAt(x0, y + v + G * j / 7 - 5, QString::number(180 - 20 * j));
    flow.textAt(x0, y + v + G - 5, QStringLiteral("40"));
    p.setPen(QPen(QColor(0, 0, 250), 1));
    drawCompressed(p, data.samples, k, x0 + 21, x1, [&](const SampleRecord& s) {
        return y + v + (180 - std::clamp<int>(s.pulseRate, 40, 180)) * G / 140;
    });
    eventStrip(p, r.pulseEvents, k, x0, x1, y + v + G + g3, g2, QColor(0, 0, 250));
    p.setPen(black);
    flow.textAt(x0 - 12, y + v + G + g2 + 1, text(str::EventStrip));

    // Time axis.
    const int ya = y + v + G * 8 / 7 + g3, w = x1 - x0 - 20;
    line(p, x0 + 20, ya, x1, ya);
    for (int j = 0; j <= 9; ++j) {
        const int x = x0 + 20 + j * w / 10;
        if (j % 2 == 1) {
            line(p, x, ya, x, ya + 4);
            const std::int64_t idx = static_cast<std::int64_t>(j * w / 10) * k;
            if (idx < count)
                flow.text(edges(x0 + j * w / 10 - 5, ya + 1, x0 + j * w / 10 + 45, yE + 1), Qt::AlignHCenter | Qt::AlignTop,
                         HeaderBand::timeText(data.samples[static_cast<std::size_t>(idx)]));
        } else {
            line(p, x, ya, x, ya + 2);
        }
    }
}

} // namespace kestrova::pages
