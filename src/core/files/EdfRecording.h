// Recordings as EDF+. Written: SpO2 (%) and Pulse (bpm) at one sample a second in
// data records of 60 s (a last, shorter record padded with 0, an artefact value, under
// an annotation), the patient field (ID 1-255, sex, name), the recording field
// ("Startdate dd-MMM-yyyy", equipment, the report title), annotations for the 3 %
// desaturations, artefact runs, clock jumps and the padding. A clock set forward starts
// a new data record at its true time (EDF+D); a clock set back cannot be stored in time
// order, so its samples continue and "Clock set back by S s" marks the place. Read: any
// EDF or EDF+ (C or D) file with an SpO2-like and a pulse-like signal of at least 1 Hz.
#pragma once

#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "model/PatientRecord.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kestrova {

// The whole file image.
std::string edfRecordingBytes(std::span<const SampleRecord> samples, const PatientRecord& patient,
                              std::string_view title);

WriteStatus writeEdfRecording(const std::string& path, std::span<const SampleRecord> samples,
                              const PatientRecord& patient, std::string_view title);

// What the reader read of the file, in bytes (the header included).
struct EdfReadStats {
    long long bytesRead = 0;
};

// One sample per second (the median of each second's valid readings, or its last
// reading when none is valid, rounded and clamped to a byte), each at its true time
// (EDF+D records, and clock set-backs as Kestrova notes them); the patient ID from a
// numeric EDF+ patient code of 1-255, the name from the patient field; the title from
// the recording field, else the file's base name. The start year by EDF's rule (yy 85-99
// is 19yy, 00-84 20yy) unless the EDF+ recording field gives the full year. Refuses,
// with a plain message, what it cannot use; what the header promises (records x
// duration, the data's size) is checked before any data is read.
Result<DataFileContents> readEdfRecording(const std::string& path, EdfReadStats* stats = nullptr);

} // namespace kestrova
