#include "analysis/Analysis.h"

#include "settings/Settings.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

// The analysis runs over recordings of up to 518400 samples each time the analysis
// page opens. The samples are copied chunk by chunk into two contiguous byte arrays
// (one per signal) so that the statistics become simple loops the compiler
// vectorises, and the event rule can skip whole blocks in which no event can start.

namespace kestrova {
namespace {

constexpr int kChunk = 4096; // samples per chunk; two byte arrays stay in L1

// Copies the spo2 and pulseRate bytes of `n` records into two arrays.
void splitSignals(const SampleRecord* r, int n, std::uint8_t* spo2, std::uint8_t* pulse) {
    // spo2 and pulseRate are adjacent bytes: one 16-bit load fetches both.
    static_assert(offsetof(SampleRecord, pulseRate) == offsetof(SampleRecord, spo2) + 1);
    const auto* bytes = reinterpret_cast<const unsigned char*>(r) + offsetof(SampleRecord, spo2);
    for (int i = 0; i < n; ++i) {
        std::uint16_t both;
        std::memcpy(&both, bytes + static_cast<std::size_t>(i) * sizeof(SampleRecord), 2);
        spo2[i] = static_cast<std::uint8_t>(both & 0xFF);
        pulse[i] = static_cast<std::uint8_t>(both >> 8);
    }
}

// Highest and lowest sample of a block and where its last rise is: 1 + the offset of
// the last sample above its predecessor, 0 when none is.
struct BlockSummary {
    int hi, lo, lastRise;
};

template <int N> BlockSummary summarise(const std::uint8_t* b) {
    static_assert(N == 16 || N == 32);
    // Two plain reductions the compiler vectorises, then the last rise found from the end.
    std::uint8_t hi = 0, lo = 255;
    for (int j = 0; j < N; ++j) {
        hi = std::max(hi, b[j]);
        lo = std::min(lo, b[j]);
    }
    int lastRise = 0;
    for (int j = N - 1; j >= 0; --j) {
        if (b[j] > b[j - 1]) {
            lastRise = j + 1;
            break;
        }
    }
    return {hi, lo, lastRise};
}

// Running statistics of one signal.
struct SignalStats {
    std::int64_t sum = 0;
    std::int32_t above = 0, below = 0;
    int max = 0, min = 0;
    std::int32_t maxIndex = 0, minIndex = 0;

    // v[0..len) are the samples with indexes first..first+len-1.
    void add(const std::uint8_t* v, int len, std::int32_t first, int high, int low) {
        // Byte comparisons keep the loop in 8-bit lanes; limits outside the byte range
        // mean "every sample" or "none".
        const auto h = static_cast<std::uint8_t>(std::clamp(high, 0, 255));
        const auto l = static_cast<std::uint8_t>(std::clamp(low, 0, 255));
        std::uint32_t s = 0;
        std::uint16_t a = 0, b = 0; // a chunk has at most 4096 samples
        std::uint8_t hi = 0, lo = 255;
        for (int i = 0; i < len; ++i) {
            const std::uint8_t x = v[i];
            s += x;
            a = static_cast<std::uint16_t>(a + (x > h));
            b = static_cast<std::uint16_t>(b + (x < l));
            hi = std::max(hi, x);
            lo = std::min(lo, x);
        }
        if (high < 0) a = static_cast<std::uint16_t>(len);
        if (high >= 255) a = 0;
        if (low > 255) b = static_cast<std::uint16_t>(len);
        if (low <= 0) b = 0;
        sum += s;
        above += static_cast<std::int32_t>(a);
        below += static_cast<std::int32_t>(b);
        // Strictly greater (less) than the running value: ties keep the earlier index.
        if (first == 0 || hi > max) {
            max = hi;
            maxIndex = first + static_cast<std::int32_t>(std::find(v, v + len, hi) - v);
        }
        if (first == 0 || lo < min) {
            min = lo;
            minIndex = first + static_cast<std::int32_t>(std::find(v, v + len, lo) - v);
        }
    }
};

// The event rule for one signal.
//
// Outside an event only two facts matter: whether the last step did not rise
// (`falling`) and the level where that non-rising run began (`base`). An event starts
// at the first sample at least T below `base`; it lasts while the samples stay at or
// below base - T, and counts when it has at least M samples. A rise outside an event
// never emits: a run that ended long enough was emitted when it ended.
class EventDetector {
public:
    EventDetector(int threshold, int minLength, EventList& out) : m_t(threshold), m_m(minLength), m_out(out) {}

