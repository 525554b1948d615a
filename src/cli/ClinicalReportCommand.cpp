// kestrova-cli clinical-report FILE OUT.pdf [--paper a4|letter] [--interpretation-file
// FILE]: the whole-night clinical report of a recording, drawn by the same renderer as
// the program's Clinical Summary, with the clinic's header from the settings and
// today's date.
#include "CliCommon.h"

#include "analysis/ClinicalMetrics.h"
#include "files/Export.h"
#include "files/InputFile.h"
#include "model/RecordingModel.h"
#include "pages/ClinicalReport.h"
#include "settings/ReportSettings.h"
#include "settings/Settings.h"
#include "text/StringTable.h"
#include "text/Translate.h"

#include <QDate>

#include <memory>

namespace kestrova::cli {

namespace {
// An interpretation is a few paragraphs; anything larger is not one.
constexpr long long kMaxInterpretationBytes = 64 * 1024;
} // namespace

void addClinicalReportCommand(CLI::App& app) {
    struct Options {
        CommonOptions common;
        std::string file, out, paper, interpretation;
    };
    auto o = std::make_shared<Options>();
    auto* sub = app.add_subcommand(
        "clinical-report", ktr("ClinicalReportCommand", "The whole-night clinical report of a recording as a PDF"));
    sub->add_option("FILE", o->file, ktr("ClinicalReportCommand", "Saved recording"))->required();
    sub->add_option("OUT", o->out, ktr("ClinicalReportCommand", "OUT.pdf"))->required();
    sub->add_option("--paper", o->paper,
                    ktr("ClinicalReportCommand", "a4 or letter (default: the paper of Options > Report, else a4)"))
        ->check(CLI::IsMember({"a4", "letter"}));
    sub->add_option(
        "--interpretation-file", o->interpretation,
        ktr("ClinicalReportCommand", "UTF-8 text printed as the interpretation (default: an empty box to write in)"));
    addHomeOption(*sub, o->common);
    sub->callback([o] {
        if (fileExtension(o->out) != "pdf")
            throw CLI::RuntimeError(fail(ktr("ClinicalReportCommand", "OUT must end in .pdf.")));
        pages::ClinicalReportData data;
        if (!o->interpretation.empty()) {
            Result<std::string> text = readRegularFile(o->interpretation, kMaxInterpretationBytes);
            if (!text) {
                const std::string why =
                    text.status() == Status::TooLarge
                        ? text::arg(ktr("ClinicalReportCommand", "%1: larger than 64 KiB, not an interpretation"),
                                    {o->interpretation})
                        : text.error().text();
                throw CLI::RuntimeError(
                    fail(text::arg(ktr("ClinicalReportCommand", "The interpretation cannot be read: %1"), {why})));
            }
            data.interpretation = std::move(*text);
        }
        auto model = std::make_unique<RecordingModel>();
        if (!loadRecording(o->file, o->common, *model)) throw CLI::RuntimeError(1);
        const auto gui = offscreenGui();
        data.page.samples = model->currentSamples();
        data.page.patient = model->currentPatient();
        data.page.reportTitle = model->reportTitle();
        data.page.units = settings().unitSystem();
        data.metrics = computeClinicalMetrics(data.page.samples);
        data.header = ReportSettings::read(settings());
        data.deviceType = model->deviceType();
        data.reportDate = QDate::currentDate();
        data.version = KESTROVA_VERSION;
        const PaperSize paper = o->paper.empty() ? data.header.paper : paperOf(o->paper);
        const WriteStatus written = pages::ClinicalReport::writePdf(o->out, data, paper);
        if (!written) throw CLI::RuntimeError(fail(tr(str::CantCreateFile) + ": " + written.error().text()));
    });
}

} // namespace kestrova::cli
