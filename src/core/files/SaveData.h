// Open Saved Data and Save Data on the current recording, without dialogs or display:
// the GUI's document and the command line both run these.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <string>

namespace kestrova {

class RecordingModel;
class PatientDatabase;
struct DataFileContents;

// Reads `path` (any recording format) and, only when the whole file was read, makes
// it the current recording with its title and loads the patient record of its ID. On
// failure nothing changes.
Outcome openSavedData(const std::string& path, RecordingModel& model, const PatientDatabase& db);
// Its second half, for a caller that read the file itself.
Outcome makeCurrentRecording(DataFileContents&& contents, RecordingModel& model, const PatientDatabase& db);

// The ID byte of a saved recording: the ID of its first sample (the current patient's
// ID when the recording is empty).
std::uint8_t recordingPatientId(const RecordingModel& model);

// Save Data as .dat: writes the current recording and title; gives the ID byte written.
// An ID above the database's slots is the caller's to report (the file is written,
// and finishSaveData must not run).
Result<std::uint8_t> saveCurrentRecording(const std::string& path, const RecordingModel& model);

// The last step of Save Data, taken only after a file was written: stores the current
// patient under the recording's ID when it has a slot and marks the ID's patient
// details as saved. A record without details is not stored, so saving a downloaded
// recording never blanks the details its ID's slot holds.
Outcome finishSaveData(RecordingModel& model, const PatientDatabase& db);

} // namespace kestrova
