#include "files/RecordingFile.h"

#include "files/CsvRecording.h"
#include "files/EdfRecording.h"
#include "files/Export.h"
#include "files/InputFile.h"

#include <cstdio>

namespace kestrova {
namespace {

// A first line of at least three printable characters with a letter and a comma,
// semicolon or tab in it. A data file that reads can never look so: its sample count
// (bytes 1-4) then has a zero byte or exceeds what a recording holds.
bool looksLikeCsv(std::string_view head) {
    if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
    const auto end = head.find_first_of("\r\n");
    if (end == std::string_view::npos || end < 3) return false;
    bool separator = false, letter = false;
    for (const char c : head.substr(0, end)) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t') return false;
        separator = separator || c == ',' || c == ';' || c == '\t';
        letter = letter || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    }
    return separator && letter;
}

} // namespace

std::string cadenceText(double interval) {
    char buf[128];
    if (interval > 1.0)
        std::snprintf(buf, sizeof buf, "one reading every %g s, each held until the next (up to %d s)", interval,
                      kMaxHoldSeconds);
    else if (interval < 1.0)
        std::snprintf(buf, sizeof buf, "%g readings a second, each second the median of its valid readings",
                      1.0 / interval);
    else
        std::snprintf(buf, sizeof buf, "one reading a second");
    return buf;
}

RecordingFormat recordingFormatOf(const std::string& path, std::string_view head) {
    const std::string ext = fileExtension(path);
    if (ext == "csv") return RecordingFormat::Csv;
    if (ext == "edf") return RecordingFormat::Edf;
    if (ext == "dat") return RecordingFormat::Data;
    if (head.starts_with("0       ")) return RecordingFormat::Edf;
    if (looksLikeCsv(head)) return RecordingFormat::Csv;
    return RecordingFormat::Data;
}

Result<DataFileContents> readRecordingFile(const std::string& path) {
    std::string head;
    if (const std::string ext = fileExtension(path); ext != "csv" && ext != "edf" && ext != "dat") {
        // Sniffing needs the first bytes; a file that cannot even be opened is left to
        // the data file reader, which says so in its words.
        if (auto file = InputFile::open(path)) {
            if (auto bytes = file->read(0, 256)) head = std::move(*bytes);
        }
    }
    switch (recordingFormatOf(path, head)) {
    case RecordingFormat::Csv: return readCsvRecording(path);
    case RecordingFormat::Edf: return readEdfRecording(path);
    case RecordingFormat::Data: break;
    }
    return readDataFile(path);
}

} // namespace kestrova
