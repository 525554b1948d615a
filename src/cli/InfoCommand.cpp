// kestrova-cli info FILE.dat: what a saved recording holds.
#include "CliCommon.h"

#include "files/PatientDatabase.h"
#include "files/ProgramDirectory.h"
#include "files/RecordingFile.h"
#include "files/SaveData.h"

#include "model/PatientRecord.h"
#include "model/RecordingModel.h"
#include "text/TextCodec.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace kestrova::cli {
namespace {

std::string viewStamp(const SampleRecord& s) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", 2000 + s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    return buf;
}

} // namespace

void addInfoCommand(CLI::App& app) {
    auto options = std::make_shared<CommonOptions>();
    auto file = std::make_shared<std::string>();
    auto* sub = app.add_subcommand(
        "info", "Show the patient ID, sample count, title and time span of a recording, and how its file was read");
    sub->add_option("FILE", *file, "Saved data file")->required();
    addHomeOption(*sub, *options);
    sub->callback([options, file] {
        // Read here rather than through loadRecording: the reader's notes (the layout, an
        // ambiguous date order, clock set-backs) are printed too.
        const PatientDatabase db(programDirectory(options->home));
        if (const Outcome usable = db.problem(); !usable)
            std::fprintf(stderr, "%s\n",
                         terminalSafe("The patient database is not used: " + usable.error().text()).c_str());
        auto read = readRecordingFile(*file);
        if (!read) throw CLI::RuntimeError(fail(read.error().text()));
        const double sourceInterval = read->sourceInterval;
        const std::string layout = std::move(read->layout), fileName = std::move(read->patientName);
        const std::vector<std::string> notes = std::move(read->notes);
        RecordingModel model;
        if (const Outcome opened = makeCurrentRecording(std::move(*read), model, db); !opened)
            throw CLI::RuntimeError(fail(opened.error().text()));
        const auto samples = model.currentSamples();
        std::printf("ID: %d\n", model.currentPatient().id);
        const std::string name = decodeStoredText(fieldBytes(model.currentPatient().name));
        std::printf("Name: %s\n", terminalSafe(name.empty() ? fileName : name).c_str());
        std::printf("Samples: %d\n", model.currentCount());
        std::printf("Title: %s\n", terminalSafe(decodeStoredText(model.reportTitle())).c_str());
        std::printf("Start: %s\n", samples.empty() ? "-" : viewStamp(samples.front()).c_str());
        std::printf("End: %s\n", samples.empty() ? "-" : viewStamp(samples.back()).c_str());
        std::printf("Cadence: %s\n", cadenceText(sourceInterval).c_str());
        if (!layout.empty()) std::printf("Layout: %s\n", terminalSafe(layout).c_str());
        for (const auto& note : notes) std::printf("Note: %s\n", terminalSafe(note).c_str());
    });
}

} // namespace kestrova::cli
