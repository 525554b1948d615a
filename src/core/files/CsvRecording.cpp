#include "files/CsvRecording.h"
#include "text/Translate.h"

#include "analysis/ClinicalMetrics.h"
#include "files/InputFile.h"
#include "model/RecordingModel.h"
#include "model/RecordingTime.h"
#include "text/StringTable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace kestrova {
namespace {

char lowerChar(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i])) return false;
    return true;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::string lineText(int line) {
    return text::arg(ktr("CsvRecording", "line %1"), {std::to_string(line)});
}

// What is wrong, relative to the text ("line 3: ..."); the file reader puts the path
// in front.
Error refuse(std::string message) {
    return Error{Status::Invalid, {}, std::move(message)};
}

// The RFC 4180 record at `at`, field by field: fn(column, value) with quotes removed and
// trimmed. A value is a view into the text unless it holds a doubled quote, when it is
// unescaped into `scratch` (reserved to the field's own length, so the buffer never
// outgrows the longest such field). Lines end with LF, CR LF or a lone CR; `lines`
// counts them, also inside quoted fields. Returns the number of fields.
template <class Fn>
std::size_t forEachField(std::string_view text, std::size_t& at, char separator, int& lines, std::string& scratch,
                         Fn&& fn) {
    ++lines;
    std::size_t column = 0;
    for (;;) {
        std::size_t i = at;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t') && text[i] != separator) ++i;
        std::string_view value;
        if (i < text.size() && text[i] == '"') {
            const std::size_t open = ++i;
            bool escaped = false;
            for (; i < text.size(); ++i) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        escaped = true;
                        ++i;
                        continue;
                    }
                    break;
                }
                if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++lines;
            }
            value = text.substr(open, i - open);
            if (escaped) {
                scratch.clear();
                if (scratch.capacity() < value.size()) scratch.reserve(value.size());
                for (std::size_t k = 0; k < value.size(); ++k) {
                    scratch += value[k];
                    if (value[k] == '"') ++k;
                }
                value = scratch;
            }
            if (i < text.size()) ++i; // the closing quote
            while (i < text.size() && text[i] != separator && text[i] != '\n' && text[i] != '\r') ++i;
        } else {
            const std::size_t start = i;
            while (i < text.size() && text[i] != separator && text[i] != '\n' && text[i] != '\r') ++i;
            value = text.substr(start, i - start);
        }
        fn(column++, trim(value));
        if (i < text.size() && text[i] == separator) {
            at = i + 1;
            continue;
        }
        if (i < text.size() && text[i] == '\r') ++i;
        if (i < text.size() && text[i] == '\n') ++i;
        at = i;
        return column;
    }
}

// A header name without a unit in brackets ("SpO2(%)", "PR [bpm]"), lower case.
void normalizeName(std::string_view name, std::string& out) {
    out.clear();
    int depth = 0;
    for (const char c : name) {
        if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
        else if (depth == 0)
            out += lowerChar(c);
    }
    const std::string_view t = trim(out);
    if (t.size() != out.size()) out = std::string(t);
}

