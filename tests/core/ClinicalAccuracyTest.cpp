// The desaturation detector measured against generated nights whose dips are known:
// event sensitivity and positive predictive value at 3 % and 4 %, per-night ODI against
// the generated rate, nesting of 4 % in 3 % events. Prints the measured table, and fails
// when a figure falls below its goal.
#include "analysis/ClinicalMetrics.h"

#include "KnownDips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

using namespace kestrova;

namespace {

constexpr std::int32_t kAfterStep = 240; // seconds after a level step where neither dips nor events are judged
constexpr int kNights = 240;

enum class Truth { Counted, Uncertain, NotADip };

bool nearStep(std::int32_t from, std::int32_t to, const std::vector<std::int32_t>& steps) {
    return std::any_of(steps.begin(), steps.end(), [&](std::int32_t s) { return from <= s + kAfterStep && to >= s; });
}

// Whether a dip counts at drop index k (0: 3 %, 1: 4 %): surely at least the drop deep for
// 10 valid seconds; uncertain when whole-percent readings may show it either way, when a
// long artefact run breaks it or a level step is near.
Truth truthOf(const test::KnownDip& dip, int k, const test::KnownNight& night) {
    if (dip.brokenByArtefact || nearStep(dip.start, dip.end, night.steps)) return Truth::Uncertain;
    if (dip.surelyHeld[k] >= clinical::kMinEventSeconds) return Truth::Counted;
    if (dip.possiblyHeld[k] >= clinical::kMinEventSeconds) return Truth::Uncertain;
    return Truth::NotADip;
}

struct Tally {
    std::int64_t hits = 0, misses = 0, falses = 0;
    double sensitivity() const {
        return hits + misses ? 100.0 * static_cast<double>(hits) / static_cast<double>(hits + misses) : 100.0;
    }
    double ppv() const {
        return hits + falses ? 100.0 * static_cast<double>(hits) / static_cast<double>(hits + falses) : 100.0;
    }
};

struct NightScore {
    Tally tally;
    std::int64_t counted = 0, uncertain = 0; // dips, plus events no dip explains near a step
};

// Events to dips one to one by overlap, events in order, each taking the overlapping
// unmatched dip that counts (then the uncertain one, then any) with the largest overlap.
NightScore score(const std::vector<DesaturationEvent>& events, const test::KnownNight& night, int k) {
    NightScore s;
    std::vector<Truth> truth;
    for (const auto& d : night.dips) truth.push_back(truthOf(d, k, night));
    std::vector<bool> taken(night.dips.size(), false);
    std::size_t first = 0; // dips end in order: those ending before an event never match a later one
    for (const auto& e : events) {
        while (first < night.dips.size() && night.dips[first].end < e.start) ++first;
        std::int64_t best = -1;
        std::pair<int, std::int32_t> bestKey{-1, 0};
        for (std::size_t j = first; j < night.dips.size() && night.dips[j].start <= e.end; ++j) {
            if (taken[j]) continue;
            const std::int32_t overlap =
                std::min(e.end, night.dips[j].end) - std::max(e.start, night.dips[j].start) + 1;
            const std::pair<int, std::int32_t> key{2 - static_cast<int>(truth[j]), overlap};
            if (key > bestKey) bestKey = key, best = static_cast<std::int64_t>(j);
        }
        if (best >= 0) {
            taken[static_cast<std::size_t>(best)] = true;
            const Truth t = truth[static_cast<std::size_t>(best)];
            if (t == Truth::Counted)
                ++s.tally.hits;
            else if (t == Truth::NotADip && !nearStep(e.start, e.end, night.steps))
                ++s.tally.falses;
            continue;
        }
        if (nearStep(e.start, e.end, night.steps))
            ++s.uncertain;
        else
            ++s.tally.falses;
    }
    for (std::size_t j = 0; j < night.dips.size(); ++j) {
        if (truth[j] == Truth::Counted) ++s.counted, s.tally.misses += !taken[j];
        if (truth[j] == Truth::Uncertain) ++s.uncertain;
    }
    return s;
}

// The ODI lies between the counted dips' rate and that of the counted plus uncertain
// ones, widened by 10 % or 1 event/h, whichever is larger.
bool odiWithin(double odi, const NightScore& s, double validHours) {
    const double low = static_cast<double>(s.counted) / validHours;
    const double high = static_cast<double>(s.counted + s.uncertain) / validHours;
    return odi >= low - std::max(0.1 * low, 1.0) && odi <= high + std::max(0.1 * high, 1.0);
}

struct Group {
    const char* name;
    Tally at[2];
    int nights = 0, odiOk[2] = {0, 0};
};

} // namespace

