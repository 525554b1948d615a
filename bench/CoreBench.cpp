// Speed of the analysis, the exports and the data file on a full 518400-sample
// recording (six days), each beside a baseline that only streams over the same data.
#include "analysis/Analysis.h"
#include "analysis/ClinicalMetrics.h"
#include "files/CsvRecording.h"
#include "files/DataFile.h"
#include "files/EdfRecording.h"
#include "files/Export.h"
#include "model/PatientRecord.h"
#include "model/SyntheticRecording.h"
#include "settings/AnalysisSetupRules.h"
#include "settings/Settings.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace kestrova;

namespace {

const std::vector<SampleRecord>& recording() {
    static const std::vector<SampleRecord> r = [] {
        SyntheticNight night;
        night.id = 9;
        night.seconds = 518400;
        return makeSyntheticNight(night);
    }();
    return r;
}

std::string scratch(const std::string& name) {
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("kestrova-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    return dir + "/" + name;
}

// The floor for the analysis: one pass summing the two signals.
void BM_OnePassSum(benchmark::State& state) {
    const auto& r = recording();
    for (auto _ : state) {
        std::int64_t spo2 = 0, pulse = 0;
        for (const auto& s : r) {
            spo2 += s.spo2;
            pulse += s.pulseRate;
        }
        benchmark::DoNotOptimize(spo2);
        benchmark::DoNotOptimize(pulse);
    }
}
BENCHMARK(BM_OnePassSum)->Unit(benchmark::kMillisecond);

void BM_Analysis(benchmark::State& state) {
    const auto& r = recording();
    for (auto _ : state) benchmark::DoNotOptimize(computeAnalysis(r, AnalysisLimits{}));
}
BENCHMARK(BM_Analysis)->Unit(benchmark::kMillisecond);

// The clinical figures of the same recording (goal: at most 3x BM_Analysis).
void BM_ClinicalMetrics(benchmark::State& state) {
    const auto& r = recording();
    for (auto _ : state) benchmark::DoNotOptimize(computeClinicalMetrics(r));
}
BENCHMARK(BM_ClinicalMetrics)->Unit(benchmark::kMillisecond);

// The same six days made hard for the event detector: 30 dips an hour, integer noise of
// about +-1 %, and an artefact run of 1-40 s every quarter of an hour.
const std::vector<SampleRecord>& hardRecording() {
    static const std::vector<SampleRecord> r = [] {
        SyntheticNight night;
        night.id = 9;
        night.seconds = 518400;
        night.desaturationsPerHour = 30;
        std::vector<SampleRecord> s = makeSyntheticNight(night);
        std::uint64_t state = 7;
        auto next = [&] {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return static_cast<int>(state >> 33);
        };
        for (std::size_t i = 0; i < s.size(); ++i) {
            const int noise = next() % 3 - 1;
            s[i].spo2 = static_cast<std::uint8_t>(std::clamp(s[i].spo2 + noise, 50, 100));
            if (i % 900 == 0)
                for (std::size_t k = i, end = std::min(s.size(), i + 1 + next() % 40); k < end; ++k)
                    s[k].spo2 = 0, s[k].pulseRate = 0;
        }
        return s;
    }();
    return r;
}

// Goal: BM_ClinicalMetricsHardNight at most 3x BM_AnalysisHardNight.
void BM_AnalysisHardNight(benchmark::State& state) {
    const auto& r = hardRecording();
    for (auto _ : state) benchmark::DoNotOptimize(computeAnalysis(r, AnalysisLimits{}));
}
BENCHMARK(BM_AnalysisHardNight)->Unit(benchmark::kMillisecond);

void BM_ClinicalMetricsHardNight(benchmark::State& state) {
    const auto& r = hardRecording();
    for (auto _ : state) benchmark::DoNotOptimize(computeClinicalMetrics(r));
}
BENCHMARK(BM_ClinicalMetricsHardNight)->Unit(benchmark::kMillisecond);

// The event list alone, as the document, the overview strip and the EDF+ writer ask for it.
void BM_FindDesaturations(benchmark::State& state) {
    const auto& r = hardRecording();
    for (auto _ : state) benchmark::DoNotOptimize(findDesaturations(r, 3));
}
BENCHMARK(BM_FindDesaturations)->Unit(benchmark::kMillisecond);

// The floor for the file writers: the same number of sample bytes written once.
void BM_RawWrite(benchmark::State& state) {
    const auto& r = recording();
    const std::string path = scratch("raw.bin");
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(r.data(), sizeof(SampleRecord), r.size(), f);
        std::fclose(f);
    }
}
BENCHMARK(BM_RawWrite)->Unit(benchmark::kMillisecond);

void BM_DatWrite(benchmark::State& state) {
    const auto& r = recording();
    const std::string path = scratch("w.dat");
    for (auto _ : state) benchmark::DoNotOptimize(writeDataFile(path, 9, r, "ReportTitle"));
}
BENCHMARK(BM_DatWrite)->Unit(benchmark::kMillisecond);

// Every setting the analysis reads, from a settings file at the 1 MiB limit (blank
// lines, the keys at its end): the file is parsed once, not once per key. Arg 0: the
// same Settings object throughout; 1: a new one per round (a parse every round).
void BM_SettingsEveryKey(benchmark::State& state) {
    const std::string path = scratch("Kestrova.ini");
    const std::string keys = "[setup]\nSaturationsLow=80\nPrHigh=140\n[recent]\nFile1=/a.dat\n";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << std::string(IniFile::kMaxBytes - keys.size(), '\n') << keys;
    }
    const Settings kept(path);
    for (auto _ : state) {
        const Settings fresh(path);
        const Settings& s = state.range(0) ? fresh : kept;
        int sum = 0;
        for (const auto& k : kAnalysisSettings) sum += s.read(k.key);
        benchmark::DoNotOptimize(sum + static_cast<int>(s.recentFiles().size()));
    }
}
BENCHMARK(BM_SettingsEveryKey)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RawRead(benchmark::State& state) {
    const std::string path = scratch("r.dat");
    if (!writeDataFile(path, 9, recording(), "ReportTitle")) state.SkipWithError("cannot write the recording");
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);