    // v[1..len] are the samples with indexes first..first+len-1; v[0] is the sample
    // before them (used only when first > 0).
    void run(const std::uint8_t* v, int len, std::int32_t first) {
        int i = first == 0 ? 2 : 1; // the first pair ends at the recording's second sample
        while (i <= len) {
            if (i + 31 <= len && skipBlock<32>(v, i)) {
                i += 32;
                continue;
            }
            if (i + 15 <= len && skipBlock<16>(v, i)) {
                i += 16;
                continue;
            }
            // Something may happen in these 16 samples: step through them.
            const int end = std::min(len, i + 15);
            stepRange(v, i, end, first);
            i = end + 1;
        }
    }

    // The data ended: an event still running counts if it is long enough.
    void finish() {
        if (m_inEvent) emitIfLongEnough();
    }

private:
    // The pairs ending at v[from..to], one at a time. The state lives in locals
    // while the loop runs: stores through `this` on every sample would chain each
    // step to the last through memory.
    void stepRange(const std::uint8_t* v, int from, int to, std::int32_t first) {
        bool inEvent = m_inEvent, falling = m_falling;
        int base = m_base, lastDrop = m_lastDrop, hi = m_max, lo = m_min;
        std::int32_t length = m_length, start = m_start;
        for (int i = from; i <= to; ++i) {
            const int prev = v[i - 1], cur = v[i];
            if (!inEvent) {
                const bool fall = cur <= prev;
                base = falling ? base : prev; // a new non-rising run starts at prev
                falling = fall;
                lastDrop = prev - cur;
                if (fall && base - cur >= m_t) {
                    base -= m_t; // from now on the event level
                    length = 1;
                    inEvent = true;
                    start = first + i - 1;
                    hi = lo = cur;
                }
            } else if (cur <= base) {
                ++length;
                hi = std::max(hi, cur);
                lo = std::min(lo, cur);
            } else {
                inEvent = false;
                falling = false;
                if (length >= m_m) m_out.push_back(EventRecord{start, length, hi, lo, lastDrop});
                length = 0;
            }
        }
        m_inEvent = inEvent;
        m_falling = falling;
        m_base = base;
        m_lastDrop = lastDrop;
        m_max = hi;
        m_min = lo;
        m_length = length;
        m_start = start;
    }

    // Handles the pairs ending at v[i..i+N) at once when nothing can happen in
    // them: outside an event no base in the block is T above its lowest sample;
    // inside one, every sample stays at or below the event level.
    template <int N> bool skipBlock(const std::uint8_t* v, int i) {
        const std::uint8_t* b = v + i;
        const BlockSummary sum = summarise<N>(b);
        const int hi = sum.hi, lo = sum.lo, lastRise = sum.lastRise;
        if (m_inEvent) {
            if (hi > m_base) return false;
            m_length += N;
            m_max = std::max(m_max, hi);
            m_min = std::min(m_min, lo);
            return true;
        }
        const int runStartBase = m_falling ? m_base : v[i - 1];
        const int top = std::max({runStartBase, hi, int{v[i - 1]}});
        if (top - lo >= m_t) return false;
        // Same state as stepping through the block: the last pair decides falling and
        // lastDrop; base is where the final non-rising run began, which is the sample
        // after the last rise, or the run that was going on before the block.
        m_lastDrop = b[N - 2] - b[N - 1];
        m_falling = lastRise != N;
        if (m_falling) m_base = lastRise == 0 ? runStartBase : b[lastRise - 1];
        return true;
    }

    void emitIfLongEnough() {
        if (m_length >= m_m) m_out.push_back(EventRecord{m_start, m_length, m_max, m_min, m_lastDrop});
        m_length = 0;
    }

