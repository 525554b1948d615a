// Clinical oximetry figures of a recording, beside the device's own analysis: the
// artefact rule, SpO2 statistics, T90/T88, time in SpO2 bands, 3 % and 4 %
// desaturation events (ODI) against a robust 120 s baseline, desaturation area, the
// events' depth and duration, and pulse statistics. Two O(N) passes (histograms, then
// one event scan that serves both drops). Every figure uses valid samples only; every
// parameter of the event rule is a named constant, and clinicalCriteria() states them
// all, so the report, `analyze` and the README print the rule that produced a figure.
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

// The desaturation rule. Readings are whole percent at one sample a second.
inline constexpr int kSmoothingSamples = 3;    // median in front of the detector: removes single-sample spikes
inline constexpr int kBaselineWindow = 120;    // seconds before the sample
inline constexpr int kMinBaselineSamples = 10; // fewer eligible samples in the window: no baseline
inline constexpr int kMaxBaselineStep = 1;     // % a sample may move the baseline
inline constexpr int kPrimaryDrop = 3;         // the drop that finds events; 4 % events are among them
inline constexpr int kMinEventSeconds = 10;    // valid seconds held at least the drop below the baseline
inline constexpr int kNoiseSamples = 2;        // samples in a row above the drop that do not break that hold
inline constexpr int kRecoveryMargin = 1;      // % below the baseline that counts as recovered
inline constexpr int kRecoverySeconds = 3;     // a recovery holds this long before it ends an event
inline constexpr int kMaxEventSeconds = 120;   // valid seconds without recovery: the event ends
inline constexpr int kMaxBridgedGap = 10;      // artefact seconds bridged inside an event
inline constexpr int kEventRuleRevision = 1;   // raised when a change above moves a figure: caches recompute

inline bool isValid(const SampleRecord& s) {
    return s.spo2 >= kMinValidSpo2 && s.spo2 <= kMaxValidSpo2 && s.pulseRate >= kMinValidPulse &&
           s.pulseRate <= kMaxValidPulse;
}
} // namespace clinical

// One desaturation. SpO2 figures are of the smoothed signal the detector saw.
struct DesaturationEvent {
    std::int32_t start = 0, end = 0; // sample indexes, inclusive; both valid samples
    std::int32_t baseline = 0, nadir = 0;
    std::int64_t area = 0;            // sum of baseline - SpO2 over the event's valid samples, %·s
    std::int32_t nadirIndex = -1;     // first sample holding the nadir
    std::int32_t artefactSeconds = 0; // bridged artefact samples between start and end
    std::int32_t heldDrop = 0;        // the largest drop held for kMinEventSeconds (3: a 3 % event only)
    bool timedOut = false;            // ended by kMaxEventSeconds, not by a recovery
    std::int32_t duration() const { return end - start + 1; }             // span, artefacts included
    std::int32_t seconds() const { return duration() - artefactSeconds; } // event time
    std::int32_t depth() const { return baseline - nadir; }
    friend bool operator==(const DesaturationEvent&, const DesaturationEvent&) = default;
};

struct DesaturationIndex {
    int drop = 0;
    std::vector<DesaturationEvent> events;
    double perHour = 0;
    // How clinicians read the events: depth in %, duration as event time in seconds
    // (bridged artefacts excluded); medians of an even count are the mean of the two
    // middle values. `longest` indexes `events`, -1 when there are none.
    double meanDepth = 0, medianDepth = 0, meanDuration = 0, medianDuration = 0;
    std::int64_t longest = -1;
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
    std::array<SpO2Band, 6> bands{
        {{95, 100, {}}, {90, 94, {}}, {85, 89, {}}, {80, 84, {}}, {70, 79, {}}, {50, 69, {}}}};
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
// navigation use them: the events whose heldDrop is at least `drop` (a drop below 3
// gives the 3 % events).
std::vector<DesaturationEvent> findDesaturations(std::span<const SampleRecord> samples, int drop);

// Mean and median depth and duration and the longest event of `odi.events`.
void describeEvents(DesaturationIndex& odi);

// The criteria behind the figures, the whole event rule included, as one paragraph.
std::string clinicalCriteria();

// "YYYY-MM-DDTHH:MM:SS" of a sample's stored fields (year 2000 + year), unchecked.
std::string isoTime(const SampleRecord& s);

} // namespace kestrova
