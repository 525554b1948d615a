// Which reader a recording file goes to: Open Saved Data, `kestrova FILE` and every
// command of kestrova-cli open files through here.
#pragma once

#include "base/Result.h"
#include "files/DataFile.h"

#include <string>
#include <string_view>

namespace kestrova {

enum class RecordingFormat { Data, Csv, Edf };

// By the extension when it names a format (.dat, .csv, .edf, in any case); otherwise by
// the first bytes: an EDF header starts with "0" and seven blanks, a text line holding
// a field separator is CSV, anything else is read as a data file (whose own checks
// then say what is wrong).
RecordingFormat recordingFormatOf(const std::string& path, std::string_view firstBytes);

// How the source's cadence was turned into one sample a second, for `info`.
std::string cadenceText(double sourceInterval);

// Reads a recording of any format the program knows.
Result<DataFileContents> readRecordingFile(const std::string& path);

} // namespace kestrova
