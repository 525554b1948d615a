#include "pages/NightsComparison.h"

#include "pages/Language.h"
#include "pages/ReportDrawing.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace kestrova::pages {
using namespace report;

namespace {

constexpr int kRow = 14, kHeadRow = 28, kTitle = 21;
const QColor kOdiColour(0, 90, 180), kT90Colour(200, 110, 0), kNadirColour(150, 0, 120);

QString dateOf(const FollowUpNight& n) {
    const QString iso = QString::fromStdString(n.start.substr(0, std::min<std::size_t>(10, n.start.size())));
    const QDate date = QDate::fromString(iso, Qt::ISODate);
    return date.isValid() ? dateText(date) : iso;
}

// A round step giving about `ticks` intervals up to `high`.
double niceStep(double high, int ticks) {
    const double raw = std::max(1e-9, high / ticks);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double f : {1.0, 2.0, 5.0, 10.0})
        if (raw <= f * power) return f * power;
    return 10 * power;
}

QString number(double v, double step) {
    return ui::Language::decimal(QString::number(v, 'f', step < 1 ? 1 : 0));
}

} // namespace

NightsComparison::Layout NightsComparison::layout(const QRectF& area, std::size_t nights) {
    const QRect r = area.toRect();
    Layout l;
    // The table takes up to half the height; the chart the rest.
    const int fit = std::max(0, (r.height() / 2 - kTitle - kHeadRow) / kRow);
    l.rows = static_cast<int>(std::min<std::size_t>(nights, static_cast<std::size_t>(fit)));
    l.table = QRect(r.left(), r.top(), r.width(), kTitle + kHeadRow + l.rows * kRow + 14);
    const int chartTop = l.table.bottom() + 12;
    l.legend = QRect(r.left() + 44, chartTop + kTitle, r.width() - 88, 14);
    l.chart = QRect(r.left() + 44, l.legend.bottom() + 8, r.width() - 88,
                    std::max(20, r.bottom() - (l.legend.bottom() + 8) - 30));
    return l;
}

