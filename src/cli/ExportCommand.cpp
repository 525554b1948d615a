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
#include "text/Translate.h"

#include <memory>

namespace kestrova::cli {

void checkExportName(const std::string& out) {
    if (isStandardOutput(out)) return;
    const std::string ext = fileExtension(out);
    if (ext != "txt" && ext != "xls" && ext != "xlsx" && ext != "csv" && ext != "edf")
        throw CLI::RuntimeError(fail(text::arg(
            ktr("ExportCommand", "Cannot export to \"%1\": the name must end in .txt, .xls, .xlsx, .csv or .edf."),
            {out})));
}

void addFormatOption(CLI::App& sub, std::string& format) {
    sub.add_option("--format", format, ktr("ExportCommand", "Format when OUT is - (the standard output)"))
        ->check(CLI::IsMember({"txt", "xls", "xlsx", "csv", "edf"}))
        ->default_str("txt");
}

void exportRecording(const RecordingModel& model, const std::string& out, const std::string& format) {
    if (isStandardOutput(out)) {
        const std::string ext = format.empty() ? "txt" : format;
        writeThroughStandardOutput(ext, [&](const std::string& file) { exportRecording(model, file); });
        return;
    }
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
    auto format = std::make_shared<std::string>();
    auto* sub = app.add_subcommand(
        "export",
        ktr("ExportCommand", "Export a recording as text (.txt), a workbook (.xlsx, .xls), CSV (.csv) or EDF+ (.edf)"));
    sub->add_option("FILE", *file, ktr("ExportCommand", "Saved data file (.dat)"))->required();
    sub->add_option("OUT", *out, ktr("ExportCommand", "Output file; its extension (case-sensitive) picks the format"))
        ->required();
    addFormatOption(*sub, *format);
    addHomeOption(*sub, *options);
    sub->callback([options, file, out, format] {
        checkExportName(*out);
        auto model = std::make_unique<RecordingModel>();
        if (!loadRecording(*file, *options, *model)) throw CLI::RuntimeError(1);
        exportRecording(*model, *out, *format);
    });

    auto rOptions = std::make_shared<CommonOptions>();
    auto rFile = std::make_shared<std::string>();
    auto rOut = std::make_shared<std::string>();
    auto* report =
        app.add_subcommand("report", ktr("ExportCommand", "Write the event time report of a saved recording"));
    report->add_option("FILE", *rFile, ktr("ExportCommand", "Saved data file (.dat)"))->required();
    report->add_option("OUT", *rOut, ktr("ExportCommand", "Report file (.txt), or - for the standard output"))
        ->required();
    addHomeOption(*report, *rOptions);
    report->callback([rOptions, rFile, rOut] {
        if (!isStandardOutput(*rOut) && fileExtension(*rOut) != "txt")
            throw CLI::RuntimeError(fail(text::arg(
                ktr("ExportCommand", "Cannot write the report to \"%1\": the name must end in .txt."), {*rOut})));
        auto model = std::make_unique<RecordingModel>();
        if (!loadRecording(*rFile, *rOptions, *model)) throw CLI::RuntimeError(1);
        const Settings& settings = cli::settings();
        const AnalysisResult r = computeAnalysis(model->currentSamples(), settings);
        const auto write = [&](const std::string& file) {
            const WriteStatus written = writeEventReport(file, model->currentSamples(), model->currentPatient(),
                                                         settings.unitSystem(), r.desaturationEvents, r.pulseEvents);
            if (!written) throw CLI::RuntimeError(fail(tr(str::CantCreateFile) + ": " + written.error().text()));
        };
        if (isStandardOutput(*rOut))
            writeThroughStandardOutput("txt", write);
        else
            write(*rOut);
    });
}

} // namespace kestrova::cli
