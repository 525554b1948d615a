// kestrova-cli info FILE.dat: what a saved recording holds.
#include "CliCommon.h"

#include "files/RecordingFile.h"

#include "model/PatientRecord.h"
#include "model/RecordingModel.h"
#include "text/TextCodec.h"

#include <cstdio>
#include <memory>

namespace kestrova::cli {
namespace {

std::string viewStamp(const SampleRecord& s) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "20%02d/%02d/%02d %02d:%02d:%02d", s.year, s.month, s.day, s.hour, s.minute,
                  s.second);
    return buf;
}

} // namespace

void addInfoCommand(CLI::App& app) {
    auto options = std::make_shared<CommonOptions>();
    auto file = std::make_shared<std::string>();
    auto* sub = app.add_subcommand("info", "Show the patient ID, sample count, title and time span of a .dat file");
    sub->add_option("FILE", *file, "Saved data file")->required();
    addHomeOption(*sub, *options);
    sub->callback([options, file] {
        RecordingModel model;
        double sourceInterval = 1;
        if (!loadRecording(*file, *options, model, &sourceInterval)) throw CLI::RuntimeError(1);
        const auto samples = model.currentSamples();
        std::printf("ID: %d\n", model.currentPatient().id);
        std::printf("Name: %s\n", terminalSafe(decodeStoredText(fieldBytes(model.currentPatient().name))).c_str());
        std::printf("Samples: %d\n", model.currentCount());
        std::printf("Title: %s\n", terminalSafe(decodeStoredText(model.reportTitle())).c_str());
        std::printf("Start: %s\n", samples.empty() ? "-" : viewStamp(samples.front()).c_str());
        std::printf("End: %s\n", samples.empty() ? "-" : viewStamp(samples.back()).c_str());
        std::printf("Cadence: %s\n", cadenceText(sourceInterval).c_str());
    });
}

} // namespace kestrova::cli
