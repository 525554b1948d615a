#include "analysis/ClinicalMetrics.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

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
    using namespace clinical;
    const auto n = [](int v) { return std::to_string(v); };
    return "Criteria: a second is valid when SpO2 is 50-100 % and pulse 25-250 bpm; every figure uses valid "
           "seconds only. Desaturations are found on SpO2 smoothed by a " +
           n(kSmoothingSamples) +
           "-sample median (a sample next to an artefact is kept as it is). The baseline is the median of "
           "the "
           "smoothed valid samples of the preceding " +
           n(kBaselineWindow) + " s that lie outside events (at least " + n(kMinBaselineSamples) +
           " of them) and moves by at most " + n(kMaxBaselineStep) +
           " % a second. An event starts at a sample at least " + n(kPrimaryDrop) +
           " % below the baseline and counts when SpO2 stays there for at least " + n(kMinEventSeconds) +
           " valid seconds, at most " + n(kNoiseSamples) +
           " samples in a row above; it ends before SpO2 has been back within " + n(kRecoveryMargin) +
           " % of the baseline, or " + n(kPrimaryDrop) + " % above the event's nadir, for " +
           n(kRecoverySeconds) + " s, or after " + n(kMaxEventSeconds) +
           " s without recovery (its seconds then rejoin the baseline, which is taken afresh). After an "
           "event the "
           "next one also needs a fall of " +
           n(kPrimaryDrop) + " % below the highest SpO2 since, until SpO2 is back within " +
           n(kRecoveryMargin) +
           " % of the baseline. A 4 % event is a 3 % event that holds at least 4 % below its baseline in the "
           "same "
           "way. Artefact gaps of up to " +
           n(kMaxBridgedGap) +
           " s inside an event are bridged and count neither as event nor as valid time; a longer gap ends "
           "it. "
           "Depth is the baseline minus the lowest smoothed SpO2 of the event; duration is its event time.";
}

std::string isoTime(const SampleRecord& s) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", 2000 + s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    return buf;
}

namespace {

using Bytes = std::unique_ptr<std::uint8_t[]>;

// SpO2 of valid samples, 0 for artefacts.
Bytes validSpo2(std::span<const SampleRecord> samples) {
    Bytes v = std::make_unique_for_overwrite<std::uint8_t[]>(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) v[i] = clinical::isValid(samples[i]) ? samples[i].spo2 : 0;
    return v;
}

// The detector's input: the 3-sample median of the valid SpO2 where the sample and both
// neighbours are valid, the sample itself next to an artefact or an end, 0 for
// artefacts (a valid SpO2 is at least 50, so 0 also stands for "no valid sample").
Bytes smoothed(const std::uint8_t* v, std::size_t n) {
    static_assert(clinical::kSmoothingSamples == 3);
    Bytes m = std::make_unique_for_overwrite<std::uint8_t[]>(n);
    if (n > 0) m[0] = v[0];
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const std::uint8_t a = v[i - 1], b = v[i], c = v[i + 1];
        const std::uint8_t med = std::max(std::min(a, b), std::min(std::max(a, b), c));
        m[i] = a != 0 && b != 0 && c != 0 ? med : b;
    }
    if (n > 1) m[n - 1] = v[n - 1];
    return m;
}

// The lower median of the eligible samples of [lo, hi), kept as a histogram of whole
// percent and the count of samples below the median, so that each sample entering or
// leaving moves it by a step or two instead of a count over the bins.
class WindowMedian {
  public:
    void add(std::uint8_t x) {
        ++m_bins[x];
        ++m_count;
        if (x < m_median) ++m_below;
    }
    void remove(std::uint8_t x) {
        --m_bins[x];
        --m_count;
        if (x < m_median) --m_below;
    }
    int count() const { return m_count; }
    int median() {
        const int target = (m_count - 1) / 2; // index of the lower median in sorted order
        while (m_below > target)
            m_below -= m_bins[--m_median];
        while (m_below + m_bins[m_median] <= target)
            m_below += m_bins[m_median++];
        return m_median;
    }

  private:
    std::array<int, 256> m_bins{};
    int m_count = 0, m_below = 0;
    int m_median = clinical::kMinValidSpo2;
};

struct Outcome {
    bool counts = false;
    DesaturationEvent event;
};

// Whether [from, to] holds `drop` below `baseline` for kMinEventSeconds valid seconds,
// at most kNoiseSamples in a row above and artefact gaps bridged; from the first
// sample only (`anchored`) or anywhere.
bool holds(const std::uint8_t* m, std::int32_t from, std::int32_t to, int baseline, int drop, bool anchored) {
    using namespace clinical;
    const int limit = baseline - drop;
    std::int32_t seconds = 0, pending = 0, above = 0, gap = 0;
    bool inStretch = false;
    for (std::int32_t k = from; k <= to; ++k) {
        if (m[k] == 0) {
            if (inStretch && ++gap > kMaxBridgedGap) {
                if (anchored) return false;
                inStretch = false;
            }
            continue;
        }
        gap = 0;
        if (m[k] <= limit) {
            if (!inStretch) inStretch = true, seconds = 0, pending = 0;
            seconds += pending + 1;
            pending = 0;
            above = 0;
            if (seconds >= kMinEventSeconds) return true;
        } else if (inStretch) {
            ++pending;
            if (++above > kNoiseSamples) {
                if (anchored) return false;
                inStretch = false;
            }
        } else if (anchored) {
            return false;
        }
    }
    return false;
}

