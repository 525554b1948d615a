// kestrova-cli analyze FILE.dat [--json]: the analysis sheet's figures.
#include "CliCommon.h"

#include "analysis/Analysis.h"
#include "analysis/AnalysisSheet.h"
#include "analysis/ClinicalMetrics.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/Translate.h"

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
           kv("maxPulse", s.maxPulse) + ", " + kv("minPulse", s.minPulse) + ", " + kv("avgPulse", s.avgPulse) + ", " +
           kv("maxPulseIndex", s.maxPulseIndex) + ", " + kv("minPulseIndex", s.minPulseIndex) + ", " +
           kv("pulseAboveHigh", s.pulseAboveHigh) + ", " + kv("pulseBelowLow", s.pulseBelowLow);
    out += "}, \"desaturation\": " + eventsJson(r.desaturation, r.desaturationEvents);
    out += ", \"pulse\": " + eventsJson(r.pulse, r.pulseEvents) + "}";
    return out;
}

std::string exact(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v); // reads back as the same double
    return buf;
}

std::string timeAndPercentJson(const SecondsAndPercent& t) {
    return "{\"seconds\": " + std::to_string(t.seconds) + ", \"percent\": " + exact(t.percent) + "}";
}

std::string eventJson(const DesaturationEvent& e, std::span<const SampleRecord> samples) {
    return "{\"start\": " + std::to_string(e.start) + ", \"end\": " + std::to_string(e.end) + ", \"startTime\": \"" +
           isoTime(samples[static_cast<std::size_t>(e.start)]) + "\", \"duration\": " + std::to_string(e.duration()) +
           ", \"baseline\": " + std::to_string(e.baseline) + ", \"nadir\": " + std::to_string(e.nadir) +
           ", \"depth\": " + std::to_string(e.depth()) + ", \"area\": " + std::to_string(e.area) +
           ", \"seconds\": " + std::to_string(e.seconds()) + ", \"nadirIndex\": " + std::to_string(e.nadirIndex) + "}";
}

std::string odiJson(const DesaturationIndex& odi, std::span<const SampleRecord> samples) {
    std::string out = "{\"events\": " + std::to_string(odi.events.size()) + ", \"perHour\": " + exact(odi.perHour) +
                      ", \"meanDepth\": " + exact(odi.meanDepth) + ", \"medianDepth\": " + exact(odi.medianDepth) +
                      ", \"meanDuration\": " + exact(odi.meanDuration) +
                      ", \"medianDuration\": " + exact(odi.medianDuration) + ", \"longest\": " +
                      (odi.longest < 0 ? std::string("null")
                                       : eventJson(odi.events[static_cast<std::size_t>(odi.longest)], samples)) +
                      ", \"list\": [";
    for (std::size_t i = 0; i < odi.events.size(); ++i) out += (i ? ", " : "") + eventJson(odi.events[i], samples);
    return out + "]}";
}

std::string clinicalJson(const ClinicalMetrics& m, std::span<const SampleRecord> samples) {
    auto kv = [](const char* k, long long v) { return std::string("\"") + k + "\": " + std::to_string(v); };
    std::string out = "{" + kv("recordedSeconds", m.recordedSeconds) + ", " + kv("validSeconds", m.validSeconds) +
                      ", " + kv("artefactSeconds", m.artefactSeconds);
    out += ", \"spo2\": {\"mean\": " + exact(m.spo2.mean) + ", " + kv("median", m.spo2.median) + ", " +
           kv("min", m.spo2.min) + ", " + kv("minIndex", m.spo2.minIndex) + ", " + kv("max", m.spo2.max) + "}";
    out += ", \"t90\": " + timeAndPercentJson(m.t90) + ", \"t88\": " + timeAndPercentJson(m.t88);
    out += ", \"bands\": [";
    for (std::size_t i = 0; i < m.bands.size(); ++i) {
        const auto& b = m.bands[i];
        out += std::string(i ? ", " : "") + "{" + kv("low", b.low) + ", " + kv("high", b.high) + ", " +
               kv("seconds", b.time.seconds) + ", \"percent\": " + exact(b.time.percent) + "}";
    }
    out += "], \"odi3\": " + odiJson(m.odi3, samples) + ", \"odi4\": " + odiJson(m.odi4, samples);
    out += ", \"desaturationAreaPerHour\": " + exact(m.desaturationAreaPerHour);
    out += ", \"pulse\": {\"mean\": " + exact(m.pulse.mean) + ", " + kv("min", m.pulse.min) + ", " +
           kv("max", m.pulse.max) + ", " + kv("above100Seconds", m.pulse.above100Seconds) + ", " +
           kv("below50Seconds", m.pulse.below50Seconds) + "}}";
    return out;
}

