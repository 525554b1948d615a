#include "files/RecordingFile.h"
#include "text/Translate.h"

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
    // The figure as printf's %g writes it, in a sentence a translation may reorder.
    auto figure = [](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g", v);
        return std::string(buf);
    };
    if (interval > 1.0)
        return text::arg(ktr("RecordingFile", "one reading every %1 s, each held until the next (up to %2 s)"),
                         {figure(interval), std::to_string(kMaxHoldSeconds)});
    if (interval < 1.0)
        return text::arg(ktr("RecordingFile", "%1 readings a second, each second the median of its valid readings"),
                         {figure(1.0 / interval)});
    return ktr("RecordingFile", "one reading a second");
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
