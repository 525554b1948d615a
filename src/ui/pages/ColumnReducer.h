// Reduces a stretch of samples to pixel columns: per column the first, lowest, highest
// and last SpO2 and pulse, so that a page never hands the painter more than a few
// points per column. The trend, the analysis sheet's graphs, the clinical report and
// the overview bar all reduce through it; each then draws its columns its own way.
#pragma once

#include "model/SampleRecord.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kestrova::pages {

// The lowest and highest SpO2 and pulse of each block of kBlock samples, so that a
// trend zoomed out over a whole night reduces its columns from blocks, not samples.
struct SignalBlocks {
    static constexpr int kBlock = 64;
    std::vector<std::uint8_t> lo[2], hi[2]; // [0] SpO2, [1] pulse
};
SignalBlocks summariseBlocks(std::span<const SampleRecord> samples);

// Which samples a column's values come from.
enum class SampleRule {
    Every,             // all of them
    ArtefactsExcluded, // only those that pass the clinical artefact rule
};

// One column's values over the samples that count under the rule; [0] SpO2, [1] pulse.
struct ColumnValues {
    std::uint8_t first[2] = {0, 0}, lo[2] = {255, 255}, hi[2] = {0, 0}, last[2] = {0, 0};
    bool counted = false;  // some sample counts (otherwise lo > hi and first, last are 0)
    bool artefact = false; // some sample fails the artefact rule (ArtefactsExcluded only)
};

// How samples fall into columns. Column c starts at origin + floor(c * samples / columns),
// so `samples` samples share `columns` columns; with `roundUp` it starts at the ceiling
// instead, which puts sample i into column floor((i - origin) * columns / samples).
struct ColumnGrid {
    std::int64_t origin = 0;
    std::int64_t samples = 1, columns = 1;
    bool roundUp = false;
    int count = 0;                  // columns wanted
    std::int64_t from = 0, end = 0; // only samples in [from, end) are read
    // A column narrower than one sample (more columns than samples) shows the sample it
    // starts at, so the trace has no holes; otherwise such a column stays empty.
    bool narrowShowsStart = true;

    std::int64_t start(std::int64_t c) const {
        const std::int64_t n = c * samples + (roundUp ? columns - 1 : 0);
        return origin + n / columns;
    }
};

class ColumnReducer {
public:
    // `blocks`, when given, summarise `samples` and speed up the Every rule over wide columns.
    explicit ColumnReducer(std::span<const SampleRecord> samples, SampleRule rule = SampleRule::Every,
                           const SignalBlocks* blocks = nullptr)
        : m_samples(samples), m_rule(rule), m_blocks(blocks) {}

    // Columns 0 .. grid.count - 1, ending before the first column that starts at or after
    // grid.end (fewer then).
    std::vector<ColumnValues> reduce(const ColumnGrid& grid) const;

private:
    std::span<const SampleRecord> m_samples;
    SampleRule m_rule;
    const SignalBlocks* m_blocks;
};

} // namespace kestrova::pages
