#include "CliCommon.h"

#include "files/PatientDatabase.h"
#include "files/ProgramDirectory.h"
#include "files/RecordingFile.h"
#include "files/SaveData.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/Translate.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include <unistd.h>

namespace kestrova::cli {

void addHomeOption(CLI::App& sub, CommonOptions& options) {
    sub.add_option("--home", options.home,
                   ktr("Cli", "Program directory holding bldb/pationtrec.dat (default: KESTROVA_HOME or the "
                              "executable's directory)"));
}

namespace {
std::string g_settingsFile;
} // namespace

void addSettingsOption(CLI::App& app) {
    app.add_option("--settings", g_settingsFile,
                   ktr("Cli", "Settings file to read and write (default: ./Kestrova.ini when it exists, else the "
                              "per-user one of an installed program)"));
}

const Settings& settings() {
    static const Settings resolved = [] {
        Settings s(Settings::locate(g_settingsFile));
        // Said once: every value of this run is then the default, and none is saved.
        if (const Outcome usable = s.problem(); !usable)
            std::cerr << terminalSafe(
                             text::arg(ktr("Cli", "%1; the default settings are used"), {usable.error().text()}))
                      << '\n';
        return s;
    }();
    return resolved;
}

bool loadRecording(const std::string& path, const CommonOptions& options, RecordingModel& model,
                   double* sourceInterval) {
    const PatientDatabase db(programDirectory(options.home));
    if (const Outcome usable = db.problem(); !usable)
        std::cerr << terminalSafe(
                         text::arg(ktr("Cli", "The patient database is not used: %1"), {usable.error().text()}))
                  << '\n';
    auto read = readRecordingFile(path);
    if (read && sourceInterval) *sourceInterval = read->sourceInterval;
    const Outcome opened = read ? makeCurrentRecording(std::move(*read), model, db) : Outcome(read.error());
    if (!opened) {
        std::cerr << terminalSafe(opened.error().text()) << '\n';
        return false;
    }
    return true;
}

Outcome openRecording(const std::string& path, const CommonOptions& options, RecordingModel& model) {
    return openSavedData(path, model, PatientDatabase(programDirectory(options.home)));
}

int fail(const std::string& message) {
    std::cerr << terminalSafe(message) << '\n';
    return 1;
}

int usageError(const std::string& message) {
    std::cerr << "kestrova-cli: " << terminalSafe(message) << '\n'
              << ktr("Cli", "Try 'kestrova-cli --help' or 'kestrova-cli COMMAND --help'.") << '\n';
    return 2;
}

bool isStandardOutput(const std::string& out) {
    return out == "-";
}

void writeThroughStandardOutput(const std::string& ext, const std::function<void(const std::string&)>& write) {
    if ((ext == "xls" || ext == "xlsx" || ext == "edf") && ::isatty(STDOUT_FILENO))
        throw CLI::RuntimeError(fail(text::arg(
            ktr("Cli", "A .%1 file is not text: it is not written to a terminal. Redirect the output or name a file."),
            {ext})));
    // The writers make whole files (atomically, with their own checks); the file is
    // made in a private directory and then copied to the output.
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "kestrova-cli-XXXXXX").string();
    if (ec || !::mkdtemp(pattern.data()))
        throw CLI::RuntimeError(fail(ktr("Cli", "Cannot make a temporary directory for the output.")));
    const std::filesystem::path dir(pattern);
    struct Cleanup {
        std::filesystem::path dir;
        ~Cleanup() {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        }
    } cleanup{dir};
    const std::string file = (dir / ("output." + ext)).string();
    write(file);
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.eof() && in.fail())
        throw CLI::RuntimeError(fail(ktr("Cli", "Cannot read back the output from its temporary file.")));
    writeStandardOutput(bytes);
}

void writeStandardOutput(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
        throw CLI::RuntimeError(fail(ktr("Cli", "Cannot write to the standard output.")));
}

std::string terminalSafe(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char escape[8];
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            out += escape;
        } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) { // U+0080..U+009F in UTF-8
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(text[++i]));
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

namespace {
std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n; // UTF-8 continuation bytes start no character
    return n;
}
} // namespace

std::string column(std::string_view text, std::size_t width) {
    std::string out(text);
    if (const std::size_t n = characters(text); n < width) out.append(width - n, ' ');
    return out;
}

std::string rightColumn(std::string_view text, std::size_t width) {
    const std::size_t n = characters(text);
    return n < width ? std::string(width - n, ' ') + std::string(text) : std::string(text);
}

} // namespace kestrova::cli
