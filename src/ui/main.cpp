// kestrova: the desktop program.
#include "app/CTavroApp.h"
#include "files/ProgramDirectory.h"
#include "model/RecordingModel.h"
#include "pages/Language.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>

#include <cstdio>
#include <memory>

namespace {

struct StartOptions {
    bool demo = false;
    bool useDataDirectory = false;
    std::string settingsFile;
    std::string settingsPath; // Settings::locate of this start
    QStringList files;        // the files given, absolute
};

// The language of this start, before any text is made: --lang, then the environment
// and the stored setting. An unknown --lang is said once and the start goes on in
// plain English.
void installLanguage(int argc, char** argv, const std::string& settingsPath) {
    using kestrova::ui::Language;
    const QString given = Language::commandLineCode(argc, argv);
    const kestrova::Settings settings(settingsPath);
    const QString code = Language::choose(given, QString::fromStdString(settings.language()));
    if (!Language::install(code)) {
        Language::install(QStringLiteral("en"));
        const QString line = QCoreApplication::translate(
                                 "KestrovaMain", "kestrova: unknown language \"%1\" (known: %2); English is used")
                                 .arg(code, Language::codes().join(QStringLiteral(", ")));
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }
    QLocale::setDefault(Language::locale());
}

struct ParserOptions {
    QCommandLineOption demo{QStringLiteral("demo")};
    QCommandLineOption dataDir{QStringLiteral("use-data-dir")};
    QCommandLineOption settingsFile{QStringLiteral("settings")};
    QCommandLineOption language{QStringLiteral("lang")};
};

// The options with their descriptions in the language installed when it is called.
void describeOptions(QCommandLineParser& parser, ParserOptions& o) {
    parser.setApplicationDescription(
        QCoreApplication::translate("KestrovaMain", "Kestrova: downloads, shows, analyses, prints and exports the "
                                                    "recordings of a finger pulse oximeter."));
    parser.addHelpOption();
    parser.addVersionOption();
    o.demo =
        QCommandLineOption(QStringLiteral("demo"),
                           QCoreApplication::translate(
                               "KestrovaMain", "Attach a simulated oximeter, so a download works without a device."));
    o.dataDir = QCommandLineOption(
        QStringLiteral("use-data-dir"),
        QCoreApplication::translate("KestrovaMain", "Keep the settings file (Kestrova.ini) in the per-user data "
                                                    "directory instead of the working directory (desktop starts)."));
    o.settingsFile = QCommandLineOption(
        QStringLiteral("settings"),
        QCoreApplication::translate("KestrovaMain", "Read and write this settings file instead of Kestrova.ini."),
        QStringLiteral("FILE"));
    o.language = QCommandLineOption(QStringLiteral("lang"),
                                    QCoreApplication::translate("KestrovaMain", "Language: en, en_classic, de, fr, es"),
                                    QStringLiteral("CODE"));
    parser.addOption(o.demo);
    parser.addOption(o.dataDir);
    parser.addOption(o.settingsFile);
    parser.addOption(o.language);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("KestrovaMain",
                                    "Recordings to open (.dat, .csv, .edf): the first is shown, several are "
                                    "kept in the study library. Given to a running Kestrova, they open "
                                    "there."),
        QStringLiteral("[FILE...]"));
}

// --help and --version are answered before any window or file is touched (they work
// without a display); otherwise the options for the start. The settings file is
// located from the options, its language installed, and only then is help written.
std::unique_ptr<StartOptions> parseCommandLine(int argc, char** argv, int& exitCode) {
    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrova"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTROVA_VERSION));
    QCommandLineParser parser;
    ParserOptions o;
    describeOptions(parser, o);
    // Qt's own options (-platform, -style ...) are taken by QApplication later, so an
    // option unknown here is only worth a warning.
    const bool parsed = parser.parse(QCoreApplication::arguments());
    auto options = std::make_unique<StartOptions>();
    options->demo = parser.isSet(o.demo);
    options->useDataDirectory = parser.isSet(o.dataDir);
    options->settingsFile = parser.value(o.settingsFile).toStdString();
    // Decided once, before anything reads a setting: a desktop start (--use-data-dir)
    // keeps its settings in the per-user data directory, not in the home folder.
    options->settingsPath = kestrova::Settings::locate(options->settingsFile, options->useDataDirectory);
    installLanguage(argc, argv, options->settingsPath);
    kestrova::ui::Language::attachToApplication();
    if (!parsed)
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("KestrovaMain", "kestrova: %1 (see kestrova --help)")
                                    .arg(parser.errorText())));
    // parse() leaves --help-all (which addHelpOption declares) to the caller as well.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        QCommandLineParser translated;
        ParserOptions unused;
        describeOptions(translated, unused);
        std::fputs(qPrintable(translated.helpText()), stdout);
        exitCode = 0;
        return nullptr;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("kestrova %s\n", KESTROVA_VERSION);
        exitCode = 0;
        return nullptr;
    }
    for (const QString& given : parser.positionalArguments()) options->files << QDir::current().absoluteFilePath(given);
    return options;
}

} // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const auto options = parseCommandLine(argc, argv, exitCode);
    if (!options) return exitCode;
    const std::string& settingsPath = options->settingsPath;

    QApplication app(argc, argv);
    kestrova::ui::Language::attachToApplication();
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestrova"));
    QApplication::setApplicationVersion(QStringLiteral(KESTROVA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kestrova"));
    kestrova::ui::CTavroApp kestrovaApp(kestrova::RecordingModel::instance(), settingsPath);
    if (!kestrovaApp.initInstance(qEnvironmentVariable("KESTROVA_SPLASH") != QLatin1String("0"), options->demo,
                                  options->files))
        return 0; // a second instance: its files handed over, or told so, and gone
    kestrovaApp.takeFiles(options->files);
    return QApplication::exec();
}
