// Recordings as CSV. Written: RFC 4180, UTF-8 without a byte-order mark, CR LF, the
// header "time,spo2,pulse,valid,id,title" and one row per sample (local time as
// recorded, the stored values, 1/0 by the artefact rule, the sample's patient ID; the
// report title in the first row only); no other patient details. Read: Kestrova's own
// and the layouts other oximeters' software writes (see parseCsvRecording).
#pragma once

#include "files/AtomicFile.h"
#include "files/DataFile.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kestrova {

std::string csvRecordingText(std::span<const SampleRecord> samples, std::string_view title = {});
WriteStatus writeCsvRecording(const std::string& path, std::span<const SampleRecord> samples,
                              std::string_view title = {});

// What the reader allocated for itself while parsing (not counting the text and the
// samples it returns): its row table and field buffers, by capacity.
struct CsvReadStats {
    std::size_t workingBytes = 0;
    std::size_t rows = 0;
};

// Parses CSV text (a UTF-8 byte-order mark, CR LF, LF or CR-only lines; comma,
// semicolon or tab separated, the separator the header uses most; decimal commas with
// semicolons or tabs). The header names the columns, compared without regard to case or
// to a unit in brackets: a time column holding date and time, or a date and a time
// column; SpO2 (SpO2, SaO2, Oxygen Level, O2, Sat, OSAT, O2Sat; also in German, French
// and Spanish headers); pulse (Pulse, Pulse Rate, PR, HR, H.R., Heart Rate, BPM, Puls,
// Pouls, Pulso); optionally a patient ID. Dates as YYYY-MM-DD, YYYY/MM/DD, D.M.YYYY,
// M/D/YYYY or D/M/YYYY (the order settled by the whole column; month first when nothing
// settles it, with a note), or with English month names; 24- or 12-hour times (AM/PM);
// or Unix time in seconds (read as UTC). An empty field, "--", "-", "NaN", "N/A", 0 and
// 255 are missing-value markers: an artefact second. Other numbers must be 0 to 127
// (SpO2) or 0 to 254 (pulse).
//
// One sample per second: the last value within a second, an artefact (0, 0) for a
// missing second; when the rows' usual step is 2 to 10 s, each reading is held until the
// next row (a gap longer than kMaxHoldSeconds is still artefact). Kestrova's own file at
// one row a second is read row for row, so a clock jump in it stays a jump. A row whose
// time goes back continues the recording and is noted; a repeated time is refused unless
// both rows agree. `title` becomes the recording's title unless the file names one.
// Working memory stays within about 1.5 row-table entries per row plus the longest
// quoted field, whatever the number of lines or header columns.
Result<DataFileContents> parseCsvRecording(std::string_view text, const std::string& title,
                                           CsvReadStats* stats = nullptr);

// Reads and parses a file (a regular file of bounded size).
Result<DataFileContents> readCsvRecording(const std::string& path);

} // namespace kestrova
