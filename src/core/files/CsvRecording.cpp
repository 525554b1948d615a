#include "files/CsvRecording.h"
#include "model/PatientId.h"

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

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// One record of RFC 4180 text from `at` into `fields` (reused, so that a long file does
// not allocate per row): split at `separator`, quotes removed, trimmed; `at` moves past
// the line end. Quoted fields may hold separators and line breaks.
void nextRecord(std::string_view text, std::size_t& at, char separator, int& lines, std::vector<std::string>& fields) {
    std::size_t count = 1;
    if (fields.empty()) fields.emplace_back();
    fields[0].clear();
    bool quoted = false;
    ++lines;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '"' && at + 1 < text.size() && text[at + 1] == '"')
                fields[count - 1] += '"', ++at;
            else if (c == '"')
                quoted = false;
            else {
                if (c == '\n') ++lines;
                fields[count - 1] += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            if (fields.size() == count) fields.emplace_back();
            fields[count++].clear();
        } else if (c == '\n') {
            ++at;
            break;
        } else {
            fields[count - 1] += c;
        }
    }
    fields.resize(count);
    for (auto& f : fields) {
        const std::string_view t = trim(f);
        if (t.size() != f.size()) f = std::string(t);
    }
}

int columnOf(const std::vector<std::string>& header, std::initializer_list<std::string_view> names,
             bool prefix = false) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string h = lower(header[i]);
        for (auto n : names)
            if (h == n || (prefix && h.rfind(n, 0) == 0)) return static_cast<int>(i);
    }
    return -1;
}

