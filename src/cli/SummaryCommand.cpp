// kestrova-cli summary FILE... [--csv OUT]: one row of clinical figures per
// recording, computed on all cores, as a table or an RFC 4180 CSV file.
#include "CliCommon.h"

#include "analysis/ClinicalMetrics.h"
#include "files/AtomicFile.h"
#include "model/RecordingModel.h"
#include "text/StringTable.h"
#include "text/TextCodec.h"
#include "text/Translate.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iostream>
#include <memory>
#include <thread>
#include <vector>

namespace kestrova::cli {
namespace {

struct SummaryRow {
    std::string file, id, name, start, error;
    double recordedHours = 0, validHours = 0, odi3 = 0, odi4 = 0, t90Percent = 0, t88Minutes = 0;
    int nadir = 0;
    double meanSpo2 = 0, meanPulse = 0, odi3MeanDepth = 0, odi3MeanDuration = 0;
};

SummaryRow summarise(const std::string& file, const CommonOptions& options) {
    SummaryRow row;
    row.file = file;
    auto model = std::make_unique<RecordingModel>();
    if (const Outcome opened = openRecording(file, options, *model); !opened) {
        row.error = opened.error().text();
        return row;
    }
    const auto samples = model->currentSamples();
    const ClinicalMetrics m = computeClinicalMetrics(samples);
    row.id = std::to_string(model->currentPatient().id);
    row.name = decodeStoredText(fieldBytes(model->currentPatient().name));
    row.start = samples.empty() ? "" : isoTime(samples.front());
    row.recordedHours = static_cast<double>(m.recordedSeconds) / 3600.0;
    row.validHours = static_cast<double>(m.validSeconds) / 3600.0;
    row.odi3 = m.odi3.perHour;
    row.odi4 = m.odi4.perHour;
    row.t90Percent = m.t90.percent;
    row.t88Minutes = static_cast<double>(m.t88.seconds) / 60.0;
    row.nadir = m.spo2.min;
    row.meanSpo2 = m.spo2.mean;
    row.meanPulse = m.pulse.mean;
    row.odi3MeanDepth = m.odi3.meanDepth;
    row.odi3MeanDuration = m.odi3.meanDuration;
    return row;
}

std::string two(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

// RFC 4180: quoted when it holds a comma, a quote or a line break; quotes doubled.
std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string csvText(const std::vector<SummaryRow>& rows) {
    std::string out = "file,id,name,start,recorded_hours,valid_hours,odi3,odi4,t90_percent,t88_minutes,nadir,"
                      "mean_spo2,mean_pulse,error,odi3_mean_depth,odi3_mean_duration\r\n";
    for (const auto& r : rows) {
        const bool ok = r.error.empty();
        const std::vector<std::string> fields = {r.file,
                                                 r.id,
                                                 r.name,
                                                 r.start,
                                                 ok ? two(r.recordedHours) : "",
                                                 ok ? two(r.validHours) : "",
                                                 ok ? two(r.odi3) : "",
                                                 ok ? two(r.odi4) : "",
                                                 ok ? two(r.t90Percent) : "",
                                                 ok ? two(r.t88Minutes) : "",
                                                 ok ? std::to_string(r.nadir) : "",
                                                 ok ? two(r.meanSpo2) : "",
                                                 ok ? two(r.meanPulse) : "",
                                                 r.error,
                                                 ok ? two(r.odi3MeanDepth) : "",
                                                 ok ? two(r.odi3MeanDuration) : ""};
        for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + csvField(fields[i]);
        out += "\r\n";
    }
    return out;
}

std::string tableText(const std::vector<SummaryRow>& rows) {
    std::string out;
    char line[512];
    std::snprintf(
        line, sizeof line, "%s %s %s %s %s %s %6s %6s %6s %s %s %6s %s\n",
        column(ktr("SummaryCommand", "file"), 28).c_str(), rightColumn(ktr("SummaryCommand", "id"), 4).c_str(),
        column(ktr("SummaryCommand", "name"), 20).c_str(), column(ktr("SummaryCommand", "start"), 19).c_str(),
        rightColumn(ktr("SummaryCommand", "rec h"), 6).c_str(), rightColumn(ktr("SummaryCommand", "val h"), 6).c_str(),
        "ODI3", "ODI4", "T90%", rightColumn(ktr("SummaryCommand", "T88 min"), 7).c_str(),
        rightColumn(ktr("SummaryCommand", "nadir"), 5).c_str(), "SpO2",
        rightColumn(ktr("SummaryCommand", "pulse"), 6).c_str());
    out += line;
    for (const auto& r : rows) {
        if (!r.error.empty()) {
            out += terminalSafe(r.file) + ": " + terminalSafe(r.error) + "\n";
            continue;
        }
        std::snprintf(line, sizeof line, "%s %s %s %s %6.2f %6.2f %6.2f %6.2f %6.2f %7.2f %5d %6.2f %6.2f\n",
                      column(terminalSafe(r.file), 28).c_str(), rightColumn(r.id, 4).c_str(),
                      column(terminalSafe(r.name), 20).c_str(), column(r.start, 19).c_str(), r.recordedHours,
                      r.validHours, r.odi3, r.odi4, r.t90Percent, r.t88Minutes, r.nadir, r.meanSpo2, r.meanPulse);
        out += line;
    }
    return out;
}

} // namespace

void addSummaryCommand(CLI::App& app) {
    auto options = std::make_shared<CommonOptions>();
    auto files = std::make_shared<std::vector<std::string>>();
    auto csv = std::make_shared<std::string>();
    auto* sub =
        app.add_subcommand("summary", ktr("SummaryCommand", "Clinical figures of several recordings, one row each"));
    sub->add_option("FILE", *files, ktr("SummaryCommand", "Saved recordings"))->required();
    sub->add_option(
        "--csv", *csv,
        ktr("SummaryCommand", "Write an RFC 4180 CSV file instead of the table (- for the standard output)"));
    addHomeOption(*sub, *options);
    sub->callback([options, files, csv] {
        std::vector<SummaryRow> rows(files->size());
        std::atomic<std::size_t> next{0};
        const auto workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, files->size());
        {
            std::vector<std::jthread> pool;
            for (std::size_t w = 0; w < workers; ++w)
                pool.emplace_back([&] {
                    for (std::size_t i = next++; i < files->size(); i = next++)
                        rows[i] = summarise((*files)[i], *options);
                });
        }
        const bool anyError =
            std::any_of(rows.begin(), rows.end(), [](const SummaryRow& r) { return !r.error.empty(); });
        if (isStandardOutput(*csv)) {
            writeStandardOutput(csvText(rows));
        } else if (!csv->empty()) {
            if (const WriteStatus w = writeFileAtomically(*csv, csvText(rows)); !w)
                throw CLI::RuntimeError(fail(tr(str::CantCreateFile) + ": " + w.error().text()));
        } else {
            const std::string text = tableText(rows);
            std::fwrite(text.data(), 1, text.size(), stdout);
        }
        if (anyError) throw CLI::RuntimeError(1);
    });
}

} // namespace kestrova::cli
