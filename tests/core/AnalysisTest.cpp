#include "analysis/Analysis.h"
#include "analysis/AnalysisSheet.h"
#include "settings/Settings.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace kestrova;

namespace {
std::vector<SampleRecord> series(std::initializer_list<int> spo2, int pulse = 70) {
    std::vector<SampleRecord> out;
    for (int v : spo2) {
        SampleRecord s;
        s.id = 1;
        s.spo2 = static_cast<std::uint8_t>(v);
        s.pulseRate = static_cast<std::uint8_t>(pulse);
        out.push_back(s);
    }
    return out;
}
std::vector<SampleRecord> pulseSeries(const std::vector<int>& pr) {
    std::vector<SampleRecord> out;
    for (int v : pr) {
        SampleRecord s;
        s.spo2 = 96;
        s.pulseRate = static_cast<std::uint8_t>(v);
        out.push_back(s);
    }
    return out;
}
} // namespace

TEST(Analysis, DesaturationStartsWhereTheFallReachesTheThreshold) {
    const auto r =
        computeAnalysis(series({97, 96, 95, 94, 93, 93, 93, 93, 93, 93, 93, 93, 93, 93, 97}), AnalysisLimits{});
    ASSERT_EQ(r.desaturationEvents.size(), 1u);
    EXPECT_EQ(r.desaturationEvents[0], (EventRecord{4, 10, 93, 93, 1}));
    EXPECT_EQ(r.desaturation.count, 1);
    EXPECT_TRUE(r.pulseEvents.empty());

    // One 93 fewer: a nine-sample run is not an event.
    const auto shorter =
        computeAnalysis(series({97, 96, 95, 94, 93, 93, 93, 93, 93, 93, 93, 93, 93, 97}), AnalysisLimits{});
    EXPECT_TRUE(shorter.desaturationEvents.empty());
    EXPECT_EQ(shorter.desaturation, EventSummary{});
}

TEST(Analysis, AnEventStillOpenAtTheEndIsRecordedWhenLongEnough) {
    const auto r = computeAnalysis(series({98, 92, 91, 90, 90, 91, 92, 93, 94, 90, 89}), AnalysisLimits{});
    // Level 98-4 = 94: samples 1..10 stay at or below it; the data ends inside the event.
    ASSERT_EQ(r.desaturationEvents.size(), 1u);
    EXPECT_EQ(r.desaturationEvents[0], (EventRecord{1, 10, 94, 89, 6}));
    const auto cut = computeAnalysis(series({98, 92, 91, 90, 90, 91, 92, 93, 94, 90}), AnalysisLimits{});
    EXPECT_TRUE(cut.desaturationEvents.empty());
}

TEST(Analysis, OnlyFallsOfPulseRateAreEvents) {
    std::vector<int> rise(30, 70);
    rise.insert(rise.end(), 60, 100);
    EXPECT_TRUE(computeAnalysis(pulseSeries(rise), AnalysisLimits{}).pulseEvents.empty());

    std::vector<int> fall(5, 80);
    fall.insert(fall.end(), 8, 73); // 7 below 80: one step of 7 >= 6
    fall.insert(fall.end(), 5, 80);
    const auto r = computeAnalysis(pulseSeries(fall), AnalysisLimits{});
    ASSERT_EQ(r.pulseEvents.size(), 1u);
    EXPECT_EQ(r.pulseEvents[0], (EventRecord{5, 8, 73, 73, 7}));
    EXPECT_TRUE(r.desaturationEvents.empty());
}

TEST(Analysis, StatisticsUseStrictLimitsAndTheEarliestExtreme) {
    AnalysisLimits lim;
    lim.saturationsHigh = 95;
    lim.saturationsLow = 90;
    const auto r = computeAnalysis(series({95, 96, 90, 89, 97, 88, 97, 97, 95, 97}), lim);
    EXPECT_EQ(r.statistics.spo2AboveHigh, 5); // 96, 97, 97, 97, 97; the two 95s count for neither
    EXPECT_EQ(r.statistics.spo2BelowLow, 2);  // 89, 88; 90 is not below
    EXPECT_EQ(r.statistics.maxSpo2, 97);
    EXPECT_EQ(r.statistics.maxSpo2Index, 4);
    EXPECT_EQ(r.statistics.minSpo2Index, 5);
    EXPECT_EQ(r.statistics.avgSpo2, 94);      // 941 / 10 truncated
    EXPECT_EQ(r.statistics.pulseBelowLow, 0); // 70 is above the default 60
}