// One event attempt from `start` against `baseline`: where it ends and whether it counts.
Outcome attempt(const std::uint8_t* m, std::int32_t n, std::int32_t start, int baseline) {
    using namespace clinical;
    Outcome o;
    DesaturationEvent& e = o.event;
    e.start = e.end = start;
    e.baseline = baseline;
    e.nadir = m[start];
    e.nadirIndex = start;
    std::int32_t seconds = 1, recovered = 0, gap = 0;
    for (std::int32_t k = start + 1; k < n && seconds < kMaxEventSeconds; ++k) {
        const int x = m[k];
        if (x == 0) {
            if (++gap > kMaxBridgedGap) break;
            continue;
        }
        gap = 0;
        const bool nearBaseline = x >= baseline - kRecoveryMargin, aboveNadir = x >= e.nadir + kPrimaryDrop;
        if (nearBaseline || aboveNadir) {
            if (++recovered == kRecoverySeconds) break;
            continue;
        }
        // Not recovered: the samples of a recovery too short to count rejoin the event.
        seconds += recovered + 1;
        recovered = 0;
        e.end = k;
        if (x < e.nadir) e.nadir = x, e.nadirIndex = k;
    }
    e.timedOut = seconds >= kMaxEventSeconds;
    for (std::int32_t k = e.start; k <= e.end; ++k) {
        if (m[k] == 0) {
            ++e.artefactSeconds;
            continue;
        }
        e.area += std::max(0, baseline - m[k]);
    }
    o.counts = holds(m, e.start, e.end, baseline, kPrimaryDrop, true);
    if (o.counts) {
        e.heldDrop = kPrimaryDrop;
        while (e.heldDrop < e.depth() && holds(m, e.start, e.end, baseline, e.heldDrop + 1, false))
            ++e.heldDrop;
    }
    return o;
}

// The event rule over smoothed SpO2 `m`: one scan, the baseline carried along.
std::vector<DesaturationEvent> detect(const std::uint8_t* m, std::int32_t n) {
    using namespace clinical;
    std::vector<DesaturationEvent> events;
    // Eligible for the baseline: valid and outside every event that ended by a recovery.
    // A sample's eligibility is final once the scan has passed it outside an event.
    Bytes eligible = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i)
        eligible[i] = m[i] != 0;
    WindowMedian window;
    std::int32_t added = 0, removed = 0; // the window holds the eligible samples of [removed, added)
    int baseline = 0;                    // 0: none
    bool fresh = true, armed = true;
    int peak = 0;
    for (std::int32_t i = 0; i < n;) {
        for (; added < i; ++added)
            if (eligible[added]) window.add(m[added]);
        for (; removed < i - kBaselineWindow; ++removed)
            if (eligible[removed]) window.remove(m[removed]);
        if (window.count() < kMinBaselineSamples) {
            baseline = 0;
        } else {
            const int median = window.median();
            baseline = fresh || baseline == 0
                           ? median
                           : std::clamp(median, baseline - kMaxBaselineStep, baseline + kMaxBaselineStep);
            fresh = false;
        }
        const int x = m[i];
        if (x == 0 || baseline == 0) {
            ++i;
            continue;
        }
        if (x >= baseline - kRecoveryMargin) armed = true;
        peak = std::max(peak, x);
        if (x > baseline - kPrimaryDrop || (!armed && x > peak - kPrimaryDrop)) {
            ++i;
            continue;
        }
        Outcome o = attempt(m, n, i, baseline);
        if (!o.counts) {
            ++i;
            continue;
        }
        const DesaturationEvent& e = o.event;
        if (e.timedOut)
            fresh = true;
        else
            std::fill(eligible.get() + e.start, eligible.get() + e.end + 1, std::uint8_t{0});
        // The recovery is judged again outside the event: back near the baseline re-arms.
        armed = false;
        peak = 0;
        i = e.end + 1;
        events.push_back(e);
    }
    return events;
}

double middle(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t h = v.size() / 2;
    return v.size() % 2 ? v[h] : (v[h - 1] + v[h]) / 2.0;
}

std::vector<DesaturationEvent> atLeast(const std::vector<DesaturationEvent>& events, int drop) {
    std::vector<DesaturationEvent> out;
    for (const auto& e : events)
        if (e.heldDrop >= drop) out.push_back(e);
    return out;
}

} // namespace

