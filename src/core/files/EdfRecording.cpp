#include "files/EdfRecording.h"
#include "text/Translate.h"

#include "analysis/ClinicalMetrics.h"
#include "files/InputFile.h"
#include "model/RecordingModel.h"
#include "model/RecordingTime.h"
#include "text/StringTable.h"
#include "text/TextCodec.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace kestrova {
namespace {

constexpr int kRecordSeconds = 60;
constexpr int kSignals = 3; // SpO2, pulse, annotations
constexpr std::string_view kPaddingText = "No data (record padding)";
constexpr std::string_view kSetBackPrefix = "Clock set back by ";
constexpr std::string_view kTitlePrefix = "Title: ";
// A reading of more than this many samples per signal would not finish within a second
// or two; no oximeter's SpO2 or pulse signal comes near it (64 a second for six days).
constexpr long long kMaxSignalSamples = 64LL * RecordingModel::kCurrentCapacity;
constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// The patient's name in plain ASCII, as the EDF header wants it: accented Latin
// letters lose their accents, anything else becomes '?'.
std::string asciiName(const PatientRecord& p) {
    const std::string utf8 = decodeStoredText(fieldBytes(p.name));
    static const char* const kLatin1 = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            if (c >= 0x20) out += static_cast<char>(c);
            continue;
        }
        unsigned code = 0;
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
        code = c & (0x3Fu >> extra);
        for (; extra > 0 && i + 1 < utf8.size(); --extra)
            code = (code << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
        out += code >= 0xC0 && code <= 0xFF ? kLatin1[code - 0xC0] : '?';
    }
    return out.empty() ? "X" : out;
}

// A header field: `value` left-aligned in `width` bytes, padded with spaces.
void field(std::string& out, std::string_view value, std::size_t width) {
    value = value.substr(0, width);
    out += value;
    out.append(width - value.size(), ' ');
}

std::string number(long long v) {
    return std::to_string(v);
}

struct Annotation {
    long long onset, duration; // seconds from the start of the file; duration < 0: none
    std::string text;
};

std::string talOf(const Annotation& a) {
    std::string t = "+" + number(a.onset);
    if (a.duration >= 0) t += "\x15" + number(a.duration);
    t += '\x14';
    t += a.text;
    t += "\x14";
    t += '\0';
    return t;
}

std::string timeKeepingTal(long long onset) {
    std::string t = "+" + number(onset) + "\x14\x14";
    t += '\0';
    return t;
}

bool printableAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

} // namespace

