// Recordings as EDF+ (through EDFlib): written as EDF+C with the signals SpO2 (%) and
// Pulse (bpm) at one sample per second, the patient and recording fields, and
// annotations for the 3 % desaturations, artefact runs and time discontinuities; read
// from any EDF or EDF+ file with an SpO2-like and a pulse-like signal of at least 1 Hz.
#pragma once

#include "files/AtomicFile.h"
#include "files/DataFile.h"
#include "model/PatientRecord.h"

#include <span>
#include <string>

namespace kestrova {

WriteStatus writeEdfRecording(const std::string& path, std::span<const SampleRecord> samples,
                              const PatientRecord& patient);

// One sample per second (the median of each second's valid readings, or its last
// reading when none is valid, rounded and clamped to a byte); the patient ID from a numeric patient code of 1-127; the
// title from the file's base name. Refuses, with a message naming the signal, what it cannot use.
Result<DataFileContents> readEdfRecording(const std::string& path);

} // namespace kestrova
