#include "KnownDips.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace kestrova::test {
namespace {

constexpr int kBridgedGap = 10; // artefact runs up to this long leave a dip whole

class Random {
public:
    explicit Random(std::uint64_t seed) : m_engine(seed) {}
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }
    double between(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(m_engine); }
    bool chance(double p) { return between(0.0, 1.0) < p; }
    double gaussian(double sigma) { return sigma > 0 ? std::normal_distribution<double>(0.0, sigma)(m_engine) : 0.0; }

private:
    std::mt19937_64 m_engine;
};

// Stored clock fields of second `t` after 2024-01-15 22:00:00 (days stay within the month).
void setClock(SampleRecord& s, std::int32_t t) {
    const std::int32_t total = 22 * 3600 + t;
    s.year = 24;
    s.month = 1;
    s.day = static_cast<std::uint8_t>(15 + total / 86400);
    s.hour = static_cast<std::uint8_t>(total / 3600 % 24);
    s.minute = static_cast<std::uint8_t>(total / 60 % 60);
    s.second = static_cast<std::uint8_t>(total % 60);
}

} // namespace

KnownNight makeKnownNight(const NightShape& shape) {
    Random rnd(shape.seed);
    KnownNight night;
    night.noise = shape.noise;
    const std::int32_t n = std::max(0, shape.seconds);
    const double hours = static_cast<double>(n) / 3600.0;

    // The level: a start, a slow drift of up to 4 % over the night, and steps, kept
    // where whole-percent readings with noise do not clip at 100.
    std::vector<double> level(static_cast<std::size_t>(n));
    const double first = rnd.between(92.0, 97.0);
    const double drift = shape.drift ? rnd.between(std::max(-4.0, 89.0 - first), std::min(4.0, 97.0 - first)) : 0.0;
    for (std::int32_t t = 0; t < n; ++t)
        level[static_cast<std::size_t>(t)] = first + drift * static_cast<double>(t) / std::max(1, n);
    if (shape.steps && n > 1800) {
        const int count = rnd.between(0, 2);
        for (int k = 0; k < count; ++k) {
            const std::int32_t at = rnd.between(600, n - 600);
            double size = rnd.between(2.0, 6.0) * (rnd.chance(0.5) ? 1 : -1);
            const double here = level[static_cast<std::size_t>(at)];
            if (here + size > 97.5 || here + size < 87.0) size = -size;
            for (std::int32_t t = at; t < n; ++t) level[static_cast<std::size_t>(t)] += size;
            night.steps.push_back(at);
        }
        std::sort(night.steps.begin(), night.steps.end());
    }

    // Dips of 2-15 %: falls of 5-40 s, holds of 0-60 s, recoveries of 5-30 s, with a
    // night's own spacing, so that nights range from a few dips an hour to dozens.
    std::vector<double> below(static_cast<std::size_t>(n), 0.0);
    if (shape.dips) {
        const int widest = rnd.between(60, 900);
        for (std::int32_t t = rnd.between(30, 300); t < n;) {
            const int fall = rnd.between(5, 40), hold = rnd.between(0, 60), recovery = rnd.between(5, 30);
            const double depth = rnd.between(2.0, 15.0);
            const int length = fall + hold + recovery; // the profile is 0 at offsets 0 and length
            if (t + length >= n) break;
            for (int u = 1; u < length; ++u) {
                double d = depth;
                if (u < fall)
                    d = depth * u / fall;
                else if (u > fall + hold)
                    d = depth * (1.0 - static_cast<double>(u - fall - hold) / recovery);
                below[static_cast<std::size_t>(t + u)] = d;
            }
            KnownDip dip;
            dip.start = t + 1;
            dip.end = t + length - 1;
            dip.depth = depth;
            night.dips.push_back(dip);
            t += length + rnd.between(20, widest);
        }
    }

    night.samples.resize(static_cast<std::size_t>(n));
    int pulse = rnd.between(55, 80);
    for (std::int32_t t = 0; t < n; ++t) {
        auto& s = night.samples[static_cast<std::size_t>(t)];
        const double value =
            level[static_cast<std::size_t>(t)] - below[static_cast<std::size_t>(t)] + rnd.gaussian(shape.noise);
        s.id = 1;
        s.spo2 = static_cast<std::uint8_t>(std::clamp<long>(std::lround(value), 50, 100));
        if (rnd.chance(0.1)) pulse = std::clamp(pulse + rnd.between(-3, 3), 45, 120);
        s.pulseRate = static_cast<std::uint8_t>(pulse);
        setClock(s, t);
    }

    // Single-sample spikes up and down, two to ten an hour, never side by side.
    if (shape.spikes && n > 2) {
        const int count = static_cast<int>(hours * rnd.between(2, 10));
        std::vector<bool> spiked(static_cast<std::size_t>(n), false);
        for (int k = 0; k < count; ++k) {
            const std::int32_t at = rnd.between(1, n - 2);
            if (spiked[static_cast<std::size_t>(at - 1)] || spiked[static_cast<std::size_t>(at + 1)]) continue;
            spiked[static_cast<std::size_t>(at)] = true;
            auto& s = night.samples[static_cast<std::size_t>(at)];
            const int size = rnd.between(3, 8) * (rnd.chance(0.5) ? 1 : -1);
            s.spo2 = static_cast<std::uint8_t>(std::clamp(s.spo2 + size, 50, 100));
        }
    }

    // Artefact runs of 1-120 s (0/0 or 127/255), about half of them inside dips.
    std::vector<bool> artefact(static_cast<std::size_t>(n), false);
    if (shape.artefacts && n > 0) {
        const int count = static_cast<int>(hours * rnd.between(0, 6));
        for (int k = 0; k < count; ++k) {
            const int length = rnd.chance(0.6) ? rnd.between(1, kBridgedGap) : rnd.between(kBridgedGap + 1, 120);
            std::int32_t at = rnd.between(0, n - 1);
            if (!night.dips.empty() && rnd.chance(0.5)) {
                const auto& dip =
                    night.dips[static_cast<std::size_t>(rnd.between(0, static_cast<int>(night.dips.size()) - 1))];
                at = rnd.between(dip.start, dip.end);
            }
            const std::int32_t end = std::min(n - 1, at + length - 1);
            const bool zero = rnd.chance(0.5);
            for (std::int32_t t = at; t <= end; ++t) {
                auto& s = night.samples[static_cast<std::size_t>(t)];
                s.spo2 = zero ? 0 : 127;
                s.pulseRate = zero ? 0 : 255;
                artefact[static_cast<std::size_t>(t)] = true;
            }
        }
    }
    // Runs that overlap join: the long ones are found on the joined runs.
    std::vector<std::pair<std::int32_t, std::int32_t>> longRuns;
    for (std::int32_t t = 0; t < n;) {
        if (!artefact[static_cast<std::size_t>(t)]) {
            ++t;
            continue;
        }
        std::int32_t end = t;
        while (end + 1 < n && artefact[static_cast<std::size_t>(end + 1)]) ++end;
        if (end - t + 1 > kBridgedGap) longRuns.emplace_back(t, end);
        t = end + 1;
    }

    const int drops[2] = {3, 4};
    for (auto& dip : night.dips) {
        for (std::int32_t t = dip.start; t <= dip.end; ++t) {
            if (artefact[static_cast<std::size_t>(t)]) continue;
            const double d = below[static_cast<std::size_t>(t)];
            for (int k = 0; k < 2; ++k) {
                dip.surelyHeld[k] += d >= drops[k] + 0.5;
                dip.possiblyHeld[k] += d >= drops[k] - 0.5;
            }
        }
        for (const auto& [from, to] : longRuns)
            if (from <= dip.end && to >= dip.start) dip.brokenByArtefact = true;
    }
    return night;
}

} // namespace kestrova::test
