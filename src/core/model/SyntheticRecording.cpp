#include "model/SyntheticRecording.h"

#include "model/RecordingTime.h"

#include <algorithm>

namespace kestrova {
namespace {

// splitmix64: small, fast and identical on every platform (std distributions are not).
struct Random {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1)); }
};

// A dip shape: ramps down, holds, recovers. Returns the depth at offset t of `length`.
int dipDepth(int t, int length, int depth) {
    const int ramp = std::max(1, length / 4);
    if (t < ramp) return depth * (t + 1) / ramp;
    if (t >= length - ramp) return depth * (length - t) / ramp;
    return depth;
}

} // namespace

void advanceOneSecond(SampleRecord& s) {
    if (++s.second < 60) return;
    s.second = 0;
    if (++s.minute < 60) return;
    s.minute = 0;
    if (++s.hour < 24) return;
    s.hour = 0;
    if (++s.day <= daysInMonth(2000 + s.year, s.month)) return;
    s.day = 1;
    if (++s.month <= 12) return;
    s.month = 1;
    s.year = static_cast<std::uint8_t>((s.year + 1) & 0x7F);
}

std::vector<SampleRecord> makeSyntheticNight(const SyntheticNight& night) {
    Random rnd{night.seed * 7919 + static_cast<std::uint64_t>(night.id)};
    const std::int32_t n = std::max<std::int32_t>(0, night.seconds);
    std::vector<SampleRecord> out(static_cast<std::size_t>(n));

    // Event plan: start, length, depth for SpO2 dips and pulse falls.
    struct Dip {
        std::int32_t start;
        int length;
        int depth;
    };
    std::vector<Dip> dips, falls;
    const std::int64_t hours = std::max<std::int64_t>(1, n / 3600);
    for (std::int64_t k = 0; k < hours * night.desaturationsPerHour; ++k)
        dips.push_back({static_cast<std::int32_t>(rnd.next() % static_cast<std::uint64_t>(std::max(1, n))),
                        rnd.range(14, 70), rnd.range(5, 14)});
    for (std::int64_t k = 0; k < hours * night.pulseFallsPerHour; ++k)
        falls.push_back({static_cast<std::int32_t>(rnd.next() % static_cast<std::uint64_t>(std::max(1, n))),
                         rnd.range(10, 40), rnd.range(8, 18)});

    std::vector<int> spo2Drop(out.size(), 0), pulseDrop(out.size(), 0);
    for (const auto& d : dips)
        for (int t = 0; t < d.length && d.start + t < n; ++t)
            spo2Drop[static_cast<std::size_t>(d.start + t)] =
                std::max(spo2Drop[static_cast<std::size_t>(d.start + t)], dipDepth(t, d.length, d.depth));
    for (const auto& f : falls)
        for (int t = 0; t < f.length && f.start + t < n; ++t)
            pulseDrop[static_cast<std::size_t>(f.start + t)] =
                std::max(pulseDrop[static_cast<std::size_t>(f.start + t)], dipDepth(t, f.length, f.depth));

    SampleRecord s;
    s.id = static_cast<std::uint8_t>(night.id);
    s.year = static_cast<std::uint8_t>(night.year);
    s.month = static_cast<std::uint8_t>(night.month);
    s.day = static_cast<std::uint8_t>(night.day);
    s.hour = static_cast<std::uint8_t>(night.hour);
    s.minute = static_cast<std::uint8_t>(night.minute);
    s.second = static_cast<std::uint8_t>(night.second);
    int baseline = rnd.range(95, 98);
    int pulse = rnd.range(60, 72);
    for (std::size_t k = 0; k < out.size(); ++k) {
        if (k % 300 == 0) baseline = std::clamp(baseline + rnd.range(-1, 1), 95, 98); // slow drift
        if (k % 20 == 0) pulse = std::clamp(pulse + rnd.range(-2, 2), 55, 80);
        const int noise = rnd.range(0, 9) == 0 ? rnd.range(-1, 1) : 0;
        s.spo2 = static_cast<std::uint8_t>(std::clamp(baseline + noise - spo2Drop[k], 70, 100));
        s.pulseRate = static_cast<std::uint8_t>(std::clamp(pulse + rnd.range(-1, 1) - pulseDrop[k], 35, 120));
        s.aux = static_cast<std::uint16_t>(rnd.next() & 0x1FF);
        out[k] = s;
        advanceOneSecond(s);
    }
    return out;
}

} // namespace kestrova
