// Finding a moment in a recording: "Go to time" in the trend view and the command
// line's render --start. Sample stamps are local times as the device recorded them.
#pragma once

#include "model/SampleRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kestrova {

struct TimeQuery {
    int year = 0, month = 0, day = 0; // all 0: a time of day only
    int hour = 0, minute = 0, second = 0;
    bool hasDate() const { return year != 0; }
};

// "HH:MM", "HH:MM:SS", or a date before it: "YYYY-MM-DD HH:MM:SS" (also with a T).
std::optional<TimeQuery> parseTimeQuery(std::string_view text);

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's algorithm).
std::int64_t daysFromCivil(int year, int month, int day);

// Seconds since 2000-01-01 00:00:00 of a sample's stamp.
std::int64_t stampSeconds(const SampleRecord& s);

// The first sample stamped at or after the moment, when the moment lies within the
// recording (from its first stamp to its last). A time of day alone means its first
// occurrence from the start of the recording on (the recording may run past midnight).
std::optional<std::int64_t> findSampleAt(std::span<const SampleRecord> samples, const TimeQuery& when);

// "YYYY-MM-DD HH:MM:SS" of a sample, for messages.
std::string stampText(const SampleRecord& s);

} // namespace kestrova
