// The tab-separated text export.
#include "files/AtomicFile.h"
#include "files/Export.h"
#include "files/PatientText.h"
#include "text/StringTable.h"

#include <cstdio>

namespace kestrova {

std::string exportMessage(const ExportStatus& status) {
    const std::string detail = status.reason.empty() ? std::string() : ": " + status.reason;
    switch (status.result) {
    case ExportResult::CannotCreate: return tr(str::CantCreateFile) + detail;
    case ExportResult::WorkbookFailed: return tr(str::CreateExcelFailed) + detail;
    default: return {};
    }
}

std::string fileExtension(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

ExportStatus writeTextExport(const std::string& path, std::span<const SampleRecord> samples,
                             const PatientRecord& patient, UnitSystem units) {
    AtomicFile out(path);
    if (!out.isOpen()) return {ExportResult::CannotCreate, out.error()};
    out.write(patientHeaderLines(patient, units));
    out.write("Date&Time\t\t\t\tSpO2\t\tPR\r\n");
    char line[96];
    for (const auto& s : samples) {
        const int n = std::snprintf(line, sizeof line, "2%03d/%02d/%02d %02d:%02d:%02d\t\t\t%d\t\t%d\r\n", s.year,
                                    s.month, s.day, s.hour, s.minute, s.second, s.spo2, s.pulseRate);
        out.write(line, static_cast<std::size_t>(n));
    }
    if (!out.commit()) return {ExportResult::CannotCreate, out.error()};
    return {ExportResult::Written, {}};
}

} // namespace kestrova
