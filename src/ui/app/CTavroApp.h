// Start-up and shut-down: one instance per user, the optional resource bundle, the
// patient database file, the study library, the main frame with its two view templates (trend first,
// table last), and the splash while the frame is built.
#pragma once

#include "app/SingleInstance.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QSplashScreen>
#include <QString>

#include <memory>

namespace kestrova {
class RecordingModel;
class PatientDatabase;
class DeviceSimulator;
class StudyLibrary;
} // namespace kestrova

namespace kestrova::ui {

class CMainFrame;

class CTavroApp {
    Q_DECLARE_TR_FUNCTIONS(CTavroApp)

public:
    // `settingsPath`: the settings file of this start (Settings::locate).
    CTavroApp(RecordingModel& model, const std::string& settingsPath);
    ~CTavroApp();

    // Returns false when the program must end at once (a second instance, which hands
    // `files` to the running one when it was given any).
    // `demo`: a simulated oximeter runs inside the program and is probed first.
    bool initInstance(bool showSplash = true, bool demo = false, const QStringList& files = {});
    CMainFrame* mainFrame() const { return m_frame.get(); }

    // Opens a saved recording as Open Saved Data does, after start-up (`kestrova FILE`).
    // On failure the message is shown and the program stays empty.
    bool openFile(const QString& path);
    // Files given to a later start, or dropped on the window: the first is opened, and
    // when there are several, every one is kept in the study library.
    void takeFiles(const QStringList& files);

    // Loads KestrovaResource.rcc from `directory` when present: its strings.txt
    // replaces entries of the string table, its images replace the built-in ones.
    static bool loadResourceBundle(const QString& directory);

private:
    RecordingModel& m_model;
    Settings m_settings;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<PatientDatabase> m_db;
    std::unique_ptr<StudyLibrary> m_library; // null when it could not be opened
    std::unique_ptr<DeviceSimulator> m_demo;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<QSplashScreen> m_splash; // until the frame shows
};

} // namespace kestrova::ui