TEST(Analysis, TinyRecordingsGiveDefinedResults) {
    const auto empty = computeAnalysis(std::span<const SampleRecord>{}, AnalysisLimits{});
    EXPECT_EQ(empty.statistics, SampleStatistics{});
    EXPECT_EQ(empty.desaturation, EventSummary{});

    const auto one = computeAnalysis(series({91}, 57), AnalysisLimits{});
    EXPECT_EQ(one.statistics.maxSpo2, 91);
    EXPECT_EQ(one.statistics.minSpo2, 91);
    EXPECT_EQ(one.statistics.avgSpo2, 91);
    EXPECT_EQ(one.statistics.avgPulse, 57);
    EXPECT_EQ(one.statistics.pulseBelowLow, 1);
    EXPECT_TRUE(one.desaturationEvents.empty());
}

TEST(Analysis, SummariesAverageByIntegerDivisionAndIndexPerHourUsesTheLength) {
    std::vector<SampleRecord> s;
    auto add = [&](int v, int count) {
        for (int i = 0; i < count; ++i) s.push_back(series({v})[0]);
    };
    add(97, 1795);
    add(92, 10); // event 1: length 10, drop 5
    add(97, 1790);
    add(90, 15); // event 2: length 15, drop 7
    add(97, 1790);
    const auto r = computeAnalysis(s, AnalysisLimits{});
    ASSERT_EQ(r.desaturation.count, 2);
    EXPECT_EQ(r.desaturation.totalDuration, 25);
    EXPECT_EQ(r.desaturation.averageDuration, 12);
    EXPECT_EQ(r.desaturation.averageMin, 91);
    EXPECT_EQ(r.desaturation.maxOnsetDrop, 7);
    EXPECT_EQ(r.desaturation.maxDuration, 15);
    EXPECT_FLOAT_EQ(r.desaturation.indexPerHour, 2.0f / static_cast<float>(5400 / 3600.0));
    EXPECT_EQ(summaryRows(r)[4].spo2, "1.3");
}

TEST(Analysis, MeansOfFullRecordingsAreExact) {
    // A float sum of 518400 values of 97 would round away the one 96.
    std::vector<SampleRecord> s(518400, series({97}, 80)[0]);
    s[1000].spo2 = 96;
    const auto r = computeAnalysis(s, AnalysisLimits{});
    EXPECT_EQ(r.statistics.avgSpo2, 96);
    EXPECT_EQ(r.statistics.avgPulse, 80);
}

TEST(Analysis, LimitsComeFromTheSettingsFileAtEachRun) {
    test::TempDir dir;
    const Settings settings(dir.file("Kestrova.ini"));
    const auto data = series({97, 95, 95, 95, 95, 95, 95, 95, 95, 95, 95, 97});
    EXPECT_TRUE(computeAnalysis(data, settings).desaturationEvents.empty());
    ASSERT_TRUE(settings.write(setting::DesaturationsEvent, 2));
    const auto r = computeAnalysis(data, settings);
    EXPECT_EQ(r.limits.desaturationsEvent, 2);
    EXPECT_EQ(r.desaturationEvents.size(), 1u);
    EXPECT_EQ(r.limits.saturationsHigh, 94);
    // A second run starts afresh.
    EXPECT_EQ(computeAnalysis(data, settings).desaturationEvents, r.desaturationEvents);
}

TEST(AnalysisSheet, CriteriaSentencesAndThresholdTexts) {
    EXPECT_EQ(desaturationCriteria(3),
              "Desaturation Event:drop in Spo2 by at least 3% for a minimum duration of 10 seconds.");
    EXPECT_EQ(pulseCriteria(6), "Pulse Event Change in rate by at least 6 bpm for a minimum duration of 8 seconds.");
    AnalysisResult r;
    r.statistics.spo2AboveHigh = 1234;
    const auto rows = thresholdRows(r);
    EXPECT_EQ(rows[0].text, "Spo2  >  94         1234");
    EXPECT_EQ(rows[0].unit, "times");
    EXPECT_EQ(rows[3].text, "Pulse  <  60         0");
    EXPECT_EQ(rows[4].text, "Diagnose:");
}

