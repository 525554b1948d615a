// Event and threshold analysis of a recording: extremes and means, time above and
// below the four limits, and the desaturation and pulse-rate events with their
// summaries. One sample is one second throughout.
#pragma once

#include "model/SampleRecord.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kestrova {

class Settings;

struct SampleStatistics {
    std::int32_t maxSpo2 = 0, minSpo2 = 0, avgSpo2 = 0, maxSpo2Index = 0, minSpo2Index = 0;
    std::int32_t spo2AboveHigh = 0, spo2BelowLow = 0;
    std::int32_t maxPulse = 0, minPulse = 0, avgPulse = 0, maxPulseIndex = 0, minPulseIndex = 0;
    std::int32_t pulseAboveHigh = 0, pulseBelowLow = 0;
    friend bool operator==(const SampleStatistics&, const SampleStatistics&) = default;
};

struct EventRecord {
    std::int32_t start = 0;    // index of the first sample
    std::int32_t length = 0;   // samples (seconds)
    std::int32_t maxValue = 0; // extremes of the signal over the event's samples
    std::int32_t minValue = 0;
    std::int32_t onsetDrop = 0; // fall of the step that started the event
    friend bool operator==(const EventRecord&, const EventRecord&) = default;
};

using EventList = std::vector<EventRecord>;

struct EventSummary {
    std::int32_t count = 0, totalDuration = 0, averageDuration = 0;
    float indexPerHour = 0.0f;
    std::int32_t averageMax = 0, averageMin = 0, maxOnsetDrop = 0, maxDuration = 0;
    friend bool operator==(const EventSummary&, const EventSummary&) = default;
};

struct AnalysisLimits {
    int saturationsHigh = 94, saturationsLow = 88, prHigh = 150, prLow = 60;
    int desaturationsEvent = 4, pulseEvent = 6;
};

struct AnalysisResult {
    std::int32_t samples = 0;
    AnalysisLimits limits;
    SampleStatistics statistics;
    EventList desaturationEvents, pulseEvents;
    EventSummary desaturation, pulse;
};

inline constexpr int kDesaturationMinLength = 10;
inline constexpr int kPulseMinLength = 8;

// The six keys as the settings file holds them now.
AnalysisLimits readAnalysisLimits(const Settings& settings);

AnalysisResult computeAnalysis(std::span<const SampleRecord> samples, const AnalysisLimits& limits);
// Reads the limits from the settings file at each run.
AnalysisResult computeAnalysis(std::span<const SampleRecord> samples, const Settings& settings);

} // namespace kestrova
