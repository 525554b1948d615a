#include "pages/HourTablePage.h"

#include "pages/ReportDrawing.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>

namespace kestrova::pages {
using namespace report;

namespace {

constexpr int kRow = 14, kHeadRow = 28;
constexpr int kCriteriaFont = 10;

int secondOfHour(const SampleRecord& s) {
    return s.minute * 60 + s.second;
}

QRect criteriaBox(const QSize& page) {
    const int width = page.width() - 2 * ClinicalReport::kMargin;
    const QFontMetrics fm(arial(kCriteriaFont, false, true));
    return fm.boundingRect(QRect(0, 0, width, 10000), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                           QString::fromStdString(clinicalCriteria()));
}

// The events, their heading and the rule under them.
int eventsHeight(const QSize& page) {
    return 12 + 21 + kHeadRow + HourTablePage::kDeepest * kRow + 10 + criteriaBox(page).height() + 6;
}

int contentTop(const QSize&) {
    return ClinicalReport::kMargin + 16;
}
int contentBottom(const QSize& page) {
    return page.height() - ClinicalReport::kMargin - 6;
}

// A table's header cells over the columns starting at `x` (fractions of `width`).
template <std::size_t N>
void drawTableHead(QPainter& p, int left, int top, int width, const std::array<int, N + 1>& at,
                   const std::array<QString, N>& heads) {
    p.fillRect(QRect(left, top, width, kHeadRow), QColor(232, 238, 242));
    p.setPen(Qt::black);
    p.setFont(arial(11, true));
    for (std::size_t c = 0; c < N; ++c) {
        const int x1 = left + at[c] * width / 1000, x2 = left + at[c + 1] * width / 1000;
        const QStringList lines = heads[c].split(QLatin1Char('\n'));
        for (int l = 0; l < lines.size(); ++l)
            drawFitted(p, QRect(x1 + 2, top + 1 + l * 13, x2 - x1 - 4, 13), Qt::AlignRight | Qt::AlignVCenter,
                       lines[l]);
    }
}

template <std::size_t N>
void drawTableRow(QPainter& p, int left, int top, int width, const std::array<int, N + 1>& at,
                  const std::array<QString, N>& cells, bool shaded) {
    if (shaded) p.fillRect(QRect(left, top, width, kRow), QColor(246, 246, 246));
    p.setFont(arial(11, false));
    p.setPen(Qt::black);
    for (std::size_t c = 0; c < N; ++c) {
        const int x1 = left + at[c] * width / 1000, x2 = left + at[c + 1] * width / 1000;
        drawFitted(p, QRect(x1 + 2, top, x2 - x1 - 4, kRow), Qt::AlignRight | Qt::AlignVCenter, cells[c]);
    }
}

QString orDash(bool any, const QString& s) {
    return any ? s : QStringLiteral("-");
}

} // namespace

int HourTablePage::rowCount(std::span<const SampleRecord> samples) {
    if (samples.empty()) return 0;
    const std::int64_t n = static_cast<std::int64_t>(samples.size()) + secondOfHour(samples.front());
    return static_cast<int>((n + 3599) / 3600);
}

std::vector<HourRow> HourTablePage::rows(const ClinicalReportData& data) {
    const auto samples = data.page.samples;
    const auto n = static_cast<std::int64_t>(samples.size());
    std::vector<HourRow> out(static_cast<std::size_t>(rowCount(samples)));
    if (out.empty()) return out;
    const std::int64_t offset = secondOfHour(samples.front());
    for (std::size_t k = 0; k < out.size(); ++k) {
        HourRow& r = out[k];
        r.begin = std::max<std::int64_t>(0, static_cast<std::int64_t>(k) * 3600 - offset);
        r.end = std::min<std::int64_t>(n, static_cast<std::int64_t>(k + 1) * 3600 - offset);
        std::int64_t spo2 = 0, pulse = 0;
        int lowest = 255;
        for (std::int64_t i = r.begin; i < r.end; ++i) {
            const SampleRecord& s = samples[static_cast<std::size_t>(i)];
            if (!clinical::isValid(s)) continue;
            ++r.validSeconds;
            spo2 += s.spo2;
            pulse += s.pulseRate;
            lowest = std::min<int>(lowest, s.spo2);
            if (s.spo2 < 90) ++r.t90Seconds;
        }
        if (r.validSeconds > 0) {
            r.meanSpo2 = static_cast<double>(spo2) / static_cast<double>(r.validSeconds);
            r.meanPulse = static_cast<double>(pulse) / static_cast<double>(r.validSeconds);
            r.lowestSpo2 = lowest;
        }
    }
    auto rowOf = [&](std::int64_t sample) { return static_cast<std::size_t>((sample + offset) / 3600); };
    for (const auto& e : data.metrics.odi3.events) ++out[std::min(out.size() - 1, rowOf(e.start))].events3;
    for (const auto& e : data.metrics.odi4.events) ++out[std::min(out.size() - 1, rowOf(e.start))].events4;
    return out;
}

std::vector<DesaturationEvent> HourTablePage::deepest(const ClinicalMetrics& m) {
    std::vector<DesaturationEvent> events = m.odi3.events;
    const auto count = std::min<std::size_t>(kDeepest, events.size());
    std::partial_sort(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(count), events.end(),
                      [](const DesaturationEvent& a, const DesaturationEvent& b) {
                          return a.depth() != b.depth() ? a.depth() > b.depth() : a.start < b.start;
                      });
    events.resize(count);
    return events;
}

int HourTablePage::rowsPerPage(const QSize& page, bool withEvents) {
    const int room = contentBottom(page) - contentTop(page) - 21 - kHeadRow - (withEvents ? eventsHeight(page) : 0);
    return std::max(0, room / kRow);
}

void HourTablePage::draw(QPainter& p, const QSize& page, const ClinicalReportData& data, const ReportPage& part) {
    const int m = ClinicalReport::kMargin, width = page.width() - 2 * m;
    drawHeading(p, page,
                part.firstRow == 0 ? QCoreApplication::translate("HourTablePage", "Hour by hour and events")
                                   : QCoreApplication::translate("HourTablePage", "Hour by hour (continued)"));
    int y = contentTop(page);
    const auto samples = data.page.samples;
    p.setFont(arial(14, true));
    drawFitted(p, QRect(m, y, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("HourTablePage", "Each clock hour"));
    y += 21;
    static constexpr std::array<int, 10> at{0, 160, 245, 325, 405, 480, 555, 630, 830, 1000};
    const std::array<QString, 9> heads{QCoreApplication::translate("HourTablePage", "Hour\n"),
                                       QCoreApplication::translate("HourTablePage", "Valid\nmin"),
                                       QCoreApplication::translate("HourTablePage", "SpO2\nmean %"),
                                       QCoreApplication::translate("HourTablePage", "SpO2\nlowest %"),
                                       QCoreApplication::translate("HourTablePage", "T90\nmin"),
                                       QCoreApplication::translate("HourTablePage", "3 %\nevents"),
                                       QCoreApplication::translate("HourTablePage", "4 %\nevents"),
                                       QCoreApplication::translate("HourTablePage", "Rate 3 % / 4 %\nper h"),
                                       QCoreApplication::translate("HourTablePage", "Pulse\nmean bpm")};
    if (part.rows > 0 || part.firstRow == 0) {
        drawTableHead(p, m, y, width, at, heads);
        y += kHeadRow;
    }
    if (samples.empty()) {
        p.setFont(arial(12, false));
        drawFitted(p, QRect(m, y, width, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("HourTablePage", "No samples recorded."));
        y += kRow;
    }
    if (part.rows > 0) {
        const std::vector<HourRow> all = rows(data);
        for (int k = part.firstRow; k < part.firstRow + part.rows && k < static_cast<int>(all.size()); ++k) {
            const HourRow& r = all[static_cast<std::size_t>(k)];
            const bool any = r.validSeconds > 0;
            const double validHours = static_cast<double>(r.validSeconds) / 3600.0;
            // The hour's clock time; its date where a day begins and on the first row of a page.
            const SampleRecord& s = samples[static_cast<std::size_t>(r.begin)];
            QString hour = QString::asprintf("%02d:00", s.hour);
            if (k == part.firstRow || s.hour == 0) hour = sampleDate(s) + QStringLiteral(" ") + hour;
            const std::array<QString, 9> cells{
                hour,
                QString::number((r.validSeconds + 30) / 60),
                orDash(any, one(r.meanSpo2)),
                orDash(any, QString::number(r.lowestSpo2)),
                QString::number((r.t90Seconds + 30) / 60),
                QString::number(r.events3),
                QString::number(r.events4),
                orDash(any, one(r.events3 / validHours) + QStringLiteral(" / ") + one(r.events4 / validHours)),
                orDash(any, one(r.meanPulse)),
            };
            drawTableRow(p, m, y, width, at, cells, k % 2 == 1);
            y += kRow;
        }
        p.setPen(QPen(kRuleColour, 0));
        p.drawLine(m, y, m + width, y);
    }
    if (!part.events) return;

    y += 12;
    p.setFont(arial(14, true));
    p.setPen(Qt::black);
    drawFitted(p, QRect(m, y, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("HourTablePage", "The %1 deepest 3 % desaturations").arg(kDeepest));
    y += 21;
    static constexpr std::array<int, 7> eventAt{0, 200, 330, 460, 590, 720, 1000};
    const std::array<QString, 6> eventHeads{QCoreApplication::translate("HourTablePage", "Start\n"),
                                            QCoreApplication::translate("HourTablePage", "Duration\ns"),
                                            QCoreApplication::translate("HourTablePage", "Baseline\n%"),
                                            QCoreApplication::translate("HourTablePage", "Nadir\n%"),
                                            QCoreApplication::translate("HourTablePage", "Depth\n%"),
                                            QCoreApplication::translate("HourTablePage", "Area\n%·s")};
    drawTableHead(p, m, y, width, eventAt, eventHeads);
    y += kHeadRow;
    const std::vector<DesaturationEvent> events = deepest(data.metrics);
    if (events.empty()) {
        p.setFont(arial(12, false));
        drawFitted(p, QRect(m, y, width, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("HourTablePage", "No 3 % desaturation in this recording."));
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        const DesaturationEvent& e = events[i];
        const std::array<QString, 6> cells{
            sampleDate(samples[static_cast<std::size_t>(e.start)]) + QStringLiteral(" ") +
                clockSeconds(samples[static_cast<std::size_t>(e.start)]),
            QString::number(e.seconds()),
            QString::number(e.baseline),
            QString::number(e.nadir),
            QString::number(e.depth()),
            QString::number(e.area),
        };
        drawTableRow(p, m, y + static_cast<int>(i) * kRow, width, eventAt, cells, i % 2 == 1);
    }
    y += kDeepest * kRow + 10;
    p.setFont(arial(kCriteriaFont, false, true));
    p.setPen(Qt::black);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    p.drawText(criteriaBox(page).translated(m, y), flags, QString::fromStdString(clinicalCriteria()));
}

} // namespace kestrova::pages