namespace {

// The event rule exactly as written, one pair at a time with steps a-e, as the
// yardstick for the block-skipping implementation.
EventList referenceEvents(const std::vector<int>& v, int T, int M) {
    EventList out;
    bool inEvent = false, falling = false;
    int base = 0, length = 0, start = 0, lastDrop = 0;
    const int n = static_cast<int>(v.size());
    for (int k = 0; k + 1 < n; ++k) {
        const int prev = v[k], cur = v[k + 1];
        bool emission = false;
        if (!inEvent && cur > prev) { // a
            falling = false;
            emission = true;
        } else if (!inEvent) { // b
            length = 0;
            lastDrop = prev - cur;
            if (!falling) base = prev;
            falling = true;
            if (base - cur < T) continue;
            base -= T;
            length = 1;
            inEvent = true;
            start = k + 1;
            emission = k == n - 2; // d
        } else if (cur <= base) {  // c
            ++length;
            emission = k == n - 2; // d
        } else {
            inEvent = false;
            falling = false;
            emission = true;
        }
        if (emission && length >= M) { // e
            out.push_back({start, length, 0, 0, lastDrop});
            length = 0;
        }
    }
    for (auto& e : out) {
        e.maxValue = *std::max_element(v.begin() + e.start, v.begin() + e.start + e.length);
        e.minValue = *std::min_element(v.begin() + e.start, v.begin() + e.start + e.length);
    }
    return out;
}

} // namespace

TEST(Analysis, MatchesTheLiteralRuleOnVariedSignals) {
    std::uint64_t state = 12345;
    auto rnd = [&](int lo, int hi) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return lo + static_cast<int>((state >> 33) % static_cast<std::uint64_t>(hi - lo + 1));
    };
    for (int trial = 0; trial < 60; ++trial) {
        // Lengths around the chunk and block sizes; flat, noisy and dipping signals.
        const int n = trial < 20 ? rnd(0, 100) : rnd(4000, 9000);
        const int noise = trial % 4;
        std::vector<SampleRecord> s(static_cast<std::size_t>(n));
        std::vector<int> spo2, pulse;
        int level = 96, pr = 70, dip = 0, dipLeft = 0;
        for (auto& x : s) {
            if (dipLeft == 0 && rnd(0, 200) == 0) {
                dip = rnd(2, 12);
                dipLeft = rnd(3, 40);
            }
            const int d = dipLeft > 0 ? (--dipLeft, dip) : 0;
            if (rnd(0, 50) == 0) level = std::clamp(level + rnd(-1, 1), 90, 99);
            if (rnd(0, 10) == 0) pr = std::clamp(pr + rnd(-3, 3), 40, 120);
            x.spo2 = static_cast<std::uint8_t>(std::clamp(level - d + rnd(-noise, noise), 0, 127));
            x.pulseRate = static_cast<std::uint8_t>(std::clamp(pr - d + rnd(-noise, noise), 0, 255));
            spo2.push_back(x.spo2);
            pulse.push_back(x.pulseRate);
        }
        AnalysisLimits lim;
        lim.desaturationsEvent = 1 + trial % 5;
        lim.pulseEvent = 2 + trial % 7;
        const auto r = computeAnalysis(s, lim);
        ASSERT_EQ(r.desaturationEvents, referenceEvents(spo2, lim.desaturationsEvent, 10)) << "trial " << trial;
        ASSERT_EQ(r.pulseEvents, referenceEvents(pulse, lim.pulseEvent, 8)) << "trial " << trial;
        if (n > 0) {
            const auto maxIt = std::max_element(spo2.begin(), spo2.end()); // first of equal maxima
            EXPECT_EQ(r.statistics.maxSpo2Index, maxIt - spo2.begin());
            const auto minIt = std::min_element(pulse.begin(), pulse.end());
            EXPECT_EQ(r.statistics.minPulseIndex, minIt - pulse.begin());
            EXPECT_EQ(r.statistics.spo2AboveHigh,
                      std::count_if(spo2.begin(), spo2.end(), [](int v) { return v > 94; }));
        }
    }
}
