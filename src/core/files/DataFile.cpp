#include "files/DataFile.h"

#include "files/AtomicFile.h"
#include "files/InputFile.h"
#include "model/RecordingModel.h"
#include "text/StringTable.h"
#include "text/TextCodec.h"
#include "text/Translate.h"

#include <algorithm>
#include <cstring>

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

// The largest file a recording can be: its header, the most samples a recording
// holds, and a title far longer than anyone types. Anything bigger (a huge or sparse
// file given a .dat name) is refused before its contents are looked at.
constexpr std::size_t kLargestDataFile =
    5 + static_cast<std::size_t>(RecordingModel::kCurrentCapacity) * kSampleBytes + 10 + (std::size_t{16} << 20);

void putSample(std::string& out, const SampleRecord& s) {
    const char bytes[kSampleBytes] = {
        static_cast<char>(s.id),         static_cast<char>(s.year),    static_cast<char>(s.month),
        static_cast<char>(s.day),        static_cast<char>(s.hour),    static_cast<char>(s.minute),
        static_cast<char>(s.second),     static_cast<char>(s.spo2),    static_cast<char>(s.pulseRate),
        static_cast<char>(s.aux & 0xFF), static_cast<char>(s.aux >> 8)};
    out.append(bytes, kSampleBytes);
}

template <typename T> void putLE(std::string& out, T v) {
    char bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    out.append(bytes, sizeof v);
}

} // namespace

Result<DataFileContents> parseDataFile(std::string_view data, const std::string& path) {
    const Error pastEnd{
        Status::Invalid, path, {}, 0, 0, text::arg(ktr("DataFile", "Attempted to access %1 past its end."), {path})};
    ByteReader r(data);
    DataFileContents contents;
    std::int32_t count = 0;
    if (!r.read(contents.patientId) || !r.read(count)) return pastEnd;
    if (count < 0 || count > RecordingModel::kCurrentCapacity)
        return Error{Status::TooLarge,
                     path,
                     {},
                     0,
                     0,
                     text::arg(ktr("DataFile", "The file %1 is not a recording this program can open: it "
                                               "declares %2 samples (a recording holds 0 to %3)."),
                               {path, std::to_string(count), std::to_string(RecordingModel::kCurrentCapacity)})};
    if (r.remaining() < static_cast<std::size_t>(count) * kSampleBytes) return pastEnd;
    auto& samples = contents.samples;
    samples.resize(static_cast<std::size_t>(count));
    for (auto& s : samples) {
        const auto* b = reinterpret_cast<const std::uint8_t*>(r.here());
        s = SampleRecord{b[0], b[1], b[2], b[3], b[4],
                         b[5], b[6], b[7], b[8], static_cast<std::uint16_t>(b[9] | (b[10] << 8))};
        r.skip(kSampleBytes);
    }

    std::uint32_t length = 0;
    bool wide = false;
    if (!readTitleLength(r, length, wide)) return pastEnd;
    const std::size_t bytes = wide ? std::size_t{length} * 2 : std::size_t{length};
    if (r.remaining() < bytes) return pastEnd;
    if (wide) {
        std::u16string text(length, u'\0');
        for (auto& c : text) {
            std::uint16_t unit = 0;
            r.read(unit);
            c = static_cast<char16_t>(unit);
        }
        contents.title = utf16leToUtf8(text);
    } else {
        contents.title.assign(r.here(), bytes);
    }
    return contents;
}

Result<DataFileContents> readDataFile(const std::string& path) {
    auto file = InputFile::open(path);
    if (!file) {
        Error e = file.error();
        e.messageId = str::CantOpenFile;
        return e;
    }
    if (file->size() > kLargestDataFile)
        return Error{Status::TooLarge,
                     path,
                     {},
                     0,
                     0,
                     text::arg(ktr("DataFile", "The file %1 is not a recording this program can open: it is %2 bytes "
                                               "long (a recording is at most %3 bytes)."),
                               {path, std::to_string(file->size()), std::to_string(kLargestDataFile)})};
    // Only what the header promises is read: the samples it declares and a title the
    // file actually holds, so neither a device nor a huge file exhausts memory.
    auto head = file->read(0, 5);
    if (!head) return head.error();
    std::string data = std::move(*head);
    std::int32_t declared = 0;
    if (data.size() == 5) std::memcpy(&declared, data.data() + 1, 4);
    if (data.size() == 5 && declared >= 0 && declared <= RecordingModel::kCurrentCapacity) {
        // Header, samples and the longest title prefix (7 bytes, or 10 in the wide form).
        const std::size_t titleAt = 5 + static_cast<std::size_t>(declared) * kSampleBytes;
        auto body = file->read(0, std::min(file->size(), titleAt + 10));
        if (!body) return body.error();
        data = std::move(*body);
        std::size_t end = 0;
        if (titleEndAt(data, titleAt, end) && end <= file->size() && end > data.size()) {
            auto rest = file->read(data.size(), end - data.size());
            if (!rest) return rest.error();
            data += *rest;
        }
    }
    return parseDataFile(data, path);
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

} // namespace kestrova
