// The clinical figures against a literal, step-by-step reading of their definitions,
// on generated nights full of the cases that matter: dips around 3 and 4 %, around
// 10 s, at the edge of the 120 s baseline window, and artefacts inside events.
#include "analysis/ClinicalMetrics.h"

#include "KnownDips.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace kestrova;

namespace {

bool valid(const SampleRecord& s) {
    return s.spo2 >= 50 && s.spo2 <= 100 && s.pulseRate >= 25 && s.pulseRate <= 250;
}

// The event rule as clinicalCriteria() states it, step by step: the window sorted
// afresh for every sample, the end and the hold found by looking ahead.
std::vector<DesaturationEvent> literalEvents(const std::vector<SampleRecord>& s, int drop) {
    const int n = static_cast<int>(s.size());
    auto ok = [&](int i) { return i >= 0 && i < n && valid(s[static_cast<std::size_t>(i)]); };
    auto raw = [&](int i) { return static_cast<int>(s[static_cast<std::size_t>(i)].spo2); };
    // Smoothed SpO2, -1 for artefacts.
    std::vector<int> sm(static_cast<std::size_t>(n), -1);
    for (int i = 0; i < n; ++i) {
        if (!ok(i)) continue;
        if (ok(i - 1) && ok(i + 1)) {
            int three[3] = {raw(i - 1), raw(i), raw(i + 1)};
            std::sort(three, three + 3);
            sm[static_cast<std::size_t>(i)] = three[1];
        } else {
            sm[static_cast<std::size_t>(i)] = raw(i);
        }
    }
    auto at = [&](int i) { return sm[static_cast<std::size_t>(i)]; };
    std::vector<bool> inEvent(static_cast<std::size_t>(n), false);

    // Ends before three valid samples in a row are recovered, after 120 valid seconds,
    // or at a gap of more than 10 artefact seconds: the last sample of the event.
    auto endOf = [&](int start, int b, bool& timedOut) {
        int last = start, nadir = at(start), seconds = 1;
        timedOut = false;
        for (int k = start + 1; k < n; ++k) {
            if (seconds == 120) {
                timedOut = true;
                return last;
            }
            if (at(k) < 0) {
                int gapEnd = k;
                while (gapEnd < n && at(gapEnd) < 0) ++gapEnd;
                if (gapEnd - k > 10) return last;
                k = gapEnd - 1;
                continue;
            }
            auto recovered = [&](int j) { return at(j) >= b - 1 || at(j) >= nadir + 3; };
            // The next three valid samples, no gap between them over 10 s.
            std::vector<int> next;
            for (int j = k, gap = 0; j < n && next.size() < 3; ++j) {
                if (at(j) < 0) {
                    if (++gap > 10) break;
                    continue;
                }
                gap = 0;
                next.push_back(j);
            }
            if (next.size() == 3 && std::all_of(next.begin(), next.end(), recovered)) return last;
            if (!recovered(k)) {
                // Everything up to k belongs to the event.
                seconds = 0;
                for (int j = start; j <= k; ++j) seconds += at(j) >= 0;
                last = k;
                nadir = std::min(nadir, at(k));
            }
        }
        timedOut = seconds == 120;
        return last;
    };
    // Valid samples i..j (i, j at least d below b) number 10 or more, and no three valid
    // samples in a row between them are above b - d.
    auto holdsBetween = [&](int i, int j, int b, int d) {
        if (at(i) < 0 || at(j) < 0 || at(i) > b - d || at(j) > b - d) return false;
        int seconds = 0, above = 0;
        for (int k = i; k <= j; ++k) {
            if (at(k) < 0) continue;
            ++seconds;
            above = at(k) > b - d ? above + 1 : 0;
            if (above == 3) return false;
        }
        return seconds >= 10;
    };

    std::vector<DesaturationEvent> out;
    int b = -1, peak = 0;
    bool fresh = true, armed = true;
    for (int i = 0; i < n;) {
        std::vector<int> window;
        for (int j = std::max(0, i - 120); j < i; ++j)
            if (at(j) >= 0 && !inEvent[static_cast<std::size_t>(j)]) window.push_back(at(j));
        if (window.size() < 10) {
            b = -1;
        } else {
            std::sort(window.begin(), window.end());
            const int median = window[(window.size() - 1) / 2];
            b = fresh || b < 0 ? median : std::clamp(median, b - 1, b + 1);
            fresh = false;
        }
        if (at(i) < 0 || b < 0) {
            ++i;
            continue;
        }
        if (at(i) >= b - 1) armed = true;
        peak = std::max(peak, at(i));
        if (at(i) > b - 3 || (!armed && at(i) > peak - 3)) {
            ++i;
            continue;
        }
        bool timedOut = false;
        const int end = endOf(i, b, timedOut);
        bool counts = false;
        for (int j = i; j <= end && !counts; ++j) counts = holdsBetween(i, j, b, 3);
        if (!counts) {
            ++i;
            continue;
        }
        DesaturationEvent e{i, end, b, 255, 0};
        e.timedOut = timedOut;
        for (int k = i; k <= end; ++k) {
            if (at(k) < 0) {
                ++e.artefactSeconds;
                continue;
            }
            if (at(k) < e.nadir) e.nadir = at(k), e.nadirIndex = k;
            e.area += std::max(0, b - at(k));
        }
        e.heldDrop = 3;
        for (int d = 4; d <= e.depth(); ++d) {
            bool held = false;
            for (int x = i; x <= end && !held; ++x)
                for (int y = x; y <= end && !held; ++y) held = holdsBetween(x, y, b, d);
            if (!held) break;
            e.heldDrop = d;
        }
        if (!timedOut) std::fill(inEvent.begin() + i, inEvent.begin() + end + 1, true);
        fresh = timedOut;
        armed = false;
        peak = 0;
        out.push_back(e);
        i = end + 1;
    }
    std::erase_if(out, [&](const DesaturationEvent& e) { return e.heldDrop < drop; });
    return out;
}

void expectLiteral(const std::vector<SampleRecord>& s, const std::string& what) {
    const ClinicalMetrics m = computeClinicalMetrics(s);
    std::vector<int> spo2, pulse;
    std::int64_t firstMin = -1;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!valid(s[i])) continue;
        if (spo2.empty() || s[i].spo2 < *std::min_element(spo2.begin(), spo2.end()))
            firstMin = static_cast<std::int64_t>(i);
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
        EXPECT_EQ(b.time.seconds,
                  std::count_if(spo2.begin(), spo2.end(), [&](int v) { return v >= b.low && v <= b.high; }));
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
                if (kind == 0)
                    x.spo2 = 0;
                else if (kind == 1)
                    x.spo2 = static_cast<std::uint8_t>(rnd(101, 127));
                else if (kind == 2)
                    x.pulseRate = 0;
                else
                    x.pulseRate = 255;
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
    EXPECT_EQ(m.odi4.events[0], (DesaturationEvent{150, 159, 96, 92, 40, 150, 0, 4, false}));
    EXPECT_EQ(m.odi4.events[0].depth(), 4);
    ASSERT_EQ(m.odi3.events.size(), 2u);
    EXPECT_EQ(m.odi3.events[1].start, 300);
    EXPECT_EQ(m.odi3.events[1].duration(), 12);
    expectLiteral(s, "dips");

