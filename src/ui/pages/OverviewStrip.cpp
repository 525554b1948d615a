#include "pages/OverviewStrip.h"

#include "pages/ColumnReducer.h"

#include <QPainter>

#include <algorithm>

namespace kestrova::pages {

OverviewColumns reduceOverview(std::span<const SampleRecord> samples, std::span<const DesaturationEvent> events,
                               int width) {
    OverviewColumns c;
    c.samples = static_cast<std::int64_t>(samples.size());
    if (width <= 0 || samples.empty()) return c;
    const auto n = static_cast<std::int64_t>(samples.size());
    // Sample i in column i * width / n; a column between two samples shows nothing.
    ColumnGrid grid;
    grid.samples = n;
    grid.columns = width;
    grid.roundUp = true;
    grid.count = width;
    grid.end = n;
    grid.narrowShowsStart = false;
    const std::vector<ColumnValues> reduced = ColumnReducer(samples, SampleRule::ArtefactsExcluded).reduce(grid);
    c.columns.assign(static_cast<std::size_t>(width), {255, 0, false});
    for (std::size_t x = 0; x < reduced.size(); ++x)
        c.columns[x] = {reduced[x].lo[0], reduced[x].hi[0], reduced[x].artefact};
    for (const auto& e : events) c.eventColumns.push_back(static_cast<int>(e.start * width / n));
    return c;
}

void drawOverview(QPainter& p, const QRect& r, const OverviewColumns& c, std::int64_t first, std::int64_t count) {
    p.fillRect(r, QColor(250, 250, 246));
    if (c.columns.empty() || c.samples <= 0) return;
    const int w = std::min<int>(r.width(), static_cast<int>(c.columns.size()));
    // SpO2 50-100 % over the height, leaving room for the event marks at the top.
    const int top = r.top() + 6, height = std::max(1, r.height() - 8);
    auto yOf = [&](int spo2) { return top + (100 - std::clamp(spo2, 50, 100)) * height / 50; };
    const QColor artefact(205, 205, 205), trace(30, 90, 200);
    for (int x = 0; x < w; ++x) {
        const auto& col = c.columns[static_cast<std::size_t>(x)];
        if (col.artefact) p.fillRect(QRect(r.left() + x, r.top(), 1, r.height()), artefact);
    }
    p.setPen(QPen(QColor(0, 0, 0, 40), 1, Qt::DotLine));
    p.drawLine(r.left(), yOf(90), r.left() + w, yOf(90));
    p.setPen(trace);
    for (int x = 0; x < w; ++x) {
        const auto& col = c.columns[static_cast<std::size_t>(x)];
        if (col.lo <= col.hi) p.drawLine(r.left() + x, yOf(col.hi), r.left() + x, yOf(col.lo));
    }
    p.setPen(QPen(QColor(220, 60, 30), 1));
    for (int x : c.eventColumns) p.drawLine(r.left() + x, r.top(), r.left() + x, r.top() + 4);
    // The part the view shows.
    const int x0 = r.left() + static_cast<int>(first * r.width() / c.samples);
    const int x1 = r.left() + static_cast<int>(std::min(c.samples, first + count) * r.width() / c.samples);
    const QRect window(x0, r.top(), std::max(2, x1 - x0), r.height());
    p.fillRect(window, QColor(255, 200, 0, 60));
    p.setPen(QPen(QColor(200, 120, 0), 1));
    p.drawRect(window.adjusted(0, 0, -1, -1));
}

} // namespace kestrova::pages