bool nameIn(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

enum class ColumnKind { None, Time, Date, Spo2, Pulse, Id, Valid, Title };

ColumnKind kindOf(std::string_view n) {
    if (nameIn(n, {"time", "datetime", "date time", "date/time", "timestamp", "date&time", "date and time", "uhrzeit",
                   "zeit", "heure", "hora"}))
        return ColumnKind::Time;
    if (nameIn(n, {"date", "datum", "fecha"})) return ColumnKind::Date;
    if (nameIn(n, {"spo2", "spo2%", "sao2", "oxygen level", "oxygen", "oxygen saturation", "saturation", "o2", "sat",
                   "osat", "o2sat", "o2 sat"}))
        return ColumnKind::Spo2;
    if (nameIn(n,
               {"pulse", "pulse rate", "pr", "hr", "h.r.", "heart rate", "heartrate", "bpm", "puls", "pouls", "pulso"}))
        return ColumnKind::Pulse;
    if (nameIn(n, {"id", "patient id", "patientid", "patient"})) return ColumnKind::Id;
    if (n == "valid") return ColumnKind::Valid;
    if (n == "title") return ColumnKind::Title;
    return ColumnKind::None;
}

bool parseInt(std::string_view s, int& v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int monthOfName(std::string_view word) {
    static constexpr std::array<std::string_view, 12> kNames = {"january",   "february", "march",    "april",
                                                                "may",       "june",     "july",     "august",
                                                                "september", "october",  "november", "december"};
    if (!word.empty() && word.back() == '.') word.remove_suffix(1);
    if (word.size() < 3) return 0;
    for (std::size_t m = 0; m < kNames.size(); ++m) {
        const std::string_view full = kNames[m];
        if (equalsIgnoringCase(word, full) || equalsIgnoringCase(word, full.substr(0, 3)) ||
            (m == 8 && equalsIgnoringCase(word, "sept")))
            return static_cast<int>(m) + 1;
    }
    return 0;
}

bool isWeekday(std::string_view word) {
    static constexpr std::array<std::string_view, 7> kNames = {"monday", "tuesday",  "wednesday", "thursday",
                                                               "friday", "saturday", "sunday"};
    if (!word.empty() && word.back() == '.') word.remove_suffix(1);
    for (const auto full : kNames)
        if (word.size() >= 3 && word.size() <= full.size() && equalsIgnoringCase(word, full.substr(0, word.size())))
            return true;
    return false;
}

// Which way a row's date was written, for the layout text.
enum DateForm : unsigned { IsoDate = 1, DayDotMonth = 2, SlashDate = 4, MonthName = 8, UnixTime = 16, TwelveHour = 32 };

// One moment as a row writes it. An "a/b/YYYY" date is kept as written until the column
// settles which of a and b is the month.
struct Moment {
    bool ambiguous = false;
    int a = 0, b = 0, year = 0; // ambiguous only
    int clock = 0;              // seconds of the day
    int millis = 0;
    std::int64_t seconds = 0; // resolved: since 1970-01-01
    unsigned forms = 0;
};

enum class MomentError { None, NoClock, BadClock, BadDate, Unusable };

// "H:MM[:SS][.fff][AM|PM]" (a zone suffix is ignored: times are kept as recorded).
bool parseClockToken(std::string_view t, int& h, int& m, int& s, int& millis, int& meridiem) {
    const auto colon = t.find(':');
    if (colon == 0 || colon > 2 || !parseInt(t.substr(0, colon), h)) return false;
    t.remove_prefix(colon + 1);
    if (t.size() < 2 || !parseInt(t.substr(0, 2), m)) return false;
    t.remove_prefix(2);
    s = 0;
    if (!t.empty() && t[0] == ':') {
        if (t.size() < 3 || !parseInt(t.substr(1, 2), s)) return false;
        t.remove_prefix(3);
    }
    millis = 0;
    if (!t.empty() && (t[0] == '.' || t[0] == ',')) {
        std::size_t k = 1;
        int scale = 100;
        for (; k < t.size() && t[k] >= '0' && t[k] <= '9'; ++k, scale /= 10)
            if (scale > 0) millis += (t[k] - '0') * scale;
        if (k == 1) return false;
        t.remove_prefix(k);
    }
    if (t.empty()) return true;
    if (equalsIgnoringCase(t, "am") || equalsIgnoringCase(t, "a.m.")) return meridiem = 1, true;
    if (equalsIgnoringCase(t, "pm") || equalsIgnoringCase(t, "p.m.")) return meridiem = 2, true;
    if (t == "Z" || t == "z") return true;
    if ((t[0] == '+' || t[0] == '-') && t.size() <= 6)
        return std::all_of(t.begin() + 1, t.end(), [](char c) { return (c >= '0' && c <= '9') || c == ':'; });
    return false;
}

// A date and time from one field or two (date, time). On failure `bad` is the token that
// could not be read.
MomentError parseMoment(std::string_view first, std::string_view second, Moment& out, std::string_view& bad) {
    out = Moment{};
    int h = -1, mi = 0, s = 0, meridiem = 0;
    int month = 0, day = 0, year = 0, dayNumber = 0, yearNumber = 0, monthName = 0;
    bool numericDate = false, dateSeen = false;
    long long epoch = -1;
    int tokens = 0;
    std::string_view clockToken;
    auto token = [&](std::string_view t) -> MomentError {
        while (!t.empty() && (t.back() == ',' || t.back() == ';')) t.remove_suffix(1);
        if (t.empty()) return MomentError::None;
        ++tokens;
        // ISO 8601 "2026-06-19T23:50:00": the date, then the clock.
        if (const auto tee = t.find_first_of("Tt"); tee != std::string_view::npos && tee >= 8 && tee + 1 < t.size() &&
                                                    std::isdigit(static_cast<unsigned char>(t[tee - 1])) &&
                                                    std::isdigit(static_cast<unsigned char>(t[tee + 1])))
            return numericDate = false, MomentError::Unusable; // split by the caller
        if (t.find(':') != std::string_view::npos) {
            if (h >= 0 || !parseClockToken(t, h, mi, s, out.millis, meridiem)) return bad = t, MomentError::BadClock;
            clockToken = t;
            return MomentError::None;
        }
        if (equalsIgnoringCase(t, "am") || equalsIgnoringCase(t, "a.m.")) return meridiem = 1, MomentError::None;
        if (equalsIgnoringCase(t, "pm") || equalsIgnoringCase(t, "p.m.")) return meridiem = 2, MomentError::None;
        if (std::isalpha(static_cast<unsigned char>(t[0]))) {
            if (const int m = monthOfName(t); m > 0 && monthName == 0) return monthName = m, MomentError::None;
            if (isWeekday(t)) return MomentError::None;
            return bad = t, MomentError::BadDate;
        }
        if (allDigits(t)) {
            if (t.size() >= 9 && t.size() <= 11) {
                epoch = 0;
                for (const char c : t) epoch = epoch * 10 + (c - '0');
            } else if (t.size() == 4 && yearNumber == 0) {
                parseInt(t, yearNumber);
            } else if (t.size() <= 2 && dayNumber == 0) {
                parseInt(t, dayNumber);
            } else {
                return bad = t, MomentError::BadDate;
            }
            return MomentError::None;
        }
        const auto sep = t.find_first_of("-/.");
        if (sep == std::string_view::npos || dateSeen) return bad = t, MomentError::BadDate;
        const char c = t[sep];
        const auto sep2 = t.find(c, sep + 1);
        if (sep2 == std::string_view::npos || t.find(c, sep2 + 1) != std::string_view::npos)
            return bad = t, MomentError::BadDate;
        const std::string_view p1 = t.substr(0, sep), p2 = t.substr(sep + 1, sep2 - sep - 1), p3 = t.substr(sep2 + 1);
        int n1 = 0, n2 = 0, n3 = 0;
        if (!allDigits(p1) || !allDigits(p2) || !allDigits(p3) || !parseInt(p1, n1) || !parseInt(p2, n2) ||
            !parseInt(p3, n3) || p2.size() > 2)
            return bad = t, MomentError::BadDate;
        dateSeen = numericDate = true;
        if (p1.size() == 4 && p3.size() <= 2) {
            year = n1, month = n2, day = n3;
            out.forms |= IsoDate;
        } else if (p3.size() == 4 && p1.size() <= 2) {
            year = n3;
            if (c == '.') {
                day = n1, month = n2;
                out.forms |= DayDotMonth;
            } else {
                out.ambiguous = true;
                out.a = n1, out.b = n2;
                out.forms |= SlashDate;
            }
        } else {
            return bad = t, MomentError::BadDate;
        }
        return MomentError::None;
    };
    auto tokensOf = [&](std::string_view field) -> MomentError {
        std::size_t i = 0;
        while (i < field.size()) {
            while (i < field.size() && field[i] == ' ') ++i;
            std::size_t j = i;
            while (j < field.size() && field[j] != ' ') ++j;
            std::string_view t = field.substr(i, j - i);
            MomentError e = token(t);
            if (e == MomentError::Unusable) { // a "T" between date and clock
                const auto tee = t.find_first_of("Tt");
                e = token(t.substr(0, tee));
                if (e == MomentError::None) e = token(t.substr(tee + 1));
            }
            if (e != MomentError::None) return e;
            i = j;
        }
        return MomentError::None;
    };
    if (const MomentError e = tokensOf(first); e != MomentError::None) return e;
    if (const MomentError e = tokensOf(second); e != MomentError::None) return e;

    if (epoch >= 0) {
        if (tokens != 1) return bad = first, MomentError::BadDate;
        out.seconds = epoch;
        out.forms |= UnixTime;
        return MomentError::None;
    }
    if (h < 0) return MomentError::NoClock;
    if (meridiem != 0) {
        if (h < 1 || h > 12) return bad = clockToken, MomentError::BadClock;
        h = h % 12 + (meridiem == 2 ? 12 : 0);
        out.forms |= TwelveHour;
    }
    if (h > 23 || mi > 59 || s > 59) return bad = clockToken, MomentError::BadClock;
    out.clock = h * 3600 + mi * 60 + s;
    if (!numericDate) {
        if (monthName == 0 || dayNumber == 0 || yearNumber == 0) return bad = first, MomentError::BadDate;
        year = yearNumber, month = monthName, day = dayNumber;
        out.forms |= MonthName;
    } else if (monthName != 0 || dayNumber != 0 || yearNumber != 0) {
        return bad = first, MomentError::BadDate;
    }
    if (out.ambiguous) {
        out.year = year;
        return MomentError::None;
    }
    if (!validDate(year, month, day) || year < 2000 || year > 2255) return MomentError::Unusable;
    out.seconds = daysFromCivil(year, month, day) * 86400 + out.clock;
    return MomentError::None;
}

// A row, kept small: the reader holds one per data row and nothing else per line.
struct Row {
    // Resolved: (seconds since 1970) * 1000 + milliseconds. Ambiguous: the date as
    // written (year, a, b), the clock and the milliseconds packed.
    std::int64_t key;
    std::int32_t line;
    std::uint8_t spo2, pulse;
    bool ambiguous;
    std::uint8_t id;
};
static_assert(sizeof(Row) == 16);

std::int64_t packAmbiguous(const Moment& m) {
    return (static_cast<std::int64_t>(m.year) << 43) | (static_cast<std::int64_t>(m.a) << 35) |
           (static_cast<std::int64_t>(m.b) << 27) | (static_cast<std::int64_t>(m.clock) << 10) | m.millis;
}

// The key of an ambiguous row under one reading, or -1 when it is no date.
std::int64_t resolveAmbiguous(std::int64_t packed, bool dayFirst) {
    const auto year = static_cast<int>(packed >> 43);
    const auto a = static_cast<int>((packed >> 35) & 0xFF), b = static_cast<int>((packed >> 27) & 0xFF);
    const auto clock = static_cast<int>((packed >> 10) & 0x1FFFF), millis = static_cast<int>(packed & 0x3FF);
    const int month = dayFirst ? b : a, day = dayFirst ? a : b;
    if (!validDate(year, month, day) || year < 2000 || year > 2255) return -1;
    return (daysFromCivil(year, month, day) * 86400 + clock) * 1000 + millis;
}

// Grows like push_back, by half rather than double, so the table stays near its rows.
void appendRow(std::vector<Row>& rows, const Row& r) {
    if (rows.size() == rows.capacity()) rows.reserve(rows.capacity() + rows.capacity() / 2 + 64);
    rows.push_back(r);
}

enum class ValueResult { Value, Marker, NotANumber, OutOfRange };

// A reading or a missing-value marker (an artefact second). `ownFile` keeps every byte
// value as written.
ValueResult readValue(std::string_view s, bool decimalComma, int maximum, bool ownFile, std::uint8_t& out,
                      double& number) {
    out = 0;
    if (s.empty() || s == "--" || s == "-" || equalsIgnoringCase(s, "nan") || equalsIgnoringCase(s, "n/a"))
        return ValueResult::Marker;
    char buf[64];
    if (s.size() >= sizeof buf) return ValueResult::NotANumber;
    std::copy(s.begin(), s.end(), buf);
    if (decimalComma) std::replace(buf, buf + s.size(), ',', '.');
    const char* begin = buf + (buf[0] == '+' ? 1 : 0);
    const auto r = std::from_chars(begin, buf + s.size(), number);
    if (r.ec == std::errc::result_out_of_range) return number = 0, ValueResult::OutOfRange;
    if (r.ec != std::errc() || r.ptr != buf + s.size() || !std::isfinite(number)) return ValueResult::NotANumber;
    const double rounded = std::round(number);
    if (rounded < 0 || rounded > 255) return ValueResult::OutOfRange;
    if (ownFile) return out = static_cast<std::uint8_t>(rounded), ValueResult::Value;
    if (rounded == 0 || rounded == 255) return ValueResult::Marker;
    if (rounded > maximum) return ValueResult::OutOfRange;
    out = static_cast<std::uint8_t>(rounded);
    return ValueResult::Value;
}

std::string numberText(std::string_view s) {
    return std::string(s.substr(0, 40));
}

std::string secondsText(std::int64_t seconds) {
    SampleRecord s{};
    setStamp(s, seconds);
    return stampText(s);
}

constexpr std::size_t kMaxNotedJumps = 20;

} // namespace

std::string csvRecordingText(std::span<const SampleRecord> samples, std::string_view title) {
    std::string out = "time,spo2,pulse,valid,id,title\r\n";
    out.reserve(out.size() + samples.size() * 36 + title.size() * 2 + 2);
    char line[80];
    bool first = true;
    for (const auto& s : samples) {
        const int n =
            std::snprintf(line, sizeof line, "%04d-%02d-%02dT%02d:%02d:%02d,%d,%d,%d,%d,", 2000 + s.year, s.month,
                          s.day, s.hour, s.minute, s.second, s.spo2, s.pulseRate, clinical::isValid(s) ? 1 : 0, s.id);
        out.append(line, static_cast<std::size_t>(n));
        if (first && !title.empty()) {
            out += '"';
            for (const char c : title) {
                if (c == '"') out += '"';
                out += c;
            }
            out += '"';
        }
        first = false;
        out += "\r\n";
    }
    return out;
}

WriteStatus writeCsvRecording(const std::string& path, std::span<const SampleRecord> samples, std::string_view title) {
    return writeFileAtomically(path, csvRecordingText(samples, title));
}

Result<DataFileContents> parseCsvRecording(std::string_view text, const std::string& title, CsvReadStats* stats) {
    const bool bom = text.substr(0, 3) == "\xEF\xBB\xBF";
    if (bom) text.remove_prefix(3);
    const auto firstEnd = text.find_first_of("\r\n");
    const std::string_view firstLine = text.substr(0, firstEnd);
    const char* lineEnds = firstEnd == std::string_view::npos                         ? "LF"
                           : text[firstEnd] == '\n'                                   ? "LF"
                           : firstEnd + 1 < text.size() && text[firstEnd + 1] == '\n' ? "CR LF"
                                                                                      : "CR";
    const char separators[] = {',', ';', '\t'};
    char separator = ',';
    std::size_t best = 0;
    for (char c : separators)
        if (const auto k = static_cast<std::size_t>(std::count(firstLine.begin(), firstLine.end(), c)); k > best)
            best = k, separator = c;
    const bool decimalComma = separator != ',';

    // The header, one name at a time: only the columns used are remembered.
    std::size_t at = 0;
    int line = 0;
    std::string scratch, name;
    int columns[8];
    std::fill(std::begin(columns), std::end(columns), -1);
    std::string names[8];
    bool ownFile = false;
    forEachField(text, at, separator, line, scratch, [&](std::size_t column, std::string_view value) {
        normalizeName(value, name);
        const ColumnKind kind = kindOf(name);
        const auto k = static_cast<std::size_t>(kind);
        if (kind != ColumnKind::None && columns[k] < 0 && column < (1u << 30)) {
            columns[k] = static_cast<int>(column);
            names[k] = std::string(value.substr(0, 64));
        }
        if (column == 3 && name == "valid") ownFile = true;
    });
    const int timeCol = columns[static_cast<int>(ColumnKind::Time)];
    const int dateCol = columns[static_cast<int>(ColumnKind::Date)];
    const int spo2Col = columns[static_cast<int>(ColumnKind::Spo2)];
    const int pulseCol = columns[static_cast<int>(ColumnKind::Pulse)];
    const int idCol = columns[static_cast<int>(ColumnKind::Id)];
    const int titleCol = columns[static_cast<int>(ColumnKind::Title)];
    ownFile = ownFile && timeCol == 0 && spo2Col == 1 && pulseCol == 2;
    if (spo2Col < 0 || pulseCol < 0 || (timeCol < 0 && dateCol < 0))
        return refuse(
            timeCol < 0 && dateCol < 0
                ? ktr("CsvRecording",
                      "line 1: the header names no time column (expected for example time, spo2 and pulse)")
            : spo2Col < 0
                ? ktr("CsvRecording",
                      "line 1: the header names no SpO2 column (expected for example time, spo2 and pulse)")
                : ktr("CsvRecording",
                      "line 1: the header names no pulse column (expected for example time, spo2 and pulse)"));
    const bool separateDate = dateCol >= 0 && timeCol >= 0 && dateCol != timeCol;
    const int momentCol = separateDate ? dateCol : timeCol >= 0 ? timeCol : dateCol;

    std::vector<Row> rows;
    unsigned forms = 0;
    std::size_t markers = 0;
    std::string fileTitle;
    bool titleSeen = false;
    std::optional<Error> failure;
    std::string kept[5];
    while (at < text.size() && !failure) {
        const int startLine = line + 1; // errors name the line a record starts on
        std::string_view moment, clock, spo2, pulse, id;
        bool titleHere = false, anyValue = false;
        forEachField(text, at, separator, line, scratch, [&](std::size_t c, std::string_view v) {
            const auto column = static_cast<int>(std::min<std::size_t>(c, 1u << 30));
            anyValue = anyValue || !v.empty();
            // A value unescaped into `scratch` would be overwritten by the row's next
            // such field: the columns used keep their own copy.
            auto keep = [&](std::string_view& into, std::string& own) {
                if (!v.empty() && v.data() >= scratch.data() && v.data() < scratch.data() + scratch.size()) {
                    own.assign(v);
                    into = own;
                } else {
                    into = v;
                }
            };
            if (column == momentCol) keep(moment, kept[0]);
            if (separateDate && column == timeCol) keep(clock, kept[1]);
            if (column == spo2Col) keep(spo2, kept[2]);
            if (column == pulseCol) keep(pulse, kept[3]);
            if (column == idCol) keep(id, kept[4]);
            if (column == titleCol && !titleSeen && !v.empty()) titleHere = true, fileTitle.assign(v);
        });
        if (titleHere) titleSeen = true;
        if (!anyValue) continue; // a blank line
        Moment m;
        std::string_view badToken;
        switch (parseMoment(moment, clock, m, badToken)) {
        case MomentError::None: break;
        case MomentError::NoClock:
            failure = refuse(text::arg(ktr("CsvRecording", "%1: no time of day in \"%2\""),
                                       {lineText(startLine), moment.substr(0, 80)}));
            continue;
        case MomentError::BadClock: {
            std::string_view shown = badToken.empty() ? (separateDate ? clock : moment) : badToken;
            failure = refuse(text::arg(ktr("CsvRecording", "%1: \"%2\" is not a time of day"),
                                       {lineText(startLine), shown.substr(0, 80)}));
            continue;
        }
        case MomentError::BadDate:
            failure = refuse(text::arg(ktr("CsvRecording", "%1: \"%2\" is not a date (expected for example 2026-06-19, "
                                                           "19.06.2026, 6/19/2026 or Jun 19, 2026)"),
                                       {lineText(startLine), moment.substr(0, 80)}));
            continue;
        case MomentError::Unusable:
            failure = refuse(text::arg(ktr("CsvRecording", "%1: no date Kestrova can keep (years 2000 to 2255)"),
                                       {lineText(startLine)}));
            continue;
        }
        forms |= m.forms;
        Row r{};
        r.line = startLine;
        r.ambiguous = m.ambiguous;
        r.key = m.ambiguous ? packAmbiguous(m) : m.seconds * 1000 + m.millis;
        const struct {
            std::string_view text;
            int column, maximum;
            const char* what;
            std::uint8_t& out;
        } values[] = {{spo2, spo2Col, 127, "SpO2", r.spo2}, {pulse, pulseCol, 254, "pulse", r.pulse}};
        for (const auto& v : values) {
            double number = 0;
            switch (readValue(v.text, decimalComma, v.maximum, ownFile, v.out, number)) {
            case ValueResult::Value: break;
            case ValueResult::Marker: ++markers; break;
            case ValueResult::NotANumber:
                failure =
                    refuse(text::arg(ktr("CsvRecording", "%1: no %2 value and no missing-value marker in column %3"),
                                     {lineText(startLine), v.what, std::to_string(v.column + 1)}));
                break;
            case ValueResult::OutOfRange:
                failure = refuse(text::arg(
                    ktr("CsvRecording", "%1: %2 %3 in column %4 is out of range (0 to %5, or a missing-value marker)"),
                    {lineText(startLine), v.what, numberText(v.text), std::to_string(v.column + 1),
                     std::to_string(ownFile ? 255 : v.maximum)}));
                break;
            }
            if (failure) break;
        }
        if (failure) continue;
        if (int v = 0; idCol >= 0 && parseInt(id, v) && v >= 1 && v <= 255) r.id = static_cast<std::uint8_t>(v);
        appendRow(rows, r);
    }
    if (stats) {
        stats->workingBytes = rows.capacity() * sizeof(Row) + scratch.capacity() + name.capacity();
        for (const auto& k : kept) stats->workingBytes += k.capacity();
        stats->rows = rows.size();
    }
    if (failure) return *failure;

    // Day and month order of "a/b/YYYY" dates, settled by the whole column: a number
    // above 12 decides; else the reading under which the rows run on in time; else the
    // month-first reading, noted.
    std::vector<std::string> notes;
    bool dayFirst = false;
    bool anyAmbiguous = false, aOver12 = false, bOver12 = false, differ = false;
    for (const auto& r : rows) {
        if (!r.ambiguous) continue;
        anyAmbiguous = true;
        const auto a = static_cast<int>((r.key >> 35) & 0xFF), b = static_cast<int>((r.key >> 27) & 0xFF);
        aOver12 |= a > 12;
        bOver12 |= b > 12;
        differ |= a != b;
    }
    if (anyAmbiguous) {
        if (aOver12 && bOver12)
            return refuse(ktr("CsvRecording", "the dates are neither all day/month/year nor all month/day/year"));
        if (aOver12 || bOver12) {
            dayFirst = aOver12;
        } else if (differ) {
            // Steps that go back or skip more than a day, under each reading.
            std::size_t bad[2] = {0, 0};
            for (int order = 0; order < 2; ++order) {
                std::int64_t last = -1;
                for (const auto& r : rows) {
                    const std::int64_t k = r.ambiguous ? resolveAmbiguous(r.key, order == 1) : r.key;
                    if (k >= 0 && last >= 0 && (k < last || k - last > 86400LL * 1000)) ++bad[order];
                    if (k >= 0) last = k;
                }
            }
            dayFirst = bad[1] < bad[0];
            if (bad[0] == bad[1])
                notes.push_back(ktr("CsvRecording", "the dates can be read day/month/year and month/day/year and "
                                                    "nothing in the file settles which; they are read month/day/year"));
        }
        for (auto& r : rows) {
            if (!r.ambiguous) continue;
            const std::int64_t k = resolveAmbiguous(r.key, dayFirst);
            if (k < 0)
                return refuse(text::arg(ktr("CsvRecording", "%1: no date Kestrova can keep (years 2000 to 2255)"),
                                        {lineText(r.line)}));
            r.key = k;
            r.ambiguous = false;
        }
    }

    // The rows' own cadence: the most frequent step between them. Apps that write a row
    // every 2 or 4 s mean each reading to last until the next; filling those seconds as
    // artefact would leave no event its 10 valid seconds.
    int cadence = 1;
    {
        std::array<std::int64_t, kMaxHoldSeconds + 1> steps{};
        for (std::size_t i = 1; i < rows.size(); ++i)
            if (const std::int64_t d = rows[i].key / 1000 - rows[i - 1].key / 1000; d >= 1 && d <= kMaxHoldSeconds)
                ++steps[d];
        for (int d = 2; d <= kMaxHoldSeconds; ++d)
            if (steps[d] > steps[cadence]) cadence = d;
    }
    // Kestrova's own file at one row a second holds each sample as its row: a gap in it is
    // a jump of the device's clock, kept as such.
    const bool rowForRow = ownFile && cadence == 1;

    DataFileContents result;
    const std::uint8_t id = rows.empty() ? 0 : rows.front().id;
    result.patientId = id;
    result.title = titleSeen ? fileTitle : title;
    result.sourceInterval = cadence;
    auto& samples = result.samples;
    std::int64_t lastSecond = 0;
    int lastMillis = 0;
    std::size_t lastRow = 0, jumps = 0;
    const auto capacity = static_cast<std::size_t>(RecordingModel::kCurrentCapacity);
    auto tooLong = [&] {
        Error e = refuse(text::arg(
            ktr("CsvRecording",
                "is not a recording this program can open: it holds more than %1 samples (a recording holds 0 to %2)."),
            {std::to_string(capacity), std::to_string(capacity)}));
        e.status = Status::TooLarge;
        return e;
    };
    auto noteSetBack = [&](int atLine, std::int64_t by) {
        if (++jumps <= kMaxNotedJumps)
            notes.push_back(text::arg(ktr("CsvRecording", "clock set back at line %1 by %2 s"),
                                      {std::to_string(atLine), std::to_string(by)}));
    };
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Row& r = rows[k];
        const std::int64_t second = r.key / 1000;
        const int millis = static_cast<int>(r.key % 1000);
        std::int64_t from = second;
        if (rowForRow) {
            if (!samples.empty() && second <= lastSecond) noteSetBack(r.line, lastSecond + 1 - second);
        } else if (!samples.empty()) {
            if (second == lastSecond && millis == lastMillis) {
                const Row& p = rows[lastRow];
                if (p.spo2 == r.spo2 && p.pulse == r.pulse) continue; // the same row twice
                return refuse(text::arg(ktr("CsvRecording", "%1: the time %2 of line %3 again, with other values"),
                                        {lineText(r.line), secondsText(second), std::to_string(p.line)}));
            }
            if (second == lastSecond) {
                samples.pop_back(); // the last value within a second
            } else if (second < lastSecond) {
                noteSetBack(r.line, lastSecond + cadence - second);
            } else {
                from = lastSecond + 1;
            }
        }
        if (samples.size() + static_cast<std::size_t>(second - from) + 1 > capacity) return tooLong();
        // Seconds without a row become artefact samples, or, at a slower cadence and
        // for a gap it allows, hold the reading before them.
        const bool hold = cadence > 1 && !samples.empty() && second - lastSecond <= kMaxHoldSeconds;
        const SampleRecord held = samples.empty() ? SampleRecord{} : samples.back();
        for (std::int64_t s = from; s <= second; ++s) {
            SampleRecord x{};
            x.id = id;
            setStamp(x, s);
            if (s == second) {
                x.spo2 = r.spo2;
                x.pulseRate = r.pulse;
            } else if (hold) {
                x.spo2 = held.spo2;
                x.pulseRate = held.pulseRate;
            }
            samples.push_back(x);
        }
        lastSecond = second;
        lastMillis = millis;
        lastRow = k;
    }
    if (jumps > kMaxNotedJumps)
        notes.push_back(
            text::arg(ktr("CsvRecording", "the clock was set back %1 times in all; the first %2 are listed"),
                      {std::to_string(jumps), std::to_string(kMaxNotedJumps)}));
    if (markers > 0)
        notes.push_back(text::arg(markers == 1 ? ktr("CsvRecording", "%1 missing-value marker read as artefact")
                                               : ktr("CsvRecording", "%1 missing-value markers read as artefact"),
                                  {std::to_string(markers)}));

    // The layout in words.
    std::string layout;
    if (ownFile) {
        layout = "Kestrova CSV";
    } else {
        layout = separator == ','   ? ktr("CsvRecording", "CSV separated by commas")
                 : separator == ';' ? ktr("CsvRecording", "CSV separated by semicolons")
                                    : ktr("CsvRecording", "CSV separated by tabs");
        if (decimalComma) layout += " (" + ktr("CsvRecording", "decimal commas allowed") + ")";
    }
    layout += ", " + text::arg(ktr("CsvRecording", "%1 lines"), {lineEnds});
    if (bom) layout += ", " + ktr("CsvRecording", "UTF-8 byte-order mark");
    auto quoted = [&](ColumnKind k) { return "\"" + names[static_cast<int>(k)] + "\""; };
    if (separateDate)
        layout += "; " + text::arg(ktr("CsvRecording", "date %1, time %2"),
                                   {quoted(ColumnKind::Date), quoted(ColumnKind::Time)});
    else
        layout += "; " + text::arg(ktr("CsvRecording", "date and time %1"),
                                   {quoted(timeCol >= 0 ? ColumnKind::Time : ColumnKind::Date)});
    std::string dateForms;
    auto form = [&](unsigned f, const std::string& words) {
        if (forms & f) dateForms += (dateForms.empty() ? "" : ", ") + words;
    };
    form(IsoDate, ktr("CsvRecording", "year-month-day"));
    form(DayDotMonth, ktr("CsvRecording", "day.month.year"));
    if (forms & SlashDate)
        form(SlashDate, dayFirst ? ktr("CsvRecording", "day/month/year") : ktr("CsvRecording", "month/day/year"));
    form(MonthName, ktr("CsvRecording", "month names"));
    form(UnixTime, ktr("CsvRecording", "Unix time in seconds, read as UTC"));
    form(TwelveHour, ktr("CsvRecording", "12-hour clock"));
    if (!dateForms.empty()) layout += " (" + dateForms + ")";
    layout += "; " + text::arg(ktr("CsvRecording", "SpO2 %1, pulse %2"),
                               {quoted(ColumnKind::Spo2), quoted(ColumnKind::Pulse)});
    if (idCol >= 0) layout += ", " + text::arg(ktr("CsvRecording", "patient ID %1"), {quoted(ColumnKind::Id)});
    result.layout = std::move(layout);
    result.notes = std::move(notes);
    return result;
}

Result<DataFileContents> readCsvRecording(const std::string& path) {
    // 518400 rows of a few dozen bytes each, with room for wide layouts.
    auto text = readRegularFile(path, 512LL << 20);
    if (!text) {
        Error e = text.error();
        e.messageId = str::CantOpenFile;
        return e;
    }
    auto slash = path.find_last_of('/');
    std::string title = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (const auto dot = title.find_last_of('.'); dot != std::string::npos && dot > 0) title.resize(dot);
    auto r = parseCsvRecording(*text, title);
    if (r) return r;
    Error e = r.error();
    e.subject = path;
    if (e.status == Status::TooLarge)
        e.sentence = text::arg(
            ktr("CsvRecording", "The file %1 is not a recording this program can open: it holds "
                                "more than %2 samples (a recording holds 0 to %3)."),
            {path, std::to_string(RecordingModel::kCurrentCapacity), std::to_string(RecordingModel::kCurrentCapacity)});
    return e;
}

} // namespace kestrova
