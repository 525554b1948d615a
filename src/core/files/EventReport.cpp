#include "files/EventReport.h"

#include "files/AtomicFile.h"
#include "files/PatientText.h"

#include <cstdio>

namespace kestrova {
namespace {

void appendStamp(std::string& out, const SampleRecord& s) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "2%03d/%02d/%02d-%02d:%02d:%02d", s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    out += buf;
}

void appendEvents(std::string& out, std::span<const SampleRecord> samples, const EventList& events) {
    out += "Start Date&Time\t\tEnd Date&Time\t\tKeep Count\tMax Value\tMin Value\r\n";
    const auto n = static_cast<std::int64_t>(samples.size());
    for (const auto& e : events) {
        const std::int64_t last = std::int64_t{e.start} + e.length - 1;
        if (e.start < 0 || e.length < 1 || last >= n) continue; // lists of another recording
        appendStamp(out, samples[static_cast<std::size_t>(e.start)]);
        out += '\t';
        appendStamp(out, samples[static_cast<std::size_t>(last)]);
        char buf[64];
        std::snprintf(buf, sizeof buf, "\t%d\t\t%d\t\t%d\r\n", e.length, e.maxValue, e.minValue);
        out += buf;
    }
}

} // namespace

std::string eventReportText(std::span<const SampleRecord> samples, const PatientRecord& patient, UnitSystem units,
                            const EventList& desaturationEvents, const EventList& pulseEvents) {
    std::string out = patientHeaderLines(patient, units);
    out += "SpO2 Event\r\n";
    appendEvents(out, samples, desaturationEvents);
    out += "\r\n\r\nPR Event\r\n";
    appendEvents(out, samples, pulseEvents);
    return out;
}

WriteStatus writeEventReport(const std::string& path, std::span<const SampleRecord> samples,
                             const PatientRecord& patient, UnitSystem units, const EventList& desaturationEvents,
                             const EventList& pulseEvents) {
    return writeFileAtomically(path, eventReportText(samples, patient, units, desaturationEvents, pulseEvents));
}

} // namespace kestrova