    const int m_t, m_m;
    EventList& m_out;
    bool m_inEvent = false, m_falling = false;
    int m_base = 0, m_lastDrop = 0;
    int m_max = 0, m_min = 0; // extremes of the event so far
    std::int32_t m_length = 0, m_start = 0;
};

EventSummary summarise(const EventList& events, float hours) {
    EventSummary sum;
    sum.count = static_cast<std::int32_t>(events.size());
    if (hours != 0.0f) sum.indexPerHour = static_cast<float>(sum.count) / hours;
    if (events.empty()) return sum;
    std::int64_t total = 0, maxSum = 0, minSum = 0;
    sum.maxOnsetDrop = events.front().onsetDrop;
    sum.maxDuration = events.front().length;
    for (const auto& e : events) {
        total += e.length;
        maxSum += e.maxValue;
        minSum += e.minValue;
        sum.maxOnsetDrop = std::max(sum.maxOnsetDrop, e.onsetDrop);
        sum.maxDuration = std::max(sum.maxDuration, e.length);
    }
    sum.totalDuration = static_cast<std::int32_t>(total);
    sum.averageDuration = static_cast<std::int32_t>(total / sum.count);
    sum.averageMax = static_cast<std::int32_t>(maxSum / sum.count);
    sum.averageMin = static_cast<std::int32_t>(minSum / sum.count);
    return sum;
}

} // namespace

AnalysisLimits readAnalysisLimits(const Settings& settings) {
    AnalysisLimits lim;
    lim.saturationsHigh = settings.read(setting::SaturationsHigh);
    lim.saturationsLow = settings.read(setting::SaturationsLow);
    lim.prHigh = settings.read(setting::PrHigh);
    lim.prLow = settings.read(setting::PrLow);
    lim.desaturationsEvent = settings.read(setting::DesaturationsEvent);
    lim.pulseEvent = settings.read(setting::PulseEvent);
    return lim;
}

AnalysisResult computeAnalysis(std::span<const SampleRecord> s, const AnalysisLimits& limits) {
    AnalysisResult r;
    const auto n = static_cast<std::int32_t>(s.size());
    r.samples = n;
    r.limits = limits;
    if (n == 0) return r; // an empty recording: all zeros, no events

    SignalStats spo2Stats, pulseStats;
    EventDetector desat(limits.desaturationsEvent, kDesaturationMinLength, r.desaturationEvents);
    EventDetector pulse(limits.pulseEvent, kPulseMinLength, r.pulseEvents);
    // Index 0 carries the last sample of the previous chunk.
    std::array<std::uint8_t, kChunk + 1> spo2{}, pr{};
    for (std::int32_t first = 0; first < n; first += kChunk) {
        const int len = static_cast<int>(std::min<std::int32_t>(kChunk, n - first));
        if (first > 0) {
            spo2[0] = spo2[kChunk];
            pr[0] = pr[kChunk];
        }
        splitSignals(s.data() + first, len, spo2.data() + 1, pr.data() + 1);
        spo2Stats.add(spo2.data() + 1, len, first, limits.saturationsHigh, limits.saturationsLow);
        pulseStats.add(pr.data() + 1, len, first, limits.prHigh, limits.prLow);
        desat.run(spo2.data(), len, first);
        pulse.run(pr.data(), len, first);
    }
    desat.finish();
    pulse.finish();

    auto& st = r.statistics;
    st.maxSpo2 = spo2Stats.max;
    st.minSpo2 = spo2Stats.min;
    st.maxSpo2Index = spo2Stats.maxIndex;
    st.minSpo2Index = spo2Stats.minIndex;
    st.avgSpo2 = static_cast<std::int32_t>(spo2Stats.sum / n);
    st.spo2AboveHigh = spo2Stats.above;
    st.spo2BelowLow = spo2Stats.below;
    st.maxPulse = pulseStats.max;
    st.minPulse = pulseStats.min;
    st.maxPulseIndex = pulseStats.maxIndex;
    st.minPulseIndex = pulseStats.minIndex;
    st.avgPulse = static_cast<std::int32_t>(pulseStats.sum / n);
    st.pulseAboveHigh = pulseStats.above;
    st.pulseBelowLow = pulseStats.below;

    const auto hours = static_cast<float>(n / 3600.0);
    r.desaturation = summarise(r.desaturationEvents, hours);
    r.pulse = summarise(r.pulseEvents, hours);
    return r;
}

AnalysisResult computeAnalysis(std::span<const SampleRecord> samples, const Settings& settings) {
    return computeAnalysis(samples, readAnalysisLimits(settings));
}

} // namespace kestrova
