#include "files/DataFile.h"

#include "files/AtomicFile.h"
#include "files/CsvRecording.h"
#include "files/EdfRecording.h"
#include "files/PatientDatabase.h"
#include "model/RecordingModel.h"
#include "text/StringTable.h"
#include "text/TextCodec.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova {
namespace {

// Bounds-checked little-endian reading of a file image.
class ByteReader {
public:
    explicit ByteReader(std::string_view data) : m_data(data) {}
    bool read(void* out, std::size_t n) {
        if (m_data.size() - m_pos < n) return false;
        std::memcpy(out, m_data.data() + m_pos, n);
        m_pos += n;
        return true;
    }
    template <typename T> bool read(T& v) { return read(&v, sizeof v); }
    std::size_t remaining() const { return m_data.size() - m_pos; }
    const char* here() const { return m_data.data() + m_pos; }
    void skip(std::size_t n) { m_pos += n; }

private:
    std::string_view m_data;
    std::size_t m_pos = 0;
};

// The archive's string length prefix; sets `wide` for the 16-bit character form.
bool readTitleLength(ByteReader& r, std::uint32_t& length, bool& wide) {
    wide = false;
    std::uint8_t b = 0;
    if (!r.read(b)) return false;
    if (b < 0xFF) {
        length = b;
        return true;
    }
    std::uint16_t w = 0;
    if (!r.read(w)) return false;
    if (w == 0xFFFE) {
        wide = true;
        if (!r.read(b)) return false;
        if (b < 0xFF) {
            length = b;
            return true;
        }
        if (!r.read(w)) return false;
    }
    if (w < 0xFFFF) {
        length = w;
        return true;
    }
    return r.read(length);
}

// Where a title whose length prefix starts at `offset` ends; false when the prefix
// itself is incomplete.
bool titleEndAt(std::string_view data, std::size_t offset, std::size_t& end) {
    if (offset > data.size()) return false;
    ByteReader r(data.substr(offset));
    std::uint32_t length = 0;
    bool wide = false;
    if (!readTitleLength(r, length, wide)) return false;
    end = data.size() - r.remaining() + (wide ? std::size_t{length} * 2 : std::size_t{length});
    return true;
}

void putSample(std::string& out, const SampleRecord& s) {
    const char bytes[kSampleBytes] = {
        static_cast<char>(s.id),     static_cast<char>(s.year),   static_cast<char>(s.month),
        static_cast<char>(s.day),    static_cast<char>(s.hour),   static_cast<char>(s.minute),
        static_cast<char>(s.second), static_cast<char>(s.spo2),   static_cast<char>(s.pulseRate),
        static_cast<char>(s.aux & 0xFF), static_cast<char>(s.aux >> 8)};
    out.append(bytes, kSampleBytes);
}

template <typename T> void putLE(std::string& out, T v) {
    char bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    out.append(bytes, sizeof v);
}

} // namespace

DataFileReadResult readDataFile(const std::string& path) {
    DataFileReadResult result;
    // Only what the header promises is read: the samples it declares and a title the
    // file actually holds, so neither a device nor a huge file exhausts memory.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result.error = tr(str::CantOpenFile) + ": " +
                       (fd < 0 ? path + ": " + std::strerror(errno) : path + ": not a regular file");
        if (fd >= 0) ::close(fd);
        return result;
    }
    const auto fileSize = static_cast<std::size_t>(st.st_size);
    auto readAt = [&](std::string& into, std::size_t offset, std::size_t n) {
        into.resize(n);
        std::size_t got = 0;
        while (got < n) {
            const ssize_t r = ::pread(fd, into.data() + got, n - got, static_cast<off_t>(offset + got));
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) break;
            got += static_cast<std::size_t>(r);
        }
        into.resize(got);
    };
    std::string data;
    std::int32_t declared = 0;
    readAt(data, 0, 5);
    if (data.size() == 5) std::memcpy(&declared, data.data() + 1, 4);
    if (data.size() == 5 && declared >= 0 && declared <= RecordingModel::kCurrentCapacity) {
        // Header, samples and the longest title prefix (7 bytes, or 10 in the wide form).
        readAt(data, 0, std::min(fileSize, 5 + static_cast<std::size_t>(declared) * kSampleBytes + 10));
        std::size_t end = 0;
        if (titleEndAt(data, 5 + static_cast<std::size_t>(declared) * kSampleBytes, end) && end <= fileSize &&
            end > data.size()) {
            std::string rest;
            readAt(rest, data.size(), end - data.size());
            data += rest;
        }
    }
    ::close(fd);
    const std::string pastEnd = "Attempted to access " + path + " past its end.";

    ByteReader r(data);
    std::int32_t count = 0;
    if (!r.read(result.contents.patientId) || !r.read(count)) {
        result.error = pastEnd;
        return result;
    }
    if (count < 0 || count > RecordingModel::kCurrentCapacity) {
        result.error = "The file " + path + " is not a recording this program can open: it declares " +
                       std::to_string(count) + " samples (a recording holds 0 to " +
                       std::to_string(RecordingModel::kCurrentCapacity) + ").";
        return result;
    }
    if (r.remaining() < static_cast<std::size_t>(count) * kSampleBytes) {
        result.error = pastEnd;
        return result;
    }
    auto& samples = result.contents.samples;
    samples.resize(static_cast<std::size_t>(count));
    for (auto& s : samples) {
        const auto* b = reinterpret_cast<const std::uint8_t*>(r.here());
        s = SampleRecord{b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8],
                         static_cast<std::uint16_t>(b[9] | (b[10] << 8))};
        r.skip(kSampleBytes);
    }

    std::uint32_t length = 0;
    bool wide = false;
    if (!readTitleLength(r, length, wide)) {
        result.error = pastEnd;
        return result;
    }
    const std::size_t bytes = wide ? std::size_t{length} * 2 : std::size_t{length};
    if (r.remaining() < bytes) {
        result.error = pastEnd;
        return result;
    }
    if (wide) {
        std::u16string text(length, u'\0');
        for (auto& c : text) {
            std::uint16_t unit = 0;
            r.read(unit);
            c = static_cast<char16_t>(unit);
        }
        result.contents.title = utf16leToUtf8(text);
    } else {
        result.contents.title.assign(r.here(), bytes);
    }
    result.ok = true;
    return result;
}

