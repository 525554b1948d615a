// The tab-separated text export.
#include "files/AtomicFile.h"
#include "files/Export.h"
#include "files/PatientText.h"
#include "text/StringTable.h"

#include <cstdio>

namespace kestrova {

std::string exportMessage(const ExportStatus& status) {
    if (status.ok() || status.status() == Status::Cancelled) return {};
    return status.error().text();
}

Error exportCannotCreate(const AtomicFile& file) {
    Error e = file.status().error();
    e.messageId = str::CantCreateFile;
    return e;
}

Error workbookFailed(std::string reason) {
    return Error{Status::IoError, {}, std::move(reason), str::CreateExcelFailed};
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
    if (!out.isOpen()) return exportCannotCreate(out);
    out.write(patientHeaderLines(patient, units));
    out.write("Date&Time\t\t\t\tSpO2\t\tPR\r\n");
    char line[96];
    for (const auto& s : samples) {
        const int n = std::snprintf(line, sizeof line, "2%03d/%02d/%02d %02d:%02d:%02d\t\t\t%d\t\t%d\r\n", s.year,
                                    s.month, s.day, s.hour, s.minute, s.second, s.spo2, s.pulseRate);
        out.write(line, static_cast<std::size_t>(n));
    }
    if (!out.commit()) return exportCannotCreate(out);
    return {};
}

} // namespace kestrova
