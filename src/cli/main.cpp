// kestrova-cli: the program's recordings, analysis, exports and device link from the
// command line. Each subcommand lives in its own file.
#include "CliCommon.h"

#include "pages/Language.h"
#include "settings/Settings.h"
#include "text/Translate.h"

#include <QtGlobal>

#include <cstdio>
#include <cstring>

namespace {

// Qt's own chatter at start-up (QStandardPaths about XDG_RUNTIME_DIR, qt.* plugin
// notes) says nothing a command-line user can act on and would mix with the
// command's messages on stderr. A fatal message still ends the run, as Qt's does.
void quietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        std::abort();
    }
    const char* category = context.category ? context.category : "";
    if (std::strncmp(category, "qt.", 3) == 0 || message.startsWith(QLatin1String("QStandardPaths")) ||
        type == QtDebugMsg)
        return;
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// The --settings FILE of the command line, read before the parser exists: the
// language of the help texts comes from that file's Language setting.
std::string settingsArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--") == 0) break;
        if (std::strcmp(a, "--settings") == 0 && i + 1 < argc) return argv[i + 1];
        if (std::strncmp(a, "--settings=", 11) == 0) return a + 11;
    }
    return {};
}

void chooseLanguage(int argc, char** argv) {
    using kestrova::ui::Language;
    const kestrova::Settings settings(kestrova::Settings::locate(settingsArgument(argc, argv)));
    const QString code =
        Language::choose(Language::commandLineCode(argc, argv), QString::fromStdString(settings.language()));
    if (Language::install(code)) return;
    Language::install(QStringLiteral("en"));
    std::fprintf(stderr, "%s\n",
                 kestrova::cli::terminalSafe(
                     kestrova::text::arg(kestrova::ktr("Cli", "Unknown language \"%1\"; English is used."),
                                         {code.toStdString()}))
                     .c_str());
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietQtMessages);
    chooseLanguage(argc, argv);
    CLI::App app{kestrova::ktr("Cli", "Kestrova command-line tool")};
    app.require_subcommand(1);
    app.set_version_flag("--version", "kestrova-cli " KESTROVA_VERSION,
                         kestrova::ktr("Cli", "Display program version information and exit"));
    app.set_help_flag("-h,--help", kestrova::ktr("Cli", "Print this help message and exit"));
    app.fallthrough(); // --settings and --lang are understood after the subcommand too
    kestrova::cli::addSettingsOption(app);
    std::string language; // applied above, before the help texts were made
    app.add_option("--lang", language,
                   kestrova::ktr("Cli", "Language of messages and reports: en, en_classic, de, fr, es"));
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
