#include "analysis/ClinicalMetrics.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace kestrova {
namespace {

double perHour(double count, std::int64_t validSeconds) {
    return validSeconds > 0 ? count / (static_cast<double>(validSeconds) / 3600.0) : 0.0;
}

SecondsAndPercent share(std::int64_t seconds, std::int64_t validSeconds) {
    return {seconds, validSeconds > 0 ? 100.0 * static_cast<double>(seconds) / static_cast<double>(validSeconds) : 0.0};
}

} // namespace

std::string clinicalCriteria() {
    return "Criteria: a second is valid when SpO2 is 50-100 % and pulse 25-250 bpm; every figure uses valid "
           "seconds only. A desaturation is a fall of at least 3 % (or 4 %) below the highest valid SpO2 of the "
           "preceding 120 s, held for at least 10 s.";
}

std::string isoTime(const SampleRecord& s) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", 2000 + s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    return buf;
}

namespace {

// The valid samples of the last 120 s with falling SpO2 from front to back, so the
// front is the baseline (a sliding maximum). A ring of 128 holds them: the window
// never has more than 120 entries plus the one being added.
class BaselineWindow {
public:
    explicit BaselineWindow(std::span<const SampleRecord> samples) : m_samples(samples) {}
    void advanceTo(std::int32_t i) {
        while (m_head != m_tail && at(m_head) < i - clinical::kBaselineWindow) ++m_head;
    }
    bool defined() const { return m_head != m_tail; }
    int baseline() const { return spo2(at(m_head)); }
    void add(std::int32_t i) {
        while (m_head != m_tail && spo2(at(m_tail - 1)) <= spo2(i)) --m_tail;
        m_ring[m_tail++ & kMask] = i;
    }

private:
    static constexpr std::uint32_t kMask = 127;
    std::int32_t at(std::uint32_t k) const { return m_ring[k & kMask]; }
    int spo2(std::int32_t i) const { return m_samples[static_cast<std::size_t>(i)].spo2; }
    std::span<const SampleRecord> m_samples;
    std::array<std::int32_t, kMask + 1> m_ring{};
    std::uint32_t m_head = 0, m_tail = 0;
};

// One event scan for one drop; fed sample by sample.
class DesaturationScan {
public:
    explicit DesaturationScan(int drop) : m_drop(drop) {}
    void step(std::int32_t i, const SampleRecord& s, bool valid, const BaselineWindow& window) {
        if (m_inside) {
            if (valid && s.spo2 <= m_current.baseline - m_drop) {
                m_current.nadir = std::min<std::int32_t>(m_current.nadir, s.spo2);
                m_current.area += m_current.baseline - s.spo2;
                return;
            }
            close(i - 1); // and judge this sample as outside an event
        }
        if (valid && window.defined() && s.spo2 <= window.baseline() - m_drop) {
            m_inside = true;
            m_current = {i, i, window.baseline(), s.spo2, window.baseline() - s.spo2};
        }
    }
    std::vector<DesaturationEvent> finish(std::int32_t n) {
        if (m_inside) close(n - 1);
        return std::move(m_events);
    }

private:
    void close(std::int32_t end) {
        m_current.end = end;
        if (m_current.duration() >= clinical::kMinEventSeconds) m_events.push_back(m_current);
        m_inside = false;
    }
    int m_drop;
    bool m_inside = false;
    DesaturationEvent m_current;
    std::vector<DesaturationEvent> m_events;
};

template <std::size_t K>
std::array<std::vector<DesaturationEvent>, K> scanDesaturations(std::span<const SampleRecord> samples,
                                                                 const std::array<int, K>& drops) {
    BaselineWindow window(samples);
    std::array<std::optional<DesaturationScan>, K> scans;
    for (std::size_t k = 0; k < K; ++k) scans[k].emplace(drops[k]);
    const auto n = static_cast<std::int32_t>(samples.size());
    for (std::int32_t i = 0; i < n; ++i) {
        const SampleRecord& s = samples[static_cast<std::size_t>(i)];
        const bool valid = clinical::isValid(s);
        window.advanceTo(i);
        for (auto& scan : scans) scan->step(i, s, valid, window);
        if (valid) window.add(i);
    }
    std::array<std::vector<DesaturationEvent>, K> events;
    for (std::size_t k = 0; k < K; ++k) events[k] = scans[k]->finish(n);
    return events;
}

} // namespace

