#include "pages/ReportDrawing.h"

#include "pages/Language.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace kestrova::pages::report {
using ui::Language;

Scale spo2Scale(bool detailed) {
    Scale s{0, 50, 100, 10, 90, kSpo2Colour, QStringLiteral("SpO2"), QStringLiteral("%"), {50, 90, 100}};
    if (detailed) s.labels = {50, 60, 70, 80, 90, 100};
    return s;
}

Scale pulseScale(const ClinicalMetrics& m, bool detailed) {
    int low = 40, high = 160;
    if (m.validSeconds > 0) {
        low = std::min(low, m.pulse.min / 20 * 20);
        high = std::max(high, (m.pulse.max + 19) / 20 * 20);
    }
    Scale s{1,
            low,
            high,
            20,
            -1,
            kPulseColour,
            QCoreApplication::translate("ReportDrawing", "Pulse"),
            QCoreApplication::translate("ReportDrawing", "bpm"),
            {}};
    // A short track has room for its ends and its middle only.
    if (detailed)
        for (int v = low; v < high; v += 20) s.labels.push_back(v);
    else
        s.labels = {low, (low + high) / 40 * 20};
    s.labels.push_back(high);
    return s;
}

int yOf(const QRect& r, const Scale& s, int v) {
    const int clamped = std::clamp(v, s.low, s.high);
    return r.bottom() - (clamped - s.low) * (r.height() - 1) / std::max(1, s.high - s.low);
}

std::vector<ColumnValues> reduceColumns(std::span<const SampleRecord> samples, std::int64_t begin, std::int64_t span,
                                        int width) {
    ColumnGrid grid;
    grid.origin = begin;
    grid.samples = std::max<std::int64_t>(1, span);
    grid.columns = std::max(1, width);
    grid.count = std::max(1, width);
    grid.from = begin;
    grid.end = static_cast<std::int64_t>(samples.size());
    return ColumnReducer(samples, SampleRule::ArtefactsExcluded).reduce(grid);
}

