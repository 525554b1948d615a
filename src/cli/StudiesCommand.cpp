// kestrova-cli studies list|show|import|export|delete: the study library from the
// command line, the same library the Studies window shows.
#include "CliCommon.h"

#include "files/PatientDatabase.h"
#include "files/ProgramDirectory.h"
#include "files/RecordingFile.h"
#include "library/StudyLibrary.h"
#include "model/RecordingModel.h"
#include "text/TextCodec.h"
#include "text/Translate.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

namespace kestrova::cli {
namespace {

struct LibraryOptions {
    std::string directory; // --library
    std::string home;      // --home: the patient list that proposes details
};

void addLibraryOptions(CLI::App& sub, LibraryOptions& o) {
    sub.add_option("--library", o.directory,
                   ktr("StudiesCommand",
                       "Study library directory (default: KESTROVA_HOME/library or ~/.local/share/kestrova/library)"));
}

std::unique_ptr<StudyLibrary> openLibrary(const LibraryOptions& o) {
    auto library = StudyLibrary::open(o.directory.empty() ? StudyLibrary::defaultDirectory() : o.directory);
    if (!library) throw CLI::RuntimeError(fail(library.error().text()));
    return std::move(*library);
}

std::string nameOf(const PatientRecord& p) {
    return decodeStoredText(fieldBytes(p.name));
}

std::string durationText(std::int64_t seconds) {
    char minutes[8];
    std::snprintf(minutes, sizeof minutes, "%02lld", static_cast<long long>(seconds / 60 % 60));
    return text::arg(ktr("StudiesCommand", "%1 h %2 min"), {std::to_string(seconds / 3600), minutes});
}

std::string fixed(double v, int digits) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*f", digits, v);
    return buf;
}

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string summaryJson(const StudySummary& s) {
    const StudyFigures& f = s.figures;
    std::string out = "{\"study\": " + std::to_string(s.id);
    out += ", \"patientId\": " + std::to_string(s.patient.id);
    out += ", \"name\": " + jsonString(nameOf(s.patient));
    out += std::string(", \"patientConfirmed\": ") + (s.patientConfirmed ? "true" : "false");
    out += ", \"title\": " + jsonString(decodeStoredText(s.title));
    out += ", \"start\": " + jsonString(s.start);
    out += ", \"samples\": " + std::to_string(s.sampleCount);
    out += ", \"recordedSeconds\": " + std::to_string(f.recordedSeconds);
    out += ", \"validSeconds\": " + std::to_string(f.validSeconds);
    out += ", \"odi3\": " + fixed(f.odi3, 2) + ", \"odi4\": " + fixed(f.odi4, 2);
    out += ", \"t90Percent\": " + fixed(f.t90Percent, 2);
    out += ", \"nadir\": " + std::to_string(f.nadir) + ", \"meanSpo2\": " + fixed(f.meanSpo2, 2);
    out += std::string(", \"origin\": ") + (s.origin == StudyOrigin::Download ? "\"download\"" : "\"import\"");
    out += ", \"deviceType\": " + std::to_string(s.deviceType);
    out += std::string(", \"partial\": ") + (s.partial ? "true" : "false");
    out += ", \"addedAt\": " + std::to_string(s.addedAt);
    out += ", \"sourceFile\": " + jsonString(s.sourceFile);
    out += std::string(", \"interpretation\": ") + (s.hasInterpretation ? "true" : "false") + "}";
    return out;
}

void printList(const std::vector<StudySummary>& studies) {
    std::printf(
        "%s  %s  %s  %s  %s  %s  %6s  %6s  %6s  %s  %s\n", rightColumn(ktr("StudiesCommand", "Study"), 6).c_str(),
        rightColumn(ktr("StudiesCommand", "ID"), 3).c_str(), column(ktr("StudiesCommand", "Patient"), 30).c_str(),
        column(ktr("StudiesCommand", "Start"), 19).c_str(), column(ktr("StudiesCommand", "Duration"), 12).c_str(),
        column(ktr("StudiesCommand", "Valid"), 12).c_str(), "ODI3", "ODI4", "T90%",
        rightColumn(ktr("StudiesCommand", "Nadir"), 5).c_str(), ktr("StudiesCommand", "Interpretation").c_str());
    for (const StudySummary& s : studies) {
        const StudyFigures& f = s.figures;
        std::string name = terminalSafe(nameOf(s.patient));
        if (!s.patientConfirmed && !name.empty()) name += "?";
        std::printf("%6lld  %3d  %s  %s  %s  %s  %6s  %6s  %6s  %5d  %s\n", static_cast<long long>(s.id), s.patient.id,
                    column(name, 30).c_str(), column(terminalSafe(s.start), 19).c_str(),
                    column(durationText(f.recordedSeconds), 12).c_str(),
                    column(durationText(f.validSeconds), 12).c_str(), fixed(f.odi3, 1).c_str(),
                    fixed(f.odi4, 1).c_str(), fixed(f.t90Percent, 1).c_str(), f.nadir,
                    (s.hasInterpretation ? ktr("StudiesCommand", "yes") : ktr("StudiesCommand", "no")).c_str());
    }
}

void printStudy(const Study& study) {
    const StudySummary& s = study.summary;
    const StudyFigures& f = s.figures;
    auto line = [](const std::string& key, const std::string& value) {
        std::printf("%s: %s\n", key.c_str(), terminalSafe(value).c_str());
    };
    line(ktr("StudiesCommand", "Study"), std::to_string(s.id));
    line(ktr("StudiesCommand", "ID"), std::to_string(s.patient.id));
    line(ktr("StudiesCommand", "Name"), nameOf(s.patient));
    line(ktr("StudiesCommand", "Patient details"), s.patientConfirmed
                                                       ? ktr("StudiesCommand", "confirmed for this recording")
                                                       : ktr("StudiesCommand", "not confirmed for this recording"));
    line(ktr("StudiesCommand", "Physician"), decodeStoredText(fieldBytes(s.patient.physician)));
    line(ktr("StudiesCommand", "Title"), decodeStoredText(s.title));
    line(ktr("StudiesCommand", "Start"), s.start);
    line(ktr("StudiesCommand", "Samples"), std::to_string(s.sampleCount));
    line(ktr("StudiesCommand", "Recorded"), durationText(f.recordedSeconds));
    line(ktr("StudiesCommand", "Valid"), durationText(f.validSeconds));
    line(ktr("StudiesCommand", "ODI 3%"), fixed(f.odi3, 1) + " /h");
    line(ktr("StudiesCommand", "ODI 4%"), fixed(f.odi4, 1) + " /h");
    line(ktr("StudiesCommand", "T90"), fixed(f.t90Percent, 1) + " %");
    line(ktr("StudiesCommand", "Nadir"), std::to_string(f.nadir) + " %");
    line(ktr("StudiesCommand", "Mean SpO2"), fixed(f.meanSpo2, 1) + " %");
    line(ktr("StudiesCommand", "Origin"), s.origin == StudyOrigin::Download
                                              ? (s.partial ? ktr("StudiesCommand", "download (broken, what arrived)")
                                                           : ktr("StudiesCommand", "download"))
                                              : text::arg(ktr("StudiesCommand", "import of %1"), {s.sourceFile}));
    line(ktr("StudiesCommand", "File"), study.datPath);
    line(ktr("StudiesCommand", "Interpretation"), study.interpretation);
}

StudyId parseStudyId(const std::string& text) {
    std::size_t used = 0;
    long long id = 0;
    try {
        id = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || id <= 0)
        throw CLI::RuntimeError(usageError(text::arg(
            ktr("StudiesCommand", "\"%1\" is not a study number (see 'kestrova-cli studies list')."), {text})));
    return id;
}

bool isLowerExtension(const std::filesystem::path& p, std::initializer_list<const char*> names) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return ext == n; });
}

