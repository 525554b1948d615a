// The Studies window over a library of 10 000 studies: from opening the library to a
// laid-out table, as File > Studies does.
//   QT_QPA_PLATFORM=offscreen build/bench/kestrova_studies_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only=true
#include "GeneratedLibrary.h"
#include "dialogs/CStudiesDlg.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <benchmark/benchmark.h>

using namespace kestrova;

namespace {

void BM_StudiesWindowTenThousand(benchmark::State& state) {
    const std::string dir = bench::generatedLibrary(10000);
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
        ui::CStudiesDlg window(**lib);
        window.show();
        QCoreApplication::processEvents();
        if (window.rows()->rowCount() != 10000) {
            state.SkipWithError("the window does not list the library");
            break;
        }
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_StudiesWindowTenThousand)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
