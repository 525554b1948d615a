// Seeded nights whose desaturations are known: the truth the clinical event detector
// is measured against (ClinicalAccuracyTest) and a source of hard signals for the
// check of the detector against its literal rule (ClinicalMetricsTest).
#pragma once

#include "model/SampleRecord.h"

#include <cstdint>
#include <vector>

namespace kestrova::test {

// One generated dip: a linear fall, a hold at full depth and a linear recovery, below
// the level of the night at that time.
struct KnownDip {
    std::int32_t start = 0, end = 0; // first and last sample below the level, inclusive
    double depth = 0;                // % below the level
    // Valid samples (artefacts excluded) at least 0.5 deeper than each drop, and at least
    // 0.5 less deep: whole-percent readings may show a dip between the two either way.
    // Index: drop 3 -> [0], 4 -> [1].
    std::int32_t surelyHeld[2] = {0, 0}, possiblyHeld[2] = {0, 0};
    bool brokenByArtefact = false; // an artefact run longer than the bridged gap overlaps it
};

struct KnownNight {
    std::vector<SampleRecord> samples;
    std::vector<KnownDip> dips;
    std::vector<std::int32_t> steps; // samples where the level steps
    double noise = 0;                // sigma of the gaussian noise, %
};

struct NightShape {
    std::uint64_t seed = 1;
    std::int32_t seconds = 3600;
    double noise = 0;
    bool dips = true, drift = true, steps = true, spikes = true, artefacts = true;
};

KnownNight makeKnownNight(const NightShape& shape);

} // namespace kestrova::test
