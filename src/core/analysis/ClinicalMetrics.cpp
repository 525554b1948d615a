#include "analysis/ClinicalMetrics.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

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

using Bytes = std::unique_ptr<std::uint8_t[]>;

// SpO2 of valid samples, 0 for artefacts (a valid SpO2 is at least 50, so 0 also
// stands for "no valid sample").
Bytes validSpo2(std::span<const SampleRecord> samples) {
    Bytes v = std::make_unique_for_overwrite<std::uint8_t[]>(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) v[i] = clinical::isValid(samples[i]) ? samples[i].spo2 : 0;
    return v;
}

// B(i), the highest valid SpO2 among samples i-120 .. i-1 (0: none), for every i.
// Maxima over 2, 4 ... 64 samples from each index, each level one pass of byte maxima
// over shifted arrays (which the compiler vectorises); a window of 120 is two windows
// of 64 that overlap.
Bytes baselines(const std::uint8_t* v, std::size_t n) {
    constexpr std::size_t w = clinical::kBaselineWindow;
    static_assert(w > 64 && w <= 128);
    Bytes a = std::make_unique_for_overwrite<std::uint8_t[]>(n), b = std::make_unique_for_overwrite<std::uint8_t[]>(n);
    std::copy(v, v + n, a.get());
    // Between two buffers, so that the passes do not overlap and vectorise. Windows that
    // would run past the end are never asked for.
    for (std::size_t step = 1; step < 64; step *= 2) {
        const std::uint8_t* from = a.get();
        std::uint8_t* to = b.get();
        const std::size_t whole = n > step ? n - step : 0;
        for (std::size_t i = 0; i < whole; ++i) to[i] = std::max(from[i], from[i + step]);
        std::copy(from + whole, from + n, to + whole);
        std::swap(a, b);
    }
    for (std::size_t i = w; i < n; ++i) b[i] = std::max(a[i - w], a[i - 64]);
    std::uint8_t running = 0; // windows that start before sample 0
    for (std::size_t i = 0; i < std::min(n, w); ++i) {
        b[i] = running;
        running = std::max(running, v[i]);
    }
    return b;
}

// Where each drop could start an event: bit 0 for 3 %, bit 1 for 4 % (a valid sample
// at least that far below a defined baseline). One vectorisable pass, so that the
// scans skip the quiet stretches eight samples at a time.
Bytes startFlags(const std::uint8_t* v, const std::uint8_t* b, std::size_t n) {
    Bytes f = std::make_unique_for_overwrite<std::uint8_t[]>(n + 8);
    for (std::size_t i = 0; i < n; ++i) {
        const int below = b[i] - v[i]; // v[i] >= 50 when valid, so an undefined baseline never qualifies
        f[i] = static_cast<std::uint8_t>(v[i] != 0 ? (below >= 3) | ((below >= 4) << 1) : 0);
    }
    std::fill(f.get() + n, f.get() + n + 8, std::uint8_t{0});
    return f;
}

// The scan of the event rule for one drop over valid SpO2 `v`, baselines `b` and the
// start flags `flags` (`bit` for this drop).
std::vector<DesaturationEvent> scan(const std::uint8_t* v, const std::uint8_t* b, const std::uint8_t* flags,
                                    std::int32_t n, int drop, std::uint8_t bit) {
    std::vector<DesaturationEvent> events;
    const std::uint64_t mask = 0x0101010101010101ULL * bit;
    std::int32_t i = 0;
    while (i < n) {
        // Outside an event: the next sample flagged for this drop.
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, flags + i, 8);
            if (word & mask) break;
            i += 8;
        }
        while (i < n && !(flags[i] & bit)) ++i;
        if (i >= n) break;
        DesaturationEvent e{i, i, b[i], v[i], 0};
        const int limit = e.baseline - drop;
        std::int32_t k = i;
        for (; k < n && v[k] != 0 && v[k] <= limit; ++k) {
            e.nadir = std::min<std::int32_t>(e.nadir, v[k]);
            e.area += e.baseline - v[k];
        }
        e.end = k - 1;
        if (e.duration() >= clinical::kMinEventSeconds) events.push_back(e);
        i = k; // the sample that ended it is judged again as outside an event
    }
    return events;
}

} // namespace

std::vector<DesaturationEvent> findDesaturations(std::span<const SampleRecord> samples, int drop) {
    const std::size_t n = samples.size();
    const Bytes v = validSpo2(samples);
    const Bytes b = baselines(v.get(), n);
    Bytes flags = std::make_unique_for_overwrite<std::uint8_t[]>(n + 8);
    for (std::size_t i = 0; i < n; ++i) flags[i] = v[i] != 0 && v[i] + drop <= b[i];
    std::fill(flags.get() + n, flags.get() + n + 8, std::uint8_t{0});
    return scan(v.get(), b.get(), flags.get(), static_cast<std::int32_t>(n), drop, 1);
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

    const Bytes b = baselines(v.get(), n);
    const Bytes flags = startFlags(v.get(), b.get(), n);
    m.odi3.events = scan(v.get(), b.get(), flags.get(), static_cast<std::int32_t>(n), 3, 1);
    m.odi4.events = scan(v.get(), b.get(), flags.get(), static_cast<std::int32_t>(n), 4, 2);
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
