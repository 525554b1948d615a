// kestrova: the desktop program.
#include "app/CTavroApp.h"
#include "files/ProgramDirectory.h"
#include "model/RecordingModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <memory>

namespace {

struct StartOptions {
    bool demo = false;
    bool useDataDirectory = false;
    QString file;
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
    parser.addOption(demo);
    parser.addOption(dataDir);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A saved recording (.dat) to open at start."),
                                 QStringLiteral("[FILE]"));
    // Qt's own options (-platform, -style ...) are taken by QApplication later, so an
    // option unknown here is only worth a warning.
    if (!parser.parse(QCoreApplication::arguments()))
        std::fprintf(stderr, "kestrova: %s (see kestrova --help)\n", qPrintable(parser.errorText()));
    if (parser.isSet(QStringLiteral("help"))) {
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
    if (!parser.positionalArguments().isEmpty())
        options->file = QDir::current().absoluteFilePath(parser.positionalArguments().constFirst());
    return options;
}

} // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const auto options = parseCommandLine(argc, argv, exitCode);
    if (!options) return exitCode;
    // The settings file is relative to the working directory; a desktop start would put
    // it in the home folder, so the desktop entry moves it to the data directory.
    if (options->useDataDirectory) QDir::setCurrent(QString::fromStdString(kestrova::userDataDirectory()));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestrova"));
    QApplication::setApplicationVersion(QStringLiteral(KESTROVA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kestrova"));
    kestrova::ui::CTavroApp kestrovaApp(kestrova::RecordingModel::instance());
    if (!kestrovaApp.initInstance(qEnvironmentVariable("KESTROVA_SPLASH") != QLatin1String("0"), options->demo))
        return 0; // a second instance: told so, and gone
    if (!options->file.isEmpty()) kestrovaApp.openFile(options->file);
    return QApplication::exec();
}
