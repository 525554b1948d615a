// Clinical oximetry figures of a recording, beside the device's own analysis: the
// artefact rule, SpO2 statistics, T90/T88, time in SpO2 bands, 3 % and 4 %
// desaturation events (ODI) against a sliding 120 s baseline, desaturation area and
// pulse statistics. One O(N) pass plus one event scan per drop. Every figure uses
// valid samples only; criteria are named constants so the report can state them.
#pragma once

#include "model/SampleRecord.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kestrova {

namespace clinical {
inline constexpr int kMinValidSpo2 = 50, kMaxValidSpo2 = 100;
inline constexpr int kMinValidPulse = 25, kMaxValidPulse = 250;
inline constexpr int kBaselineWindow = 120; // seconds before the sample
inline constexpr int kMinEventSeconds = 10;

inline bool isValid(const SampleRecord& s) {
    return s.spo2 >= kMinValidSpo2 && s.spo2 <= kMaxValidSpo2 && s.pulseRate >= kMinValidPulse &&
           s.pulseRate <= kMaxValidPulse;
}
} // namespace clinical

struct DesaturationEvent {
    std::int32_t start = 0, end = 0; // sample indexes, inclusive
    std::int32_t baseline = 0, nadir = 0;
    std::int64_t area = 0;           // sum of baseline - SpO2 over the event, %·s
    std::int32_t duration() const { return end - start + 1; }
    std::int32_t depth() const { return baseline - nadir; }
    friend bool operator==(const DesaturationEvent&, const DesaturationEvent&) = default;
};

struct DesaturationIndex {
    int drop = 0;
    std::vector<DesaturationEvent> events;
    double perHour = 0;
};

struct SecondsAndPercent {
    std::int64_t seconds = 0;
    double percent = 0;
};

struct SpO2Band {
    int low = 0, high = 0;
    SecondsAndPercent time;
};

struct ClinicalMetrics {
    std::int64_t recordedSeconds = 0, validSeconds = 0, artefactSeconds = 0;
    struct {
        double mean = 0;
        int median = 0, min = 0, max = 0;
        std::int64_t minIndex = -1;
    } spo2;
    SecondsAndPercent t90, t88;
    std::array<SpO2Band, 6> bands{{{95, 100, {}}, {90, 94, {}}, {85, 89, {}}, {80, 84, {}}, {70, 79, {}}, {50, 69, {}}}};
    DesaturationIndex odi3, odi4;
    double desaturationAreaPerHour = 0; // %·min per hour of valid time, from the 3 % events
    struct {
        double mean = 0;
        int min = 0, max = 0;
        std::int64_t above100Seconds = 0, below50Seconds = 0;
    } pulse;
};

ClinicalMetrics computeClinicalMetrics(std::span<const SampleRecord> samples);

// The desaturation events for one drop (3 or 4 %), as the report and the event
// navigation use them.
std::vector<DesaturationEvent> findDesaturations(std::span<const SampleRecord> samples, int drop);

// The criteria behind the figures, as one sentence for reports.
std::string clinicalCriteria();

// "YYYY-MM-DDTHH:MM:SS" of a sample's stored fields (year 2000 + year), unchecked.
std::string isoTime(const SampleRecord& s);

} // namespace kestrova
