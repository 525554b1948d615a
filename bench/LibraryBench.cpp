// The study library's two bounds: listing 10 000 studies (the Studies window and
// `studies list`), and importing eight-hour nights on one worker against every core.
//   build/bench/kestrova_library_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "GeneratedLibrary.h"
#include "files/DataFile.h"
#include "library/StudyLibrary.h"
#include "model/SyntheticRecording.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

using namespace kestrova;
using kestrova::bench::generatedLibrary;
using kestrova::bench::scratch;

namespace {

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
