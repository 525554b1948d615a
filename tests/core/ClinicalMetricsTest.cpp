// The clinical figures against a literal, step-by-step reading of their definitions,
// on generated nights full of the cases that matter: dips around 3 and 4 %, around
// 10 s, at the edge of the 120 s baseline window, and artefacts inside events.
#include "analysis/ClinicalMetrics.h"

#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace kestrova;

namespace {

bool valid(const SampleRecord& s) {
    return s.spo2 >= 50 && s.spo2 <= 100 && s.pulseRate >= 25 && s.pulseRate <= 250;
}

// The definitions as written: B(i) by looking back over 120 samples, the scan rule
// for one drop, events of 10 samples or more.
std::vector<DesaturationEvent> literalEvents(const std::vector<SampleRecord>& s, int drop) {
    const int n = static_cast<int>(s.size());
    auto baseline = [&](int i) {
        int b = -1;
        for (int j = std::max(0, i - 120); j <= i - 1; ++j)
            if (valid(s[static_cast<std::size_t>(j)])) b = std::max<int>(b, s[static_cast<std::size_t>(j)].spo2);
        return b; // -1: undefined
    };
    std::vector<DesaturationEvent> out;
    bool inside = false;
    int start = 0, bf = 0;
    auto close = [&](int end) {
        inside = false;
        if (end - start + 1 < 10) return;
        DesaturationEvent e{start, end, bf, 255, 0};
        for (int k = start; k <= end; ++k) {
            e.nadir = std::min<int>(e.nadir, s[static_cast<std::size_t>(k)].spo2);
            e.area += bf - s[static_cast<std::size_t>(k)].spo2;
        }
        out.push_back(e);
    };
    for (int i = 0; i < n; ++i) {
        const auto& x = s[static_cast<std::size_t>(i)];
        if (inside) {
            if (valid(x) && x.spo2 <= bf - drop) continue;
            close(i - 1);
        }
        const int b = baseline(i);
        if (valid(x) && b >= 0 && x.spo2 <= b - drop) {
            inside = true;
            start = i;
            bf = b;
        }
    }
    if (inside) close(n - 1);
    return out;
}

void expectLiteral(const std::vector<SampleRecord>& s, const std::string& what) {
    const ClinicalMetrics m = computeClinicalMetrics(s);
    std::vector<int> spo2, pulse;
    std::int64_t firstMin = -1;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!valid(s[i])) continue;
        if (spo2.empty() || s[i].spo2 < *std::min_element(spo2.begin(), spo2.end())) firstMin = static_cast<std::int64_t>(i);
        spo2.push_back(s[i].spo2);
        pulse.push_back(s[i].pulseRate);
    }
    const auto count = static_cast<std::int64_t>(spo2.size());
    ASSERT_EQ(m.recordedSeconds, static_cast<std::int64_t>(s.size())) << what;
    ASSERT_EQ(m.validSeconds, count) << what;
    ASSERT_EQ(m.artefactSeconds, m.recordedSeconds - count) << what;
    ASSERT_EQ(m.odi3.events, literalEvents(s, 3)) << what;
    ASSERT_EQ(m.odi4.events, literalEvents(s, 4)) << what;
    if (count == 0) {
        EXPECT_EQ(m.spo2.minIndex, -1);
        EXPECT_EQ(m.spo2.mean, 0);
        EXPECT_EQ(m.odi3.perHour, 0);
        EXPECT_EQ(m.bands[0].low, 95);
        return;
    }
    auto sorted = spo2;
    std::sort(sorted.begin(), sorted.end());
    double sum = 0;
    for (int v : spo2) sum += v;
    EXPECT_EQ(m.spo2.mean, sum / static_cast<double>(count)) << what;
    EXPECT_EQ(m.spo2.median, sorted[static_cast<std::size_t>((count - 1) / 2)]) << what;
    EXPECT_EQ(m.spo2.min, sorted.front());
    EXPECT_EQ(m.spo2.max, sorted.back());
    EXPECT_EQ(m.spo2.minIndex, firstMin) << what;
    const auto below90 = std::count_if(spo2.begin(), spo2.end(), [](int v) { return v < 90; });
    EXPECT_EQ(m.t90.seconds, below90);
    EXPECT_EQ(m.t90.percent, 100.0 * static_cast<double>(below90) / static_cast<double>(count));
    EXPECT_EQ(m.t88.seconds, std::count_if(spo2.begin(), spo2.end(), [](int v) { return v <= 88; }));
    std::int64_t inBands = 0;
    for (const auto& b : m.bands) {
        EXPECT_EQ(b.time.seconds, std::count_if(spo2.begin(), spo2.end(), [&](int v) { return v >= b.low && v <= b.high; }));
        inBands += b.time.seconds;
    }
    EXPECT_EQ(inBands, count); // the bands cover 50..100 without overlap
    const double hours = static_cast<double>(count) / 3600.0;
    EXPECT_EQ(m.odi3.perHour, static_cast<double>(m.odi3.events.size()) / hours);
    std::int64_t area = 0;
    for (const auto& e : m.odi3.events) area += e.area;
    EXPECT_EQ(m.desaturationAreaPerHour, static_cast<double>(area) / 60.0 / hours);
    EXPECT_EQ(m.pulse.min, *std::min_element(pulse.begin(), pulse.end()));
    EXPECT_EQ(m.pulse.max, *std::max_element(pulse.begin(), pulse.end()));
    EXPECT_EQ(m.pulse.above100Seconds, std::count_if(pulse.begin(), pulse.end(), [](int v) { return v > 100; }));
    EXPECT_EQ(m.pulse.below50Seconds, std::count_if(pulse.begin(), pulse.end(), [](int v) { return v < 50; }));
}

} // namespace

