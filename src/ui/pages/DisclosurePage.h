// Full disclosure: the recording one hour per strip, six strips a page. Each strip
// holds SpO2 (50-100 %, the 90 % line dashed) over pulse, both named with their units
// and scales at the left, drawn as connected traces with the 3 % desaturations shaded
// and artefact grey, and the hour's start and quarter-hours under them.
#pragma once

#include "pages/ClinicalReport.h"

#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

namespace kestrova::pages {

class DisclosurePage {
public:
    static int stripCount(std::int64_t samples);
    // The SpO2 and pulse plots of strip `k` (0-based on its page).
    static std::pair<QRect, QRect> plots(const QSize& page, int k);
    // Draws strips firstStrip .. firstStrip + 5 that exist; returns their plots.
    static std::vector<QRect> draw(QPainter& p, const QSize& page, const ClinicalReportData& data, int firstStrip);
};

} // namespace kestrova::pages
