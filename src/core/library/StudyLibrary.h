// The study library: every recording Kestrova has seen, each with the patient details
// confirmed for that night, its interpretation and its cached clinical figures. The
// index is an SQLite database (<dir>/studies.sqlite, WAL, one transaction per change,
// user_version migrations); the samples are .dat files in <dir>/recordings/, byte for
// byte what Save Data writes. Deleted studies move to <dir>/trash/. A recording is
// recognised by its samples alone, so the same night downloaded twice or opened from
// a copy is one study.
//
// One StudyLibrary per process and thread; several processes may hold the same library
// (writers wait on SQLite's busy timeout). The GUI and the command line share it.
#pragma once

#include "analysis/ClinicalMetrics.h"
#include "base/Result.h"
#include "model/PatientRecord.h"
#include "model/SampleRecord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrova {

class RecordingModel;

using StudyId = std::int64_t;

enum class StudyOrigin { Download, Import };

// The figures the Studies list and the nights comparison show, cached with the study
// and recomputed when the event rule (its revision) changes.
struct StudyFigures {
    std::int64_t recordedSeconds = 0;
    std::int64_t validSeconds = 0;
    double odi3 = 0, odi4 = 0; // events per hour of valid time
    double t90Percent = 0;
    int nadir = 0;       // lowest valid SpO2, 0 when no sample is valid
    double meanSpo2 = 0; // of valid samples
};
StudyFigures studyFiguresOf(const ClinicalMetrics& metrics);

// What the list shows of a study, without its samples.
struct StudySummary {
    StudyId id = 0;
    PatientRecord patient;         // as confirmed for this night (or proposed, see below)
    bool patientConfirmed = false; // false: proposed from the slot list, not yet confirmed
    std::string title;             // the stored title bytes
    std::int32_t deviceType = 0;
    StudyOrigin origin = StudyOrigin::Import;
    std::int64_t addedAt = 0; // Unix seconds, when it was downloaded or imported
    std::string sourceFile;   // the file it was imported from, empty for a download
    bool partial = false;     // the download broke; what arrived
    std::string start;        // "YYYY-MM-DDTHH:MM:SS" of the first sample, empty when none
    std::int64_t sampleCount = 0;
    bool hasInterpretation = false;
    StudyFigures figures;
};

struct Study {
    StudySummary summary;
    std::string interpretation; // free text, UTF-8
    std::string datPath;        // the study's .dat in recordings/
};

// A recording to keep.
struct NewStudy {
    std::span<const SampleRecord> samples;
    PatientRecord patient;
    bool patientConfirmed = false;
    std::string title; // stored title bytes
    std::int32_t deviceType = 0;
    StudyOrigin origin = StudyOrigin::Import;
    std::string sourceFile;
    bool partial = false;
};

struct AddedStudy {
    StudyId id = 0;
    bool alreadyPresent = false; // the same samples were in the library; nothing changed
};

struct StudyFilter {
    std::string text; // matched against name, ID and start date; empty matches all
};

// A recording encoded and analysed ahead of add(), so an import can do that work on
// every core and keep only the database write on the calling thread.
struct PreparedStudy {
    std::string datBytes; // the .dat image, as Save Data writes it
    std::string digest;   // SHA-256 of the samples' stored bytes
    std::int64_t sampleCount = 0;
    std::string start;
    StudyFigures figures;
};
PreparedStudy prepareStudy(std::span<const SampleRecord> samples, const PatientRecord& patient,
                           const std::string& title);

class StudyLibrary {
public:
    // <data dir>/library: KESTROVA_HOME, else $XDG_DATA_HOME/kestrova or
    // ~/.local/share/kestrova.
    static std::string defaultDirectory();

    // Opens (creating when missing) the library in `directory`. Refuses, leaving it
    // untouched, a database that is not a Kestrova library or was made by a newer
    // program.
    static Result<std::unique_ptr<StudyLibrary>> open(const std::string& directory);
    ~StudyLibrary();

    const std::string& directory() const;

    // Stores a recording, or finds the study that holds the same samples.
    Result<AddedStudy> add(const NewStudy& study);
    // The same for a recording prepared by prepareStudy (study.samples is not read).
    Result<AddedStudy> add(const NewStudy& study, const PreparedStudy& prepared);
    // The study whose samples these are, if any.
    Result<std::optional<StudyId>> find(std::span<const SampleRecord> samples);

    Result<std::vector<StudySummary>> list(const StudyFilter& filter = {});
    Result<Study> get(StudyId id);
    Result<std::vector<SampleRecord>> samples(StudyId id);

    // Edits; each is one transaction. setTitle also rewrites the study's .dat.
    Outcome setPatient(StudyId id, const PatientRecord& patient, bool confirmed);
    Outcome setTitle(StudyId id, const std::string& title);
    Outcome setInterpretation(StudyId id, const std::string& text);
    // Moves the study's file to trash/ and drops it from the index.
    Outcome remove(StudyId id);

    // Brings every study's cached figures up to the current event rule.
    Outcome refreshFigures();

private:
    struct Impl;
    explicit StudyLibrary(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

// Every ID of a finished download, stored as one study each before anyone chooses
// one. `partialId` (0 for none) is the ID the download broke in: stored marked
// partial. The patient proposed for each is its slot's record from `proposals`
// (unconfirmed). Returns the study of each ID that held samples.
struct DownloadedStudy {
    int patientId = 0;
    Result<AddedStudy> stored;
};
std::vector<DownloadedStudy> storeDownload(StudyLibrary& library, const RecordingModel& model, std::int32_t deviceType,
                                           int partialId, const std::function<PatientRecord(int id)>& proposals);

// Imports recording files (any format Kestrova reads) into the library, reading and
// analysing them on every core (or on `workers` threads); the database writes stay on
// the calling thread.
struct ImportedFile {
    std::string path;
    Result<AddedStudy> stored;
};
using ImportProgress = std::function<bool(std::size_t done, std::size_t total)>; // false cancels
std::vector<ImportedFile> importRecordingFiles(StudyLibrary& library, const std::vector<std::string>& paths,
                                               const std::function<PatientRecord(int id)>& proposals,
                                               const ImportProgress& progress = {}, unsigned workers = 0);

} // namespace kestrova