    // A fall that stays down is one event of 120 s; then the baseline is the new level
    // and nothing more is found.
    auto plateau = flat(500, 97);
    for (int i = 100; i < 500; ++i) plateau[static_cast<std::size_t>(i)].spo2 = 93;
    const ClinicalMetrics p = computeClinicalMetrics(plateau);
    ASSERT_EQ(p.odi4.events.size(), 1u);
    EXPECT_EQ(p.odi4.events[0].end, 219);
    EXPECT_TRUE(p.odi4.events[0].timedOut);
    expectLiteral(plateau, "plateau");
    EXPECT_EQ(isoTime(SampleRecord{3, 10, 5, 5, 8, 7, 6, 95, 70, 0}), "2010-05-05T08:07:06");
}

TEST(ClinicalMetrics, MatchTheLiteralRuleOnKnownDipNights) {
    for (int i = 0; i < 24; ++i) {
        test::NightShape shape;
        shape.seed = 500 + static_cast<std::uint64_t>(i);
        shape.noise = (i % 3) * 0.5;
        shape.seconds = 1800 + 300 * i;
        expectLiteral(test::makeKnownNight(shape).samples, "known-dip night " + std::to_string(i));
    }
}

// The nights on which a rule built on the highest SpO2 of the last 120 s and a frozen
// baseline miscounted, each with the count a clinician reads off the trace.
TEST(ClinicalMetrics, HardNightsCountTheirDips) {
    auto night = [](int n, auto level) {
        std::vector<SampleRecord> s(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            s[static_cast<std::size_t>(i)].spo2 = static_cast<std::uint8_t>(level(i));
            s[static_cast<std::size_t>(i)].pulseRate = 70;
        }
        return s;
    };
    auto dip = [](std::vector<SampleRecord>& s, int from, int length, int spo2) {
        for (int i = from; i < from + length; ++i)
            s[static_cast<std::size_t>(i)].spo2 = static_cast<std::uint8_t>(spo2);
    };

    // One high sample on a flat night moves nothing.
    auto high = night(3000, [](int) { return 95; });
    high[1000].spo2 = 99;
    const ClinicalMetrics h = computeClinicalMetrics(high);
    EXPECT_TRUE(h.odi3.events.empty());
    EXPECT_EQ(h.desaturationAreaPerHour, 0);
    expectLiteral(high, "one high sample");

    // 96/97 jitter with 3 % dips to 93: 3 % events, no 4 % ones.
    auto jitter = night(3000, [](int i) { return 96 + i % 2; });
    for (int k = 0; k < 10; ++k) dip(jitter, 200 + 250 * k, 20, 93);
    const ClinicalMetrics j = computeClinicalMetrics(jitter);
    EXPECT_EQ(j.odi3.events.size(), 10u);
    EXPECT_TRUE(j.odi4.events.empty());
    expectLiteral(jitter, "jitter");

    // A 3-s artefact inside each dip, and one sample above the drop in each: one event
    // per dip, the artefact bridged and not counted as event time.
    auto broken = night(3000, [](int) { return 96; });
    for (int k = 0; k < 10; ++k) {
        const int at = 200 + 250 * k;
        dip(broken, at, 30, 90);
        for (int i = at + 10; i < at + 13; ++i) broken[static_cast<std::size_t>(i)].spo2 = 0;
        broken[static_cast<std::size_t>(at + 20)].spo2 = 95;
        broken[static_cast<std::size_t>(at + 21)].spo2 = 95;
    }
    const ClinicalMetrics b = computeClinicalMetrics(broken);
    ASSERT_EQ(b.odi3.events.size(), 10u);
    EXPECT_EQ(b.odi4.events.size(), 10u);
    EXPECT_EQ(b.odi3.events[0].start, 200);
    EXPECT_EQ(b.odi3.events[0].end, 229);
    EXPECT_EQ(b.odi3.events[0].artefactSeconds, 3);
    EXPECT_EQ(b.odi3.events[0].seconds(), 27);
    EXPECT_EQ(b.odi3.meanDuration, 27);
    EXPECT_EQ(b.odi3.medianDepth, 6);
    expectLiteral(broken, "artefact and a noisy sample inside dips");

    // A slow fall of the level by 6 % under six dips of 5 %: six events.
    auto sinking = night(3600, [](int i) { return 97 - i / 600; });
    for (int k = 0; k < 6; ++k) dip(sinking, 300 + 550 * k, 25, 97 - (300 + 550 * k) / 600 - 5);
    const ClinicalMetrics d = computeClinicalMetrics(sinking);
    EXPECT_EQ(d.odi3.events.size(), 6u);
    for (const auto& e : d.odi3.events) EXPECT_LE(e.seconds(), 30);
    expectLiteral(sinking, "slow fall of the level");

    // A step down by 6 %, then five 6 % dips: the step is one event of 120 s, then the
    // baseline is the new level and each dip is its own event.
    auto step = night(3600, [](int i) { return i < 600 ? 96 : 90; });
    for (int k = 0; k < 5; ++k) dip(step, 1000 + 400 * k, 30, 84);
    const ClinicalMetrics st = computeClinicalMetrics(step);
    ASSERT_EQ(st.odi3.events.size(), 6u);
    EXPECT_EQ(st.odi3.events[0].seconds(), 120);
    EXPECT_EQ(st.odi3.longest, 0);
    for (std::size_t k = 1; k < 6; ++k) {
        EXPECT_EQ(st.odi3.events[k].baseline, 90);
        EXPECT_EQ(st.odi3.events[k].depth(), 6);
        EXPECT_EQ(st.odi3.events[k].seconds(), 30);
    }
    EXPECT_EQ(st.odi3.medianDuration, 30);
    EXPECT_EQ(st.odi3.meanDuration, (120.0 + 5 * 30) / 6);
    expectLiteral(step, "step");

    // A 3 % event with two 4 % parts is one event at either drop.
    auto twice = night(1000, [](int) { return 96; });
    dip(twice, 300, 82, 93);
    dip(twice, 310, 15, 92);
    dip(twice, 350, 15, 92);
    const ClinicalMetrics t = computeClinicalMetrics(twice);
    ASSERT_EQ(t.odi3.events.size(), 1u);
    ASSERT_EQ(t.odi4.events.size(), 1u);
    EXPECT_EQ(t.odi4.events[0], t.odi3.events[0]);
    expectLiteral(twice, "4 % parts of a 3 % event");
}

// The README quotes the rule as the program prints it, so the two cannot drift apart.
TEST(ClinicalMetrics, TheReadmeStatesTheCriteria) {
    const std::string readme = test::readFile(std::string(SAMPLES_DIR) + "/../../README.md");
    std::string quoted;
    for (std::size_t at = readme.find("\n> Criteria: ");
         at != std::string::npos && readme.compare(at, 3, "\n> ") == 0;) {
        const std::size_t end = readme.find('\n', at + 1);
        quoted += (quoted.empty() ? "" : " ") + readme.substr(at + 3, end - at - 3);
        at = end;
    }
    EXPECT_EQ(quoted, clinicalCriteria());
}
