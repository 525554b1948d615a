#include "analysis/AnalysisSheet.h"

#include "text/StringTable.h"
#include "text/Translate.h"

#include <cstdio>

namespace kestrova {
namespace {

std::string num(std::int32_t v) {
    return std::to_string(v);
}

std::string perHour(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0.1f", static_cast<double>(v));
    return buf;
}

std::string threshold(const char* prefix, int limit, std::int32_t count) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%s%d         %d", prefix, limit, count);
    return buf;
}

} // namespace

std::vector<SheetRow> summaryRows(const AnalysisResult& r) {
    const auto& d = r.desaturation;
    const auto& p = r.pulse;
    const auto& s = r.statistics;
    return {
        {tr(str::EventData), "Spo2", ktr("AnalysisSheet", "Pulse")},
        {tr(str::TotalEvents), num(d.count), num(p.count)},
        {tr(str::TimeInEvents), num(d.totalDuration), num(p.totalDuration)},
        {tr(str::AverageEventDuration), num(d.averageDuration), num(p.averageDuration)},
        {tr(str::EventIndex), perHour(d.indexPerHour), perHour(p.indexPerHour)},
        {tr(str::AverageEventMax), num(d.averageMax), num(p.averageMax)},
        {tr(str::AverageEventMin), num(d.averageMin), num(p.averageMin)},
        {tr(str::MaxEventOffset), num(d.maxOnsetDrop), num(p.maxOnsetDrop)},
        {tr(str::MaxTimeEvent), num(d.maxDuration), num(p.maxDuration)},
        {tr(str::MaxDuration), num(s.maxSpo2), num(s.maxPulse)},
        {tr(str::MinDuration), num(s.minSpo2), num(s.minPulse)},
        {tr(str::AverageDuration), num(s.avgSpo2), num(s.avgPulse)},
    };
}

std::vector<ThresholdRow> thresholdRows(const AnalysisResult& r) {
    const auto& s = r.statistics;
    const auto& l = r.limits;
    const std::string times = tr(str::Times);
    return {
        {threshold("Spo2  >  ", l.saturationsHigh, s.spo2AboveHigh), times},
        {threshold("Spo2  <  ", l.saturationsLow, s.spo2BelowLow), times},
        {threshold("Pulse  >  ", l.prHigh, s.pulseAboveHigh), times},
        {threshold("Pulse  <  ", l.prLow, s.pulseBelowLow), times},
        {tr(str::Diagnose), ""},
    };
}

std::string desaturationCriteria(int desaturationsEvent) {
    return tr(str::DesatCriteria) + " " + std::to_string(desaturationsEvent) + tr(str::DesatCriteriaTail);
}

std::string pulseCriteria(int pulseEvent) {
    return tr(str::PulseCriteria) + " " + std::to_string(pulseEvent) + " " + tr(str::PulseCriteriaTail);
}

} // namespace kestrova
