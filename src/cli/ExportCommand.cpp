// kestrova-cli export FILE.dat OUT and report FILE.dat OUT.txt: the writers of
// "Save Data" and of the event time report, without their dialogs.
#include "CliCommon.h"

#include "analysis/Analysis.h"
#include "files/CsvRecording.h"
#include "files/EdfRecording.h"
#include "files/EventReport.h"
#include "files/Export.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"
#include "text/StringTable.h"

#include <memory>

namespace kestrova::cli {

void checkExportName(const std::string& out) {
    const std::string ext = fileExtension(out);
    if (ext != "txt" && ext != "xls" && ext != "xlsx" && ext != "csv" && ext != "edf")
        throw CLI::RuntimeError(
            fail("Cannot export to \"" + out + "\": the name must end in .txt, .xls, .xlsx, .csv or .edf."));
}

void exportRecording(const RecordingModel& model, const std::string& out) {
    const std::string ext = fileExtension(out);
    if (ext == "csv" || ext == "edf") {
        const WriteStatus w =
            ext == "csv" ? writeCsvRecording(out, model.currentSamples(), model.reportTitle())
                         : writeEdfRecording(out, model.currentSamples(), model.currentPatient(), model.reportTitle());
        if (!w) throw CLI::RuntimeError(fail(tr(str::CantCreateFile) + ": " + w.error().text()));
        return;
    }
    const UnitSystem units = settings().unitSystem();
    const ExportStatus result =
        ext == "txt" ? writeTextExport(out, model.currentSamples(), model.currentPatient(), units)
                     : writeSpreadsheetExport(out, model.currentSamples(), model.currentPatient(), units);
    if (!result) throw CLI::RuntimeError(fail(exportMessage(result)));
}

void addExportCommands(CLI::App& app) {
    auto options = std::make_shared<CommonOptions>();
    auto file = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto* sub = app.add_subcommand(
        "export", "Export a recording as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)");
    sub->add_option("FILE", *file, "Saved data file (.dat)")->required();
    sub->add_option("OUT", *out, "Output file; its extension (case-sensitive) picks the format")->required();
    addHomeOption(*sub, *options);
    sub->callback([options, file, out] {
        checkExportName(*out);
        auto model = std::make_unique<RecordingModel>();
        if (!loadRecording(*file, *options, *model)) throw CLI::RuntimeError(1);
        exportRecording(*model, *out);
    });

    auto rOptions = std::make_shared<CommonOptions>();
    auto rFile = std::make_shared<std::string>();
    auto rOut = std::make_shared<std::string>();
    auto* report = app.add_subcommand("report", "Write the event time report of a saved recording");
    report->add_option("FILE", *rFile, "Saved data file (.dat)")->required();
    report->add_option("OUT", *rOut, "Report file (.txt)")->required();
    addHomeOption(*report, *rOptions);
    report->callback([rOptions, rFile, rOut] {
        if (fileExtension(*rOut) != "txt")
            throw CLI::RuntimeError(fail("Cannot write the report to \"" + *rOut + "\": the name must end in .txt."));
        auto model = std::make_unique<RecordingModel>();
        if (!loadRecording(*rFile, *rOptions, *model)) throw CLI::RuntimeError(1);
        const Settings& settings = cli::settings();
        const AnalysisResult r = computeAnalysis(model->currentSamples(), settings);
        const WriteStatus written = writeEventReport(*rOut, model->currentSamples(), model->currentPatient(),
                                                     settings.unitSystem(), r.desaturationEvents, r.pulseEvents);
        if (!written) throw CLI::RuntimeError(fail(tr(str::CantCreateFile) + ": " + written.error().text()));
    });
}

} // namespace kestrova::cli