void BM_DatRead(benchmark::State& state) {
    const std::string path = scratch("r.dat");
    if (!writeDataFile(path, 9, recording(), "ReportTitle")) state.SkipWithError("cannot write the recording");
    for (auto _ : state) benchmark::DoNotOptimize(readDataFile(path));
}
BENCHMARK(BM_DatRead)->Unit(benchmark::kMillisecond);

void BM_TextExport(benchmark::State& state) {
    const auto& r = recording();
    PatientRecord p;
    p.id = 9;
    for (auto _ : state) benchmark::DoNotOptimize(writeTextExport(scratch("e.txt"), r, p, UnitSystem::Imperial));
}
BENCHMARK(BM_TextExport)->Unit(benchmark::kMillisecond);

// CSV out (goal: no slower than the text export) and in (goal: within 10x BM_DatRead).
void BM_CsvExport(benchmark::State& state) {
    const auto& r = recording();
    for (auto _ : state) benchmark::DoNotOptimize(writeCsvRecording(scratch("e.csv"), r));
}
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);

void BM_CsvOpen(benchmark::State& state) {
    if (!writeCsvRecording(scratch("open.csv"), recording())) state.SkipWithError("cannot write the CSV file");
    for (auto _ : state) benchmark::DoNotOptimize(readCsvRecording(scratch("open.csv")));
}
BENCHMARK(BM_CsvOpen)->Unit(benchmark::kMillisecond);

// EDF+ out (goal: within 2x a raw write of as many bytes).
void BM_EdfExport(benchmark::State& state) {
    const auto& r = recording();
    PatientRecord p;
    p.id = 9;
    for (auto _ : state) benchmark::DoNotOptimize(writeEdfRecording(scratch("e.edf"), r, p, "ReportTitle"));
}
BENCHMARK(BM_EdfExport)->Unit(benchmark::kMillisecond);

void BM_EdfSizedRawWrite(benchmark::State& state) {
    PatientRecord p;
    if (!writeEdfRecording(scratch("size.edf"), recording(), p, "ReportTitle"))
        state.SkipWithError("cannot write the EDF file");
    const std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(scratch("size.edf"))), 'x');
    for (auto _ : state) {
        std::FILE* f = std::fopen(scratch("raw.edf").c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fflush(f);
        ::fsync(::fileno(f)); // as the export syncs its file
        std::fclose(f);
    }
}
BENCHMARK(BM_EdfSizedRawWrite)->Unit(benchmark::kMillisecond);

void BM_SpreadsheetExport(benchmark::State& state) {
    const auto& r = recording();
    PatientRecord p;
    p.id = 9;
    for (auto _ : state)
        benchmark::DoNotOptimize(writeSpreadsheetExport(scratch("e.xlsx"), r, p, UnitSystem::Imperial));
}
BENCHMARK(BM_SpreadsheetExport)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(scratch("x")).parent_path(), ec);
    return 0;
}
