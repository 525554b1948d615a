// Saved data files (*.dat): patient ID byte, int32 sample count N, N samples of
// 11 bytes (nine byte fields, then aux low byte first), then the report title as a
// length-prefixed string. Little-endian, no header; identical to the Windows files.
#pragma once

#include "files/AtomicFile.h"
#include "model/SampleRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

class RecordingModel;
class PatientDatabase;

struct DataFileContents {
    std::uint8_t patientId = 0;
    std::vector<SampleRecord> samples;
    std::string title; // bytes as stored (a wide title is converted to UTF-8)
};

struct DataFileReadResult {
    bool ok = false;
    std::string error; // the text to show when !ok
    DataFileContents contents;
};

inline constexpr std::size_t kSampleBytes = 11;

// Reads the whole file; refuses a negative count, a count above the current
// recording's capacity and a file that ends early, with the message to show.
DataFileReadResult readDataFile(const std::string& path);

// The title with its length prefix (1, 3 or 7 bytes before the characters).
std::string encodeTitle(std::string_view title);

// The complete file image.
std::string encodeDataFile(std::uint8_t patientId, std::span<const SampleRecord> samples, std::string_view title);

// Writes through a temporary file and renames it, so a failed save leaves any
// earlier file untouched. False when the file could not be written.
WriteStatus writeDataFile(const std::string& path, std::uint8_t patientId, std::span<const SampleRecord> samples,
                   std::string_view title);

// A recording file by its extension: .csv (CsvRecording), otherwise a data file.
DataFileReadResult readRecordingFile(const std::string& path);

// "Open Saved Data" without its dialog and display: reads `path` and, only when the
// whole file was read, makes it the current recording with its title, loads the
// patient record of its ID and resets the page. On failure nothing changes and
// `error` holds the message.
bool openSavedData(const std::string& path, RecordingModel& model, const PatientDatabase& db, std::string& error);

enum class SaveDataResult { Written, CannotCreate, PatientIdInvalid };

// The ID byte of a saved recording: the ID of its first sample (the current patient's
// ID when the recording is empty).
std::uint8_t recordingPatientId(const RecordingModel& model);

// "Save Data" as .dat: writes the current recording and title. PatientIdInvalid means
// the file was written but its ID is above 128 (the caller shows the message and skips
// finishSaveData). `reason` says why a file could not be created.
SaveDataResult saveCurrentRecording(const std::string& path, const RecordingModel& model,
                                    std::string* reason = nullptr);

// The last step of "Save Data", taken only after a file was written: stores the
// current patient under the recording's ID when it is 1..128 and marks the ID's
// patient details as saved. A record without details is not stored, so saving a
// downloaded recording never blanks the details its ID's slot holds.
void finishSaveData(RecordingModel& model, const PatientDatabase& db);

} // namespace kestrova
