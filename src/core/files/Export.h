// The exports of "Save Data": a tab-separated text file and a spreadsheet workbook,
// both carrying the patient block and one line or row per sample.
#pragma once

#include "base/Result.h"
#include "model/PatientRecord.h"
#include "model/SampleRecord.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace kestrova {

// How an export ended: Ok; Cancelled when the user stopped it (no file was left
// behind); otherwise the error, whose message is "Can't create the file" when the file
// could not be made or "Create Excel service failed !" when the workbook library
// failed, followed by the path and the reason.
using ExportStatus = Outcome;

// The message for a failed export (empty for a written or cancelled one).
std::string exportMessage(const ExportStatus& status);

class AtomicFile;
// "Can't create the file" with why `file` could not be made or committed.
Error exportCannotCreate(const AtomicFile& file);
// "Create Excel service failed !" with the workbook library's reason, if any.
Error workbookFailed(std::string reason);

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
struct CellPosition {
    std::uint32_t row;
    std::uint16_t column;
};
CellPosition spreadsheetCellOf(std::int64_t k);
inline constexpr std::int64_t kSamplesPerBlock = 65532;

// The text after the last dot of a file name ("" when there is none), in lower case:
// "REC.DAT" is a data file like "rec.dat".
std::string fileExtension(const std::string& path);

} // namespace kestrova
