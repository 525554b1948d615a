// kestrova: the desktop program.
#include "app/CTavroApp.h"
#include "files/ProgramDirectory.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <memory>

namespace {

struct StartOptions {
    bool demo = false;
    bool useDataDirectory = false;
    std::string settingsFile;
    QStringList files; // the files given, absolute
};

// --help and --version are answered before any window or file is touched (they work
// without a display); otherwise the options for the start.
std::unique_ptr<StartOptions> parseCommandLine(int argc, char** argv, int& exitCode) {
    QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrova"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTROVA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kestrova: downloads, shows, analyses, prints and exports the "
                                                    "recordings of a finger pulse oximeter."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Attach a simulated oximeter, so a download works without a device."));
    const QCommandLineOption dataDir(QStringLiteral("use-data-dir"),
                                     QStringLiteral("Keep the settings file (Kestrova.ini) in the per-user data "
                                                    "directory instead of the working directory (desktop starts)."));
    const QCommandLineOption settingsFile(QStringLiteral("settings"),
                                          QStringLiteral("Read and write this settings file instead of Kestrova.ini."),
                                          QStringLiteral("FILE"));
    parser.addOption(demo);
    parser.addOption(dataDir);
    parser.addOption(settingsFile);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("Recordings to open (.dat, .csv, .edf): the first is shown, several are "
                       "kept in the study library. Given to a running Kestrova, they open "
                       "there."),
        QStringLiteral("[FILE...]"));
    // Qt's own options (-platform, -style ...) are taken by QApplication later, so an
    // option unknown here is only worth a warning.
    if (!parser.parse(QCoreApplication::arguments()))
        std::fprintf(stderr, "kestrova: %s (see kestrova --help)\n", qPrintable(parser.errorText()));
    // parse() leaves --help-all (which addHelpOption declares) to the caller as well.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        exitCode = 0;
        return nullptr;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("kestrova %s\n", KESTROVA_VERSION);
        exitCode = 0;
        return nullptr;
    }
    auto options = std::make_unique<StartOptions>();
    options->demo = parser.isSet(demo);
    options->useDataDirectory = parser.isSet(dataDir);
    options->settingsFile = parser.value(settingsFile).toStdString();
    for (const QString& given : parser.positionalArguments()) options->files << QDir::current().absoluteFilePath(given);
    return options;
}

} // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const auto options = parseCommandLine(argc, argv, exitCode);
    if (!options) return exitCode;
    // Decided once, before anything reads a setting: a desktop start (--use-data-dir)
    // keeps its settings in the per-user data directory, not in the home folder.
    const std::string settingsPath = kestrova::Settings::locate(options->settingsFile, options->useDataDirectory);

    QApplication app(argc, argv);
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
