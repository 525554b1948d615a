#include "analysis/Analysis.h"

#include "settings/Settings.h"

#include <algorithm>

namespace kestrova {
namespace {

SampleStatistics computeStatistics(std::span<const SampleRecord> s, const AnalysisLimits& lim) {
    SampleStatistics st;
    if (s.empty()) return st; // an empty recording has all-zero statistics
    st.maxSpo2 = st.minSpo2 = s[0].spo2;
    st.maxPulse = st.minPulse = s[0].pulseRate;
    // Exact sums: 518400 samples of up to 255 fit easily in 64 bits.
    std::int64_t spo2Sum = 0, pulseSum = 0;
    const std::size_t n = s.size();
    for (std::size_t k = 0; k < n; ++k) {
        const int spo2 = s[k].spo2;
        const int pulse = s[k].pulseRate;
        spo2Sum += spo2;
        pulseSum += pulse;
        st.spo2AboveHigh += spo2 > lim.saturationsHigh;
        st.spo2BelowLow += spo2 < lim.saturationsLow;
        st.pulseAboveHigh += pulse > lim.prHigh;
        st.pulseBelowLow += pulse < lim.prLow;
        const auto idx = static_cast<std::int32_t>(k);
        if (spo2 > st.maxSpo2) { st.maxSpo2 = spo2; st.maxSpo2Index = idx; }
        if (spo2 < st.minSpo2) { st.minSpo2 = spo2; st.minSpo2Index = idx; }
        if (pulse > st.maxPulse) { st.maxPulse = pulse; st.maxPulseIndex = idx; }
        if (pulse < st.minPulse) { st.minPulse = pulse; st.minPulseIndex = idx; }
    }
    st.avgSpo2 = static_cast<std::int32_t>(spo2Sum / static_cast<std::int64_t>(n));
    st.avgPulse = static_cast<std::int32_t>(pulseSum / static_cast<std::int64_t>(n));
    return st;
}

// The event rule for one signal, fed one consecutive pair at a time.
class EventDetector {
public:
    EventDetector(int threshold, int minLength, EventList& out) : m_t(threshold), m_m(minLength), m_out(out) {}

    void step(int prev, int cur, std::int32_t k, bool lastPair) {
        if (!m_inEvent) {
            if (cur > prev) { // a rise
                m_falling = false;
                emitIfLongEnough();
                return;
            }
            // a fall or a flat step
            m_length = 0;
            m_lastDrop = prev - cur;
            if (!m_falling) m_base = prev; // where this non-rising run began
            m_falling = true;
            if (m_base - cur < m_t) return;
            m_base -= m_t; // from now on the event level
            m_length = 1;
            m_inEvent = true;
            m_start = k + 1;
        } else if (cur <= m_base) {
            ++m_length;
        } else {
            m_inEvent = false;
            m_falling = false;
            emitIfLongEnough();
            return;
        }
        if (lastPair) emitIfLongEnough();
    }

private:
    void emitIfLongEnough() {
        if (m_length < m_m) return;
        m_out.push_back(EventRecord{m_start, m_length, 0, 0, m_lastDrop});
        m_length = 0;
    }

    const int m_t, m_m;
    EventList& m_out;
    bool m_inEvent = false, m_falling = false;
    int m_base = 0, m_lastDrop = 0;
    std::int32_t m_length = 0, m_start = 0;
};

template <typename Signal> void fillExtremes(EventList& events, std::span<const SampleRecord> s, Signal signal) {
    for (auto& e : events) {
        const auto first = s.begin() + e.start;
        const auto [lo, hi] = std::minmax_element(first, first + e.length, [&](const auto& a, const auto& b) {
            return signal(a) < signal(b);
        });
        e.minValue = signal(*lo);
        e.maxValue = signal(*hi);
    }
}

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
    r.samples = static_cast<std::int32_t>(s.size());
    r.limits = limits;
    r.statistics = computeStatistics(s, limits);

    EventDetector desat(limits.desaturationsEvent, kDesaturationMinLength, r.desaturationEvents);
    EventDetector pulse(limits.pulseEvent, kPulseMinLength, r.pulseEvents);
    const std::int32_t n = r.samples;
    for (std::int32_t k = 0; k + 1 < n; ++k) {
        const bool last = k == n - 2;
        desat.step(s[k].spo2, s[k + 1].spo2, k, last);
        pulse.step(s[k].pulseRate, s[k + 1].pulseRate, k, last);
    }
    fillExtremes(r.desaturationEvents, s, [](const SampleRecord& x) { return int{x.spo2}; });
    fillExtremes(r.pulseEvents, s, [](const SampleRecord& x) { return int{x.pulseRate}; });

    const auto hours = static_cast<float>(n / 3600.0);
    r.desaturation = summarise(r.desaturationEvents, hours);
    r.pulse = summarise(r.pulseEvents, hours);
    return r;
}

AnalysisResult computeAnalysis(std::span<const SampleRecord> samples, const Settings& settings) {
    return computeAnalysis(samples, readAnalysisLimits(settings));
}

} // namespace kestrova
