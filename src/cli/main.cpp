// kestrova-cli: the program's recordings, analysis, exports and device link from the
// command line. Each subcommand lives in its own file.
#include "CliCommon.h"

int main(int argc, char** argv) {
    CLI::App app{"Kestrova command-line tool"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "kestrova-cli " KESTROVA_VERSION);
    app.fallthrough(); // --settings is understood after the subcommand too
    kestrova::cli::addSettingsOption(app);
    kestrova::cli::addInfoCommand(app);
    kestrova::cli::addAnalyzeCommand(app);
    kestrova::cli::addExportCommands(app);
    kestrova::cli::addDeviceCommands(app);
    kestrova::cli::addRenderCommand(app);
    kestrova::cli::addSummaryCommand(app);
    kestrova::cli::addClinicalReportCommand(app);
    kestrova::cli::addStudiesCommand(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::RuntimeError& e) {
        return e.get_exit_code();
    } catch (const CLI::Success& e) { // --help, --version
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return kestrova::cli::usageError(e.what()); // exit status 2, as command-line tools do
    }
    return 0;
}
