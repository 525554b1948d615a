#include "analysis/ClinicalMetrics.h"
#include "text/Translate.h"

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
    // Sentence by sentence, each with its figures, so that a translation can put
    // them where its grammar wants them.
    auto n = [](int value) { return std::to_string(value); };
    const std::string sentences[] = {
        ktr("ClinicalMetrics", "Criteria: a second is valid when SpO2 is 50-100 % and pulse 25-250 bpm; every figure "
                               "uses valid seconds only."),
        text::arg(ktr("ClinicalMetrics", "Desaturations are found on SpO2 smoothed by a %1-sample median (a sample "
                                         "next to an artefact is kept as it is)."),
                  {n(kSmoothingSamples)}),
        text::arg(ktr("ClinicalMetrics", "The baseline is the lower median of the smoothed valid samples of the "
                                         "preceding %1 s that lie outside events (at least %2 of them) and moves by at "
                                         "most %3 % a sample."),
                  {n(kBaselineWindow), n(kMinBaselineSamples), n(kMaxBaselineStep)}),
        text::arg(ktr("ClinicalMetrics",
                      "An event starts at a sample at least %1 % below the baseline and counts when "
                      "SpO2 stays there for at least %2 valid seconds, at most %3 samples in a row "
                      "above; it ends before SpO2 has been back within %4 % of the baseline, or %5 % "
                      "above the event's nadir, for %6 s, or after %7 s without recovery (its "
                      "seconds then rejoin the baseline, which is taken afresh)."),
                  {n(kPrimaryDrop), n(kMinEventSeconds), n(kNoiseSamples), n(kRecoveryMargin), n(kPrimaryDrop),
                   n(kRecoverySeconds), n(kMaxEventSeconds)}),
        text::arg(ktr("ClinicalMetrics", "After an event the next one also needs a fall of %1 % below the highest SpO2 "
                                         "since, until SpO2 is back within %2 % of the baseline."),
                  {n(kPrimaryDrop), n(kRecoveryMargin)}),
        ktr("ClinicalMetrics",
            "A 4 % event is a 3 % event that holds at least 4 % below its baseline in the same way."),
        text::arg(ktr("ClinicalMetrics", "Artefact gaps of up to %1 s inside an event are bridged and count neither as "
                                         "event nor as valid time; a longer gap ends it."),
                  {n(kMaxBridgedGap)}),
        ktr("ClinicalMetrics", "Depth is the baseline minus the lowest smoothed SpO2 of the event; duration is its "
                               "event time."),
    };
    std::string out;
    for (const std::string& sentence : sentences) out += (out.empty() ? "" : " ") + sentence;
    return out;
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
// Branch-free over arrays that do not overlap (restrict parameters), so that the
// compiler vectorises it.
void smoothInto(const std::uint8_t* __restrict in, std::uint8_t* __restrict m, std::size_t n) {
    static_assert(clinical::kSmoothingSamples == 3);
    if (n > 0) m[0] = in[0];
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const std::uint8_t a = in[i - 1], b = in[i], c = in[i + 1];
        const std::uint8_t lo = a < b ? a : b, hi = a < b ? b : a;
        const std::uint8_t med = hi < c ? hi : (lo > c ? lo : c);
        const std::uint8_t least = lo < c ? lo : c;
        m[i] = least != 0 ? med : b;
    }
    if (n > 1) m[n - 1] = in[n - 1];
}

Bytes smoothed(const std::uint8_t* v, std::size_t n) {
    Bytes m = std::make_unique_for_overwrite<std::uint8_t[]>(n);
    smoothInto(v, m.get(), n);
    return m;
}

// The baseline is the lower median of the window of eligible samples before the current
// one, moving by at most kMaxBaselineStep a sample. So for the current baseline b the
// counts of window samples below b and not above it say whether that median lies below,
// at or above b: two compares a sample, kept in registers by detect(). The window's
// samples are read again only when b moves or is taken afresh, which a level does rarely.
struct WindowCounts {
    int below = 0, notAbove = 0;
};

// `w` holds the eligible samples' SpO2 and 0 for the others.
int countEqual(const std::uint8_t* w, std::int32_t from, std::int32_t to, int value) {
    int c = 0;
    for (std::int32_t j = from; j < to; ++j) c += w[j] == value;
    return c;
}

// The lower median of the eligible samples of [from, to) (`size` of them), with its counts.
int lowerMedian(const std::uint8_t* w, std::int32_t from, std::int32_t to, int size, WindowCounts& counts) {
    std::array<int, 256> bins{};
    for (std::int32_t j = from; j < to; ++j) ++bins[w[j]];
    bins[0] = 0;
    const int target = (size - 1) / 2; // index of the lower median in sorted order
    int value = 0, seen = 0;
    for (; seen + bins[static_cast<std::size_t>(value)] <= target; ++value)
        seen += bins[static_cast<std::size_t>(value)];
    counts.below = seen;
    counts.notAbove = seen + bins[static_cast<std::size_t>(value)];
    return value;
}

struct Outcome {
    bool counts = false;
    DesaturationEvent event;
};

