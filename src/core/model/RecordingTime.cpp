#include "model/RecordingTime.h"

#include <algorithm>
#include <cstdio>

namespace kestrova {
namespace {

const std::int64_t kEpoch2000 = daysFromCivil(2000, 1, 1);

std::int64_t secondsOf(int year, int month, int day, int hour, int minute, int second) {
    return (daysFromCivil(year, month, day) - kEpoch2000) * 86400 + hour * 3600 + minute * 60 + second;
}

bool validTime(int h, int m, int s) {
    return h >= 0 && h <= 23 && m >= 0 && m <= 59 && s >= 0 && s <= 59;
}

} // namespace

std::int64_t daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<int>(z - era * 146097);
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    CivilDate c;
    c.day = doy - (153 * mp + 2) / 5 + 1;
    c.month = mp < 10 ? mp + 3 : mp - 9;
    c.year = static_cast<int>(yoe + era * 400) + (c.month <= 2);
    return c;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool validDate(int year, int month, int day) {
    return day >= 1 && day <= daysInMonth(year, month);
}

std::int64_t civilSeconds(int year, int month, int day, int hour, int minute, int second) {
    return daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

void setStamp(SampleRecord& s, std::int64_t t) {
    const std::int64_t days = t >= 0 ? t / 86400 : (t - 86399) / 86400;
    const auto daySecond = static_cast<int>(t - days * 86400);
    const CivilDate c = civilFromDays(days);
    s.year = static_cast<std::uint8_t>(std::clamp(c.year - 2000, 0, 255));
    s.month = static_cast<std::uint8_t>(c.month);
    s.day = static_cast<std::uint8_t>(c.day);
    s.hour = static_cast<std::uint8_t>(daySecond / 3600);
    s.minute = static_cast<std::uint8_t>(daySecond / 60 % 60);
    s.second = static_cast<std::uint8_t>(daySecond % 60);
}

std::optional<TimeQuery> parseTimeQuery(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const std::string s(text);
    TimeQuery q;
    int n = 0;
    char sep = 0;
    if (std::sscanf(s.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d%n", &q.year, &q.month, &q.day, &sep, &q.hour, &q.minute,
                    &q.second, &n) == 7 &&
        static_cast<std::size_t>(n) == s.size() && (sep == ' ' || sep == 'T')) {
        // A day the month does not have (2010-02-31) is no moment of any recording.
        if (q.year < 2000 || q.year > 2255 || q.month < 1 || q.month > 12 || !validDate(q.year, q.month, q.day))
            return std::nullopt;
        return validTime(q.hour, q.minute, q.second) ? std::optional(q) : std::nullopt;
    }
    q = {};
    if (std::sscanf(s.c_str(), "%2d:%2d:%2d%n", &q.hour, &q.minute, &q.second, &n) == 3 &&
        static_cast<std::size_t>(n) == s.size())
        return validTime(q.hour, q.minute, q.second) ? std::optional(q) : std::nullopt;
    q = {};
    if (std::sscanf(s.c_str(), "%2d:%2d%n", &q.hour, &q.minute, &n) == 2 && static_cast<std::size_t>(n) == s.size())
        return validTime(q.hour, q.minute, 0) ? std::optional(q) : std::nullopt;
    return std::nullopt;
}

std::int64_t stampSeconds(const SampleRecord& s) {
    return secondsOf(2000 + s.year, s.month, s.day, s.hour, s.minute, s.second);
}

std::optional<std::int64_t> findSampleAt(std::span<const SampleRecord> samples, const TimeQuery& when) {
    if (samples.empty()) return std::nullopt;
    const std::int64_t first = stampSeconds(samples.front()), last = stampSeconds(samples.back());
    std::int64_t target;
    if (when.hasDate()) {
        target = secondsOf(when.year, when.month, when.day, when.hour, when.minute, when.second);
    } else {
        const std::int64_t dayStart = first - first % 86400;
        target = dayStart + when.hour * 3600 + when.minute * 60 + when.second;
        if (target < first) target += 86400;
    }
    if (target < first || target > last) return std::nullopt;
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (stampSeconds(samples[i]) >= target) return static_cast<std::int64_t>(i);
    return std::nullopt;
}

std::string stampText(const SampleRecord& s) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", 2000 + s.year, s.month % 100u, s.day % 100u,
                  s.hour % 100u, s.minute % 100u, s.second % 100u);
    return buf;
}

} // namespace kestrova
