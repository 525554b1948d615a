// Shared pieces of the kestrova-cli subcommands.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>

namespace kestrova {
class RecordingModel;
class PatientDatabase;
} // namespace kestrova

namespace kestrova::cli {

// Options every subcommand that reads recordings understands.
struct CommonOptions {
    std::string home; // program directory for the patient database (--home)
};

void addHomeOption(CLI::App& sub, CommonOptions& options);

// Opens a saved data file as the program does: current recording, title and the
// patient record of its ID from the patient database. Prints the error and returns
// false when the file cannot be opened.
bool loadRecording(const std::string& path, const CommonOptions& options, RecordingModel& model);

int fail(const std::string& message); // prints on stderr, returns 1

void addInfoCommand(CLI::App& app);
void addAnalyzeCommand(CLI::App& app);
void addExportCommands(CLI::App& app);
void addDeviceCommands(CLI::App& app);
void addRenderCommand(CLI::App& app);

} // namespace kestrova::cli
