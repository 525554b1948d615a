// Paint time of each page at 1920 x 1080 for a 518400-sample recording, into the
// same off-screen image the views use.
#include "analysis/Analysis.h"
#include "model/SyntheticRecording.h"
#include "pages/AnalysisPage.h"
#include "pages/TablePage.h"
#include "pages/TrendPage.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace kestrova;
using namespace kestrova::pages;

namespace {

struct Fixture {
    std::vector<SampleRecord> samples;
    AnalysisResult analysis;
    PageData data;
    QImage image{1920, 1080, QImage::Format_RGB32};
    Fixture() {
        SyntheticNight night;
        night.seconds = 518400;
        samples = makeSyntheticNight(night);
        analysis = computeAnalysis(samples, AnalysisLimits{});
        data.samples = samples;
        data.patient.id = 1;
        data.reportTitle = "ReportTitle";
        data.analysis = &analysis;
        data.currentPage = 100;
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

template <typename Draw> void paintLoop(benchmark::State& state, Draw draw) {
    auto& f = fixture();
    for (auto _ : state) {
        QPainter p(&f.image);
        draw(p, f.image.rect(), f.data);
    }
}

void BM_TrendPage(benchmark::State& s) {
    paintLoop(s, [](QPainter& p, const QRect& r, const PageData& d) { TrendPage::draw(p, r, d); });
}
void BM_TablePage(benchmark::State& s) {
    paintLoop(s, [](QPainter& p, const QRect& r, const PageData& d) { TablePage::draw(p, r, d); });
}
void BM_AnalysisPage(benchmark::State& s) {
    paintLoop(s, [](QPainter& p, const QRect& r, const PageData& d) { AnalysisPage::draw(p, r, d, false); });
}
BENCHMARK(BM_TrendPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysisPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
