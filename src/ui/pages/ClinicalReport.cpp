#include "pages/ClinicalReport.h"

#include "pages/ColumnReducer.h"
#include "pages/HeaderBand.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace kestrova::pages {
namespace {

constexpr int kMargin = 38; // 1 cm
const QColor kSpo2Colour(0, 0, 200), kPulseColour(170, 0, 0), kEventColour(255, 214, 160),
    kArtefactColour(225, 225, 225), kGridColour(200, 200, 200), kBandColour(31, 111, 139);

QString one(double v) {
    return QString::number(v, 'f', 1);
}
QString minutes(std::int64_t seconds) {
    return one(static_cast<double>(seconds) / 60.0) + QStringLiteral(" min");
}
QString hours(std::int64_t seconds) {
    return one(static_cast<double>(seconds) / 3600.0) + QStringLiteral(" h");
}
QString clock(const SampleRecord& s) {
    return QString::asprintf("%02d:%02d", s.hour, s.minute);
}

// What one trace panel shows: which signal, its scale, colour and the reference line.
struct Trace {
    int channel; // 0 SpO2, 1 pulse
    int low, high;
    QColor colour;
    int referenceLine = -1; // drawn dashed (the 90 % line)
    QString label;
    bool lowLabel = true; // off where a panel below would take the space
};

// A pulse scale in steps of 20 bpm around the valid values.
Trace pulseTrace(const ClinicalMetrics& m) {
    const int low = m.validSeconds > 0 ? std::max(0, m.pulse.min / 20 * 20) : 40;
    const int high = m.validSeconds > 0 ? std::max(low + 40, (m.pulse.max + 19) / 20 * 20) : 120;
    return {1, low, high, kPulseColour, -1, QStringLiteral("Pulse bpm")};
}

// Samples [begin, begin + span) across `width` columns, each reduced to the valid
// values it holds; one pass serves the SpO2 and the pulse trace of a stretch.
std::vector<ColumnValues> reduceColumns(const ClinicalReportData& data, std::int64_t begin, std::int64_t span,
                                        int width) {
    ColumnGrid grid;
    grid.origin = begin;
    grid.samples = span;
    grid.columns = std::max(1, width);
    grid.count = std::max(1, width);
    grid.from = begin;
    grid.end = static_cast<std::int64_t>(data.page.samples.size());
    return ColumnReducer(data.page.samples, SampleRule::ArtefactsExcluded).reduce(grid);
}

// Samples [begin, begin + span) across the width of `r` as the lowest and highest valid
// value of each column (`columns`, reduced for that width); 3 % desaturations shaded
// behind, columns without a valid sample greyed.
void drawTrace(QPainter& p, const QRect& r, const ClinicalReportData& data, std::int64_t begin, std::int64_t span,
               const std::vector<ColumnValues>& columns, const Trace& t) {
    const int width = std::max(1, r.width());
    auto yOf = [&](int v) {
        const int clamped = std::clamp(v, t.low, t.high);
        return r.bottom() - (clamped - t.low) * (r.height() - 1) / std::max(1, t.high - t.low);
    };
    p.fillRect(r, Qt::white);
    for (const auto& e : data.metrics.odi3.events) {
        if (e.end < begin || e.start >= begin + span) continue;
        const int x1 = static_cast<int>((std::max<std::int64_t>(e.start, begin) - begin) * width / span);
        const int x2 = static_cast<int>((std::min<std::int64_t>(e.end + 1, begin + span) - begin) * width / span);
        p.fillRect(QRect(r.left() + x1, r.top(), std::max(1, x2 - x1), r.height()), kEventColour);
    }
    p.setPen(QPen(kGridColour, 0));
    for (int v = (t.low + 9) / 10 * 10; v <= t.high; v += 10) p.drawLine(r.left(), yOf(v), r.right(), yOf(v));
    if (t.referenceLine >= 0) {
        p.setPen(QPen(QColor(220, 0, 0), 1, Qt::DashLine));
        p.drawLine(r.left(), yOf(t.referenceLine), r.right(), yOf(t.referenceLine));
    }
    p.setPen(QPen(t.colour, 1));
    for (std::size_t c = 0; c < columns.size() && c < static_cast<std::size_t>(width); ++c) {
        const ColumnValues& v = columns[c];
        const int x = r.left() + static_cast<int>(c);
        if (!v.counted) {
            p.fillRect(QRect(x, r.top(), 1, r.height()), kArtefactColour);
            continue;
        }
        p.drawLine(x, yOf(v.hi[t.channel]), x, yOf(v.lo[t.channel]));
    }
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setFont(arial(11, false));
    drawText(p, QRect(r.left() - 30, yOf(t.high) - 6, 27, 12), Qt::AlignRight | Qt::AlignVCenter,
             QString::number(t.high));
    if (t.lowLabel)
        drawText(p, QRect(r.left() - 30, yOf(t.low) - 6, 27, 12), Qt::AlignRight | Qt::AlignVCenter,
                 QString::number(t.low));
    if (t.referenceLine >= 0)
        drawText(p, QRect(r.left() - 30, yOf(t.referenceLine) - 6, 27, 12), Qt::AlignRight | Qt::AlignVCenter,
                 QString::number(t.referenceLine));
    p.setFont(arial(12, true));
    drawText(p, QRect(r.left() + 4, r.top() + 2, 120, 14), Qt::AlignLeft | Qt::AlignVCenter, t.label);
}

// Clock times under a trace: its start, then every `stepSeconds` where there is room.
void drawTimeAxis(QPainter& p, int left, int width, int top, const ClinicalReportData& data, std::int64_t begin,
                  std::int64_t span, std::int64_t stepSeconds) {
    const auto n = static_cast<std::int64_t>(data.page.samples.size());
    p.setFont(arial(11, false));
    p.setPen(Qt::black);
    int lastRight = -1000;
    for (std::int64_t offset = 0; offset < span; offset += stepSeconds) {
        const std::int64_t i = begin + offset;
        if (i >= n) break;
        const int x = left + static_cast<int>(offset * width / span);
        if (x - 16 < lastRight + 6) continue;
        p.drawLine(x, top - 3, x, top);
        drawText(p, QRect(x - 16, top, 32, 12), Qt::AlignCenter, clock(data.page.samples[static_cast<std::size_t>(i)]));
        lastRight = x + 16;
    }
}

void drawFooter(QPainter& p, const QSize& page, const ClinicalReportData& data, int index) {
    const int y = page.height() - kMargin + 6;
    p.setFont(arial(12, false));
    p.setPen(Qt::black);
    QString date = QStringLiteral("no samples");
    if (!data.page.samples.empty()) date = QString::fromStdString(isoTime(data.page.samples.front())).replace('T', ' ');
    drawText(p, QRect(kMargin, y, 400, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Patient ID %1 - recorded %2").arg(data.page.patient.id).arg(date));
    drawText(p, QRect(page.width() - kMargin - 200, y, 200, 14), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("Page %1 of %2")
                 .arg(index + 1)
                 .arg(ClinicalReport::pageCount(static_cast<std::int64_t>(data.page.samples.size()))));
}

// Label and value pairs in two columns.
int drawFigures(QPainter& p, int top, int width, const ClinicalMetrics& m, std::span<const SampleRecord> samples) {
    const QString none = QStringLiteral("-");
    const bool any = m.validSeconds > 0;
    QString nadir = any ? QStringLiteral("%1 %").arg(m.spo2.min) : none;
    if (any && m.spo2.minIndex >= 0)
        nadir += QStringLiteral(" at ") + clock(samples[static_cast<std::size_t>(m.spo2.minIndex)]);
    QString longest = none;
    if (m.odi3.longest >= 0) {
        const DesaturationEvent& e = m.odi3.events[static_cast<std::size_t>(m.odi3.longest)];
        longest = QStringLiteral("%1 s at ").arg(e.seconds()) + clock(samples[static_cast<std::size_t>(e.start)]) +
                  QStringLiteral(", %1 % deep").arg(e.depth());
    }
    auto share = [&](const SecondsAndPercent& t) {
        return minutes(t.seconds) + QStringLiteral(" (") + one(t.percent) + QStringLiteral(" %)");
    };
    const std::pair<QString, QString> left[] = {
        {QStringLiteral("Recorded"), hours(m.recordedSeconds)},
        {QStringLiteral("Valid (after artefacts)"), hours(m.validSeconds)},
        {QStringLiteral("Artefact"), minutes(m.artefactSeconds)},
        {QStringLiteral("SpO2 mean"), any ? one(m.spo2.mean) + QStringLiteral(" %") : none},
        {QStringLiteral("SpO2 median"), any ? QStringLiteral("%1 %").arg(m.spo2.median) : none},
        {QStringLiteral("SpO2 nadir"), nadir},
        {QStringLiteral("SpO2 highest"), any ? QStringLiteral("%1 %").arg(m.spo2.max) : none},
        {QStringLiteral("T90 (SpO2 < 90 %)"), share(m.t90)},
        {QStringLiteral("T88 (SpO2 <= 88 %)"), share(m.t88)},
    };
    const std::pair<QString, QString> right[] = {
        {QStringLiteral("ODI 3 %"), one(m.odi3.perHour) + QStringLiteral(" /h (%1 events)").arg(m.odi3.events.size())},
        {QStringLiteral("ODI 4 %"), one(m.odi4.perHour) + QStringLiteral(" /h (%1 events)").arg(m.odi4.events.size())},
        {QStringLiteral("Depth (3 %) mean/median"),
         m.odi3.events.empty()
             ? none
             : one(m.odi3.meanDepth) + QStringLiteral(" / ") + one(m.odi3.medianDepth) + QStringLiteral(" %")},
        {QStringLiteral("Length (3 %) mean/median"),
         m.odi3.events.empty()
             ? none
             : one(m.odi3.meanDuration) + QStringLiteral(" / ") + one(m.odi3.medianDuration) + QStringLiteral(" s")},
        {QStringLiteral("Longest 3 % event"), longest},
        {QStringLiteral("Desaturation area (3 %)"), one(m.desaturationAreaPerHour) + QStringLiteral(" %·min/h")},
        {QStringLiteral("Pulse mean"), any ? one(m.pulse.mean) + QStringLiteral(" bpm") : none},
        {QStringLiteral("Pulse lowest / highest"),
         any ? QStringLiteral("%1 / %2 bpm").arg(m.pulse.min).arg(m.pulse.max) : none},
        {QStringLiteral("Pulse > 100 bpm"), minutes(m.pulse.above100Seconds)},
        {QStringLiteral("Pulse < 50 bpm"), minutes(m.pulse.below50Seconds)},
    };
    constexpr int kRow = 17;
    const int column = width / 2;
    auto drawColumn = [&](int x, const auto& rows) {
        int y = top;
        for (const auto& [label, value] : rows) {
            p.setFont(arial(13, false));
            drawText(p, QRect(x, y, column * 55 / 100, kRow), Qt::AlignLeft | Qt::AlignVCenter, label);
            p.setFont(arial(13, true));
            drawText(p, QRect(x + column * 55 / 100, y, column * 45 / 100, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                     value);
            y += kRow;
        }
        return y;
    };
    const int bottom = std::max(drawColumn(kMargin, left), drawColumn(kMargin + column, right));
    p.setFont(arial(11, false, true));
    // As tall as the rule needs: every figure above stands with the criteria that made it.
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QString rule = QString::fromStdString(clinicalCriteria());
    const QRect criteria = p.boundingRect(QRect(kMargin, bottom + 4, width, 1000), flags, rule);
    p.drawText(criteria, flags, rule);
    return criteria.bottom() + 6;
}

void drawBands(QPainter& p, int top, int width, const ClinicalMetrics& m) {
    p.setFont(arial(13, true));
    drawText(p, QRect(kMargin, top, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Time in SpO2 bands (share of valid time)"));
    constexpr int kRow = 20;
    const int barLeft = kMargin + 80, barWidth = width - 80 - 150;
    int y = top + 20;
    for (const auto& band : m.bands) {
        p.setFont(arial(12, false));
        drawText(p, QRect(kMargin, y, 78, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("%1-%2 %").arg(band.low).arg(band.high));
        p.fillRect(QRect(barLeft, y + 3, barWidth, kRow - 6), QColor(238, 238, 238));
        p.fillRect(QRect(barLeft, y + 3, static_cast<int>(barWidth * band.time.percent / 100.0), kRow - 6),
                   kBandColour);
        drawText(p, QRect(barLeft + barWidth + 8, y, 142, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                 one(band.time.percent) + QStringLiteral(" %  (") + minutes(band.time.seconds) + QStringLiteral(")"));
        y += kRow;
    }
}

void drawSummaryPage(QPainter& p, const QSize& page, const ClinicalReportData& data) {
    const int width = page.width() - 2 * kMargin;
    // The header band of the printed trend page, at the top of the content area.
    p.save();
    p.translate(kMargin - 10, kMargin - 5);
    const int bandBottom = HeaderBand::drawTrend(p, QRect(0, 0, width + 20, 700), data.page) + kMargin - 5;
    p.restore();
    p.setPen(Qt::black);
    p.setFont(arial(20, true));
    drawText(p, QRect(kMargin, bandBottom + 8, width, 24), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Clinical oximetry summary"));
    int y = drawFigures(p, bandBottom + 38, width, data.metrics, data.page.samples);

    const auto n = static_cast<std::int64_t>(data.page.samples.size());
    const std::int64_t span = std::max<std::int64_t>(n, 1);
    const std::int64_t step = span > 8 * 3600 ? 2 * 3600 : 3600;
    const int plotLeft = kMargin + 32, plotWidth = width - 32;
    const QRect spo2(plotLeft, y + 4, plotWidth, 170);
    const std::vector<ColumnValues> columns = reduceColumns(data, 0, span, plotWidth);
    drawTrace(p, spo2, data, 0, span, columns, {0, 50, 100, kSpo2Colour, 90, QStringLiteral("SpO2 %")});
    drawTimeAxis(p, plotLeft, plotWidth, spo2.bottom() + 4, data, 0, span, step);
    const QRect pulse(plotLeft, spo2.bottom() + 28, plotWidth, 110);
    drawTrace(p, pulse, data, 0, span, columns, pulseTrace(data.metrics));
    drawTimeAxis(p, plotLeft, plotWidth, pulse.bottom() + 4, data, 0, span, step);
    p.setFont(arial(11, false, true));
    drawText(p, QRect(plotLeft, pulse.bottom() + 18, plotWidth, 13), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Shaded: 3 % desaturations. Grey: no valid sample (artefact). Whole recording, "
                            "lowest and highest value per column."));
    drawBands(p, pulse.bottom() + 40, width, data.metrics);
}

void drawDisclosurePage(QPainter& p, const QSize& page, const ClinicalReportData& data, int index) {
    const int width = page.width() - 2 * kMargin;
    p.setPen(Qt::black);
    p.setFont(arial(16, true));
    drawText(p, QRect(kMargin, kMargin - 10, width, 20), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Full disclosure - one hour per strip"));
    const int top = kMargin + 16, bottom = page.height() - kMargin - 4;
    const int stripHeight = (bottom - top) / ClinicalReport::kStripsPerPage;
    const int plotLeft = kMargin + 32, plotWidth = width - 32;
    const auto n = static_cast<std::int64_t>(data.page.samples.size());
    const Trace pulse = pulseTrace(data.metrics);
    for (int k = 0; k < ClinicalReport::kStripsPerPage; ++k) {
        const std::int64_t begin =
            (static_cast<std::int64_t>(index - 1) * ClinicalReport::kStripsPerPage + k) * ClinicalReport::kStripSeconds;
        if (begin >= n) break;
        const int y = top + k * stripHeight;
        const int spo2Height = (stripHeight - 20) * 62 / 100, pulseHeight = stripHeight - 20 - spo2Height - 2;
        const QRect spo2(plotLeft, y + 2, plotWidth, spo2Height);
        const std::vector<ColumnValues> columns = reduceColumns(data, begin, ClinicalReport::kStripSeconds, plotWidth);
        drawTrace(p, spo2, data, begin, ClinicalReport::kStripSeconds, columns,
                  {0, 50, 100, kSpo2Colour, 90, QString(), false});
        drawTrace(p, QRect(plotLeft, spo2.bottom() + 2, plotWidth, pulseHeight), data, begin,
                  ClinicalReport::kStripSeconds, columns,
                  {pulse.channel, pulse.low, pulse.high, pulse.colour, -1, QString()});
        drawTimeAxis(p, plotLeft, plotWidth, spo2.bottom() + pulseHeight + 6, data, begin,
                     ClinicalReport::kStripSeconds, 600);
    }
}

} // namespace

QSize ClinicalReport::pageSize(Paper paper) {
    return paper == Paper::A4 ? QSize(794, 1123) : QSize(816, 1056);
}

int ClinicalReport::pageCount(std::int64_t samples) {
    const std::int64_t strips = (samples + kStripSeconds - 1) / kStripSeconds;
    return 1 + static_cast<int>((strips + kStripsPerPage - 1) / kStripsPerPage);
}

void ClinicalReport::drawPage(QPainter& p, const QSize& page, const ClinicalReportData& data, int index) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (index == 0)
        drawSummaryPage(p, page, data);
    else
        drawDisclosurePage(p, page, data, index);
    drawFooter(p, page, data, index);
    p.restore();
}

QImage ClinicalReport::renderScreen(const ClinicalReportData& data, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter p(&image);
    const QSize page = pageSize(Paper::A4);
    const double scale =
        std::min(size.width() / static_cast<double>(page.width()), size.height() / static_cast<double>(page.height()));
    p.translate((size.width() - page.width() * scale) / 2, (size.height() - page.height() * scale) / 2);
    p.scale(scale, scale);
    p.fillRect(QRect(QPoint(0, 0), page), Qt::white);
    drawPage(p, page, data, 0);
    return image;
}

void ClinicalReport::printAll(QPainter& painter, QPagedPaintDevice& device, const ClinicalReportData& data) {
    const QSize page =
        device.pageLayout().pageSize().id() == QPageSize::Letter ? pageSize(Paper::Letter) : pageSize(Paper::A4);
    const int pages = pageCount(static_cast<std::int64_t>(data.page.samples.size()));
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.setWindow(QRect(QPoint(0, 0), page));
        painter.setViewport(QRect(0, 0, device.width(), device.height()));
        drawPage(painter, page, data, i);
        painter.restore();
    }
}

WriteStatus ClinicalReport::writePdf(const std::string& path, const ClinicalReportData& data, Paper paper) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Kestrova " KESTROVA_VERSION));
        pdf.setTitle(QStringLiteral("Clinical oximetry report - ID %1").arg(data.page.patient.id));
        QPainter painter;
        if (!painter.begin(&pdf)) return Error{Status::IoError, path, "the PDF could not be drawn"};
        printAll(painter, pdf, data);
        if (!painter.end()) return Error{Status::IoError, path, "the PDF could not be drawn"};
    }
    const QByteArray& bytes = buffer.data();
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace kestrova::pages