TEST(ClinicalMetrics, MatchTheLiteralDefinitionsOnGeneratedNights) {
    std::uint64_t state = 4242;
    auto rnd = [&](int lo, int hi) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return lo + static_cast<int>((state >> 33) % static_cast<std::uint64_t>(hi - lo + 1));
    };
    for (int trial = 0; trial < 80; ++trial) {
        const int n = trial < 20 ? rnd(0, 300) : rnd(3000, 8000);
        std::vector<SampleRecord> s(static_cast<std::size_t>(n));
        int level = 96, pr = 70, dip = 0, dipLeft = 0, artefactLeft = 0;
        for (auto& x : s) {
            // Dips of 2..6 % lasting 5..16 s (around the 10 s minimum), some long enough
            // to outlast the 120 s window, and artefact runs that may fall inside them.
            if (dipLeft == 0 && rnd(0, 90) == 0) {
                dip = rnd(2, 6);
                dipLeft = rnd(0, 6) == 0 ? rnd(110, 140) : rnd(5, 16);
            }
            const int d = dipLeft > 0 ? (--dipLeft, dip) : 0;
            if (artefactLeft == 0 && rnd(0, 400) == 0) artefactLeft = rnd(1, 30);
            if (rnd(0, 40) == 0) level = std::clamp(level + rnd(-2, 2), 86, 100);
            if (rnd(0, 10) == 0) pr = std::clamp(pr + rnd(-4, 4), 40, 130);
            x.spo2 = static_cast<std::uint8_t>(std::clamp(level - d + rnd(-trial % 3, trial % 3), 0, 127));
            x.pulseRate = static_cast<std::uint8_t>(pr);
            if (artefactLeft > 0) {
                --artefactLeft;
                const int kind = rnd(0, 3);
                if (kind == 0) x.spo2 = 0;
                else if (kind == 1) x.spo2 = static_cast<std::uint8_t>(rnd(101, 127));
                else if (kind == 2) x.pulseRate = 0;
                else x.pulseRate = 255;
            }
        }
        expectLiteral(s, "trial " + std::to_string(trial));
    }
}

TEST(ClinicalMetrics, EdgesOfTheRules) {
    auto flat = [](int n, int spo2, int pulse = 70) {
        std::vector<SampleRecord> s(static_cast<std::size_t>(n));
        for (auto& x : s) {
            x.spo2 = static_cast<std::uint8_t>(spo2);
            x.pulseRate = static_cast<std::uint8_t>(pulse);
        }
        return s;
    };
    for (int n : {0, 1, 9}) expectLiteral(flat(n, 97), "flat " + std::to_string(n));
    expectLiteral(flat(600, 0), "all SpO2 0");
    expectLiteral(flat(600, 127), "all SpO2 127");
    expectLiteral(flat(600, 101), "all SpO2 101");

    // A 4 % dip of exactly 10 s is an event for both drops; of 9 s for neither; a 3 %
    // dip only for the 3 % rule. Depth and area follow the frozen baseline.
    auto s = flat(400, 96);
    for (int i = 150; i < 160; ++i) s[static_cast<std::size_t>(i)].spo2 = 92;
    for (int i = 200; i < 209; ++i) s[static_cast<std::size_t>(i)].spo2 = 91;
    for (int i = 300; i < 312; ++i) s[static_cast<std::size_t>(i)].spo2 = 93;
    const ClinicalMetrics m = computeClinicalMetrics(s);
    ASSERT_EQ(m.odi4.events.size(), 1u);
    EXPECT_EQ(m.odi4.events[0], (DesaturationEvent{150, 159, 96, 92, 40}));
    EXPECT_EQ(m.odi4.events[0].depth(), 4);
    ASSERT_EQ(m.odi3.events.size(), 2u);
    EXPECT_EQ(m.odi3.events[1].start, 300);
    EXPECT_EQ(m.odi3.events[1].duration(), 12);
    expectLiteral(s, "dips");

    // The baseline is frozen when an event starts: a fall that stays down outlasts the
    // 120 s window and still ends only with the recording.
    auto plateau = flat(500, 97);
    for (int i = 100; i < 500; ++i) plateau[static_cast<std::size_t>(i)].spo2 = 93;
    const ClinicalMetrics p = computeClinicalMetrics(plateau);
    ASSERT_EQ(p.odi4.events.size(), 1u);
    EXPECT_EQ(p.odi4.events[0].end, 499); // frozen baseline: the event lasts to the end
    expectLiteral(plateau, "plateau");
    EXPECT_EQ(isoTime(SampleRecord{3, 10, 5, 5, 8, 7, 6, 95, 70, 0}), "2010-05-05T08:07:06");
}
