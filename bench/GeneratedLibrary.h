// A generated study library for the benchmarks of the library and of the Studies window.
#pragma once

#include "library/LibrarySchema.h"
#include "library/StudyLibrary.h"
#include "model/SyntheticRecording.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace kestrova::bench {

inline std::string scratch(const std::string& name) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/kestrova-library-bench-" + name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// 10 000 studies of a few minutes each, written in one transaction (add() syncs every
// file, which is right for a user and slow for a generator).
inline std::string generatedLibrary(int studies) {
    const std::string dir = scratch("list");
    { auto lib = StudyLibrary::open(dir); }
    auto db = library::Database::open(dir + "/studies.sqlite", false);
    if (!db || !(*db)->exec("BEGIN")) return {};
    auto insert = (*db)->prepare(
        "INSERT INTO studies (digest, sample_count, dat_name, patient, patient_confirmed, patient_name, patient_id, "
        "title, device_type, origin, added_at, source_file, partial, start, interpretation, rule_revision, "
        "recorded_seconds, valid_seconds, odi3, odi4, t90_percent, nadir, mean_spo2) VALUES (?1, ?2, ?3, ?4, 1, ?5, "
        "?6, 'ReportTitle', 2, 0, 0, '', 0, ?7, '', ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)");
    if (!insert) return {};
    for (int i = 0; i < studies; ++i) {
        SyntheticNight n;
        n.id = 1 + i % 127;
        n.seconds = 120;
        n.seed = static_cast<std::uint64_t>(i + 1);
        n.day = 1 + i % 28;
        const auto samples = makeSyntheticNight(n);
        PatientRecord p;
        p.id = n.id;
        std::snprintf(p.name, sizeof p.name, "Patient %d", i);
        const PreparedStudy s = prepareStudy(samples, p, "ReportTitle");
        const std::string name = std::to_string(i) + ".dat";
        if (std::FILE* f = std::fopen((dir + "/recordings/" + name).c_str(), "wb")) {
            std::fwrite(s.datBytes.data(), 1, s.datBytes.size(), f);
            std::fclose(f);
        }
        insert->reset();
        insert->bindBlob(1, s.digest.data(), s.digest.size())
            .bind(2, s.sampleCount)
            .bindText(3, name)
            .bindBlob(4, &p, PatientRecord::kSize)
            .bindText(5, fieldBytes(p.name))
            .bind(6, std::int64_t{n.id})
            .bindText(7, s.start)
            .bind(8, std::int64_t{clinical::kEventRuleRevision})
            .bind(9, s.figures.recordedSeconds)
            .bind(10, s.figures.validSeconds)
            .bind(11, s.figures.odi3)
            .bind(12, s.figures.odi4)
            .bind(13, s.figures.t90Percent)
            .bind(14, std::int64_t{s.figures.nadir})
            .bind(15, s.figures.meanSpo2);
        insert->step();
        if (insert->failed()) return {};
    }
    if (!(*db)->exec("COMMIT")) return {};
    return dir;
}

} // namespace kestrova::bench
