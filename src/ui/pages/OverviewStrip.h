// The whole recording at a glance, for the overview bar under the trend and table
// views: SpO2 as each column's lowest and highest value, artefact stretches greyed,
// the 3 % desaturations marked and the part the view shows highlighted. The columns
// are reduced once per width; painting them is cheap enough to follow the pointer.
#pragma once

#include "analysis/ClinicalMetrics.h"
#include "model/SampleRecord.h"

#include <QRect>

#include <cstdint>
#include <span>
#include <vector>

class QPainter;

namespace kestrova::pages {

struct OverviewColumns {
    struct Column {
        std::uint8_t lo = 0, hi = 0; // valid SpO2 only; lo > hi when the column has none
        bool artefact = false;       // any sample of the column fails the artefact rule
    };
    std::vector<Column> columns;
    std::vector<int> eventColumns; // where each 3 % desaturation starts
    std::int64_t samples = 0;
};

OverviewColumns reduceOverview(std::span<const SampleRecord> samples, std::span<const DesaturationEvent> events,
                               int width);

// Draws into `r` (one column per unit of width); `first`/`count` is the part shown.
void drawOverview(QPainter& p, const QRect& r, const OverviewColumns& c, std::int64_t first, std::int64_t count);

// The sample under x in a strip of `width` columns.
inline std::int64_t overviewSampleAt(int x, int width, std::int64_t samples) {
    if (width <= 0 || samples <= 0) return 0;
    const std::int64_t i = static_cast<std::int64_t>(x) * samples / width;
    return i < 0 ? 0 : i >= samples ? samples - 1 : i;
}

} // namespace kestrova::pages
