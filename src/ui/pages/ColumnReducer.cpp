#include "pages/ColumnReducer.h"

#include "analysis/ClinicalMetrics.h"

#include <algorithm>

namespace kestrova::pages {
namespace {

// Folds samples [from, to) into v; every one of them counts.
void takeEvery(ColumnValues& v, const SampleRecord* s, std::int64_t from, std::int64_t to) {
    std::uint8_t loS = v.lo[0], hiS = v.hi[0], loP = v.lo[1], hiP = v.hi[1];
    for (std::int64_t i = from; i < to; ++i) {
        loS = std::min(loS, s[i].spo2);
        hiS = std::max(hiS, s[i].spo2);
        loP = std::min(loP, s[i].pulseRate);
        hiP = std::max(hiP, s[i].pulseRate);
    }
    v.lo[0] = loS;
    v.hi[0] = hiS;
    v.lo[1] = loP;
    v.hi[1] = hiP;
}

void reduceEvery(ColumnValues& v, const SampleRecord* s, std::int64_t a, std::int64_t b,
                 const SignalBlocks* blocks) {
    v.counted = true;
    v.first[0] = s[a].spo2;
    v.first[1] = s[a].pulseRate;
    v.last[0] = s[b - 1].spo2;
    v.last[1] = s[b - 1].pulseRate;
    constexpr std::int64_t K = SignalBlocks::kBlock;
    const std::int64_t blockFrom = (a + K - 1) / K, blockTo = b / K; // whole blocks inside [a, b)
    if (!blocks || blockTo <= blockFrom) return takeEvery(v, s, a, b);
    takeEvery(v, s, a, blockFrom * K);
    for (std::int64_t k = blockFrom; k < blockTo; ++k) {
        const auto i = static_cast<std::size_t>(k);
        for (int c = 0; c < 2; ++c) {
            v.lo[c] = std::min(v.lo[c], blocks->lo[c][i]);
            v.hi[c] = std::max(v.hi[c], blocks->hi[c][i]);
        }
    }
    takeEvery(v, s, blockTo * K, b);
}

void reduceValid(ColumnValues& v, const SampleRecord* s, std::int64_t a, std::int64_t b) {
    for (std::int64_t i = a; i < b; ++i) {
        if (!clinical::isValid(s[i])) {
            v.artefact = true;
            continue;
        }
        const std::uint8_t value[2] = {s[i].spo2, s[i].pulseRate};
        for (int c = 0; c < 2; ++c) {
            if (!v.counted) v.first[c] = value[c];
            v.lo[c] = std::min(v.lo[c], value[c]);
            v.hi[c] = std::max(v.hi[c], value[c]);
            v.last[c] = value[c];
        }
        v.counted = true;
    }
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
