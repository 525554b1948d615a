// The study library's two bounds: listing 10 000 studies (the Studies window and
// `studies list`), and importing eight-hour nights on one worker against every core.
//   build/bench/kestrova_library_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "files/DataFile.h"
#include "library/LibrarySchema.h"
#include "library/StudyLibrary.h"
#include "model/SyntheticRecording.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

using namespace kestrova;

namespace {

std::string scratch(const std::string& name) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/kestrova-library-bench-" + name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// 10 000 studies of a few minutes each, written in one transaction (add() syncs every
// file, which is right for a user and slow for a generator).
std::string generatedLibrary(int studies) {
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

// Opening the library and listing every study, as `studies list` does.
void BM_ListTenThousandStudies(benchmark::State& state) {
    const std::string dir = generatedLibrary(10000);
    if (dir.empty()) {
        state.SkipWithError("cannot write the generated library");
        return;
    }
    for (auto _ : state) {
        auto lib = StudyLibrary::open(dir);
        if (!lib) {
            state.SkipWithError(lib.error().text().c_str());
            break;
        }
        auto list = (*lib)->list();
        if (!list || list->size() != 10000) {
            state.SkipWithError("the list is not the library");
            break;
        }
        benchmark::DoNotOptimize(list->data());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ListTenThousandStudies)->Unit(benchmark::kMillisecond);

// Importing eight eight-hour nights into an empty library: one worker (arg 1) against
// every core (arg 0).
void BM_ImportEightHourNights(benchmark::State& state) {
    constexpr int kNights = 8;
    const std::string in = scratch("nights");
    std::vector<std::string> paths;
    for (int i = 0; i < kNights; ++i) {
        SyntheticNight n;
        n.id = i + 1;
        n.seed = static_cast<std::uint64_t>(i + 1);
        paths.push_back(in + "/night" + std::to_string(i) + ".dat");
        if (!writeDataFile(paths.back(), static_cast<std::uint8_t>(n.id), makeSyntheticNight(n), "ReportTitle")) {
            state.SkipWithError("cannot write the nights");
            return;
        }
    }
    const unsigned workers = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        const std::string dir = scratch("import");
        auto lib = StudyLibrary::open(dir);
        state.ResumeTiming();
        if (!lib) {
            state.SkipWithError(lib.error().text().c_str());
            break;
        }
        const auto imported = importRecordingFiles(**lib, paths, {}, {}, workers);
        for (const ImportedFile& f : imported)
            if (!f.stored || f.stored->alreadyPresent) state.SkipWithError("a night was not imported");
    }
    state.counters["workers"] = workers ? workers : std::max(1u, std::thread::hardware_concurrency());
    state.SetItemsProcessed(state.iterations() * kNights);
    std::filesystem::remove_all(in);
}
BENCHMARK(BM_ImportEightHourNights)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