void describeEvents(DesaturationIndex& odi) {
    const auto& events = odi.events;
    odi.meanDepth = odi.medianDepth = odi.meanDuration = odi.medianDuration = 0;
    odi.longest = -1;
    if (events.empty()) return;
    std::vector<double> depths, durations;
    for (std::size_t i = 0; i < events.size(); ++i) {
        depths.push_back(events[i].depth());
        durations.push_back(events[i].seconds());
        if (odi.longest < 0 || events[i].seconds() > events[static_cast<std::size_t>(odi.longest)].seconds())
            odi.longest = static_cast<std::int64_t>(i);
    }
    const auto count = static_cast<double>(events.size());
    for (double d : depths)
        odi.meanDepth += d;
    for (double d : durations)
        odi.meanDuration += d;
    odi.meanDepth /= count;
    odi.meanDuration /= count;
    odi.medianDepth = middle(depths);
    odi.medianDuration = middle(durations);
}

std::vector<DesaturationEvent> findDesaturations(std::span<const SampleRecord> samples, int drop) {
    const std::size_t n = samples.size();
    const Bytes v = validSpo2(samples);
    const Bytes m = smoothed(v.get(), n);
    return atLeast(detect(m.get(), static_cast<std::int32_t>(n)), drop);
}

ClinicalMetrics computeClinicalMetrics(std::span<const SampleRecord> samples) {
    ClinicalMetrics m;
    m.odi3.drop = 3;
    m.odi4.drop = 4;
    m.recordedSeconds = static_cast<std::int64_t>(samples.size());
    // One pass: valid SpO2 per sample and, in four histograms each (so that runs of
    // equal values do not wait on one counter), the valid SpO2 and pulse values.
    const std::size_t n = samples.size();
    Bytes v = std::make_unique_for_overwrite<std::uint8_t[]>(n);
    std::array<std::array<std::int64_t, 256>, 4> histograms{}, pulseHistograms{};
    for (std::size_t i = 0; i < n; ++i) {
        const SampleRecord& s = samples[i];
        const bool valid = clinical::isValid(s);
        v[i] = valid ? s.spo2 : 0;
        if (!valid) continue;
        ++histograms[i & 3][s.spo2];
        ++pulseHistograms[i & 3][s.pulseRate];
    }
    std::array<std::int64_t, 256> pulseHistogram{};
    for (std::size_t k = 0; k < 256; ++k)
        pulseHistogram[k] = pulseHistograms[0][k] + pulseHistograms[1][k] + pulseHistograms[2][k] + pulseHistograms[3][k];
    std::array<std::int64_t, 256> spo2Histogram{};
    for (std::size_t k = 0; k < 256; ++k)
        spo2Histogram[k] = histograms[0][k] + histograms[1][k] + histograms[2][k] + histograms[3][k];
    for (const auto c : spo2Histogram) m.validSeconds += c;
    std::int64_t spo2Sum = 0, pulseSum = 0;
    int spo2Min = 255, spo2Max = 0, pulseMin = 255, pulseMax = 0;
    for (int value = 0; value < 256; ++value) {
        const auto k = static_cast<std::size_t>(value);
        spo2Sum += spo2Histogram[k] * value;
        pulseSum += pulseHistogram[k] * value;
        if (spo2Histogram[k] > 0) spo2Min = std::min(spo2Min, value), spo2Max = std::max(spo2Max, value);
        if (pulseHistogram[k] > 0) pulseMin = std::min(pulseMin, value), pulseMax = std::max(pulseMax, value);
        if (value > 100) m.pulse.above100Seconds += pulseHistogram[k];
        if (value < 50) m.pulse.below50Seconds += pulseHistogram[k];
    }
    // The first sample holding the nadir.
    std::int64_t minIndex = -1;
    if (m.validSeconds > 0)
        minIndex = std::find(v.get(), v.get() + n, static_cast<std::uint8_t>(spo2Min)) - v.get();
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
    for (int value = 0; value < 256; ++value) {
        seen += spo2Histogram[static_cast<std::size_t>(value)];
        if (seen > (valid - 1) / 2) {
            m.spo2.median = value;
            break;
        }
    }
    auto secondsBetween = [&](int low, int high) {
        std::int64_t total = 0;
        for (int value = low; value <= high; ++value) total += spo2Histogram[static_cast<std::size_t>(value)];
        return total;
    };
    m.t90 = share(secondsBetween(0, 89), valid);
    m.t88 = share(secondsBetween(0, 88), valid);
    for (auto& band : m.bands) band.time = share(secondsBetween(band.low, band.high), valid);

    const Bytes smooth = smoothed(v.get(), n);
    m.odi3.events = detect(smooth.get(), static_cast<std::int32_t>(n));
    m.odi4.events = atLeast(m.odi3.events, 4);
    describeEvents(m.odi3);
    describeEvents(m.odi4);
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