void NightsComparison::draw(QPainter& p, const QRectF& area, const std::vector<FollowUpNight>& nights) {
    p.save();
    const Layout l = layout(area, nights.size());
    const QRect r = area.toRect();
    p.setPen(Qt::black);
    p.setFont(arial(14, true));
    drawFitted(p, QRect(r.left(), r.top(), r.width(), 16), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("NightsComparison", "Nights compared"));
    // The table: the latest nights that fit, oldest first.
    static constexpr std::array<int, 9> at{0, 160, 270, 370, 470, 570, 680, 800, 1000};
    const std::array<QString, 8> heads{QCoreApplication::translate("NightsComparison", "Night\n"),
                                       QCoreApplication::translate("NightsComparison", "Duration\n"),
                                       QCoreApplication::translate("NightsComparison", "Valid\nh"),
                                       QCoreApplication::translate("NightsComparison", "ODI 3 %\n/h"),
                                       QCoreApplication::translate("NightsComparison", "ODI 4 %\n/h"),
                                       QCoreApplication::translate("NightsComparison", "T90\n%"),
                                       QCoreApplication::translate("NightsComparison", "Nadir\n%"),
                                       QCoreApplication::translate("NightsComparison", "Mean SpO2\n%")};
    const int left = r.left(), width = r.width();
    int y = r.top() + kTitle;
    p.fillRect(QRect(left, y, width, kHeadRow), QColor(232, 238, 242));
    p.setFont(arial(11, true));
    for (std::size_t c = 0; c < heads.size(); ++c) {
        const int x1 = left + at[c] * width / 1000, x2 = left + at[c + 1] * width / 1000;
        const QStringList lines = heads[c].split(QLatin1Char('\n'));
        for (int k = 0; k < lines.size(); ++k)
            drawFitted(p, QRect(x1 + 2, y + 1 + k * 13, x2 - x1 - 4, 13), Qt::AlignRight | Qt::AlignVCenter, lines[k]);
    }
    y += kHeadRow;
    const std::size_t firstShown = nights.size() - static_cast<std::size_t>(l.rows);
    p.setFont(arial(11, false));
    for (std::size_t i = firstShown; i < nights.size(); ++i) {
        const StudyFigures& f = nights[i].figures;
        const bool any = f.validSeconds > 0;
        const std::array<QString, 8> cells{
            QString::fromStdString(nights[i].start).replace(QLatin1Char('T'), QLatin1Char(' ')).left(16),
            durationText(f.recordedSeconds),
            one(static_cast<double>(f.validSeconds) / 3600.0),
            any ? one(f.odi3) : QStringLiteral("-"),
            any ? one(f.odi4) : QStringLiteral("-"),
            any ? one(f.t90Percent) : QStringLiteral("-"),
            any ? QString::number(f.nadir) : QStringLiteral("-"),
            any ? one(f.meanSpo2) : QStringLiteral("-"),
        };
        if ((i - firstShown) % 2 == 1) p.fillRect(QRect(left, y, width, kRow), QColor(246, 246, 246));
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const int x1 = left + at[c] * width / 1000, x2 = left + at[c + 1] * width / 1000;
            drawFitted(p, QRect(x1 + 2, y, x2 - x1 - 4, kRow), Qt::AlignRight | Qt::AlignVCenter, cells[c]);
        }
        y += kRow;
    }
    p.setFont(arial(10, false, true));
    if (firstShown > 0)
        drawText(
            p, QRect(left, y + 1, width, 12), Qt::AlignLeft | Qt::AlignVCenter,
            QCoreApplication::translate("NightsComparison", "%1 earlier nights in the chart only").arg(firstShown));

    // The chart: ODI 3 % (/h) and T90 (%) on the left scale, the nadir (%) on the right.
    const QRect c = l.chart;
    p.setPen(Qt::black);
    p.setFont(arial(14, true));
    drawFitted(p, QRect(r.left(), l.legend.top() - kTitle, r.width(), 16), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("NightsComparison", "ODI 3 %, T90 and nadir per night"));
    double high = 5;
    for (const auto& n : nights) high = std::max({high, n.figures.odi3, n.figures.t90Percent});
    const double step = niceStep(high, 5);
    high = std::ceil(high / step) * step;
    int nadirLow = 50;
    for (const auto& n : nights)
        if (n.figures.validSeconds > 0) nadirLow = std::min(nadirLow, n.figures.nadir / 10 * 10);
    auto yLeft = [&](double v) { return c.bottom() - static_cast<int>(std::lround(v / high * (c.height() - 1))); };
    auto yRight = [&](double v) {
        return c.bottom() - static_cast<int>(std::lround((v - nadirLow) / (100.0 - nadirLow) * (c.height() - 1)));
    };
    const int count = static_cast<int>(nights.size());
    auto xOf = [&](int i) { return c.left() + (2 * i + 1) * c.width() / std::max(1, 2 * count); };
    p.fillRect(c, Qt::white);
    p.setPen(QPen(kGridColour, 0));
    p.setFont(arial(10, false));
    for (double v = 0; v <= high + step / 2; v += step) {
        p.setPen(QPen(kGridColour, 0));
        if (v > 0 && v < high) p.drawLine(c.left(), yLeft(v), c.right(), yLeft(v));
        p.setPen(Qt::black);
        QRect box(c.left() - 40, yLeft(v) - 5, 36, 10);
        if (v + step / 2 > high) box.moveTop(c.top());
        if (v == 0) box.moveBottom(c.bottom());
        drawFitted(p, box, Qt::AlignRight | Qt::AlignVCenter, number(v, step));
    }
    for (int v = nadirLow; v <= 100; v += 10) {
        QRect box(c.right() + 4, yRight(v) - 5, 36, 10);
        if (v == 100) box.moveTop(c.top());
        if (v == nadirLow) box.moveBottom(c.bottom());
        p.setPen(kNadirColour);
        drawFitted(p, box, Qt::AlignLeft | Qt::AlignVCenter, QString::number(v));
    }
    p.setPen(Qt::black);
    // Dates under the plot where they have room.
    int lastRight = -1000;
    for (int i = 0; i < count; ++i) {
        const int x = xOf(i);
        if (x - 30 < lastRight + 4) continue;
        drawFitted(p, QRect(x - 30, c.bottom() + 4, 60, 11), Qt::AlignCenter,
                   dateOf(nights[static_cast<std::size_t>(i)]));
        p.drawLine(x, c.bottom() + 1, x, c.bottom() + 3);
        lastRight = x + 30;
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    auto series = [&](const QColor& colour, auto value, auto yOfValue) {
        p.setPen(QPen(colour, 1.5));
        p.setBrush(colour);
        QPoint previous;
        bool have = false;
        for (int i = 0; i < count; ++i) {
            const auto& f = nights[static_cast<std::size_t>(i)].figures;
            if (f.validSeconds <= 0) {
                have = false;
                continue;
            }
            const QPoint pt(xOf(i), yOfValue(value(f)));
            if (have) p.drawLine(previous, pt);
            p.drawEllipse(pt, 2, 2);
            previous = pt;
            have = true;
        }
    };
    series(
        kOdiColour, [](const StudyFigures& f) { return f.odi3; }, yLeft);
    series(
        kT90Colour, [](const StudyFigures& f) { return f.t90Percent; }, yLeft);
    series(
        kNadirColour, [](const StudyFigures& f) { return static_cast<double>(f.nadir); }, yRight);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(c.adjusted(0, 0, -1, -1));
    // The legend above the plot, never over it.
    const std::array<std::pair<QColor, QString>, 3> keys{
        {{kOdiColour, QCoreApplication::translate("NightsComparison", "ODI 3 % (/h, left)")},
         {kT90Colour, QCoreApplication::translate("NightsComparison", "T90 (%, left)")},
         {kNadirColour, QCoreApplication::translate("NightsComparison", "Nadir (%, right)")}}};
    int x = l.legend.left();
    p.setFont(arial(11, false));
    for (const auto& [colour, name] : keys) {
        p.fillRect(QRect(x, l.legend.top() + 5, 14, 3), colour);
        p.setPen(Qt::black);
        const int w = p.fontMetrics().horizontalAdvance(name) + 4;
        drawFitted(p, QRect(x + 18, l.legend.top(), w, 14), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += 18 + w + 18;
    }
    p.restore();
}

} // namespace kestrova::pages