void drawTrack(QPainter& p, const QRect& r, const ClinicalReportData& data, std::int64_t begin, std::int64_t span,
               const std::vector<ColumnValues>& columns, const Scale& s) {
    const int width = std::max(1, r.width());
    span = std::max<std::int64_t>(1, span);
    p.fillRect(r, Qt::white);
    const auto& events = data.metrics.odi3.events;
    // Events are in time order: skip those that end before the stretch.
    auto first = std::lower_bound(events.begin(), events.end(), begin,
                                  [](const DesaturationEvent& e, std::int64_t at) { return e.end < at; });
    for (auto e = first; e != events.end() && e->start < begin + span; ++e) {
        const int x1 = static_cast<int>((std::max<std::int64_t>(e->start, begin) - begin) * width / span);
        const int x2 = static_cast<int>((std::min<std::int64_t>(e->end + 1, begin + span) - begin) * width / span);
        p.fillRect(QRect(r.left() + x1, r.top(), std::max(1, x2 - x1), r.height()), kEventColour);
    }
    const auto n = static_cast<std::int64_t>(data.page.samples.size());
    const int drawn = static_cast<int>(std::min<std::int64_t>(width, columns.size()));
    for (int c = 0; c < drawn; ++c)
        if (!columns[static_cast<std::size_t>(c)].counted && begin + c * span / width < n)
            p.fillRect(QRect(r.left() + c, r.top(), 1, r.height()), kArtefactColour);
    p.setPen(QPen(kGridColour, 0));
    for (int v = (s.low + s.gridStep - 1) / s.gridStep * s.gridStep; v < s.high; v += s.gridStep)
        if (v > s.low) p.drawLine(r.left(), yOf(r, s, v), r.right(), yOf(r, s, v));
    if (s.referenceLine > s.low && s.referenceLine < s.high) {
        p.setPen(QPen(QColor(220, 0, 0), 1, Qt::DashLine));
        p.drawLine(r.left(), yOf(r, s, s.referenceLine), r.right(), yOf(r, s, s.referenceLine));
    }
    int previous = -1; // the y of the last value of the column before, -1 after a gap
    for (int c = 0; c < drawn; ++c) {
        const ColumnValues& v = columns[static_cast<std::size_t>(c)];
        if (!v.counted) {
            previous = -1;
            continue;
        }
        int top = yOf(r, s, v.hi[s.channel]), bottom = yOf(r, s, v.lo[s.channel]);
        if (previous >= 0) {
            top = std::min(top, previous);
            bottom = std::max(bottom, previous);
        }
        p.fillRect(QRect(r.left() + c, top, 1, bottom - top + 1), s.colour);
        previous = yOf(r, s, v.last[s.channel]);
    }
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void drawScaleLabels(QPainter& p, const QRect& r, const Scale& s, int gutterLeft) {
    constexpr int kNumbers = 24; // room of "160" beside the plot
    p.setPen(Qt::black);
    p.setFont(arial(10, false));
    const int x = r.left() - kNumbers - 3;
    for (const int v : s.labels) {
        const int y = yOf(r, s, v);
        // The top value sits under its line and the bottom one over it, so that the
        // labels of two tracks one above the other never meet.
        QRect box(x, y - 5, kNumbers, 10);
        if (v == s.high) box.moveTop(r.top());
        if (v == s.low) box.moveBottom(r.bottom());
        drawFitted(p, box, Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
        p.drawLine(r.left() - 2, y, r.left() - 1, y);
    }
    const int nameWidth = x - gutterLeft - 2;
    const int middle = r.top() + r.height() / 2;
    p.setFont(arial(11, true));
    p.setPen(s.colour);
    drawFitted(p, QRect(gutterLeft, middle - 12, nameWidth, 12), Qt::AlignLeft | Qt::AlignVCenter, s.name);
    p.setFont(arial(10, false));
    drawFitted(p, QRect(gutterLeft, middle + 1, nameWidth, 11), Qt::AlignLeft | Qt::AlignVCenter, s.unit);
    p.setPen(Qt::black);
}

void drawTimeAxis(QPainter& p, const QRect& plot, const ClinicalReportData& data, std::int64_t begin, std::int64_t span,
                  std::int64_t stepSeconds) {
    const auto n = static_cast<std::int64_t>(data.page.samples.size());
    span = std::max<std::int64_t>(1, span);
    p.setFont(arial(10, false));
    p.setPen(Qt::black);
    const int top = plot.bottom() + 1, width = plot.width();
    int lastRight = -1000;
    for (std::int64_t offset = 0; offset < span; offset += stepSeconds) {
        const std::int64_t i = begin + offset;
        if (i >= n) break;
        const int x = plot.left() + static_cast<int>(offset * width / span);
        if (x - 16 < lastRight + 6 || x + 16 > plot.right() + 20) continue;
        p.drawLine(x, top, x, top + 2);
        drawFitted(p, QRect(x - 16, top + 2, 32, 11), Qt::AlignCenter,
                   clock(data.page.samples[static_cast<std::size_t>(i)]));
        lastRight = x + 16;
    }
}

void drawFooter(QPainter& p, const QSize& page, const ClinicalReportData& data, int index, int count) {
    const int m = ClinicalReport::kMargin;
    const int y = page.height() - m + 8, width = page.width() - 2 * m;
    p.setPen(QPen(kRuleColour, 0));
    p.drawLine(m, y - 3, page.width() - m, y - 3);
    p.setPen(Qt::black);
    p.setFont(arial(11, false));
    QStringList who;
    if (const QString name = patientName(data); !name.isEmpty()) who << name;
    who << QCoreApplication::translate("ReportDrawing", "ID %1").arg(data.page.patient.id);
    if (!data.page.samples.empty())
        who << QCoreApplication::translate("ReportDrawing", "recorded %1").arg(sampleDate(data.page.samples.front()));
    drawFitted(p, QRect(m, y, width * 55 / 100, 13), Qt::AlignLeft | Qt::AlignVCenter, who.join(QStringLiteral(" - ")));
    if (data.reportDate.isValid())
        drawFitted(p, QRect(m + width * 55 / 100, y, width * 25 / 100, 13), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("ReportDrawing", "Report %1").arg(dateText(data.reportDate)));
    drawFitted(p, QRect(m + width * 80 / 100, y, width * 20 / 100, 13), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("ReportDrawing", "Page %1 of %2").arg(index + 1).arg(count));
}

int drawHeading(QPainter& p, const QSize& page, const QString& title) {
    const int m = ClinicalReport::kMargin;
    p.setPen(Qt::black);
    p.setFont(arial(17, true));
    drawFitted(p, QRect(m, m - 12, page.width() - 2 * m, 20), Qt::AlignLeft | Qt::AlignVCenter, title);
    return m + 12;
}

void drawFitted(QPainter& p, const QRect& r, int align, const QString& s) {
    // Half a pixel of slack: a text that fits as drawn is drawn as it is.
    const QFontMetricsF fm(p.font());
    drawText(p, r, align, fm.horizontalAdvance(s) > r.width() + 0.5 ? fm.elidedText(s, Qt::ElideRight, r.width()) : s);
}

QString one(double v) {
    return Language::decimal(QString::number(v, 'f', 1));
}

QString dateText(const QDate& date) {
    // The classic texts keep the ISO date they always printed; C's own short format
    // ("7 Mar 2026") would change them.
    const QLocale locale = Language::locale();
    if (locale == QLocale::c()) return date.toString(Qt::ISODate);
    return locale.toString(date, QLocale::ShortFormat);
}

QString durationText(std::int64_t seconds) {
    if (seconds < 60) return QCoreApplication::translate("ReportDrawing", "%1 s").arg(seconds);
    const std::int64_t minutes = (seconds + 30) / 60;
    if (minutes < 60) return QCoreApplication::translate("ReportDrawing", "%1 min").arg(minutes);
    return QCoreApplication::translate("ReportDrawing", "%1 h %2 min")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString clock(const SampleRecord& s) {
    return QString::asprintf("%02d:%02d", s.hour, s.minute);
}

QString clockSeconds(const SampleRecord& s) {
    return QString::asprintf("%02d:%02d:%02d", s.hour, s.minute, s.second);
}

QString sampleDate(const SampleRecord& s) {
    const QString iso = QString::fromStdString(isoTime(s)).left(10);
    if (Language::locale() == QLocale::c()) return iso;
    const QDate date = QDate::fromString(iso, Qt::ISODate);
    return date.isValid() ? dateText(date) : iso;
}

QString dateTime(const SampleRecord& s) {
    if (Language::locale() == QLocale::c()) return QString::fromStdString(isoTime(s)).replace('T', ' ').left(16);
    return sampleDate(s) + QLatin1Char(' ') + clock(s);
}

QString versionText(const ClinicalReportData& data) {
    return QStringLiteral("Kestrova ") +
           (data.version.empty() ? QStringLiteral(KESTROVA_VERSION) : QString::fromStdString(data.version));
}

QString patientName(const ClinicalReportData& data) {
    return storedText(fieldBytes(data.page.patient.name)).trimmed();
}

} // namespace kestrova::pages::report
