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
#include <QStringList>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace kestrova::ui {
namespace {
// Why the patient database cannot be used, empty when it can.
QString patientDatabaseProblem(const PatientDatabase& db) {
    if (const Outcome p = db.problem(); !p) return QString::fromStdString(p.error().text());
    const int fd = ::open(db.path().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return QString::fromStdString(systemError(db.path(), errno).text());
    ::close(fd);
    return {};
}
} // namespace

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

bool CTavroApp::initInstance(bool showSplash, bool demo, const QStringList& files) {
    m_instance = std::make_unique<SingleInstance>();
    if (!m_instance->acquired()) {
        // The running instance opens what this start was given; only when it cannot
        // take them is the user told that one runs already.
        if (files.isEmpty() || !SingleInstance::handOver(files)) Messages::showString(nullptr, str::AlreadyRunning);
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
            tr("Demo oximeter attached on %1 - File > NewDataCapture downloads it").arg(demoPort));
    m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTrendView(d); });
    m_frame->registerTemplate([](RecordingDocument& d) -> RecordingView* { return new CTavroTableView(d); });
    // A first start creates the database silently; only one that cannot be created or
    // read is said, once, with its path and why.
    m_db->ensurePatientDatabase();
    if (const QString problem = patientDatabaseProblem(*m_db); !problem.isEmpty()) {
        m_frame->setPermanentNote(tr("Patient list not available"));
        Messages::info(m_frame.get(),
                       QString::fromStdString(kestrova::tr(str::CantOpenPatientDb)) + QStringLiteral("\n\n") + problem,
                       QMessageBox::Warning);
    }

    if (const Outcome p = m_settings.problem(); !p) {
        // Nothing is written to such a file, so the user's own file survives the start.
        m_frame->setPermanentNote(tr("Settings not read: defaults in use"));
        Messages::info(m_frame.get(),
                       QCoreApplication::translate("CTavroApp",
                                                   "The settings file %1 cannot be read, so the default settings "
                                                   "are used and the file is left as it is.\n\n%2")
                           .arg(QString::fromStdString(m_settings.path()), QString::fromStdString(p.error().text())),
                       QMessageBox::Warning);
    }

    if (!library) {
        // The program still works on one recording at a time; nothing is kept for it.
        const QString why = QString::fromStdString(library.error().text());
        m_frame->setPermanentNote(tr("Study library not available"));
        Messages::info(m_frame.get(),
                       tr("The study library cannot be opened, so downloads are kept only in memory "
                          "and in the files you save.\n\n%1")
                           .arg(why),
                       QMessageBox::Warning);
    }
    m_frame->setDropHandler([this](const QStringList& dropped) { takeFiles(dropped); });
    m_instance->listen([this](const QStringList& given) {
        m_frame->showMaximized();
        m_frame->raise();
        m_frame->activateWindow();
        takeFiles(given);
    });
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

void CTavroApp::takeFiles(const QStringList& files) {
    if (files.isEmpty()) return;
    if (files.size() > 1 && m_library) {
        std::vector<std::string> paths;
        for (const QString& f : files) paths.push_back(f.toStdString());
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto imported =
            importRecordingFiles(*m_library, paths, [this](int id) { return m_db->proposedPatient(id); });
        QApplication::restoreOverrideCursor();
        int added = 0, present = 0;
        QStringList failed;
        for (const ImportedFile& f : imported) {
            if (!f.stored)
                failed << QString::fromStdString(f.stored.error().text());
            else
                ++(f.stored->alreadyPresent ? present : added);
        }
        QString text = tr("%1 recordings added to the study library, %2 already there.").arg(added).arg(present);
        if (!failed.isEmpty()) text += tr("\n\nNot added:\n") + failed.join(QLatin1Char('\n'));
        Messages::info(m_frame.get(), text, failed.isEmpty() ? QMessageBox::Information : QMessageBox::Warning);
    }
    openFile(files.first());
}

} // namespace kestrova::ui