std::string encodeTitle(std::string_view title) {
    std::string out;
    const std::size_t n = title.size();
    if (n < 0xFF) {
        out += static_cast<char>(n);
    } else if (n < 0xFFFE) {
        out += '\xFF';
        putLE(out, static_cast<std::uint16_t>(n));
    } else {
        out += '\xFF';
        putLE(out, std::uint16_t{0xFFFF});
        putLE(out, static_cast<std::uint32_t>(n));
    }
    out.append(title);
    return out;
}

std::string encodeDataFile(std::uint8_t patientId, std::span<const SampleRecord> samples, std::string_view title) {
    std::string out;
    out.reserve(5 + samples.size() * kSampleBytes + title.size() + 7);
    out += static_cast<char>(patientId);
    putLE(out, static_cast<std::int32_t>(samples.size()));
    for (const auto& s : samples) putSample(out, s);
    out += encodeTitle(title);
    return out;
}

WriteStatus writeDataFile(const std::string& path, std::uint8_t patientId, std::span<const SampleRecord> samples,
                   std::string_view title) {
    return writeFileAtomically(path, encodeDataFile(patientId, samples, title));
}

DataFileReadResult readRecordingFile(const std::string& path) {
    const auto dot = path.find_last_of("./");
    std::string ext = dot != std::string::npos && path[dot] == '.' ? path.substr(dot + 1) : "";
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "csv") return readCsvRecording(path);
    if (ext == "edf") return readEdfRecording(path);
    return readDataFile(path);
}

bool openSavedData(const std::string& path, RecordingModel& model, const PatientDatabase& db, std::string& error) {
    auto result = readRecordingFile(path);
    if (!result.ok) {
        error = result.error;
        return false;
    }
    if (!model.replaceCurrent(std::move(result.contents.samples))) {
        error = tr(str::CantOpenFile);
        return false;
    }
    model.currentPatient.id = result.contents.patientId;
    model.reportTitle = std::move(result.contents.title);
    db.loadPatientRecord(static_cast<int>(result.contents.patientId) - 1, model.currentPatient);
    return true;
}

std::uint8_t recordingPatientId(const RecordingModel& model) {
    if (model.currentCount() > 0) return model.currentSamples()[0].id;
    return static_cast<std::uint8_t>(model.currentPatient.id);
}

SaveDataResult saveCurrentRecording(const std::string& path, const RecordingModel& model, std::string* reason) {
    const std::uint8_t id = recordingPatientId(model);
    if (const WriteStatus written = writeDataFile(path, id, model.currentSamples(), model.reportTitle); !written) {
        if (reason) *reason = written.reason;
        return SaveDataResult::CannotCreate;
    }
    return id > PatientDatabase::kSlots ? SaveDataResult::PatientIdInvalid : SaveDataResult::Written;
}

void finishSaveData(RecordingModel& model, const PatientDatabase& db) {
    const int id = recordingPatientId(model);
    if (id < 1 || id > PatientDatabase::kSlots || !model.currentPatient.holdsDetails()) return;
    db.storePatientRecord(id, model.currentPatient);
    model.setPatientInfoSaved(id);
}

} // namespace kestrova
