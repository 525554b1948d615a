#include "app/CTavroApp.h"

#include "DeviceSimulator.h"
#include "app/CMainFrame.h"
#include "app/CaptureCommands.h"
#include "app/FrameNavigation.h"
#include "app/RecordingCommands.h"
#include "common/Artwork.h"
#include "common/Messages.h"
#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "files/ProgramDirectory.h"
#include "library/StudyLibrary.h"
#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"
#include "text/StringTable.h"
#include "views/CTavroTableView.h"
#include "views/CTavroTrendView.h"

#include <QApplication>
#include <QFile>
#include <QResource>
#include <QSplashScreen>
#include <QTimer>

namespace kestrova::ui {

CTavroApp::CTavroApp(RecordingModel& model, const std::string& settingsPath)
    : m_model(model), m_settings(settingsPath) {
    m_model.clearAllRecordings();
}

CTavroApp::~CTavroApp() {
    m_splash.reset();
    m_frame.reset();
    m_library.reset();
    m_demo.reset();
    m_model.clearAllRecordings();
}

bool CTavroApp::loadResourceBundle(const QString& directory) {
    const QString path = directory + QStringLiteral("/KestrovaResource.rcc");
    if (!QFile::exists(path) || !QResource::registerResource(path)) return false;
    QFile strings(QStringLiteral(":/kestrova/strings.txt"));
    if (strings.open(QIODevice::ReadOnly)) StringTable::loadOverrides(strings.readAll().toStdString());
    return true;
}

bool CTavroApp::initInstance(bool showSplash, bool demo) {
    m_instance = std::make_unique<SingleInstance>();
    if (!m_instance->acquired()) {
        Messages::showString(nullptr, str::AlreadyRunning);
        return false;
    }
    loadResourceBundle(QCoreApplication::applicationDirPath());

    if (showSplash) {
        m_splash = std::make_unique<QSplashScreen>(artwork::splash());
        m_splash->show();
    }
    m_db = std::make_unique<PatientDatabase>(programDirectory());
    auto library = StudyLibrary::open(StudyLibrary::defaultDirectory());
    if (library) m_library = std::move(*library);
    m_frame = std::make_unique<CMainFrame>(m_model, m_settings, m_library.get());
    installRecordingCommands(*m_frame, *m_db);
    QString demoPort;
    if (demo) {
        // Three patients, two nights and an evening, answering like a real oximeter.
        SimulatorOptions options;
        options.deviceType = 11;
        m_demo = std::make_unique<DeviceSimulator>(options);
        const int ids[3][2] = {{3, 8 * 3600}, {9, 6 * 3600}, {17, 2 * 3600}};
        for (const auto& [id, seconds] : ids) {
            SyntheticNight night;
            night.id = id;
            night.seconds = seconds;
            night.seed = static_cast<std::uint64_t>(id);
            m_demo->addRecording(makeSyntheticNight(night));
        }
        if (m_demo->start())
            demoPort = QString::fromStdString(m_demo->portName());
        else
            m_demo.reset();
    }
    installCaptureCommands(*m_frame, *m_db, demoPort);
    if (!demoPort.isEmpty())
        m_frame->setPermanentNote(
            QStringLiteral("Demo oximeter attached on %1 - File > NewDataCapture downloads it").arg(demoPort));
    m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTrendView(d); });
    m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTableView(d); });
    if (!m_db->ensurePatientDatabase())
        Messages::showString(m_frame.get(), str::CantOpenPatientDb, QMessageBox::Information);

    if (!library) {
        // The program still works on one recording at a time; nothing is kept for it.
        const QString why = QString::fromStdString(library.error().text());
        m_frame->setPermanentNote(QStringLiteral("Study library not available"));
        Messages::info(m_frame.get(),
                       QStringLiteral("The study library cannot be opened, so downloads are kept only in memory "
                                      "and in the files you save.\n\n%1")
                           .arg(why),
                       QMessageBox::Warning);
    }
    m_frame->setWindowIcon(artwork::applicationIcon());
    if (!m_splash) {
        m_frame->showMaximized();
        return true;
    }
    // The splash paints once the event loop runs and stays a second before the frame shows.
    QTimer::singleShot(1000, m_frame.get(), [this] {
        m_frame->showMaximized();
        m_splash->finish(m_frame.get());
        m_splash.reset();
    });
    return true;
}

bool CTavroApp::openFile(const QString& path) {
    return m_frame->navigation().openFile(path);
}

} // namespace kestrova::ui