bool parseInt(std::string_view s, int& v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

// "HH:MM:SS" (optionally with fractions, which are dropped) into seconds of the day.
bool parseClock(std::string_view s, int& seconds) {
    int h = 0, m = 0, sec = 0;
    if (s.size() < 8 || s[2] != ':' || s[5] != ':') return false;
    if (!parseInt(s.substr(0, 2), h) || !parseInt(s.substr(3, 2), m) || !parseInt(s.substr(6, 2), sec)) return false;
    if (s.size() > 8 && s[8] != '.' && s[8] != ',' && s[8] != 'Z' && s[8] != '+' && s[8] != '-') return false;
    if (h > 23 || m > 59 || sec > 59) return false;
    seconds = h * 3600 + m * 60 + sec;
    return true;
}

// A date's three numbers as written: "YYYY-MM-DD" (iso) or "aa/bb/YYYY".
struct DateParts {
    int a = 0, b = 0, year = 0;
    bool iso = false;
};
bool parseDate(std::string_view s, DateParts& d) {
    if (s.size() == 10 && s[4] == '-' && s[7] == '-') {
        d.iso = true;
        return parseInt(s.substr(0, 4), d.year) && parseInt(s.substr(5, 2), d.a) && parseInt(s.substr(8, 2), d.b);
    }
    const auto first = s.find('/'), second = s.rfind('/');
    if (first == std::string_view::npos || first == second) return false;
    return parseInt(s.substr(0, first), d.a) && parseInt(s.substr(first + 1, second - first - 1), d.b) &&
           parseInt(s.substr(second + 1), d.year) && s.size() - second - 1 == 4;
}

std::optional<double> parseNumber(std::string_view s) {
    std::string t(s);
    std::replace(t.begin(), t.end(), ',', '.'); // "97,5" with semicolon separators
    double v = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::uint8_t clampedByte(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

// What is wrong, relative to the text ("line 3: ..."); the file reader puts the path
// in front.
Error refuse(std::string message) {
    return Error{Status::Invalid, {}, std::move(message)};
}

} // namespace

std::string csvRecordingText(std::span<const SampleRecord> samples) {
    std::string out = "time,spo2,pulse,valid\r\n";
    out.reserve(out.size() + samples.size() * 32);
    char line[64];
    for (const auto& s : samples) {
        const int n =
            std::snprintf(line, sizeof line, "%04d-%02d-%02dT%02d:%02d:%02d,%d,%d,%d\r\n", 2000 + s.year, s.month,
                          s.day, s.hour, s.minute, s.second, s.spo2, s.pulseRate, clinical::isValid(s) ? 1 : 0);
        out.append(line, static_cast<std::size_t>(n));
    }
    return out;
}

WriteStatus writeCsvRecording(const std::string& path, std::span<const SampleRecord> samples) {
    return writeFileAtomically(path, csvRecordingText(samples));
}

Result<DataFileContents> parseCsvRecording(std::string_view text, const std::string& title) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    const char separators[] = {',', ';', '\t'};
    char separator = ',';
    std::size_t best = 0;
    for (char c : separators)
        if (const auto k = static_cast<std::size_t>(std::count(firstLine.begin(), firstLine.end(), c)); k > best)
            best = k, separator = c;

    std::size_t at = 0;
    int line = 0;
    std::vector<std::string> header;
    nextRecord(text, at, separator, line, header);
    const int timeCol = columnOf(header, {"time", "datetime", "date time", "date/time", "timestamp", "date&time"});
    const int dateCol = columnOf(header, {"date"});
    const int spo2Col = columnOf(header, {"spo2", "spo2(%)", "spo2 (%)", "spo2%", "sao2", "sao2(%)", "oxygen", "o2",
                                          "oxygen saturation", "saturation"});
    const int pulseCol = columnOf(header, {"pulse", "pr", "pr(bpm)", "pr (bpm)", "bpm", "heart rate", "heartrate", "hr",
                                           "pulse rate", "pulse(bpm)", "pulse (bpm)"});
    const int idCol = columnOf(header, {"id", "patient id", "patientid", "patient"});
    if (spo2Col < 0 || pulseCol < 0 || (timeCol < 0 && dateCol < 0))
        return refuse("line 1: the header names no " +
                      std::string(timeCol < 0 && dateCol < 0 ? "time"
                                  : spo2Col < 0              ? "SpO2"
                                                             : "pulse") +
                      " column (expected for example time, spo2 and pulse)");
    const bool separateDate = dateCol >= 0 && timeCol >= 0 && dateCol != timeCol;

    struct Row {
        int line;
        DateParts date;
        int clock;
        double spo2, pulse;
    };
    std::vector<Row> rows;
    rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    int id = 0;
    std::vector<std::string> fields;
    while (at < text.size()) {
        const int startLine = line + 1; // errors name the line a record starts on
        nextRecord(text, at, separator, line, fields);
        if (fields.size() == 1 && fields[0].empty()) continue; // blank line
        auto field = [&](int c) -> std::string_view {
            return c >= 0 && static_cast<std::size_t>(c) < fields.size()
                       ? std::string_view(fields[static_cast<std::size_t>(c)])
                       : "";
        };
        Row r{startLine, {}, 0, 0, 0};
        std::string_view date = field(separateDate ? dateCol : timeCol >= 0 ? timeCol : dateCol), clock;
        if (separateDate) {
            clock = field(timeCol);
        } else {
            const auto split = date.find_first_of("T ");
            if (split == std::string_view::npos)
                return refuse("line " + std::to_string(startLine) + ": no time of day in \"" + std::string(date) +
                              "\"");
            clock = trim(date.substr(split + 1));
            date = date.substr(0, split);
        }
        if (!parseDate(date, r.date))
            return refuse("line " + std::to_string(startLine) + ": \"" + std::string(date) + "\" is not a date");
        if (!parseClock(clock, r.clock))
            return refuse("line " + std::to_string(startLine) + ": \"" + std::string(clock) +
                          "\" is not a time of day");
        const auto spo2 = parseNumber(field(spo2Col)), pulse = parseNumber(field(pulseCol));
        if (!spo2 || !pulse) return refuse("line " + std::to_string(startLine) + ": SpO2 and pulse must be numbers");
        r.spo2 = *spo2;
        r.pulse = *pulse;
        if (idCol >= 0 && rows.empty()) {
            int v = 0;
            if (parseInt(field(idCol), v) && patient_id::isRecorded(v)) id = v;
        }
        rows.push_back(r);
    }

    // Day and month order of "aa/bb/YYYY" dates, settled by the whole column.
    bool dayFirst = false;
    if (!rows.empty() && !rows.front().date.iso) {
        bool aOver12 = false, bOver12 = false, differ = false;
        for (const auto& r : rows) {
            aOver12 |= r.date.a > 12;
            bOver12 |= r.date.b > 12;
            differ |= r.date.a != r.date.b;
        }
        if (aOver12 && bOver12) return refuse("the dates are neither all day/month/year nor all month/day/year");
        if (!aOver12 && !bOver12 && differ)
            return refuse("the dates can be read as day/month/year and as month/day/year; no date settles which");
        dayFirst = aOver12;
    }

    std::vector<std::int64_t> rowSeconds;
    rowSeconds.reserve(rows.size());
    for (const auto& r : rows) {
        const int month = r.date.iso ? r.date.a : dayFirst ? r.date.b : r.date.a;
        const int day = r.date.iso ? r.date.b : dayFirst ? r.date.a : r.date.b;
        if (!validDate(r.date.year, month, day) || r.date.year < 2000 || r.date.year > 2255)
            return refuse("line " + std::to_string(r.line) + ": no date Kestrova can keep (years 2000 to 2255)");
        rowSeconds.push_back(daysFromCivil(r.date.year, month, day) * 86400 + r.clock);
    }
    // The rows' own cadence: the most frequent step between them. Apps that write a row
    // every 2 or 4 s mean each reading to last until the next; filling those seconds as
    // artefact would leave no event its 10 valid seconds.
    int cadence = 1;
    {
        std::array<std::int64_t, kMaxHoldSeconds + 1> steps{};
        for (std::size_t i = 1; i < rowSeconds.size(); ++i)
            if (const std::int64_t d = rowSeconds[i] - rowSeconds[i - 1]; d >= 1 && d <= kMaxHoldSeconds) ++steps[d];
        for (int d = 2; d <= kMaxHoldSeconds; ++d)
            if (steps[d] > steps[cadence]) cadence = d;
    }

    DataFileContents result;
    result.patientId = static_cast<std::uint8_t>(id);
    result.title = title;
    result.sourceInterval = cadence;
    auto& samples = result.samples;
    std::int64_t firstSecond = 0, lastSecond = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Row& r = rows[k];
        const std::int64_t second = rowSeconds[k];
        const std::int64_t from = samples.empty() || second == lastSecond ? second : lastSecond + 1;
        if (samples.empty()) {
            firstSecond = lastSecond = second;
        } else if (second < lastSecond) {
            return refuse("line " + std::to_string(r.line) + ": the time goes back");
        } else if (second == lastSecond) {
            samples.pop_back(); // the last value within a second
        }
        if (second - firstSecond >= RecordingModel::kCurrentCapacity)
            return refuse("is not a recording this program can open: it holds more than " +
                          std::to_string(RecordingModel::kCurrentCapacity) + " samples (a recording holds 0 to " +
                          std::to_string(RecordingModel::kCurrentCapacity) + ").");
        // Seconds without a row become artefact samples, or, at a slower cadence and
        // for a gap it allows, hold the reading before them.
        const bool hold = cadence > 1 && !samples.empty() && second - lastSecond <= kMaxHoldSeconds;
        const SampleRecord held = samples.empty() ? SampleRecord{} : samples.back();
        for (std::int64_t s = from; s <= second; ++s) {
            SampleRecord x{};
            x.id = static_cast<std::uint8_t>(id);
            setStamp(x, s);
            if (s == second) {
                x.spo2 = clampedByte(r.spo2);
                x.pulseRate = clampedByte(r.pulse);
            } else if (hold) {
                x.spo2 = held.spo2;
                x.pulseRate = held.pulseRate;
            }
            samples.push_back(x);
        }
        lastSecond = second;
    }
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
    if (e.reason.rfind("is not", 0) == 0) e.sentence = "The file " + path + " " + e.reason;
    return e;
}

} // namespace kestrova
