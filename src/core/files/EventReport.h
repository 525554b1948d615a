// The event time report: the patient block, then every SpO2 and pulse-rate event
// with its start and end time, length and extremes.
#pragma once

#include "analysis/Analysis.h"
#include "files/AtomicFile.h"
#include "model/PatientRecord.h"
#include "model/SampleRecord.h"

#include <span>
#include <string>

namespace kestrova {

// The report's bytes (CR LF lines, tab-separated).
std::string eventReportText(std::span<const SampleRecord> samples, const PatientRecord& patient, UnitSystem units,
                            const EventList& desaturationEvents, const EventList& pulseEvents);

// Writes the report through a temporary file; the status says why it could not.
WriteStatus writeEventReport(const std::string& path, std::span<const SampleRecord> samples,
                             const PatientRecord& patient, UnitSystem units, const EventList& desaturationEvents,
                             const EventList& pulseEvents);

} // namespace kestrova