// A directory stands for the recordings in it (by their extension), in name order.
std::vector<std::string> expandPaths(const std::vector<std::string>& args) {
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        std::error_code ec;
        if (!std::filesystem::is_directory(arg, ec)) {
            paths.push_back(arg);
            continue;
        }
        std::vector<std::string> inDir;
        for (const auto& entry : std::filesystem::directory_iterator(arg, ec))
            if (entry.is_regular_file(ec) && isLowerExtension(entry.path(), {".dat", ".csv", ".edf"}))
                inDir.push_back(entry.path().string());
        if (ec) throw CLI::RuntimeError(fail(systemError(arg, ec.value()).text()));
        std::sort(inDir.begin(), inDir.end());
        paths.insert(paths.end(), inDir.begin(), inDir.end());
    }
    return paths;
}

} // namespace

void addStudiesCommand(CLI::App& app) {
    auto* studies = app.add_subcommand(
        "studies", ktr("StudiesCommand", "The study library: every downloaded or imported recording"));
    studies->require_subcommand(1);

    {
        auto o = std::make_shared<LibraryOptions>();
        auto json = std::make_shared<bool>(false);
        auto patient = std::make_shared<std::string>();
        auto* sub = studies->add_subcommand("list", ktr("StudiesCommand", "List the studies, oldest night first"));
        addLibraryOptions(*sub, *o);
        sub->add_flag("--json", *json, ktr("StudiesCommand", "One JSON array of the studies"));
        sub->add_option("--patient", *patient,
                        ktr("StudiesCommand", "Only studies whose name, ID or start date holds TEXT"));
        sub->callback([o, json, patient] {
            auto library = openLibrary(*o);
            auto list = library->list({*patient});
            if (!list) throw CLI::RuntimeError(fail(list.error().text()));
            if (!*json) {
                printList(*list);
                return;
            }
            std::string out = "[";
            for (std::size_t i = 0; i < list->size(); ++i) out += (i ? ",\n " : "") + summaryJson((*list)[i]);
            std::printf("%s]\n", out.c_str());
        });
    }
    {
        auto o = std::make_shared<LibraryOptions>();
        auto id = std::make_shared<std::string>();
        auto* sub = studies->add_subcommand("show", ktr("StudiesCommand", "Show one study"));
        addLibraryOptions(*sub, *o);
        sub->add_option("ID", *id, ktr("StudiesCommand", "Study number"))->required();
        sub->callback([o, id] {
            auto library = openLibrary(*o);
            auto study = library->get(parseStudyId(*id));
            if (!study) throw CLI::RuntimeError(fail(study.error().text()));
            printStudy(*study);
        });
    }
    {
        auto o = std::make_shared<LibraryOptions>();
        auto files = std::make_shared<std::vector<std::string>>();
        auto* sub = studies->add_subcommand(
            "import", ktr("StudiesCommand", "Import recordings (any format Kestrova reads) as studies"));
        addLibraryOptions(*sub, *o);
        sub->add_option("--home", o->home,
                        ktr("StudiesCommand", "Program directory whose patient list proposes the details"));
        sub->add_option("FILE", *files, ktr("StudiesCommand", "Recording files, or directories of them"))->required();
        sub->callback([o, files] {
            const std::vector<std::string> paths = expandPaths(*files);
            auto library = openLibrary(*o);
            const PatientDatabase db(programDirectory(o->home));
            const auto proposals = [&db](int id) { return db.proposedPatient(id); };
            bool failed = false;
            for (const ImportedFile& f : importRecordingFiles(*library, paths, proposals)) {
                if (!f.stored) {
                    std::cerr << terminalSafe(f.stored.error().text()) << '\n';
                    failed = true;
                    continue;
                }
                const std::string n = std::to_string(f.stored->id);
                std::printf(
                    "%s: %s\n", terminalSafe(f.path).c_str(),
                    f.stored->alreadyPresent
                        ? text::arg(ktr("StudiesCommand", "skipped: already in the library as study %1"), {n}).c_str()
                        : text::arg(ktr("StudiesCommand", "study %1"), {n}).c_str());
                std::fflush(stdout);
            }
            if (failed) throw CLI::RuntimeError(1);
        });
    }
    {
        auto o = std::make_shared<LibraryOptions>();
        auto id = std::make_shared<std::string>();
        auto out = std::make_shared<std::string>();
        auto* sub = studies->add_subcommand(
            "export", ktr("StudiesCommand",
                          "Export a study as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)"));
        addLibraryOptions(*sub, *o);
        sub->add_option("ID", *id, ktr("StudiesCommand", "Study number"))->required();
        sub->add_option("OUT", *out,
                        ktr("StudiesCommand", "Output file; its extension (case-sensitive) picks the format"))
            ->required();
        auto format = std::make_shared<std::string>();
        addFormatOption(*sub, *format);
        sub->callback([o, id, out, format] {
            const StudyId studyId = parseStudyId(*id);
            checkExportName(*out);
            auto library = openLibrary(*o);
            auto study = library->get(studyId);
            if (!study) throw CLI::RuntimeError(fail(study.error().text()));
            auto samples = library->samples(studyId);
            if (!samples) throw CLI::RuntimeError(fail(samples.error().text()));
            auto model = std::make_unique<RecordingModel>();
            if (!model->replaceCurrent(std::move(*samples)))
                throw CLI::RuntimeError(fail(
                    text::arg(ktr("StudiesCommand", "%1: the recording is too long to export"), {study->datPath})));
            model->setCurrentPatient(study->summary.patient);
            model->setReportTitle(study->summary.title);
            exportRecording(*model, *out, *format);
        });
    }
    {
        auto o = std::make_shared<LibraryOptions>();
        auto id = std::make_shared<std::string>();
        auto* sub = studies->add_subcommand(
            "delete", ktr("StudiesCommand", "Delete a study (its file moves to the library's trash/)"));
        addLibraryOptions(*sub, *o);
        sub->add_option("ID", *id, ktr("StudiesCommand", "Study number"))->required();
        sub->callback([o, id] {
            const StudyId studyId = parseStudyId(*id);
            auto library = openLibrary(*o);
            if (Outcome removed = library->remove(studyId); !removed)
                throw CLI::RuntimeError(fail(removed.error().text()));
            const std::string said =
                text::arg(ktr("StudiesCommand", "Study %1 deleted; its recording is in %2"),
                          {std::to_string(studyId), terminalSafe(library->directory() + "/trash/")});
            std::printf("%s\n", said.c_str());
        });
    }
}

} // namespace kestrova::cli
