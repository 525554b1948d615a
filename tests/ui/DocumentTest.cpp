// The recording document's announcements and the background task's contract: results
// come back on the UI thread in order while the event loop keeps running, and a task
// that goes away first finishes the work its owner's members are used by.
#include "common/BackgroundTask.h"
#include "common/RecordingDocument.h"
#include "model/RecordingModel.h"
#include "settings/Settings.h"

#include "TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <thread>

using namespace kestrova;
using namespace kestrova::ui;

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void theDocumentAnnouncesWhatChanged() {
        test::TempDir dir;
        const Settings settings(dir.file("Kestrova.ini"));
        RecordingModel model;
        model.replaceCurrent(test::night(4, 3000));
        RecordingDocument doc(model, settings);
        QSignalSpy pages(&doc, &RecordingDocument::pageChanged), details(&doc, &RecordingDocument::detailsChanged),
            recordings(&doc, &RecordingDocument::recordingChanged);

        doc.setCurrentPage(3);
        doc.setCurrentPage(3); // no change, no signal
        doc.setCurrentPage(-2);
        QCOMPARE(pages.count(), 2);
        QCOMPARE(doc.currentPage(), 0);
        doc.setCurrentPage(5);

        QVERIFY(doc.editTitle("Night 2").ok());
        QVERIFY(doc.hasUnsavedChanges());
        QCOMPARE(model.reportTitle(), std::string("Night 2"));
        QCOMPARE(details.count(), 1);
        doc.recordingReplaced(QStringLiteral("/data/ID4.dat"));
        QCOMPARE(recordings.count(), 1);
        QCOMPARE(doc.currentPage(), 0);
        QVERIFY(!doc.hasUnsavedChanges());
        QCOMPARE(doc.fileName(), QStringLiteral("/data/ID4.dat"));

        // Settings are read when asked to, not at every paint; unchanged ones say nothing.
        details.clear();
        doc.reloadSettings();
        QCOMPARE(details.count(), 0);
        QVERIFY(settings.write(setting::UnitSetup, 1));
        QCOMPARE(doc.pageData().units, UnitSystem::Imperial);
        doc.reloadSettings();
        QCOMPARE(details.count(), 1);
        QCOMPARE(doc.pageData().units, UnitSystem::Metric);

        // The analysis keeps the limits it was computed with.
        QVERIFY(settings.write(setting::DesaturationsEvent, 2));
        doc.runAnalysis();
        QCOMPARE(doc.analysis().samples, 3000);
        QCOMPARE(doc.analysis().limits.desaturationsEvent, 2);
        QVERIFY(settings.write(setting::DesaturationsEvent, 5));
        QCOMPARE(doc.pageData().desaturationsEvent, 2);
    }

    void backgroundResultsArriveInOrderOnTheUiThread() {
        BackgroundTask task;
        QStringList order;
        std::atomic<bool> release{false};
        const auto uiThread = QThread::currentThread();
        task.run(
            [&] {
                while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
                return 1;
            },
            [&](int v) {
                QCOMPARE(QThread::currentThread(), uiThread);
                order << QString::number(v);
            });
        task.run([] { return 2; }, [&](int v) { order << QString::number(v); });
        QVERIFY(task.busy());
        // The event loop runs while the first job waits.
        bool ticked = false;
        QTimer::singleShot(0, [&] { ticked = true; });
        QTRY_VERIFY_WITH_TIMEOUT(ticked, 5000);
        QVERIFY(order.isEmpty());
        release = true;
        QSignalSpy idle(&task, &BackgroundTask::idle);
        QTRY_COMPARE_WITH_TIMEOUT(order, (QStringList{QStringLiteral("1"), QStringLiteral("2")}), 5000);
        QCOMPARE(idle.count(), 1);
        QVERIFY(!task.busy());
    }

    void aTaskGoneFirstFinishesItsJobs() {
        std::atomic<int> done{0};
        {
            BackgroundTask task;
            for (int i = 0; i < 3; ++i)
                task.run([&] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                    ++done;
                });
        }
        QCOMPARE(done.load(), 3);
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
