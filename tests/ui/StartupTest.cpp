// Start-up of the real program: one instance per user, the patient database file
// created on first start with its message, and a clean exit.
#include "MessageLog.h"
#include "app/CMainFrame.h"
#include "app/CMdiClient.h"
#include "app/CTavroApp.h"
#include "common/Commands.h"
#include "model/RecordingModel.h"
#include "text/StringTable.h"

#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

#include <filesystem>
#include <unistd.h>

using namespace kestrova;
using namespace kestrova::ui;

namespace {
// The real program, scripted: messages to stderr, files under `dir`.
std::string gui(const test::TempDir& dir) {
    return "cd " + dir.path() +
           " && QT_QPA_PLATFORM=offscreen KESTROVA_SPLASH=0 KESTROVA_MESSAGES=stderr "
           "XDG_RUNTIME_DIR=" +
           dir.path() + " HOME=" + dir.path() + " KESTROVA_HOME=" + dir.path() + " " + KESTROVA_GUI;
}
} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void secondInstanceSaysSoAndLeavesTheFirstAlone() {
        test::TempDir dir;
        const auto first = test::runCommand(gui(dir) + " 2>first.err & echo $!");
        const std::string pid = first.out.substr(0, first.out.find('\n'));
        // Wait until the first instance holds its lock and has created the database.
        for (int i = 0; i < 100 && test::fileSize(dir.file("bldb/pationtrec.dat")) < 0; ++i) QTest::qWait(50);
        QCOMPARE(test::fileSize(dir.file("bldb/pationtrec.dat")), 0L);
        // A first start creates the database and says nothing about it.
        QCOMPARE(test::readFile(dir.file("first.err")).find("pationtrec") == std::string::npos, true);

        const auto second = test::runCommand(gui(dir));
        QCOMPARE(second.status, 0);
        QVERIFY(second.err.find("You have Run one") != std::string::npos);
        QCOMPARE(test::runCommand("kill -0 " + pid).status, 0); // the first still runs

        // A file given to a later start opens in the running one (which remembers it
        // among its recent files), and nothing is said.
        const auto handed = test::runCommand(gui(dir) + " " SAMPLES_DIR "/ID3.dat");
        QCOMPARE(handed.status, 0);
        QVERIFY2(handed.err.find("You have Run one") == std::string::npos, handed.err.c_str());
        for (int i = 0; i < 100 && test::readFile(dir.file("Kestrova.ini")).find("ID3.dat") == std::string::npos; ++i)
            QTest::qWait(50);
        QVERIFY(test::readFile(dir.file("Kestrova.ini")).find("ID3.dat") != std::string::npos);
        QCOMPARE(test::runCommand("kill -0 " + pid).status, 0);
        test::runCommand("kill " + pid + "; sleep 0.3");

        // Next start: the database exists, no message.
        const auto third = test::runCommand(gui(dir) + " 2>third.err & echo $!");
        QTest::qWait(1500);
        test::runCommand("kill " + third.out.substr(0, third.out.find('\n')) + "; sleep 0.3");
        QVERIFY(test::readFile(dir.file("third.err")).find("pationtrec") == std::string::npos);
    }

    void aResourceBundleReplacesTexts() {
        test::TempDir dir;
        test::writeFile(dir.file("strings.txt"), "167\tDas Programm laeuft schon\n");
        test::writeFile(dir.file("bundle.qrc"), "<RCC><qresource prefix=\"/kestrova\"><file>strings.txt</file>"
                                                "</qresource></RCC>\n");
        const auto built =
            test::runCommand("cd " + dir.path() + " && " + QT_RCC + " --binary bundle.qrc -o KestrovaResource.rcc");
        QCOMPARE(built.status, 0);
        QVERIFY(!CTavroApp::loadResourceBundle(QStringLiteral("/nonexistent")));
        QVERIFY(CTavroApp::loadResourceBundle(QString::fromStdString(dir.path())));
        QCOMPARE(QString::fromStdString(kestrova::tr(str::AlreadyRunning)),
                 QStringLiteral("Das Programm laeuft schon"));
        QCOMPARE(QString::fromStdString(kestrova::tr(str::CantOpenFile)), QStringLiteral("can't open the file"));
        StringTable::reset();
    }

    // A database that cannot be read is said once, with its path and the reason.
    void anUnusablePatientDatabaseIsSaidWithItsPath() {
        test::TempDir dir;
        qputenv("KESTROVA_HOME", dir.path().c_str());
        qputenv("XDG_RUNTIME_DIR", dir.path().c_str());
        std::filesystem::create_directories(dir.file("bldb/pationtrec.dat"));
        test::MessageLog shown;
        RecordingModel model;
        CTavroApp app(model, dir.file("Kestrova.ini"));
        QVERIFY(app.initInstance(false));
        QCOMPARE(shown.texts.size(), 1);
        QVERIFY(shown.texts[0].startsWith(QString::fromStdString(kestrova::tr(str::CantOpenPatientDb))));
        QVERIFY2(shown.texts[0].contains(QString::fromStdString(dir.file("bldb/pationtrec.dat"))),
                 qPrintable(shown.texts[0]));
    }

    // A settings file that is there but cannot be read is said once, with its path; the
    // start goes on with the defaults and leaves the file (here a directory) as it is.
    void anUnreadableSettingsFileIsSaidOnceAndLeftAlone() {
        test::TempDir dir;
        qputenv("KESTROVA_HOME", dir.path().c_str());
        qputenv("XDG_RUNTIME_DIR", dir.path().c_str());
        std::filesystem::create_directories(dir.file("Kestrova.ini"));
        const std::string path = Settings::locate({}, false, dir.path());
        QCOMPARE(QString::fromStdString(path), QString::fromStdString(dir.file("Kestrova.ini")));
        test::MessageLog shown;
        RecordingModel model;
        {
            CTavroApp app(model, path);
            QVERIFY(app.initInstance(false));
            QCOMPARE(shown.texts.size(), 1);
            QVERIFY2(shown.texts[0].contains(QString::fromStdString(path)), qPrintable(shown.texts[0]));
            QVERIFY2(shown.texts[0].contains(QStringLiteral("default settings are used")), qPrintable(shown.texts[0]));
            QVERIFY2(shown.texts[0].contains(QStringLiteral("left as it is")), qPrintable(shown.texts[0]));
            QVERIFY(!QString::fromStdString(Settings(path).problem().error().text()).isEmpty());
            QVERIFY2(shown.texts[0].contains(QString::fromStdString(Settings(path).problem().error().text())),
                     qPrintable(shown.texts[0]));
            bool noted = false;
            for (const QLabel* note : app.mainFrame()->findChildren<QLabel*>(QStringLiteral("permanentNote")))
                noted = noted || note->text() == QStringLiteral("Settings not read: defaults in use");
            QVERIFY(noted);
            // Opening a recording would store it among the recent files: not in this file.
            QVERIFY(app.openFile(QStringLiteral(SAMPLES_DIR "/ID3.dat")));
            QCOMPARE(shown.texts.size(), 1);
        }
        QVERIFY(std::filesystem::is_directory(dir.file("Kestrova.ini")));
        QVERIFY(std::filesystem::is_empty(dir.file("Kestrova.ini")));
    }

    void startsEmptyMaximisedAndExits() {
        test::TempDir dir;
        qputenv("KESTROVA_HOME", dir.path().c_str());
        qputenv("XDG_RUNTIME_DIR", dir.path().c_str());
        test::MessageLog shown;
        RecordingModel model;
        SampleRecord s;
        s.id = 4;
        model.appendSample(4, s, 0);
        {
            CTavroApp app(model, dir.file("Kestrova.ini"));
            QCOMPARE(model.idSampleCount(4), 0); // cleared at construction
            QVERIFY(app.initInstance(false));
            QVERIFY(shown.texts.isEmpty()); // the database was created: nothing to say
            CMainFrame* frame = app.mainFrame();
            QVERIFY(frame->isVisible());
            QCOMPARE(frame->windowState() & Qt::WindowMaximized, Qt::WindowMaximized);
            QCOMPARE(frame->workspace()->subWindowList().size(), 0); // nothing opened at start
            // kestrova FILE: a bad file is reported and leaves the program empty; a good
            // one is shown as a trend.
            QVERIFY(!app.openFile(QString::fromStdString(dir.file("none.dat"))));
            QVERIFY(shown.texts.last().startsWith(QStringLiteral("can't open the file")));
            QCOMPARE(frame->workspace()->subWindowList().size(), 0);
            QVERIFY(app.openFile(QStringLiteral(SAMPLES_DIR "/ID3.dat")));
            QCOMPARE(model.currentCount(), 7200);
            QCOMPARE(frame->displayMode(), DisplayMode::Trend);
            frame->action(cmd::Exit)->trigger();
            QVERIFY(!frame->isVisible());
        }
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
