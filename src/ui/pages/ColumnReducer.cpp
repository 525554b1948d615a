#include "pages/ColumnReducer.h"

#include "analysis/ClinicalMetrics.h"

#include <algorithm>

namespace kestrova::pages {
namespace {

// The running lowest and highest of both signals. Kept in locals while a column is
// scanned: stores through the columns' byte fields would make the compiler reload
// everything else after each one.
struct Range {
    std::uint8_t loS = 255, hiS = 0, loP = 255, hiP = 0;
    void take(const SampleRecord& r) {
        loS = std::min(loS, r.spo2);
        hiS = std::max(hiS, r.spo2);
        loP = std::min(loP, r.pulseRate);
        hiP = std::max(hiP, r.pulseRate);
    }
    void store(ColumnValues& v) const {
        v.lo[0] = loS;
        v.hi[0] = hiS;
        v.lo[1] = loP;
        v.hi[1] = hiP;
    }
};

void storeEnds(ColumnValues& v, const SampleRecord& first, const SampleRecord& last) {
    v.counted = true;
    v.first[0] = first.spo2;
    v.first[1] = first.pulseRate;
    v.last[0] = last.spo2;
    v.last[1] = last.pulseRate;
}

// Samples [a, b), every one counting; the whole blocks inside from their summary.
void reduceEvery(ColumnValues& v, const SampleRecord* s, std::int64_t a, std::int64_t b, const SignalBlocks* blocks) {
    Range r;
    constexpr std::int64_t K = SignalBlocks::kBlock;
    const std::int64_t blockFrom = (a + K - 1) / K, blockTo = b / K; // whole blocks inside [a, b)
    if (!blocks || blockTo <= blockFrom) {
        for (std::int64_t i = a; i < b; ++i) r.take(s[i]);
    } else {
        for (std::int64_t i = a; i < blockFrom * K; ++i) r.take(s[i]);
        const std::uint8_t *loS = blocks->lo[0].data(), *hiS = blocks->hi[0].data();
        const std::uint8_t *loP = blocks->lo[1].data(), *hiP = blocks->hi[1].data();
        for (std::int64_t k = blockFrom; k < blockTo; ++k) {
            r.loS = std::min(r.loS, loS[k]);
            r.hiS = std::max(r.hiS, hiS[k]);
            r.loP = std::min(r.loP, loP[k]);
            r.hiP = std::max(r.hiP, hiP[k]);
        }
        for (std::int64_t i = blockTo * K; i < b; ++i) r.take(s[i]);
    }
    r.store(v);
    storeEnds(v, s[a], s[b - 1]);
}

// Samples [a, b), only the valid ones counting.
void reduceValid(ColumnValues& v, const SampleRecord* s, std::int64_t a, std::int64_t b) {
    Range r;
    std::int64_t first = -1, last = -1;
    bool artefact = false;
    for (std::int64_t i = a; i < b; ++i) {
        if (!clinical::isValid(s[i])) {
            artefact = true;
            continue;
        }
        if (first < 0) first = i;
        last = i;
        r.take(s[i]);
    }
    v.artefact = artefact;
    r.store(v);
    if (first >= 0) storeEnds(v, s[first], s[last]);
}

} // namespace

SignalBlocks summariseBlocks(std::span<const SampleRecord> samples) {
    const auto n = static_cast<std::int64_t>(samples.size());
    ColumnGrid grid;
    grid.samples = SignalBlocks::kBlock;
    grid.count = static_cast<int>((n + SignalBlocks::kBlock - 1) / SignalBlocks::kBlock);
    grid.end = n;
    const std::vector<ColumnValues> columns = ColumnReducer(samples).reduce(grid);
    SignalBlocks b;
    for (int c = 0; c < 2; ++c) {
        b.lo[c].resize(columns.size());
        b.hi[c].resize(columns.size());
        for (std::size_t k = 0; k < columns.size(); ++k) {
            b.lo[c][k] = columns[k].lo[c];
            b.hi[c][k] = columns[k].hi[c];
        }
    }
    return b;
}

std::vector<ColumnValues> ColumnReducer::reduce(const ColumnGrid& grid) const {
    std::vector<ColumnValues> columns;
    const std::int64_t from = std::max<std::int64_t>(grid.from, 0);
    const std::int64_t end = std::min(grid.end, static_cast<std::int64_t>(m_samples.size()));
    if (grid.count <= 0 || grid.samples <= 0 || grid.columns <= 0) return columns;
    columns.reserve(static_cast<std::size_t>(grid.count));
    const SampleRecord* s = m_samples.data();
    std::int64_t start = grid.start(0);
    for (int c = 0; c < grid.count && start < end; ++c) {
        const std::int64_t next = grid.start(c + 1);
        const std::int64_t stop = grid.narrowShowsStart ? std::max(next, start + 1) : next;
        const std::int64_t a = std::max(start, from), b = std::min(stop, end);
        ColumnValues& v = columns.emplace_back();
        if (a < b) {
            if (m_rule == SampleRule::Every)
                reduceEvery(v, s, a, b, m_blocks);
            else
                reduceValid(v, s, a, b);
        }
        start = next;
    }
    return columns;
}

} // namespace kestrova::pages
