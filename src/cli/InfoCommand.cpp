// kestrova-cli info FILE.dat: what a saved recording holds.
#include "CliCommon.h"

#include "files/PatientDatabase.h"
#include "files/ProgramDirectory.h"
#include "files/RecordingFile.h"
#include "files/SaveData.h"

#include "model/PatientRecord.h"
#include "model/RecordingModel.h"
#include "text/TextCodec.h"
#include "text/Translate.h"

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
        "info",
        ktr("InfoCommand",
            "Show the patient ID, sample count, title and time span of a recording, and how its file was read"));
    sub->add_option("FILE", *file, ktr("InfoCommand", "Saved data file"))->required();
    addHomeOption(*sub, *options);
    sub->callback([options, file] {
        // Read here rather than through loadRecording: the reader's notes (the layout, an
        // ambiguous date order, clock set-backs) are printed too.
        const PatientDatabase db(programDirectory(options->home));
        if (const Outcome usable = db.problem(); !usable)
            std::fprintf(stderr, "%s\n",
                         terminalSafe(text::arg(ktr("InfoCommand", "The patient database is not used: %1"),
                                                {usable.error().text()}))
                             .c_str());
        auto read = readRecordingFile(*file);
        if (!read) throw CLI::RuntimeError(fail(read.error().text()));
        const double sourceInterval = read->sourceInterval;
        const std::string layout = std::move(read->layout), fileName = std::move(read->patientName);
        const std::vector<std::string> notes = std::move(read->notes);
        RecordingModel model;
        if (const Outcome opened = makeCurrentRecording(std::move(*read), model, db); !opened)
            throw CLI::RuntimeError(fail(opened.error().text()));
        const auto samples = model.currentSamples();
        // "Key: value" lines: scripts read the classic texts, people the translated ones.
        const auto line = [](const std::string& pattern, const std::string& value) {
            const std::string said = text::arg(pattern, {value});
            std::printf("%s\n", said.c_str());
        };
        line(ktr("InfoCommand", "ID: %1"), std::to_string(model.currentPatient().id));
        const std::string name = decodeStoredText(fieldBytes(model.currentPatient().name));
        line(ktr("InfoCommand", "Name: %1"), terminalSafe(name.empty() ? fileName : name));
        line(ktr("InfoCommand", "Samples: %1"), std::to_string(model.currentCount()));
        line(ktr("InfoCommand", "Title: %1"), terminalSafe(decodeStoredText(model.reportTitle())));
        line(ktr("InfoCommand", "Start: %1"), samples.empty() ? "-" : viewStamp(samples.front()));
        line(ktr("InfoCommand", "End: %1"), samples.empty() ? "-" : viewStamp(samples.back()));
        line(ktr("InfoCommand", "Cadence: %1"), cadenceText(sourceInterval));
        if (!layout.empty()) line(ktr("InfoCommand", "Layout: %1"), terminalSafe(layout));
        for (const auto& note : notes) line(ktr("InfoCommand", "Note: %1"), terminalSafe(note));
    });
}

} // namespace kestrova::cli
