// kestrova-cli clinical-report FILE OUT.pdf [--paper a4|letter]: the whole-night
// clinical report, drawn by the same renderer as the program's Clinical Summary.
#include "CliCommon.h"

#include "analysis/ClinicalMetrics.h"
#include "files/Export.h"
#include "model/RecordingModel.h"
#include "pages/ClinicalReport.h"
#include "settings/Settings.h"
#include "text/StringTable.h"

#include <memory>

namespace kestrova::cli {

void addClinicalReportCommand(CLI::App& app) {
    struct Options {
        CommonOptions common;
        std::string file, out, paper = "a4";
    };
    auto o = std::make_shared<Options>();
    auto* sub = app.add_subcommand("clinical-report", "The whole-night clinical report of a recording as a PDF");
    sub->add_option("FILE", o->file, "Saved recording")->required();
    sub->add_option("OUT", o->out, "OUT.pdf")->required();
    sub->add_option("--paper", o->paper, "a4 or letter")->check(CLI::IsMember({"a4", "letter"}))->capture_default_str();
    addHomeOption(*sub, o->common);
    sub->callback([o] {
        if (fileExtension(o->out) != "pdf") throw CLI::RuntimeError(fail("OUT must end in .pdf."));
        auto model = std::make_unique<RecordingModel>();
        if (!loadRecording(o->file, o->common, *model)) throw CLI::RuntimeError(1);
        const auto gui = offscreenGui();
        pages::ClinicalReportData data;
        data.page.samples = model->currentSamples();
        data.page.patient = model->currentPatient();
        data.page.reportTitle = model->reportTitle();
        data.page.units = settings().unitSystem();
        data.metrics = computeClinicalMetrics(data.page.samples);
        const WriteStatus written = pages::ClinicalReport::writePdf(
            o->out, data, o->paper == "letter" ? pages::Paper::Letter : pages::Paper::A4);
        if (!written) throw CLI::RuntimeError(fail(tr(str::CantCreateFile) + ": " + written.error().text()));
    });
}

} // namespace kestrova::cli
