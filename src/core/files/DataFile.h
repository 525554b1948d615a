// Saved data files (*.dat): patient ID byte, int32 sample count N, N samples of
// 11 bytes (nine byte fields, then aux low byte first), then the report title as a
// length-prefixed string. Little-endian, no header; identical to the Windows files.
#pragma once

#include "base/Result.h"
#include "files/AtomicFile.h"
#include "model/SampleRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

struct DataFileContents {
    std::uint8_t patientId = 0;
    std::vector<SampleRecord> samples;
    std::string title; // bytes as stored (a wide title is converted to UTF-8)
    // Seconds between the source's own readings: 1 for one a second (data files); more
    // for a slower regular cadence, whose readings are held until the next one; less for
    // a faster source, reduced to one value a second.
    double sourceInterval = 1;
    // How the source file was laid out, in words for `info` (empty for data files).
    std::string layout;
    // What a reader settled on its own and the user should know: an ambiguous date order,
    // a clock set back ("clock set back at line N by S s"), missing-value markers.
    std::vector<std::string> notes;
    // The patient's name as the file gives it (EDF+), empty when it gives none.
    std::string patientName;
};

// A reading of a slower source is held for at most this many seconds; a longer gap
// is artefact.
inline constexpr int kMaxHoldSeconds = 10;

inline constexpr std::size_t kSampleBytes = 11;

// Parses a whole file image; refuses a negative count, a count above the current
// recording's capacity and a file that ends early, with the message to show (which
// names `path`).
Result<DataFileContents> parseDataFile(std::string_view bytes, const std::string& path);

// Reads only what the header declares, then parses it.
Result<DataFileContents> readDataFile(const std::string& path);

// The title with its length prefix (1, 3 or 7 bytes before the characters).
std::string encodeTitle(std::string_view title);

// The complete file image.
std::string encodeDataFile(std::uint8_t patientId, std::span<const SampleRecord> samples, std::string_view title);

// Writes through a temporary file and renames it, so a failed save leaves any
// earlier file untouched. False when the file could not be written.
WriteStatus writeDataFile(const std::string& path, std::uint8_t patientId, std::span<const SampleRecord> samples,
                          std::string_view title);

} // namespace kestrova
