// kestrova: the desktop program.
#include "app/CTavroApp.h"
#include "model/RecordingModel.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestrova"));
    // A file name on the command line opens nothing: the program starts empty.
    kestrova::ui::CTavroApp kestrovaApp(kestrova::RecordingModel::instance());
    const bool demo = QApplication::arguments().contains(QStringLiteral("--demo"));
    if (!kestrovaApp.initInstance(qEnvironmentVariable("KESTROVA_SPLASH") != QLatin1String("0"), demo))
        return 0; // a second instance: told so, and gone
    return QApplication::exec();
}
