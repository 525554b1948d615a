// Paint time of each page at 1920 x 1080 for a 518400-sample recording, into the
// same off-screen image the views use.
#include "analysis/Analysis.h"
#include "model/SyntheticRecording.h"
#include "pages/AnalysisPage.h"
#include "pages/ClinicalReport.h"
#include "pages/OverviewStrip.h"
#include "pages/TablePage.h"
#include "pages/TrendPage.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
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
// What a person waits for after choosing "Analysis": the analysis of the whole
// recording, then the sheet painted at a common window size.
void BM_AnalysisToSheet(benchmark::State& s) {
    auto& f = fixture();
    QImage image(1280, 800, QImage::Format_RGB32);
    for (auto _ : s) {
        const AnalysisResult a = computeAnalysis(f.samples, AnalysisLimits{});
        PageData d = f.data;
        d.analysis = &a;
        QPainter p(&image);
        AnalysisPage::draw(p, image.rect(), d, false);
    }
}
void BM_AnalysisOnly(benchmark::State& s) {
    auto& f = fixture();
    for (auto _ : s) benchmark::DoNotOptimize(computeAnalysis(f.samples, AnalysisLimits{}));
}
// The trend at its default span against the whole recording on one page (per-column
// min/max), and the overview bar: reducing the night once per width, then each paint.
void BM_TrendWholeRecording(benchmark::State& s) {
    auto& f = fixture();
    PageData d = f.data;
    d.currentPage = 0;
    d.span = static_cast<int>(f.samples.size());
    const SignalBlocks blocks = summariseBlocks(f.samples); // kept by the document, as on screen
    d.blocks = &blocks;
    for (auto _ : s) {
        QPainter p(&f.image);
        TrendPage::draw(p, f.image.rect(), d);
    }
}
void BM_SummariseBlocks(benchmark::State& s) {
    auto& f = fixture();
    for (auto _ : s) benchmark::DoNotOptimize(summariseBlocks(f.samples));
}
BENCHMARK(BM_SummariseBlocks)->Unit(benchmark::kMillisecond);
void BM_OverviewReduce(benchmark::State& s) {
    auto& f = fixture();
    const auto events = findDesaturations(f.samples, 3);
    for (auto _ : s) benchmark::DoNotOptimize(reduceOverview(f.samples, events, 1900));
}
void BM_OverviewPaint(benchmark::State& s) {
    auto& f = fixture();
    const auto columns = reduceOverview(f.samples, findDesaturations(f.samples, 3), 1900);
    QImage bar(1900, 44, QImage::Format_RGB32);
    std::int64_t first = 0;
    for (auto _ : s) {
        QPainter p(&bar);
        drawOverview(p, bar.rect(), columns, first, 1080);
        first = (first + 5000) % 518400; // the window moves, as when dragged
    }
}
BENCHMARK(BM_TrendWholeRecording)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverviewReduce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverviewPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysisToSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysisOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysisPage)->Unit(benchmark::kMillisecond);

// The whole clinical report of a night of state.range(0) hours as `clinical-report`
// makes it (figures, then every page into a PDF in memory): time and pages should grow
// linearly with the recording (1 h, 24 h, 144 h); counters give both per hour.
void BM_ClinicalReport(benchmark::State& state) {
    const auto& f = fixture();
    const auto hours = static_cast<std::size_t>(state.range(0));
    ClinicalReportData data;
    data.page = f.data;
    data.page.samples = std::span<const SampleRecord>(f.samples).first(hours * 3600);
    data.header.clinicName = "Clinic";
    data.reportDate = QDate(2024, 1, 1);
    int pages = 0;
    for (auto _ : state) {
        data.metrics = computeClinicalMetrics(data.page.samples);
        pages = ClinicalReport::pageCount(data, Paper::A4);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(600);
        QPainter painter(&pdf);
        ClinicalReport::printAll(painter, pdf, data);
        painter.end();
        benchmark::DoNotOptimize(buffer.data().size());
    }
    state.counters["pages"] = pages;
    state.counters["pages_per_hour"] = static_cast<double>(pages) / static_cast<double>(hours);
    state.counters["hours"] = static_cast<double>(hours);
}
BENCHMARK(BM_ClinicalReport)->Arg(1)->Arg(24)->Arg(144)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
