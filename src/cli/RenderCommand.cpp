// kestrova-cli render: a page as the screen shows it (PNG) or as Print puts it on
// paper (PDF, A4), drawn by the same page renderers as the program. Needs no display.
#include "CliCommon.h"

#include "analysis/Analysis.h"
#include "files/Export.h"
#include "model/RecordingModel.h"
#include "model/RecordingTime.h"
#include "model/ScreenSize.h"
#include "pages/PageRenderer.h"
#include "settings/Settings.h"
#include "text/StringTable.h"
#include "text/Translate.h"

#include "pages/Language.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace kestrova::cli {

std::shared_ptr<void> offscreenGui() {
    // The drawing needs fonts, hence a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kestrova-cli";
    static char* argv[] = {name, nullptr};
    auto gui = std::make_shared<QGuiApplication>(argc, argv);
    ui::Language::attachToApplication(); // the pages' own texts in the chosen language
    return gui;
}

void addRenderCommand(CLI::App& app) {
    struct Options {
        CommonOptions common;
        std::string file, out, view = "trend", size = "1280x800", start;
        int page = 0, span = 0;
    };
    auto o = std::make_shared<Options>();
    auto* sub = app.add_subcommand(
        "render", ktr("RenderCommand", "Draw a page of a saved recording to a PNG image or an A4 PDF"));
    sub->add_option("FILE", o->file, ktr("RenderCommand", "Saved data file (.dat)"))->required();
    sub->add_option("OUT", o->out, ktr("RenderCommand", "OUT.png (screen rendering) or OUT.pdf (printed page)"))
        ->required();
    sub->add_option("--view", o->view, ktr("RenderCommand", "trend, table or analysis"))
        ->check(CLI::IsMember({"trend", "table", "analysis"}))
        ->capture_default_str();
    sub->add_option("--page", o->page, ktr("RenderCommand", "Page, counted from 0"))->capture_default_str();
    auto* sizeOption =
        sub->add_option("--size", o->size, ktr("RenderCommand", "Screen size WxH for PNG (at most 16384x16384)"))
            ->capture_default_str();
    auto* spanOption =
        sub->add_option("--span", o->span,
                        ktr("RenderCommand", "Trend: seconds one page shows (default: one per unit of width)"))
            ->check(CLI::Range(10, 518400));
    auto* startOption = sub->add_option(
        "--start", o->start,
        ktr("RenderCommand", "Trend with --span: the page starts here (YYYY-MM-DDTHH:MM:SS or HH:MM:SS)"));
    startOption->needs(spanOption);
    addHomeOption(*sub, o->common);
    sub->callback([o, sizeOption, spanOption, startOption] {
        const std::string ext = fileExtension(o->out);
        if (ext != "png" && ext != "pdf")
            throw CLI::RuntimeError(fail(ktr("RenderCommand", "OUT must end in .png or .pdf.")));
        const bool pdf = ext == "pdf";
        if (pdf && sizeOption->count() > 0)
            throw CLI::RuntimeError(
                fail(ktr("RenderCommand", "--size applies to PNG images only: a PDF is always one A4 page.")));
        constexpr int kMaxSide = 16384;
        const auto parsed = parseScreenSize(o->size);
        const int w = parsed ? parsed->width : 0, h = parsed ? parsed->height : 0;
        if (w < 1 || h < 1)
            throw CLI::RuntimeError(fail(ktr("RenderCommand", "--size must be WxH, for example 1280x800.")));
        if (w > kMaxSide || h > kMaxSide)
            throw CLI::RuntimeError(
                fail(text::arg(ktr("RenderCommand", "--size %1 is too large: at most 16384x16384."), {o->size})));
        auto model = std::make_unique<RecordingModel>();
        if (!loadRecording(o->file, o->common, *model)) throw CLI::RuntimeError(1);

        const auto gui = offscreenGui();
        const Settings& settings = cli::settings();
        const auto kind = o->view == "trend"   ? pages::PageKind::Trend
                          : o->view == "table" ? pages::PageKind::Table
                                               : pages::PageKind::Analysis;
        if (spanOption->count() > 0 && kind != pages::PageKind::Trend)
            throw CLI::RuntimeError(usageError(ktr("RenderCommand", "--span applies to the trend view only.")));
        AnalysisResult analysis;
        if (kind == pages::PageKind::Analysis) analysis = computeAnalysis(model->currentSamples(), settings);
        pages::PageData data;
        data.samples = model->currentSamples();
        data.patient = model->currentPatient();
        data.reportTitle = model->reportTitle();
        data.units = settings.unitSystem();
        data.analysis = &analysis;
        data.desaturationsEvent = settings.read(setting::DesaturationsEvent);
        data.pulseEvent = settings.read(setting::PulseEvent);
        data.currentPage = o->page;
        data.span = o->span;
        if (startOption->count() > 0) {
            const auto query = parseTimeQuery(o->start);
            if (!query)
                throw CLI::RuntimeError(
                    usageError(ktr("RenderCommand", "--start must be YYYY-MM-DDTHH:MM:SS or HH:MM:SS.")));
            const auto samples = model->currentSamples();
            const auto index = findSampleAt(samples, *query);
            if (!index)
                throw CLI::RuntimeError(fail(text::arg(
                    ktr("RenderCommand", "--start %1 is not within the recording (%2)."),
                    {o->start, samples.empty() ? ktr("RenderCommand", "no samples")
                                               : text::arg(ktr("RenderCommand", "%1 \u2013 %2"),
                                                           {stampText(samples.front()), stampText(samples.back())})})));
            data.firstSample = *index;
        }

        const QRect area = pdf ? QRect(0, 0, 793, 1122) : QRect(0, 0, w, h);
        // An empty recording still has its page 0.
        const int lastPage = std::max(0, pages::PageRenderer::pageCount(kind, area, data) - 1);
        if (o->page < 0 || o->page > lastPage)
            throw CLI::RuntimeError(fail(text::arg(ktr("RenderCommand", "page %1 does not exist (0\u2013%2)"),
                                                   {std::to_string(o->page), std::to_string(lastPage)})));
        const WriteStatus written =
            pdf ? pages::PageRenderer::writePdf(o->out, kind, data)
                : pages::PageRenderer::writePng(o->out, pages::PageRenderer::renderScreen(kind, data, QSize(w, h)));
        if (!written) throw CLI::RuntimeError(fail(tr(str::CantCreateFile) + ": " + written.error().text()));
    });
}

} // namespace kestrova::cli
