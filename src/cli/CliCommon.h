// Shared pieces of the kestrova-cli subcommands.
#pragma once

#include "base/Result.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kestrova {
class RecordingModel;
class PatientDatabase;
class Settings;
} // namespace kestrova

namespace kestrova::cli {

// Options every subcommand that reads recordings understands.
struct CommonOptions {
    std::string home; // program directory for the patient database (--home)
};

void addHomeOption(CLI::App& sub, CommonOptions& options);

// The settings file of this run: the program's --settings FILE, else the rule of
// Settings::locate. Decided at the first use (after the command line was parsed) and
// the same object from then on.
void addSettingsOption(CLI::App& app);
const Settings& settings();

// Opens a saved data file as the program does: current recording, title and the
// patient record of its ID from the patient database. Prints the error and returns
// false when the file cannot be opened.
// `sourceInterval`, when given, receives the seconds between the source's readings.
bool loadRecording(const std::string& path, const CommonOptions& options, RecordingModel& model,
                   double* sourceInterval = nullptr);

// The same without printing (thread-safe).
Outcome openRecording(const std::string& path, const CommonOptions& options, RecordingModel& model);

int fail(const std::string& message); // prints on stderr (terminal-safe), returns 1
// A usage error: the message and a hint on stderr; returns 2.
int usageError(const std::string& message);

// Text from files shown on a terminal: control characters (C0, DEL and C1) are
// written as escapes ("\x1b", "\u009b") so stored bytes cannot drive the terminal.
std::string terminalSafe(std::string_view text);
// `text` padded with blanks to `width` characters (not bytes: a translated "Größe" or a
// name like "José" keeps the table's columns straight); longer text is kept whole.
std::string column(std::string_view text, std::size_t width);
std::string rightColumn(std::string_view text, std::size_t width);

// The export command's writers: refuses (prints, throws CLI::RuntimeError) a name
// whose extension is no export format; writes the current recording of `model` as
// its extension says. "-" writes to the standard output in `format` (an extension,
// "" for txt).
void checkExportName(const std::string& out);

// "-" as an output file: the standard output.
bool isStandardOutput(const std::string& out);
// Runs `write` on a temporary file named for `ext` and copies the file to the standard
// output; refuses a binary format (xls, xlsx, edf) when the output is a terminal.
void writeThroughStandardOutput(const std::string& ext, const std::function<void(const std::string&)>& write);
// Writes `bytes` to the standard output; a failed write (full disk, closed pipe) is said.
void writeStandardOutput(std::string_view bytes);
void exportRecording(const RecordingModel& model, const std::string& out, const std::string& format = "");
// Adds --format, the format of "-" as OUT.
void addFormatOption(CLI::App& sub, std::string& format);

void addInfoCommand(CLI::App& app);
void addAnalyzeCommand(CLI::App& app);
void addExportCommands(CLI::App& app);
void addDeviceCommands(CLI::App& app);
void addRenderCommand(CLI::App& app);
void addSummaryCommand(CLI::App& app);
void addClinicalReportCommand(CLI::App& app);
void addStudiesCommand(CLI::App& app);

// A GUI application on the offscreen platform (fonts for drawing, never a display),
// alive as long as the returned handle.
std::shared_ptr<void> offscreenGui();

} // namespace kestrova::cli