TEST(ClinicalAccuracy, MeetsTheGoalsOnKnownDips) {
    Group groups[2] = {{"sigma <= 0.5 %", {}, 0, {0, 0}}, {"sigma 1.0 %", {}, 0, {0, 0}}};
    std::mt19937_64 lengths(20240115);
    std::int64_t samples = 0;
    for (int i = 0; i < kNights; ++i) {
        test::NightShape shape;
        shape.seed = 1000 + static_cast<std::uint64_t>(i);
        shape.noise = (i % 3) * 0.5;
        shape.seconds = std::uniform_int_distribution<std::int32_t>(3600, 36000)(lengths);
        const test::KnownNight night = test::makeKnownNight(shape);
        samples += static_cast<std::int64_t>(night.samples.size());
        const ClinicalMetrics m = computeClinicalMetrics(night.samples);
        const std::string what = "night seed " + std::to_string(shape.seed);

        // Nesting, on every night.
        ASSERT_LE(m.odi4.events.size(), m.odi3.events.size()) << what;
        ASSERT_LE(m.odi4.perHour, m.odi3.perHour) << what;
        for (const auto& e : m.odi4.events)
            ASSERT_TRUE(std::any_of(m.odi3.events.begin(), m.odi3.events.end(),
                                    [&](const DesaturationEvent& o) { return o.start <= e.start && e.end <= o.end; }))
                << what << " 4 % event at " << e.start;

        Group& g = groups[shape.noise > 0.75 ? 1 : 0];
        ++g.nights;
        const double validHours = static_cast<double>(m.validSeconds) / 3600.0;
        const DesaturationIndex* odi[2] = {&m.odi3, &m.odi4};
        for (int k = 0; k < 2; ++k) {
            const NightScore s = score(odi[k]->events, night, k);
            g.at[k].hits += s.tally.hits;
            g.at[k].misses += s.tally.misses;
            g.at[k].falses += s.tally.falses;
            g.odiOk[k] += odiWithin(odi[k]->perHour, s, validHours);
        }
    }

    std::printf("Desaturation detector on %d generated nights (%lld samples)\n", kNights,
                static_cast<long long>(samples));
    std::printf("%-16s %6s %5s %8s %8s %8s %13s %9s %17s\n", "noise", "nights", "drop", "hits", "misses", "false",
                "sensitivity", "PPV", "ODI within tol.");
    for (const Group& g : groups)
        for (int k = 0; k < 2; ++k)
            std::printf("%-16s %6d %4d%% %8lld %8lld %8lld %12.1f%% %8.1f%% %16.1f%%\n", g.name, g.nights, 3 + k,
                        static_cast<long long>(g.at[k].hits), static_cast<long long>(g.at[k].misses),
                        static_cast<long long>(g.at[k].falses), g.at[k].sensitivity(), g.at[k].ppv(),
                        100.0 * g.odiOk[k] / g.nights);
    std::fflush(stdout);

    for (int k = 0; k < 2; ++k) {
        const int drop = 3 + k;
        EXPECT_GE(groups[0].at[k].sensitivity(), 95.0) << "sensitivity at " << drop << " %, " << groups[0].name;
        EXPECT_GE(groups[0].at[k].ppv(), 95.0) << "PPV at " << drop << " %, " << groups[0].name;
        EXPECT_GE(groups[1].at[k].sensitivity(), 90.0) << "sensitivity at " << drop << " %, " << groups[1].name;
        EXPECT_GE(groups[1].at[k].ppv(), 90.0) << "PPV at " << drop << " %, " << groups[1].name;
        const int nights = groups[0].nights + groups[1].nights, ok = groups[0].odiOk[k] + groups[1].odiOk[k];
        EXPECT_GE(100.0 * ok / nights, 95.0) << "nights with the ODI " << drop << " % within tolerance";
    }
}

// What a single sample, a jittering level and a quiet night must never produce.
TEST(ClinicalAccuracy, NoEventsWithoutDips) {
    for (int spike : {4, 8, -4, -8}) {
        for (double noise : {0.0, 0.5, 1.0}) {
            test::NightShape shape;
            shape.seed = 77;
            shape.seconds = 2 * 3600;
            shape.noise = noise;
            shape.dips = shape.steps = shape.spikes = shape.artefacts = false;
            test::KnownNight night = test::makeKnownNight(shape);
            auto& s = night.samples[3600].spo2;
            s = static_cast<std::uint8_t>(std::clamp(s + spike, 50, 100));
            const ClinicalMetrics m = computeClinicalMetrics(night.samples);
            EXPECT_TRUE(m.odi3.events.empty())
                << "spike " << spike << ", noise " << noise << ": " << m.odi3.events.size() << " events";
        }
    }
}