std::vector<DesaturationEvent> findDesaturations(std::span<const SampleRecord> samples, int drop) {
    return std::move(scanDesaturations(samples, std::array<int, 1>{drop})[0]);
}

ClinicalMetrics computeClinicalMetrics(std::span<const SampleRecord> samples) {
    ClinicalMetrics m;
    m.odi3.drop = 3;
    m.odi4.drop = 4;
    m.recordedSeconds = static_cast<std::int64_t>(samples.size());
    std::array<std::int64_t, 256> spo2Histogram{};
    std::int64_t spo2Sum = 0, pulseSum = 0;
    int pulseMin = 255, pulseMax = 0, spo2Min = 255, spo2Max = 0;
    std::int64_t minIndex = -1;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const SampleRecord& s = samples[i];
        if (!clinical::isValid(s)) continue;
        ++m.validSeconds;
        ++spo2Histogram[s.spo2];
        spo2Sum += s.spo2;
        pulseSum += s.pulseRate;
        if (s.spo2 < spo2Min) {
            spo2Min = s.spo2;
            minIndex = static_cast<std::int64_t>(i);
        }
        spo2Max = std::max<int>(spo2Max, s.spo2);
        pulseMin = std::min<int>(pulseMin, s.pulseRate);
        pulseMax = std::max<int>(pulseMax, s.pulseRate);
        if (s.pulseRate > 100) ++m.pulse.above100Seconds;
        if (s.pulseRate < 50) ++m.pulse.below50Seconds;
    }
    m.artefactSeconds = m.recordedSeconds - m.validSeconds;
    if (m.validSeconds == 0) return m; // every figure 0, minIndex -1

    const auto valid = m.validSeconds;
    const auto count = static_cast<double>(valid);
    m.spo2.mean = static_cast<double>(spo2Sum) / count;
    m.spo2.min = spo2Min;
    m.spo2.max = spo2Max;
    m.spo2.minIndex = minIndex;
    // Lower median: element (count - 1) div 2 of the sorted values.
    std::int64_t seen = 0;
    for (int v = 0; v < 256; ++v) {
        seen += spo2Histogram[static_cast<std::size_t>(v)];
        if (seen > (valid - 1) / 2) {
            m.spo2.median = v;
            break;
        }
    }
    auto secondsBetween = [&](int low, int high) {
        std::int64_t total = 0;
        for (int v = low; v <= high; ++v) total += spo2Histogram[static_cast<std::size_t>(v)];
        return total;
    };
    m.t90 = share(secondsBetween(0, 89), valid);
    m.t88 = share(secondsBetween(0, 88), valid);
    for (auto& band : m.bands) band.time = share(secondsBetween(band.low, band.high), valid);

    auto [three, four] = scanDesaturations(samples, std::array<int, 2>{3, 4});
    m.odi3.events = std::move(three);
    m.odi4.events = std::move(four);
    m.odi3.perHour = perHour(static_cast<double>(m.odi3.events.size()), valid);
    m.odi4.perHour = perHour(static_cast<double>(m.odi4.events.size()), valid);
    std::int64_t area = 0;
    for (const auto& e : m.odi3.events) area += e.area;
    m.desaturationAreaPerHour = perHour(static_cast<double>(area) / 60.0, valid);

    m.pulse.mean = static_cast<double>(pulseSum) / count;
    m.pulse.min = pulseMin;
    m.pulse.max = pulseMax;
    return m;
}

} // namespace kestrova
