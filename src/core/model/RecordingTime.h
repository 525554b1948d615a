// The program's one calendar: sample stamps (local times as the device recorded them,
// year 2000 + the stored year) to seconds and back, for every reader, the generator and
// finding a moment in a recording ("Go to time" in the trend view, render --start).
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

struct CivilDate {
    int year = 0, month = 0, day = 0;
};
// The date `days` after 1970-01-01 (the inverse of daysFromCivil).
CivilDate civilFromDays(std::int64_t days);
// Days of a month of a Gregorian year (0 for a month outside 1..12).
int daysInMonth(int year, int month);
bool validDate(int year, int month, int day);

// Sets a sample's clock fields to the moment `seconds` after 1970-01-01 00:00:00 (its
// stored year clamped to 0..255, that is 2000..2255).
void setStamp(SampleRecord& s, std::int64_t secondsSince1970);
// Seconds since 1970-01-01 00:00:00 of a date and time.
std::int64_t civilSeconds(int year, int month, int day, int hour, int minute, int second);

// Seconds since 2000-01-01 00:00:00 of a sample's stamp.
std::int64_t stampSeconds(const SampleRecord& s);

// The first sample stamped at or after the moment, when the moment lies within the
// recording (from its first stamp to its last). A time of day alone means its first
// occurrence from the start of the recording on (the recording may run past midnight).
std::optional<std::int64_t> findSampleAt(std::span<const SampleRecord> samples, const TimeQuery& when);

// "YYYY-MM-DD HH:MM:SS" of a sample, for messages.
std::string stampText(const SampleRecord& s);

} // namespace kestrova
