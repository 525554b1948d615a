#include "files/EdfRecording.h"
#include "model/PatientId.h"

#include "analysis/ClinicalMetrics.h"
#include "files/InputFile.h"
#include "model/RecordingModel.h"
#include "model/RecordingTime.h"
#include "text/StringTable.h"
#include "text/TextCodec.h"

#include <edflib.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <vector>

namespace kestrova {
namespace {

// EDFlib keeps its open files in one global table: one caller at a time.
std::mutex& edflibLock() {
    static std::mutex m;
    return m;
}

constexpr long long kTenthMillisecond = 10000; // EDFlib's annotation unit is 100 µs

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

std::string lowerTrimmed(const char* s) {
    std::string out(s);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool isSpo2Label(const std::string& l) {
    return l.find("spo2") != std::string::npos || l.find("sao2") != std::string::npos ||
           l.find("spo 2") != std::string::npos || l.find("oxygen") != std::string::npos || l == "sat" ||
           l.find("o2 sat") != std::string::npos;
}
bool isPulseLabel(const std::string& l) {
    return l.find("pulse") != std::string::npos || l == "pr" || l == "hr" || l.find("heart") != std::string::npos ||
           l.rfind("pr ", 0) == 0 || l.rfind("hr ", 0) == 0 || l == "bpm";
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
                 "The file " + path + " is not a recording this program can open: it holds " + std::to_string(seconds) +
                     " seconds (a recording holds 0 to " + std::to_string(RecordingModel::kCurrentCapacity) + ")."};
}

} // namespace

WriteStatus writeEdfRecording(const std::string& path, std::span<const SampleRecord> samples,
                              const PatientRecord& patient) {
    AtomicFile target(path);
    if (!target.isOpen()) return target.status();
    std::lock_guard lock(edflibLock());
    const int h = edfopen_file_writeonly(target.writablePath().c_str(), EDFLIB_FILETYPE_EDFPLUS, 2);
    if (h < 0)
        return Error{Status::IoError, path, "EDFlib could not create the file (error " + std::to_string(h) + ")"};
    const char* labels[] = {"SpO2", "Pulse"};
    const char* units[] = {"%", "bpm"};
    const int maxima[] = {127, 255};
    for (int s = 0; s < 2; ++s) {
        edf_set_samplefrequency(h, s, 1);
        edf_set_physical_minimum(h, s, 0);
        edf_set_physical_maximum(h, s, maxima[s]);
        edf_set_digital_minimum(h, s, 0);
        edf_set_digital_maximum(h, s, maxima[s]);
        edf_set_label(h, s, labels[s]);
        edf_set_physical_dimension(h, s, units[s]);
    }
    if (!samples.empty()) {
        const SampleRecord& f = samples.front();
        edf_set_startdatetime(h, 2000 + f.year, f.month, f.day, f.hour, f.minute, f.second);
    }
    edf_set_patientcode(h, std::to_string(patient.id).c_str());
    edf_set_patientname(h, asciiName(patient).c_str());
    if (patient.holdsDetails()) edf_set_gender(h, patient.gender != 0 ? 0 : 1); // EDFlib: 1 male, 0 female
    edf_set_equipment(h, "Kestrova " KESTROVA_VERSION);
    // Room for two annotations a second: events, artefact runs and clock jumps together
    // stay below that (an event lasts at least 10 s, runs are separated by valid seconds).
    edf_set_number_of_annotation_signals(h, 2);

    bool failed = false;
    short record[2];
    for (const auto& s : samples) {
        record[0] = static_cast<short>(std::min<int>(s.spo2, 127));
        record[1] = static_cast<short>(s.pulseRate);
        if (edf_blockwrite_digital_short_samples(h, record) != 0) { // one data record: both signals
            failed = true;
            break;
        }
    }
    const auto n = static_cast<long long>(samples.size());
    for (const auto& e : findDesaturations(samples, 3)) {
        const std::string text = "Desaturation -" + std::to_string(e.depth()) + "%";
        edfwrite_annotation_utf8(h, e.start * kTenthMillisecond, e.duration() * kTenthMillisecond, text.c_str());
    }
    for (long long i = 0; i < n;) { // runs of artefact samples
        if (clinical::isValid(samples[static_cast<std::size_t>(i)])) {
            ++i;
            continue;
        }
        long long end = i;
        while (end < n && !clinical::isValid(samples[static_cast<std::size_t>(end)])) ++end;
        edfwrite_annotation_utf8(h, i * kTenthMillisecond, (end - i) * kTenthMillisecond, "Artefact");
        i = end;
    }
    auto secondOf = [](const SampleRecord& s) {
        return ((static_cast<long long>(s.year) * 400 + s.month * 32 + s.day) * 24 + s.hour) * 3600 + s.minute * 60 +
               s.second;
    };
    for (long long i = 1; i < n; ++i) {
        const SampleRecord &a = samples[static_cast<std::size_t>(i - 1)], &b = samples[static_cast<std::size_t>(i)];
        // Within one day a step is one second; across midnight the date must follow.
        const bool next =
            secondOf(b) - secondOf(a) == 1 || (b.hour == 0 && b.minute == 0 && b.second == 0 && a.hour == 23 &&
                                               a.minute == 59 && a.second == 59 && (b.day == a.day + 1 || b.day == 1));
        if (!next) edfwrite_annotation_utf8(h, i * kTenthMillisecond, -1, "Time discontinuity");
    }
    if (edfclose_file(h) != 0) failed = true;
    if (failed) return Error{Status::IoError, path, "EDFlib could not write the file"};
    target.commit();
    return target.status();
}

Result<DataFileContents> readEdfRecording(const std::string& path) {
    if (const Outcome usable = regularFileProblem(path, 1LL << 40); !usable) {
        Error e = usable.error();
        e.messageId = str::CantOpenFile;
        return e;
    }
    std::lock_guard lock(edflibLock());
    edf_hdr_struct hdr{};
    if (edfopen_file_readonly(path.c_str(), &hdr, EDFLIB_DO_NOT_READ_ANNOTATIONS) != 0)
        return refuse(path,
                      "not an EDF or EDF+ file Kestrova can read (EDFlib error " + std::to_string(hdr.filetype) + ")");
    const int h = hdr.handle;
    struct Closer {
        int h;
        ~Closer() { edfclose_file(h); }
    } closer{h};
    int spo2 = -1, pulse = -1;
    for (int s = 0; s < hdr.edfsignals; ++s) {
        const std::string label = lowerTrimmed(hdr.signalparam[s].label);
        if (spo2 < 0 && isSpo2Label(label))
            spo2 = s;
        else if (pulse < 0 && isPulseLabel(label))
            pulse = s;
    }
    if (spo2 < 0 || pulse < 0)
        return refuse(path, "no " + std::string(spo2 < 0 ? "SpO2 (or SaO2)" : "pulse (or PR, HR)") + " signal");
    const double recordSeconds = static_cast<double>(hdr.datarecord_duration) / EDFLIB_TIME_DIMENSION;
    double rates[2] = {0, 0};
    const int signals[2] = {spo2, pulse};
    for (int k = 0; k < 2; ++k) {
        rates[k] = recordSeconds > 0 ? hdr.signalparam[signals[k]].smp_in_datarecord / recordSeconds : 0;
        if (rates[k] < 1.0)
            return refuse(path, "the signal \"" + lowerTrimmed(hdr.signalparam[signals[k]].label) +
                                    "\" has fewer than one sample per second");
    }
    const auto seconds =
        static_cast<long long>(std::ceil(static_cast<double>(hdr.file_duration) / EDFLIB_TIME_DIMENSION));
    if (seconds > RecordingModel::kCurrentCapacity) return tooLong(path, seconds);

    DataFileContents result;
    auto& samples = result.samples;
    samples.resize(static_cast<std::size_t>(seconds));
    result.sourceInterval = 1.0 / std::max(rates[0], rates[1]);
    std::vector<double> buffer(65536);
    for (int k = 0; k < 2; ++k) {
        // A faster source gives each second the median of its valid readings, so one
        // invalid reading (a 0 at the end of the second) does not make it artefact; a
        // second with no valid reading keeps its last one.
        const bool spo2Signal = k == 0;
        SecondValues values;
        long long current = -1;
        auto flush = [&] {
            if (current < 0 || current >= seconds || values.all.empty()) return;
            const auto v = static_cast<std::uint8_t>(std::clamp(std::lround(values.value()), 0L, 255L));
            SampleRecord& s = samples[static_cast<std::size_t>(current)];
            (spo2Signal ? s.spo2 : s.pulseRate) = v;
        };
        const long long total = hdr.signalparam[signals[k]].smp_in_file;
        for (long long done = 0; done < total;) {
            const int want = static_cast<int>(std::min<long long>(total - done, static_cast<long long>(buffer.size())));
            const int got = edfread_physical_samples(h, signals[k], want, buffer.data());
            if (got <= 0)
                return refuse(path,
                              "the signal \"" + lowerTrimmed(hdr.signalparam[signals[k]].label) + "\" ends early");
            for (int j = 0; j < got; ++j) {
                const auto second = static_cast<long long>(static_cast<double>(done + j) / rates[k]);
                if (second >= seconds) break;
                if (second != current) {
                    flush();
                    values.clear();
                    current = second;
                }
                values.add(buffer[static_cast<std::size_t>(j)], spo2Signal);
            }
            done += got;
        }
        flush();
    }
    int id = 0;
    if (std::sscanf(hdr.patientcode, "%d", &id) != 1 || !patient_id::isRecorded(id)) id = 0;
    // Clock fields of each second after the start.
    const std::int64_t origin = civilSeconds(hdr.startdate_year, hdr.startdate_month, hdr.startdate_day,
                                             hdr.starttime_hour, hdr.starttime_minute, hdr.starttime_second);
    for (long long t = 0; t < seconds; ++t) {
        SampleRecord& s = samples[static_cast<std::size_t>(t)];
        s.id = static_cast<std::uint8_t>(id);
        setStamp(s, origin + t);
    }
    result.patientId = static_cast<std::uint8_t>(id);
    const auto slash = path.find_last_of('/');
    std::string title = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (const auto dot = title.find_last_of('.'); dot != std::string::npos && dot > 0) title.resize(dot);
    result.title = title;
    return result;
}

} // namespace kestrova