std::string edfRecordingBytes(std::span<const SampleRecord> samples, const PatientRecord& patient,
                              std::string_view title) {
    const auto n = static_cast<long long>(samples.size());
    // Each sample's place in the file's time: one second after the one before, or its
    // clock's own step forward. A clock set back continues in order and is annotated.
    std::vector<long long> at(samples.size());
    std::vector<Annotation> annotations;
    for (long long i = 1; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const SampleRecord &a = samples[k - 1], &b = samples[k];
        // Within one day the clock fields alone give the step; the calendar only across days.
        const std::int64_t step = a.year == b.year && a.month == b.month && a.day == b.day
                                      ? (b.hour - a.hour) * 3600 + (b.minute - a.minute) * 60 + (b.second - a.second)
                                      : stampSeconds(b) - stampSeconds(a);
        if (step >= 1) {
            at[k] = at[k - 1] + step;
            if (step > 1) annotations.push_back({at[k], -1, "Time discontinuity"});
        } else {
            at[k] = at[k - 1] + 1;
            annotations.push_back({at[k], -1, std::string(kSetBackPrefix) + number(1 - step) + " s"});
        }
    }
    // Data records of 60 s: a new one where the time runs past the current one (with a
    // gap after a clock set forward), the seconds of a record without a sample padded.
    std::vector<long long> recordStart;
    for (long long i = 0; i < n; ++i)
        if (recordStart.empty() || at[static_cast<std::size_t>(i)] >= recordStart.back() + kRecordSeconds)
            recordStart.push_back(at[static_cast<std::size_t>(i)]);
    const auto records = static_cast<long long>(recordStart.size());
    bool discontinuous = false;
    for (long long r = 1; r < records; ++r)
        discontinuous |=
            recordStart[static_cast<std::size_t>(r)] != recordStart[static_cast<std::size_t>(r - 1)] + kRecordSeconds;
    std::vector<std::uint8_t> filled(static_cast<std::size_t>(records * kRecordSeconds), 0);
    std::vector<std::pair<std::uint8_t, std::uint8_t>> values(filled.size());
    {
        std::size_t r = 0;
        for (long long i = 0; i < n; ++i) {
            const long long t = at[static_cast<std::size_t>(i)];
            while (r + 1 < recordStart.size() && t >= recordStart[r + 1]) ++r;
            const auto slot =
                static_cast<std::size_t>(static_cast<long long>(r) * kRecordSeconds + (t - recordStart[r]));
            filled[slot] = 1;
            values[slot] = {samples[static_cast<std::size_t>(i)].spo2, samples[static_cast<std::size_t>(i)].pulseRate};
        }
    }
    for (std::size_t slot = 0; slot < filled.size();) {
        if (filled[slot]) {
            ++slot;
            continue;
        }
        std::size_t end = slot;
        while (end < filled.size() && !filled[end] && end / kRecordSeconds == slot / kRecordSeconds) ++end;
        const long long onset = recordStart[slot / kRecordSeconds] + static_cast<long long>(slot % kRecordSeconds);
        annotations.push_back({onset, static_cast<long long>(end - slot), std::string(kPaddingText)});
        slot = end;
    }
    for (const auto& e : findDesaturations(samples, 3))
        annotations.push_back(
            {at[static_cast<std::size_t>(e.start)], e.duration(), "Desaturation -" + std::to_string(e.depth()) + "%"});
    for (long long i = 0; i < n;) { // runs of artefact samples
        if (clinical::isValid(samples[static_cast<std::size_t>(i)])) {
            ++i;
            continue;
        }
        long long end = i;
        while (end < n && !clinical::isValid(samples[static_cast<std::size_t>(end)])) ++end;
        annotations.push_back({at[static_cast<std::size_t>(i)], end - i, "Artefact"});
        i = end;
    }

    // The recording field: "Startdate dd-MMM-yyyy", admin code, technician, equipment,
    // then the title; a title that does not fit there in plain ASCII is also an
    // annotation, in full.
    SampleRecord first{};
    if (!samples.empty())
        first = samples.front();
    else
        first.month = first.day = 1;
    const int year = 2000 + first.year;
    char date[32];
    std::snprintf(date, sizeof date, "%02d-%s-%04d", first.day, kMonths[std::clamp<int>(first.month, 1, 12) - 1], year);
    std::string recording = std::string("Startdate ") + date + " X X Kestrova_" KESTROVA_VERSION;
    if (!title.empty()) {
        const bool fits = printableAscii(title) && recording.size() + 1 + title.size() <= 80;
        if (fits)
            recording += " " + std::string(title);
        else
            annotations.push_back({0, -1, std::string(kTitlePrefix) + std::string(title)});
    }
    std::stable_sort(annotations.begin(), annotations.end(),
                     [](const Annotation& a, const Annotation& b) { return a.onset < b.onset; });

    // Annotations fill the records in order, as many to a record as fit, so that the
    // annotation signal's fixed size per record stays small even on a night of many
    // events; each record begins with its own time-keeping entry.
    std::vector<std::string> tals;
    tals.reserve(annotations.size());
    std::size_t total = 0, longest = 0;
    for (const auto& a : annotations) {
        tals.push_back(talOf(a));
        total += tals.back().size();
        longest = std::max(longest, tals.back().size());
    }
    std::size_t keeping = 0;
    for (const long long r : recordStart) keeping = std::max(keeping, timeKeepingTal(r).size());
    std::size_t room = keeping + (records > 0 ? std::max(longest, (total + static_cast<std::size_t>(records) - 1) /
                                                                      static_cast<std::size_t>(records))
                                              : 0);
    std::vector<std::size_t> firstTal; // per record: the index of its first annotation
    for (;;) {
        room += room % 2;
        firstTal.assign(recordStart.size() + 1, tals.size());
        std::size_t t = 0;
        for (std::size_t r = 0; r < recordStart.size(); ++r) {
            firstTal[r] = t;
            std::size_t used = timeKeepingTal(recordStart[r]).size();
            while (t < tals.size() && used + tals[t].size() <= room) used += tals[t++].size();
        }
        if (t == tals.size()) break;
        room += room / 8 + 2;
    }
    if (records == 0) room = std::max<std::size_t>(room, 2);

    std::string out;
    const std::size_t recordBytes = 2 * 2 * kRecordSeconds + room;
    const std::size_t headerBytes = 256 * (kSignals + 1);
    out.reserve(headerBytes + static_cast<std::size_t>(records) * recordBytes);
    field(out, "0", 8);
    const std::string code = patient.id >= 1 && patient.id <= 255 ? number(patient.id) : "X";
    const char sex = patient.holdsDetails() ? (patient.gender != 0 ? 'F' : 'M') : 'X';
    std::string name = asciiName(patient);
    std::replace(name.begin(), name.end(), ' ', '_');
    field(out, code + " " + sex + " X " + name, 80);
    field(out, recording, 80);
    // EDF's two-digit year: 85-99 for 1985-1999, 00-84 for 2000-2084, "yy" after that,
    // when only the recording field gives the year.
    char startDate[16], startTime[16];
    if (year <= 2084)
        std::snprintf(startDate, sizeof startDate, "%02d.%02d.%02d", first.day, first.month, year % 100);
    else
        std::snprintf(startDate, sizeof startDate, "%02d.%02d.yy", first.day, first.month);
    std::snprintf(startTime, sizeof startTime, "%02d.%02d.%02d", first.hour, first.minute, first.second);
    field(out, startDate, 8);
    field(out, startTime, 8);
    field(out, number(static_cast<long long>(headerBytes)), 8);
    field(out, discontinuous ? "EDF+D" : "EDF+C", 44);
    field(out, number(records), 8);
    field(out, number(kRecordSeconds), 8);
    field(out, number(kSignals), 4);
    const char* labels[] = {"SpO2", "Pulse", "EDF Annotations"};
    const char* units[] = {"%", "bpm", ""};
    const char* physMin[] = {"0", "0", "-1"};
    const char* physMax[] = {"255", "255", "1"};
    const char* digMin[] = {"0", "0", "-32768"};
    const char* digMax[] = {"255", "255", "32767"};
    const std::string perRecord[] = {number(kRecordSeconds), number(kRecordSeconds),
                                     number(static_cast<long long>(room / 2))};
    for (const char* l : labels) field(out, l, 16);
    for (int s = 0; s < kSignals; ++s) field(out, "", 80);
    for (const char* u : units) field(out, u, 8);
    for (const char* v : physMin) field(out, v, 8);
    for (const char* v : physMax) field(out, v, 8);
    for (const char* v : digMin) field(out, v, 8);
    for (const char* v : digMax) field(out, v, 8);
    for (int s = 0; s < kSignals; ++s) field(out, "", 80);
    for (const auto& v : perRecord) field(out, v, 8);
    for (int s = 0; s < kSignals; ++s) field(out, "", 32);

    // The records written in place: each signal's 60 little-endian samples, then the
    // annotation bytes, zero-filled.
    std::size_t pos = out.size();
    out.resize(pos + recordStart.size() * recordBytes, '\0');
    for (std::size_t r = 0; r < recordStart.size(); ++r) {
        char* record = out.data() + pos;
        const auto* v = values.data() + r * kRecordSeconds;
        for (int k = 0; k < kRecordSeconds; ++k) {
            record[2 * k] = static_cast<char>(v[k].first);
            record[2 * kRecordSeconds + 2 * k] = static_cast<char>(v[k].second);
        }
        std::size_t used = 4 * kRecordSeconds;
        auto put = [&](const std::string& bytes) {
            std::memcpy(record + used, bytes.data(), bytes.size());
            used += bytes.size();
        };
        put(timeKeepingTal(recordStart[r]));
        for (std::size_t t = firstTal[r]; t < firstTal[r + 1]; ++t) put(tals[t]);
        pos += recordBytes;
    }
    return out;
}