// Where [from, to] first holds `drop` below `baseline` for kMinEventSeconds valid
// seconds, at most kNoiseSamples in a row above and artefact gaps bridged; from the
// first sample only (`anchored`) or anywhere. -1: nowhere.
std::int32_t heldUntil(const std::uint8_t* m, std::int32_t from, std::int32_t to, int baseline, int drop,
                       bool anchored) {
    using namespace clinical;
    const int limit = baseline - drop;
    std::int32_t seconds = 0, pending = 0, above = 0, gap = 0;
    bool inStretch = false;
    for (std::int32_t k = from; k <= to; ++k) {
        if (m[k] == 0) {
            if (inStretch && ++gap > kMaxBridgedGap) {
                if (anchored) return -1;
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
            if (seconds >= kMinEventSeconds) return k;
        } else if (inStretch) {
            ++pending;
            if (++above > kNoiseSamples) {
                if (anchored) return -1;
                inStretch = false;
            }
        } else if (anchored) {
            return -1;
        }
    }
    return -1;
}

// One event attempt from `start` against `baseline`: whether it counts and, when it
// does, the event. The hold is looked for first, so a sample that starts no event
// costs a few samples, not the walk to a recovery.
Outcome attempt(const std::uint8_t* m, std::int32_t n, std::int32_t start, int baseline) {
    using namespace clinical;
    Outcome o;
    const std::int32_t held = heldUntil(m, start, n - 1, baseline, kPrimaryDrop, true);
    if (held < 0) return o;
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
        if (x >= baseline - kRecoveryMargin || x >= e.nadir + kPrimaryDrop) {
            if (++recovered == kRecoverySeconds) break;
            continue;
        }
        // Not recovered: the samples of a recovery too short to count rejoin the event.
        seconds += recovered + 1;
        recovered = 0;
        e.end = k;
        if (x < e.nadir) e.nadir = x, e.nadirIndex = k;
    }
    o.counts = e.end >= held; // the hold lies inside the event
    if (!o.counts) return o;
    e.timedOut = seconds >= kMaxEventSeconds;
    for (std::int32_t k = e.start; k <= e.end; ++k) {
        if (m[k] == 0) {
            ++e.artefactSeconds;
            continue;
        }
        e.area += std::max(0, baseline - m[k]);
    }
    // Holding a drop implies holding every smaller one: a bisection finds the largest.
    int low = kPrimaryDrop, high = std::max(kPrimaryDrop, e.depth());
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (heldUntil(m, e.start, e.end, baseline, mid, false) >= 0)
            low = mid;
        else
            high = mid - 1;
    }
    e.heldDrop = low;
    return o;
}

// The event rule over smoothed SpO2 `m`: one scan, the baseline carried along.
std::vector<DesaturationEvent> detect(const std::uint8_t* m, std::int32_t n) {
    using namespace clinical;
    std::vector<DesaturationEvent> events;
    // Eligible for the baseline: valid and outside every event that ended by a recovery.
    // A sample's eligibility is final once the scan has passed it outside an event.
    // Its SpO2, 0 when not eligible.
    Bytes eligible = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(n));
    std::copy(m, m + n, eligible.get());
    const std::uint8_t* w = eligible.get();
    // The window: the eligible samples of [removed, added), `size` of them, counted
    // against `reference` (the baseline, or the last one while there is none).
    std::int32_t added = 0, removed = 0;
    int size = 0, below = 0, notAbove = 0, reference = kMinValidSpo2;
    auto count = [&](std::int32_t j, int sign) {
        // Unsigned x - 1 wraps for 0, so a sample that is not eligible counts nowhere.
        const unsigned x = w[j] - 1u;
        size += sign * (x != ~0u);
        below += sign * (x < static_cast<unsigned>(reference) - 1u);
        notAbove += sign * (x < static_cast<unsigned>(reference));
    };
    int baseline = 0; // 0: none
    bool fresh = true, armed = true;
    int peak = 0;
    for (std::int32_t i = 0; i < n;) {
        // A quiet stretch at once: when the window's counts are far enough from the median
        // that the next k samples cannot move the baseline (each moves a count by at most
        // one), and none of them is low enough to start an event, only the counts, armed
        // and peak change.
        if (baseline != 0 && added == i - 1 && removed == added - kBaselineWindow) {
            const int target = (size - 1) / 2;
            const std::int32_t k = std::min({(target - below) / 2, (notAbove - 1 - target) / 2,
                                             size - kMinBaselineSamples, n - i, std::int32_t{32}});
            if (k >= 4) {
                bool low = false, high = false;
                int top = 0;
                for (std::int32_t t = i; t < i + k; ++t) {
                    low |= m[t] != 0 && m[t] <= baseline - kPrimaryDrop;
                    high |= m[t] >= baseline - kRecoveryMargin;
                    top = std::max<int>(top, m[t]);
                }
                if (!low) {
                    for (std::int32_t t = 0; t < k; ++t) count(added + t, 1), count(removed + t, -1);
                    added += k;
                    removed += k;
                    armed |= high;
                    peak = std::max(peak, top);
                    i += k;
                    continue;
                }
            }
        }
        for (; added < i; ++added) count(added, 1);
        for (; removed < i - kBaselineWindow; ++removed) count(removed, -1);
        if (size < kMinBaselineSamples) {
            baseline = 0;
        } else if (fresh || baseline == 0) {
            WindowCounts c;
            baseline = reference = lowerMedian(w, removed, added, size, c);
            below = c.below;
            notAbove = c.notAbove;
            fresh = false;
        } else {
            static_assert(kMaxBaselineStep == 1);
            const int target = (size - 1) / 2; // index of the lower median in sorted order
            if (below > target) {
                notAbove = below;
                below -= countEqual(w, removed, added, --reference);
            } else if (notAbove <= target) {
                below = notAbove;
                notAbove += countEqual(w, removed, added, ++reference);
            }
            baseline = reference;
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
    for (double d : depths) odi.meanDepth += d;
    for (double d : durations) odi.meanDuration += d;
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
        pulseHistogram[k] =
            pulseHistograms[0][k] + pulseHistograms[1][k] + pulseHistograms[2][k] + pulseHistograms[3][k];
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
    if (m.validSeconds > 0) minIndex = std::find(v.get(), v.get() + n, static_cast<std::uint8_t>(spo2Min)) - v.get();
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