// The clinical figures rounded to one decimal, with the criteria that produced them.
std::string clinicalText(const ClinicalMetrics& m, std::span<const SampleRecord> samples) {
    using text::arg;
    std::string out = ktr("AnalyzeCommand", "Clinical figures") + "\n";
    char line[160];
    auto row = [&](const std::string& label, const std::string& value) {
        std::snprintf(line, sizeof line, "  %s%s\n", column(label, 30).c_str(), value.c_str());
        out += line;
    };
    auto one = [](double v) {
        char b[48];
        std::snprintf(b, sizeof b, "%.1f", v);
        return std::string(b);
    };
    auto hours = [&](std::int64_t seconds) {
        return arg(ktr("AnalyzeCommand", "%1 h (%2 s)"),
                   {one(static_cast<double>(seconds) / 3600.0), std::to_string(seconds)});
    };
    auto timeShare = [&](const SecondsAndPercent& t) {
        return arg(ktr("AnalyzeCommand", "%1 min (%2 %)"),
                   {one(static_cast<double>(t.seconds) / 60.0), one(t.percent)});
    };
    row(ktr("AnalyzeCommand", "Recorded"), hours(m.recordedSeconds));
    row(ktr("AnalyzeCommand", "Valid"), hours(m.validSeconds));
    row(ktr("AnalyzeCommand", "Artefact"), hours(m.artefactSeconds));
    row(ktr("AnalyzeCommand", "SpO2 mean / median"),
        arg(ktr("AnalyzeCommand", "%1 % / %2 %"), {one(m.spo2.mean), std::to_string(m.spo2.median)}));
    row(ktr("AnalyzeCommand", "SpO2 nadir / max"),
        arg(ktr("AnalyzeCommand", "%1 % / %2 %"), {std::to_string(m.spo2.min), std::to_string(m.spo2.max)}));
    row(ktr("AnalyzeCommand", "T90 (SpO2 < 90 %)"), timeShare(m.t90));
    row(ktr("AnalyzeCommand", "T88 (SpO2 <= 88 %)"), timeShare(m.t88));
    for (const auto& b : m.bands)
        row(arg(ktr("AnalyzeCommand", "SpO2 %1-%2 %"), {std::to_string(b.low), std::to_string(b.high)}),
            timeShare(b.time));
    auto perHour = [&](const DesaturationIndex& odi) {
        return arg(ktr("AnalyzeCommand", "%1 /h (%2 events)"), {one(odi.perHour), std::to_string(odi.events.size())});
    };
    row(ktr("AnalyzeCommand", "ODI 3 %"), perHour(m.odi3));
    row(ktr("AnalyzeCommand", "ODI 4 %"), perHour(m.odi4));
    for (const DesaturationIndex* odi : {&m.odi3, &m.odi4}) {
        const std::string drop = std::to_string(odi->drop);
        row(arg(ktr("AnalyzeCommand", "%1 % depth mean / median"), {drop}),
            arg(ktr("AnalyzeCommand", "%1 / %2 %"), {one(odi->meanDepth), one(odi->medianDepth)}));
        row(arg(ktr("AnalyzeCommand", "%1 % duration mean / median"), {drop}),
            arg(ktr("AnalyzeCommand", "%1 / %2 s"), {one(odi->meanDuration), one(odi->medianDuration)}));
        std::string longest = ktr("AnalyzeCommand", "none");
        if (odi->longest >= 0) {
            const auto& e = odi->events[static_cast<std::size_t>(odi->longest)];
            longest = arg(ktr("AnalyzeCommand", "%1 s at %2, %3 % deep"),
                          {std::to_string(e.seconds()), isoTime(samples[static_cast<std::size_t>(e.start)]),
                           std::to_string(e.depth())});
        }
        row(arg(ktr("AnalyzeCommand", "%1 % longest event"), {drop}), longest);
    }
    row(ktr("AnalyzeCommand", "Desaturation area (3 %)"),
        arg(ktr("AnalyzeCommand", "%1 %min/h"), {one(m.desaturationAreaPerHour)}));
    row(ktr("AnalyzeCommand", "Pulse mean / min / max"),
        arg(ktr("AnalyzeCommand", "%1 / %2 / %3 bpm"),
            {one(m.pulse.mean), std::to_string(m.pulse.min), std::to_string(m.pulse.max)}));
    row(ktr("AnalyzeCommand", "Pulse > 100 / < 50 bpm"),
        arg(ktr("AnalyzeCommand", "%1 min / %2 min"), {one(static_cast<double>(m.pulse.above100Seconds) / 60.0),
                                                       one(static_cast<double>(m.pulse.below50Seconds) / 60.0)}));
    out += "  " + clinicalCriteria() + "\n";
    return out;
}

// The sheet's table as text: label, SpO2, Pulse; then the threshold counts and criteria.
std::string analysisText(const AnalysisResult& r) {
    std::string out;
    char line[256];
    for (const auto& row : summaryRows(r)) {
        // (A translated label longer than its column still keeps one blank before the figure.)
        std::snprintf(line, sizeof line, "%s%s%s\n", column(row.label + " ", 24).c_str(), column(row.spo2, 10).c_str(),
                      row.pulse.c_str());
        out += line;
    }
    out += "\n";
    for (const auto& row : thresholdRows(r)) {
        std::snprintf(line, sizeof line, "%s%s\n", column(row.text, 34).c_str(), row.unit.c_str());
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
    auto* sub =
        app.add_subcommand("analyze", ktr("AnalyzeCommand", "Event and threshold analysis of a saved recording"));
    sub->add_option("FILE", *file, ktr("AnalyzeCommand", "Saved data file (.dat)"))->required();
    sub->add_flag("--json", *json, ktr("AnalyzeCommand", "One JSON object instead of the summary table"));
    addHomeOption(*sub, *options);
    sub->callback([options, file, json] {
        auto model = std::make_unique<RecordingModel>();
        if (!loadRecording(*file, *options, *model)) throw CLI::RuntimeError(1);
        const AnalysisResult r = computeAnalysis(model->currentSamples(), settings());
        const ClinicalMetrics clinical = computeClinicalMetrics(model->currentSamples());
        std::string text;
        if (*json) {
            text = analysisJson(r);
            text.pop_back(); // the clinical figures join the object as one more key
            text += ", \"clinical\": " + clinicalJson(clinical, model->currentSamples()) + "}\n";
        } else {
            text = analysisText(r) + "\n" + clinicalText(clinical, model->currentSamples());
        }
        std::fwrite(text.data(), 1, text.size(), stdout);
    });
}

} // namespace kestrova::cli