WriteStatus writeEdfRecording(const std::string& path, std::span<const SampleRecord> samples,
                              const PatientRecord& patient, std::string_view title) {
    const std::string bytes = edfRecordingBytes(samples, patient, title);
    // The size the header promises, checked before the file is given its name.
    long long records = 0, headerBytes = 0, perRecord = 0;
    std::from_chars(bytes.data() + 236, bytes.data() + 244, records);
    std::from_chars(bytes.data() + 184, bytes.data() + 192, headerBytes);
    std::from_chars(bytes.data() + 256 + kSignals * 216 + 16, bytes.data() + 256 + kSignals * 216 + 24, perRecord);
    if (static_cast<long long>(bytes.size()) != headerBytes + records * (4 * kRecordSeconds + 2 * perRecord))
        return Error{Status::IoError, path, ktr("EdfRecording", "the file's size would not match its header")};
    AtomicFile target(path);
    if (!target.isOpen()) return target.status();
    target.write(bytes);
    target.commit();
    return target.status();
}

namespace {

std::string lowerTrimmed(std::string_view s) {
    std::string out;
    int depth = 0;
    for (const char c : s) { // a unit in brackets ("HR(bpm)") is no part of the name
        if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
        else if (depth == 0)
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    while (!out.empty() && out.front() == ' ') out.erase(out.begin());
    return out;
}

bool isSpo2Label(const std::string& l) {
    return l.find("spo2") != std::string::npos || l.find("sao2") != std::string::npos ||
           l.find("spo 2") != std::string::npos || l.find("oxygen") != std::string::npos || l == "sat" ||
           l.find("o2 sat") != std::string::npos || l.find("o2sat") != std::string::npos || l == "osat";
}
bool isPulseLabel(const std::string& l) {
    return l.find("pulse") != std::string::npos || l == "pr" || l == "hr" || l == "h.r." ||
           l.find("heart") != std::string::npos || l.rfind("pr ", 0) == 0 || l.rfind("hr ", 0) == 0 || l == "bpm";
}

Error refuse(const std::string& path, std::string reason) {
    return Error{Status::Invalid, path, std::move(reason)};
}

// The readings of one second of one signal.
struct SecondValues {
    std::vector<double> all, valid;
    void clear() {
        all.clear();
        valid.clear();
    }
    void add(double v, bool spo2) {
        all.push_back(v);
        const double r = std::round(v);
        if (spo2 ? r >= clinical::kMinValidSpo2 && r <= clinical::kMaxValidSpo2
                 : r >= clinical::kMinValidPulse && r <= clinical::kMaxValidPulse)
            valid.push_back(v);
    }
    double value() {
        if (valid.empty()) return all.back();
        const std::size_t n = valid.size(), mid = n / 2;
        std::nth_element(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(mid), valid.end());
        if (n % 2) return valid[mid];
        const double upper = valid[mid];
        const double lower = *std::max_element(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(mid));
        return (lower + upper) / 2;
    }
};

Error tooLong(const std::string& path, long long seconds) {
    return Error{Status::TooLarge,
                 path,
                 {},
                 0,
                 0,
                 text::arg(ktr("EdfRecording", "The file %1 is not a recording this program can open: it holds %2 "
                                               "seconds (a recording holds 0 to %3)."),
                           {path, std::to_string(seconds), std::to_string(RecordingModel::kCurrentCapacity)})};
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.remove_suffix(1);
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    return s;
}

bool integerField(std::string_view s, long long& v) {
    s = trimmed(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool numberField(std::string_view s, double& v) {
    s = trimmed(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(v);
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        const std::size_t j = std::min(s.find(' ', i), s.size());
        if (j > i) out.push_back(s.substr(i, j - i));
        i = j;
    }
    return out;
}

struct Signal {
    std::string label;
    long long perRecord = 0;
    long long offset = 0; // within a record, in bytes
    double gain = 1, physicalMin = 0;
    long long digitalMin = 0;
};

} // namespace

Result<DataFileContents> readEdfRecording(const std::string& path, EdfReadStats* stats) {
    auto opened = InputFile::open(path);
    if (!opened) {
        Error e = opened.error();
        e.messageId = str::CantOpenFile;
        return e;
    }
    const InputFile& file = *opened;
    long long readBytes = 0;
    auto readAt = [&](std::size_t offset, std::size_t n) -> Result<std::string> {
        auto r = file.read(offset, n);
        if (r) readBytes += static_cast<long long>(r->size());
        if (stats) stats->bytesRead = readBytes;
        return r;
    };
    auto head = readAt(0, 256);
    if (!head) return head.error();
    if (head->size() < 256 || trimmed(std::string_view(*head).substr(0, 8)) != "0")
        return refuse(path, ktr("EdfRecording",
                                "not an EDF or EDF+ file Kestrova can read: it does not begin with an EDF header"));
    const std::string_view h(*head);
    long long headerBytes = 0, records = 0, signals = 0;
    double duration = 0;
    if (!integerField(h.substr(184, 8), headerBytes) || !integerField(h.substr(252, 4), signals) || signals < 1 ||
        signals > 512 || headerBytes != 256 * (signals + 1))
        return refuse(
            path,
            ktr("EdfRecording",
                "not an EDF or EDF+ file Kestrova can read: its header gives no usable size or number of signals"));
    if (!integerField(h.substr(236, 8), records) || records < -1)
        return refuse(path, ktr("EdfRecording", "the header gives no number of data records"));
    if (!numberField(h.substr(244, 8), duration) || duration <= 0)
        return refuse(path, ktr("EdfRecording", "the header gives no duration of a data record"));
    const std::string_view reserved = trimmed(h.substr(192, 44));
    const bool plus = reserved.starts_with("EDF+");
    const bool discontinuous = reserved.starts_with("EDF+D");
    if (static_cast<long long>(file.size()) < headerBytes)
        return refuse(path, ktr("EdfRecording", "the file ends inside its header"));
    auto more = readAt(256, static_cast<std::size_t>(headerBytes - 256));
    if (!more) return more.error();
    if (static_cast<long long>(more->size()) != headerBytes - 256)
        return refuse(path, ktr("EdfRecording", "the file ends inside its header"));
    const std::string_view sh(*more);
    const auto ns = static_cast<std::size_t>(signals);
    auto signalField = [&](std::size_t before, std::size_t width, std::size_t s) {
        return sh.substr(before * ns + s * width, width);
    };
    std::vector<Signal> all(ns);
    std::vector<std::size_t> annotationSignals;
    long long recordBytes = 0;
    int spo2 = -1, pulse = -1;
    for (std::size_t s = 0; s < ns; ++s) {
        Signal& g = all[s];
        g.label = std::string(trimmed(signalField(0, 16, s)));
        long long digitalMax = 0;
        double physicalMax = 0;
        if (!integerField(signalField(16 + 80 + 8 + 8 + 8 + 8 + 8 + 80, 8, s), g.perRecord) || g.perRecord < 1 ||
            g.perRecord > (1LL << 30))
            return refuse(path,
                          text::arg(ktr("EdfRecording", "the signal \"%1\" gives no number of samples per data record"),
                                    {g.label}));
        g.offset = recordBytes;
        recordBytes += 2 * g.perRecord;
        if (plus && g.label == "EDF Annotations") {
            annotationSignals.push_back(s);
            continue;
        }
        const std::string label = lowerTrimmed(g.label);
        const bool wanted =
            (spo2 < 0 && isSpo2Label(label)) || (pulse < 0 && !isSpo2Label(label) && isPulseLabel(label));
        if (!wanted) continue;
        if (!numberField(signalField(16 + 80 + 8, 8, s), g.physicalMin) ||
            !numberField(signalField(16 + 80 + 16, 8, s), physicalMax) ||
            !integerField(signalField(16 + 80 + 24, 8, s), g.digitalMin) ||
            !integerField(signalField(16 + 80 + 32, 8, s), digitalMax) || digitalMax <= g.digitalMin ||
            physicalMax == g.physicalMin)
            return refuse(path,
                          text::arg(ktr("EdfRecording", "the signal \"%1\" has no usable physical and digital range"),
                                    {g.label}));
        g.gain = (physicalMax - g.physicalMin) / static_cast<double>(digitalMax - g.digitalMin);
        (isSpo2Label(label) ? spo2 : pulse) = static_cast<int>(s);
    }
    if (spo2 < 0 || pulse < 0)
        return refuse(path, spo2 < 0 ? ktr("EdfRecording", "no SpO2 (or SaO2) signal")
                                     : ktr("EdfRecording", "no pulse (or PR, HR) signal"));

    // What the header promises, against the file and what a recording holds, before any
    // data is read.
    const long long held = (static_cast<long long>(file.size()) - headerBytes) / recordBytes;
    if (records == -1) records = held;
    if (held < records)
        return refuse(path, text::arg(ktr("EdfRecording", "the header says %1 data records, the file holds %2"),
                                      {number(records), number(held)}));
    if (static_cast<double>(records) * duration > RecordingModel::kCurrentCapacity)
        return tooLong(path, static_cast<long long>(std::ceil(static_cast<double>(records) * duration)));
    const int wanted[2] = {spo2, pulse};
    double rates[2];
    for (int k = 0; k < 2; ++k) {
        const Signal& g = all[static_cast<std::size_t>(wanted[k])];
        rates[k] = static_cast<double>(g.perRecord) / duration;
        if (rates[k] < 1.0)
            return refuse(path, text::arg(ktr("EdfRecording", "the signal \"%1\" has fewer than one sample per second"),
                                          {lowerTrimmed(g.label)}));
        if (static_cast<double>(g.perRecord) * static_cast<double>(records) > static_cast<double>(kMaxSignalSamples))
            return refuse(path, text::arg(ktr("EdfRecording", "the signal \"%1\" holds %2 samples; Kestrova reads at "
                                                              "most %3 (64 a second over a whole recording)"),
                                          {g.label,
                                           number(static_cast<long long>(static_cast<double>(g.perRecord) *
                                                                         static_cast<double>(records))),
                                           number(kMaxSignalSamples)}));
    }

    // The start: EDF's dd.mm.yy (85-99 is 19yy, 00-84 20yy; "yy" after 2084), the full
    // year from an EDF+ recording field "Startdate dd-MMM-yyyy" of the same day.
    const std::string_view dateField = trimmed(h.substr(168, 8)), timeField = trimmed(h.substr(176, 8));
    long long day = 0, month = 0, yy = -1, hour = 0, minute = 0, second = 0;
    if (dateField.size() != 8 || dateField[2] != '.' || dateField[5] != '.' ||
        !integerField(dateField.substr(0, 2), day) || !integerField(dateField.substr(3, 2), month) ||
        timeField.size() != 8 || !integerField(timeField.substr(0, 2), hour) ||
        !integerField(timeField.substr(3, 2), minute) || !integerField(timeField.substr(6, 2), second) || hour > 23 ||
        minute > 59 || second > 59)
        return refuse(path, ktr("EdfRecording", "the header gives no start date and time (dd.mm.yy and hh.mm.ss)"));
    if (dateField.substr(6) != "yy" && !integerField(dateField.substr(6, 2), yy))
        return refuse(path, ktr("EdfRecording", "the header gives no start date and time (dd.mm.yy and hh.mm.ss)"));
    long long year = yy < 0 ? -1 : yy >= 85 ? 1900 + yy : 2000 + yy;
    const std::string_view recordingField = trimmed(h.substr(88, 80));
    const auto recordingWords = words(recordingField);
    if (plus && recordingWords.size() >= 2 && recordingWords[0] == "Startdate" && recordingWords[1].size() == 11 &&
        recordingWords[1][2] == '-' && recordingWords[1][6] == '-') {
        const std::string_view d = recordingWords[1];
        long long fullDay = 0, fullYear = 0;
        int fullMonth = 0;
        for (int m = 0; m < 12; ++m)
            if (d.substr(3, 3) == kMonths[m]) fullMonth = m + 1;
        if (integerField(d.substr(0, 2), fullDay) && integerField(d.substr(7, 4), fullYear) && fullDay == day &&
            fullMonth == month && (yy < 0 || fullYear % 100 == yy))
            year = fullYear;
    }
    if (year < 0)
        return refuse(path,
                      ktr("EdfRecording", "the header's start year is \"yy\" and the recording field gives no year"));
    if (!validDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)))
        return refuse(path, text::arg(ktr("EdfRecording", "the header's start date %1 is no date"), {dateField}));
    if (year < 2000 || year > 2255)
        return refuse(path, text::arg(ktr("EdfRecording",
                                          "the recording starts in %1; Kestrova keeps recordings from 2000 to 2255"),
                                      {number(year)}));

    // The data, a block of records at a time, only as far as the signals used reach.
    const Signal* annotations = nullptr;
    std::size_t reachEnd = 0, reachBegin = static_cast<std::size_t>(recordBytes);
    for (const int s : wanted) {
        reachBegin = std::min(reachBegin, static_cast<std::size_t>(all[static_cast<std::size_t>(s)].offset));
        reachEnd = std::max(reachEnd, static_cast<std::size_t>(all[static_cast<std::size_t>(s)].offset +
                                                               2 * all[static_cast<std::size_t>(s)].perRecord));
    }
    if (!annotationSignals.empty()) {
        annotations = &all[annotationSignals.front()];
        reachBegin = std::min(reachBegin, static_cast<std::size_t>(annotations->offset));
        reachEnd = std::max(reachEnd, static_cast<std::size_t>(annotations->offset + 2 * annotations->perRecord));
    }
    const auto rb = static_cast<std::size_t>(recordBytes);
    const std::size_t perBlock = rb <= (64u << 10) ? std::max<std::size_t>(1, (4u << 20) / rb) : 1;

    DataFileContents result;
    auto& samples = result.samples;
    std::vector<long long> secondOf; // each sample's second after the start
    struct Mark {
        long long onset, duration;
    };
    std::vector<Mark> padding, setBacks;
    std::string titleAnnotation;
    SecondValues values[2];
    long long current[2] = {-1, -1};
    const auto capacity = static_cast<std::size_t>(RecordingModel::kCurrentCapacity);
    bool full = false;
    auto slot = [&](long long s) -> SampleRecord* {
        if (secondOf.empty() || s > secondOf.back()) {
            if (samples.size() >= capacity) return full = true, nullptr;
            secondOf.push_back(s);
            samples.emplace_back();
            return &samples.back();
        }
        const auto it = std::lower_bound(secondOf.begin(), secondOf.end(), s);
        if (it == secondOf.end() || *it != s) { // between two seconds already held: only a skewed second signal
            const auto pos = it - secondOf.begin();
            if (samples.size() >= capacity) return full = true, nullptr;
            secondOf.insert(it, s);
            samples.insert(samples.begin() + pos, SampleRecord{});
            return &samples[static_cast<std::size_t>(pos)];
        }
        return &samples[static_cast<std::size_t>(it - secondOf.begin())];
    };
    auto flush = [&](int k) {
        if (current[k] < 0 || values[k].all.empty()) return;
        const auto v = static_cast<std::uint8_t>(std::clamp(std::lround(values[k].value()), 0L, 255L));
        if (SampleRecord* s = slot(current[k])) (k == 0 ? s->spo2 : s->pulseRate) = v;
    };
    double previousOnset = -1;
    for (long long r0 = 0; r0 < records; r0 += static_cast<long long>(perBlock)) {
        const long long count = std::min<long long>(static_cast<long long>(perBlock), records - r0);
        const std::size_t from = static_cast<std::size_t>(headerBytes) + static_cast<std::size_t>(r0) * rb +
                                 (perBlock == 1 ? reachBegin : 0);
        const std::size_t length = perBlock == 1 ? reachEnd - reachBegin : static_cast<std::size_t>(count) * rb;
        auto block = readAt(from, length);
        if (!block) return block.error();
        if (block->size() != length)
            return refuse(path, text::arg(ktr("EdfRecording", "the file ended while it was read (data record %1)"),
                                          {number(r0 + 1)}));
        for (long long i = 0; i < count; ++i) {
            const long long r = r0 + i;
            const char* record = block->data() + (perBlock == 1 ? 0 : static_cast<std::size_t>(i) * rb) -
                                 (perBlock == 1 ? reachBegin : 0);
            double onset = static_cast<double>(r) * duration;
            if (annotations) {
                // Time-stamped annotation lists: "+onset[\x15duration]\x14text\x14...\0".
                const std::string_view tal(record + annotations->offset,
                                           static_cast<std::size_t>(2 * annotations->perRecord));
                std::size_t p = 0;
                bool first = true;
                while (p < tal.size() && (tal[p] == '+' || tal[p] == '-')) {
                    const std::size_t end = tal.find('\0', p);
                    const std::string_view entry = tal.substr(p, end == std::string_view::npos ? end : end - p);
                    p = end == std::string_view::npos ? tal.size() : end + 1;
                    const std::size_t mark = entry.find_first_of("\x14\x15");
                    double when = 0, lasting = -1;
                    if (mark == std::string_view::npos || !numberField(entry.substr(0, mark), when))
                        return refuse(path,
                                      text::arg(ktr("EdfRecording", "data record %1 holds an unreadable annotation"),
                                                {number(r + 1)}));
                    std::string_view rest = entry.substr(mark);
                    if (rest.front() == '\x15') {
                        const std::size_t m2 = rest.find('\x14');
                        if (m2 == std::string_view::npos || !numberField(rest.substr(1, m2 - 1), lasting))
                            return refuse(
                                path, text::arg(ktr("EdfRecording", "data record %1 holds an unreadable annotation"),
                                                {number(r + 1)}));
                        rest = rest.substr(m2);
                    }
                    rest.remove_prefix(1);
                    if (first) {
                        if (discontinuous) onset = when;
                        first = false;
                    }
                    for (std::size_t q = 0; q < rest.size();) { // the texts, each closed by \x14
                        const std::size_t close = std::min(rest.find('\x14', q), rest.size());
                        const std::string_view text = rest.substr(q, close - q);
                        const auto seconds = std::llround(when);
                        if (text == kPaddingText && lasting > 0)
                            padding.push_back({seconds, std::llround(lasting)});
                        else if (text.starts_with(kSetBackPrefix) && text.ends_with(" s")) {
                            long long by = 0;
                            if (integerField(
                                    text.substr(kSetBackPrefix.size(), text.size() - kSetBackPrefix.size() - 2), by) &&
                                by > 0 && by <= 100LL * 365 * 86400)
                                setBacks.push_back({seconds, by});
                        } else if (text.starts_with(kTitlePrefix) && titleAnnotation.empty())
                            titleAnnotation = std::string(text.substr(kTitlePrefix.size()));
                        q = close + 1;
                    }
                }
            }
            if (onset < 0 || onset > 1e10 || (previousOnset >= 0 && onset < previousOnset + duration - 1e-6))
                return refuse(path,
                              text::arg(ktr("EdfRecording",
                                            "data record %1 starts at %2 s, before the data record before it ends"),
                                        {number(r + 1), number(std::llround(onset))}));
            previousOnset = onset;
            for (int k = 0; k < 2; ++k) {
                const Signal& g = all[static_cast<std::size_t>(wanted[k])];
                const unsigned char* data = reinterpret_cast<const unsigned char*>(record + g.offset);
                for (long long j = 0; j < g.perRecord; ++j) {
                    const auto digital = static_cast<std::int16_t>(data[2 * j] | (data[2 * j + 1] << 8));
                    const double v = static_cast<double>(digital - g.digitalMin) * g.gain + g.physicalMin;
                    const auto s = static_cast<long long>(std::floor(
                        onset + static_cast<double>(j) * duration / static_cast<double>(g.perRecord) + 1e-9));
                    if (s != current[k]) {
                        flush(k);
                        values[k].clear();
                        current[k] = s;
                    }
                    values[k].add(v, k == 0);
                }
            }
            if (full) break;
        }
        if (full) break;
    }
    flush(0);
    flush(1);
    if (full) return tooLong(path, static_cast<long long>(capacity) + 1);

    // Padding the writer added is no part of the recording.
    if (!padding.empty()) {
        std::size_t out = 0, p = 0;
        std::sort(padding.begin(), padding.end(), [](const Mark& a, const Mark& b) { return a.onset < b.onset; });
        for (std::size_t i = 0; i < samples.size(); ++i) {
            while (p < padding.size() && padding[p].onset + padding[p].duration <= secondOf[i]) ++p;
            if (p < padding.size() && secondOf[i] >= padding[p].onset) continue;
            samples[out] = samples[i];
            secondOf[out++] = secondOf[i];
        }
        samples.resize(out);
        secondOf.resize(out);
    }

    long long patientCode = 0;
    if (plus) {
        const auto patientWords = words(trimmed(h.substr(8, 80)));
        if (!patientWords.empty() && integerField(patientWords[0], patientCode) &&
            (patientCode < 1 || patientCode > 255))
            patientCode = 0;
        if (patientWords.size() >= 4 && patientWords[3] != "X") {
            std::string name(patientWords[3]);
            for (std::size_t w = 4; w < patientWords.size(); ++w) name += " " + std::string(patientWords[w]);
            std::replace(name.begin(), name.end(), '_', ' ');
            result.patientName = name;
        }
    }
    const auto id = static_cast<std::uint8_t>(patientCode);
    // Clock fields: the start plus each sample's second, less every clock set-back
    // noted at or before it.
    std::sort(setBacks.begin(), setBacks.end(), [](const Mark& a, const Mark& b) { return a.onset < b.onset; });
    const std::int64_t origin =
        civilSeconds(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), static_cast<int>(hour),
                     static_cast<int>(minute), static_cast<int>(second));
    long long back = 0;
    std::size_t nextSetBack = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        while (nextSetBack < setBacks.size() && setBacks[nextSetBack].onset <= secondOf[i])
            back += setBacks[nextSetBack++].duration;
        samples[i].id = id;
        setStamp(samples[i], origin + secondOf[i] - back);
    }
    result.patientId = id;
    result.sourceInterval = 1.0 / std::max(rates[0], rates[1]);
    if (!titleAnnotation.empty()) {
        result.title = titleAnnotation;
    } else if (plus && recordingWords.size() >= 6 && recordingWords[0] == "Startdate") {
        // After "Startdate date admin technician equipment": the title as written.
        std::size_t at = 0;
        for (int w = 0; w < 5; ++w)
            at = recordingField.find(recordingWords[static_cast<std::size_t>(w)], at) +
                 recordingWords[static_cast<std::size_t>(w)].size();
        // The header is ASCII by the format: control bytes (a NUL among them, which no
        // annotation could carry back) are no part of a title.
        std::string title;
        for (const char c : recordingField.substr(at))
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) title += c;
        result.title = std::string(trimmed(title));
    } else {
        const auto slash = path.find_last_of('/');
        std::string title = path.substr(slash == std::string::npos ? 0 : slash + 1);
        if (const auto dot = title.find_last_of('.'); dot != std::string::npos && dot > 0) title.resize(dot);
        result.title = title;
    }
    auto figure = [](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g", v);
        return std::string(buf);
    };
    result.layout = text::arg(ktr("EdfRecording", "%1, %2 signals, %3 data records of %4 s; SpO2 \"%5\" at %6 Hz, "
                                                  "pulse \"%7\" at %8 Hz"),
                              {discontinuous ? ktr("EdfRecording", "EDF+D (discontinuous)")
                               : plus        ? std::string("EDF+C")
                                             : std::string("EDF"),
                               std::to_string(signals), std::to_string(records), figure(duration),
                               all[static_cast<std::size_t>(spo2)].label, figure(rates[0]),
                               all[static_cast<std::size_t>(pulse)].label, figure(rates[1])});
    for (const auto& s : setBacks) {
        if (result.notes.size() >= 20) break;
        result.notes.push_back(text::arg(ktr("EdfRecording", "clock set back %1 s after the start by %2 s"),
                                         {std::to_string(s.onset), std::to_string(s.duration)}));
    }
    return result;
}

} // namespace kestrova
