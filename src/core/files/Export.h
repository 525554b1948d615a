// The exports of "Save Data": a tab-separated text file and a spreadsheet workbook,
// both carrying the patient block and one line or row per sample.
#pragma once

#include "model/PatientRecord.h"
#include "model/SampleRecord.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace kestrova {

enum class ExportResult {
    Written,
    CannotCreate,      // text file: "Can't create the file"
    WorkbookFailed,    // workbook: "Create Excel service failed !"
    Cancelled,         // the user stopped it; no file was left behind
};

struct ExportStatus {
    ExportResult result = ExportResult::CannotCreate;
    std::string reason; // "<path>: <the system's reason>" when the file could not be created
    bool operator==(ExportResult r) const { return result == r; }
};

// The message for a failed export, with the path and reason when there is one (empty
// for Written and Cancelled).
std::string exportMessage(const ExportStatus& status);

// Called now and then with (samples done, total); returning false cancels.
using ExportProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// `units`: the UnitSetup setting at the moment of export.
ExportStatus writeTextExport(const std::string& path, std::span<const SampleRecord> samples,
                             const PatientRecord& patient, UnitSystem units);


// An Office Open XML workbook (also for names ending in ".xls"), written row by row
// in constant memory. The target is replaced only by a complete workbook.
ExportStatus writeSpreadsheetExport(const std::string& path, std::span<const SampleRecord> samples,
                                    const PatientRecord& patient, UnitSystem units,
                                    const ExportProgress& progress = {});

// The cell layout: rows of 65532 samples per block, blocks six columns apart, the
// fourth block taking every remaining sample. 0-based row and column of sample k's
// first cell (its "Num").
struct CellPosition { std::uint32_t row; std::uint16_t column; };
CellPosition spreadsheetCellOf(std::int64_t k);
inline constexpr std::int64_t kSamplesPerBlock = 65532;

// The text after the last dot of a file name ("" when there is none), in lower case:
// "REC.DAT" is a data file like "rec.dat".
std::string fileExtension(const std::string& path);

} // namespace kestrova
