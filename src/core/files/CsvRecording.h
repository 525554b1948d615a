// Recordings as CSV. Written: RFC 4180, UTF-8 without a byte-order mark, CR LF, the
// header "time,spo2,pulse,valid" and one row per sample (local time as recorded, the
// stored values, 1/0 by the artefact rule); no patient details. Read: Kestrova's own
// and the common layouts of other oximeters' software (see readCsvRecording).
#pragma once

#include "files/AtomicFile.h"
#include "files/DataFile.h"

#include <span>
#include <string>
#include <string_view>

namespace kestrova {

std::string csvRecordingText(std::span<const SampleRecord> samples);
WriteStatus writeCsvRecording(const std::string& path, std::span<const SampleRecord> samples);

// Parses CSV text: a header row naming a time column (ISO 8601 or "YYYY-MM-DD
// HH:MM:SS"), or separate date ("YYYY-MM-DD", "DD/MM/YYYY" or "MM/DD/YYYY", the order
// settled by the whole column) and time columns; an SpO2 column and a pulse column;
// optionally a patient ID column. Comma, semicolon or tab separated; names compared
// without regard to case. One sample per second: the last value within a second, an
// artefact (0, 0) for a missing second; but when the rows' usual step is 2 to 10 s, each
// reading is held until the next row (a gap longer than kMaxHoldSeconds is still
// artefact). `title` becomes the recording's title.
Result<DataFileContents> parseCsvRecording(std::string_view text, const std::string& title);

// Reads and parses a file (a regular file of bounded size).
Result<DataFileContents> readCsvRecording(const std::string& path);

} // namespace kestrova
