// Generated recordings of a plausible night: SpO2 at a 95-98 % baseline with
// desaturation dips, pulse 55-80 bpm with a few falls. Deterministic for a seed.
// Used for the bundled samples, the simulated oximeter and the benchmarks.
#pragma once

#include "model/SampleRecord.h"

#include <cstdint>
#include <vector>

namespace kestrova {

struct SyntheticNight {
    int id = 1;
    int year = 26, month = 11, day = 30, hour = 22, minute = 30, second = 0; // year - 2000
    std::int32_t seconds = 8 * 3600;
    std::uint64_t seed = 1;
    int desaturationsPerHour = 6;
    int pulseFallsPerHour = 2;
};

// Chronological samples, one per second.
std::vector<SampleRecord> makeSyntheticNight(const SyntheticNight& night);

// Steps a sample's timestamp one second forward across minutes, days, months and years.
void advanceOneSecond(SampleRecord& s);

} // namespace kestrova
