#include "pages/DisclosurePage.h"

#include "pages/ReportDrawing.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace kestrova::pages {
using namespace report;

namespace {
constexpr int kGutter = 64, kAxis = 14, kStripTitle = 14, kGap = 8;
} // namespace

int DisclosurePage::stripCount(std::int64_t samples) {
    return static_cast<int>((std::max<std::int64_t>(0, samples) + ClinicalReport::kStripSeconds - 1) /
                            ClinicalReport::kStripSeconds);
}

std::pair<QRect, QRect> DisclosurePage::plots(const QSize& page, int k) {
    const int m = ClinicalReport::kMargin;
    const int top = m + 16, bottom = page.height() - m - 6;
    const int stripHeight = (bottom - top) / ClinicalReport::kStripsPerPage;
    const int y = top + k * stripHeight + kStripTitle;
    const int tracks = stripHeight - kStripTitle - kAxis - kGap - 3;
    const int spo2Height = tracks * 65 / 100, pulseHeight = tracks - spo2Height;
    const int left = m + kGutter, width = page.width() - 2 * m - kGutter;
    const QRect spo2(left, y, width, spo2Height);
    return {spo2, QRect(left, spo2.bottom() + 4, width, pulseHeight)};
}

std::vector<QRect> DisclosurePage::draw(QPainter& p, const QSize& page, const ClinicalReportData& data,
                                        int firstStrip) {
    const int m = ClinicalReport::kMargin;
    drawHeading(p, page, QCoreApplication::translate("DisclosurePage", "Full disclosure - one hour per strip"));
    const auto n = static_cast<std::int64_t>(data.page.samples.size());
    const Scale spo2 = spo2Scale(false), pulse = pulseScale(data.metrics, false);
    std::vector<QRect> drawn;
    for (int k = 0; k < ClinicalReport::kStripsPerPage; ++k) {
        const std::int64_t begin = static_cast<std::int64_t>(firstStrip + k) * ClinicalReport::kStripSeconds;
        if (begin >= n) break;
        const auto [spo2Plot, pulsePlot] = plots(page, k);
        const SampleRecord& first = data.page.samples[static_cast<std::size_t>(begin)];
        const SampleRecord& last =
            data.page.samples[static_cast<std::size_t>(std::min(n, begin + ClinicalReport::kStripSeconds) - 1)];
        p.setPen(Qt::black);
        p.setFont(arial(11, true));
        drawFitted(p, QRect(m, spo2Plot.top() - kStripTitle, 400, 12), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("DisclosurePage", "Hour %1: %2 %3 – %4")
                       .arg(firstStrip + k + 1)
                       .arg(sampleDate(first), clockSeconds(first), clockSeconds(last)));
        const std::vector<ColumnValues> columns =
            reduceColumns(data.page.samples, begin, ClinicalReport::kStripSeconds, spo2Plot.width());
        drawTrack(p, spo2Plot, data, begin, ClinicalReport::kStripSeconds, columns, spo2);
        drawScaleLabels(p, spo2Plot, spo2, m);
        drawTrack(p, pulsePlot, data, begin, ClinicalReport::kStripSeconds, columns, pulse);
        drawScaleLabels(p, pulsePlot, pulse, m);
        drawTimeAxis(p, pulsePlot, data, begin, ClinicalReport::kStripSeconds, 900);
        drawn.push_back(spo2Plot);
        drawn.push_back(pulsePlot);
    }
    return drawn;
}

} // namespace kestrova::pages
