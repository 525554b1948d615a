// kestrova-cli analyze FILE.dat [--json]: the analysis sheet's figures.
#include "CliCommon.h"

#include "analysis/Analysis.h"
#include "analysis/AnalysisSheet.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <string>

namespace kestrova::cli {
namespace {

// Shortest text that reads back as the same float, always with a decimal point.
std::string decimal(float v) {
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, end);
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s;
}

std::string eventsJson(const EventSummary& s, const EventList& events) {
    std::string out = "{\"summary\": {";
    out += "\"count\": " + std::to_string(s.count);
    out += ", \"totalDuration\": " + std::to_string(s.totalDuration);
    out += ", \"averageDuration\": " + std::to_string(s.averageDuration);
    out += ", \"indexPerHour\": " + decimal(s.indexPerHour);
    out += ", \"averageMax\": " + std::to_string(s.averageMax);
    out += ", \"averageMin\": " + std::to_string(s.averageMin);
    out += ", \"maxOnsetDrop\": " + std::to_string(s.maxOnsetDrop);
    out += ", \"maxDuration\": " + std::to_string(s.maxDuration);
    out += "}, \"events\": [";
    for (std::size_t i = 0; i < events.size(); ++i) {
        const auto& e = events[i];
        if (i) out += ", ";
        out += "{\"start\": " + std::to_string(e.start) + ", \"length\": " + std::to_string(e.length) +
               ", \"maxValue\": " + std::to_string(e.maxValue) + ", \"minValue\": " + std::to_string(e.minValue) +
               ", \"onsetDrop\": " + std::to_string(e.onsetDrop) + "}";
    }
    return out + "]}";
}

std::string analysisJson(const AnalysisResult& r) {
    const auto& l = r.limits;
    const auto& s = r.statistics;
    auto kv = [](const char* k, long long v) { return std::string("\"") + k + "\": " + std::to_string(v); };
    std::string out = "{" + kv("samples", r.samples) + ", \"limits\": {";
    out += kv("SaturationsHigh", l.saturationsHigh) + ", " + kv("SaturationsLow", l.saturationsLow) + ", " +
           kv("PrHigh", l.prHigh) + ", " + kv("PrLow", l.prLow) + ", " +
           kv("DesaturationsEvent", l.desaturationsEvent) + ", " + kv("PulseEvent", l.pulseEvent);
    out += "}, \"statistics\": {";
    out += kv("maxSpo2", s.maxSpo2) + ", " + kv("minSpo2", s.minSpo2) + ", " + kv("avgSpo2", s.avgSpo2) + ", " +
           kv("maxSpo2Index", s.maxSpo2Index) + ", " + kv("minSpo2Index", s.minSpo2Index) + ", " +
           kv("spo2AboveHigh", s.spo2AboveHigh) + ", " + kv("spo2BelowLow", s.spo2BelowLow) + ", " +
           kv("maxPulse", s.maxPulse) + ", " + kv("minPulse", s.minPulse) + ", " + kv("avgPulse", s.avgPulse) +
           ", " + kv("maxPulseIndex", s.maxPulseIndex) + ", " + kv("minPulseIndex", s.minPulseIndex) + ", " +
           kv("pulseAboveHigh", s.pulseAboveHigh) + ", " + kv("pulseBelowLow", s.pulseBelowLow);
    out += "}, \"desaturation\": " + eventsJson(r.desaturation, r.desaturationEvents);
    out += ", \"pulse\": " + eventsJson(r.pulse, r.pulseEvents) + "}";
    return out;
}

// The sheet's table as text: label, SpO2, Pulse; then the threshold counts and criteria.
std::string analysisText(const AnalysisResult& r) {
    std::string out;
    char line[256];
    for (const auto& row : summaryRows(r)) {
        std::snprintf(line, sizeof line, "%-24s%-10s%s\n", row.label.c_str(), row.spo2.c_str(), row.pulse.c_str());
        out += line;
    }
    out += "\n";
    for (const auto& row : thresholdRows(r)) {
        std::snprintf(line, sizeof line, "%-34s%s\n", row.text.c_str(), row.unit.c_str());
        out += line;
    }
    out += "\n" + desaturationCriteria(r.limits.desaturationsEvent) + "\n";
    out += pulseCriteria(r.limits.pulseEvent) + "\n";
    return out;
}

} // namespace

void addAnalyzeCommand(CLI::App& app) {
    auto options = std::make_shared<CommonOptions>();
    auto file = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    auto* sub = app.add_subcommand("analyze", "Event and threshold analysis of a saved recording");
    sub->add_option("FILE", *file, "Saved data file (.dat)")->required();
    sub->add_flag("--json", *json, "One JSON object instead of the summary table");
    addHomeOption(*sub, *options);
    sub->callback([options, file, json] {
        auto model = std::make_unique<RecordingModel>();
        if (!loadRecording(*file, *options, *model)) throw CLI::RuntimeError(1);
        const AnalysisResult r = computeAnalysis(model->currentSamples(), Settings());
        const std::string text = *json ? analysisJson(r) + "\n" : analysisText(r);
        std::fwrite(text.data(), 1, text.size(), stdout);
    });
}

} // namespace kestrova::cli
