// End-to-end: the real serial port code against the simulated oximeter on a
// pseudo-terminal, through connection, download, Stop, clock setting and deletion.
#include "CaptureSession.h"
#include "DeviceCommands.h"
#include "DeviceLink.h"
#include "DeviceSimulator.h"
#include "model/RecordingModel.h"
#include "model/SyntheticRecording.h"
#include "settings/Settings.h"
#include "text/StringTable.h"

#include "QuickTiming.h"
#include "TestSupport.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

using namespace kestrova;

namespace {

// One simulated device and everything a download needs around it.
struct Rig {
    explicit Rig(SimulatorOptions o = {}, std::map<int, int> ids = {{3, 1500}, {9, 700}})
        : sim(o), settings(dir.file("Kestrova.ini")), link(settings, test::quickTiming()) {
        for (auto [id, seconds] : ids) sim.addRecording(test::night(id, seconds));
        EXPECT_TRUE(sim.start());
        ProbeOrder order;
        order.remembered = sim.portName();
        order.sweep = false;
        link.useSerial(order);
    }

    CaptureCallbacks callbacks() {
        return {[this](std::uint32_t f) { lastProgress = f; },
                [this](const Outcome& ended) {
                    std::lock_guard lock(mutex);
                    endings.push_back(ended.ok() ? 0 : ended.error().messageId);
                    endStatus = ended.status();
                    ++doneCount;
                },
                [this](int id) {
                    std::lock_guard lock(mutex);
                    messages.push_back(id);
                }};
    }
    std::vector<int> shown() {
        std::lock_guard lock(mutex);
        return messages;
    }
    // The message each finished download ended with (0: it completed).
    std::vector<int> ended() {
        std::lock_guard lock(mutex);
        return endings;
    }
    // The simulator handles what it hears in order: once it has taken in both stop
    // frames (a serial port sends two), every request sent before them was handled.
    void awaitStopFrames() {
        for (int i = 0; i < 200 && sim.stopCount() < 2; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    test::TempDir dir;
    DeviceSimulator sim;
    Settings settings;
    DeviceLink link;
    RecordingModel model;
    std::atomic<std::uint32_t> lastProgress{0};
    std::atomic<int> doneCount{0};
    std::mutex mutex;
    std::vector<int> messages;
    std::vector<int> endings;
    Status endStatus = Status::Ok;
};

void expectSameRecordings(Rig& rig) {
    const auto held = rig.sim.recordings();
    int ids = 0;
    for (int id = 1; id <= 128; ++id) {
        if (rig.model.idSampleCount(id) == 0) {
            EXPECT_EQ(held.count(id), 0u) << id;
            continue;
        }
        ++ids;
        ASSERT_TRUE(rig.model.makeCurrent(id));
        const auto current = rig.model.currentSamples();
        const auto& expected = held.at(id);
        ASSERT_EQ(current.size(), expected.size()) << "ID " << id;
        for (std::size_t k = 0; k < expected.size(); ++k)
            ASSERT_EQ(current[k], expected[k]) << "ID " << id << " #" << k;
    }
    EXPECT_EQ(ids, static_cast<int>(held.size()));
}

} // namespace

TEST(Download, EveryIdArrivesInChronologicalOrderForEachDeviceType) {
    for (int type : {2, 3, 11}) {
        SCOPED_TRACE(type);
        SimulatorOptions o;
        o.deviceType = type;
        o.payloadSize = type == 3 ? 4192 : 800; // small frames make frame indexes above 255
        Rig rig(o, {{3, 1500}, {9, 700}, {17, 30000}});
        CaptureSession session(rig.model, rig.link, rig.callbacks());
        ASSERT_EQ(session.connect(), DeviceStatus::Ok);
        EXPECT_EQ(rig.model.deviceType(), type);
        EXPECT_EQ(session.totals().n1, rig.sim.frameCount());
        session.startDownload();
        session.waitUntilFinished();
        EXPECT_EQ(rig.doneCount, 1);
        EXPECT_EQ(rig.ended(), std::vector<int>{0});
        EXPECT_TRUE(session.downloadOutcome().ok());
        EXPECT_EQ(rig.lastProgress, rig.sim.frameCount());
        EXPECT_TRUE(rig.shown().empty());
        session.stop();
        EXPECT_FALSE(session.running());
        EXPECT_GE(rig.sim.stopCount(), 2); // twice over a serial port
        expectSameRecordings(rig);
        // The port that answered is remembered.
        EXPECT_EQ(rig.settings.defaultCom(), rig.sim.portName().substr(0, 9));
    }
}

TEST(Download, FaultsEndInADownloadOrTheDocumentedMessage) {
    struct Case {
        const char* name;
        SimulatorOptions o;
        int message; // 0: completes
    };
    std::vector<Case> cases;
    auto add = [&](const char* name, auto change, int message) {
        SimulatorOptions o;
        o.deviceType = 4; // polled 6 ms apart for the idle time-out
        o.payloadSize = 1600;
        change(o);
        cases.push_back({name, o, message});
    };
    add(
        "lost frame", [](SimulatorOptions& o) { o.loseFrame = 1; }, 0);
    add(
        "three stray bytes", [](SimulatorOptions& o) { o.strayBeforeFrame = 2, o.strayCount = 3; }, 0);
    add(
        "corrupt length", [](SimulatorOptions& o) { o.corruptLengthFrame = 1; }, 0);
    add(
        "vanishes", [](SimulatorOptions& o) { o.vanishAfterFrame = 1; }, str::ReadComFailed);
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(c.o, {{3, 1500}, {9, 700}});
        CaptureSession session(rig.model, rig.link, rig.callbacks());
        ASSERT_EQ(session.connect(), DeviceStatus::Ok);
        session.startDownload();
        session.waitUntilFinished();
        EXPECT_EQ(rig.doneCount, 1); // a failed download still finishes and lists what came
        // How it ended, with the message that was shown for it.
        EXPECT_EQ(rig.ended(), std::vector<int>{c.message});
        EXPECT_EQ(rig.endStatus, c.message == 0                  ? Status::Ok
                                 : c.message == str::ReadTimeout ? Status::Timeout
                                                                 : Status::IoError);
        if (c.message != 0) {
            EXPECT_EQ(session.downloadOutcome().error().subject, "/dev/" + rig.sim.portName());
        }
        session.stop();
        if (c.message == 0) {
            EXPECT_TRUE(rig.shown().empty());
            expectSameRecordings(rig);
        } else {
            EXPECT_EQ(rig.shown(), std::vector<int>{c.message});
            // What arrived before the fault is kept and correct.
            const auto held = rig.sim.recordings().at(3);
            ASSERT_GT(rig.model.idSampleCount(3), 0);
            for (int k = 0; k < rig.model.idSampleCount(3); ++k)
                ASSERT_EQ(rig.model.idSamples(3)[k], held[static_cast<std::size_t>(held.size()) - 1 - k]);
        }
    }
}

TEST(Download, ASilentDeviceTimesOutAfterFourReRequests) {
    SimulatorOptions o;
    o.deviceType = 1;
    o.payloadSize = 800;
    o.silentAfterFrame = 0;
    Rig rig(o, {{5, 1000}});
    CaptureSession session(rig.model, rig.link, rig.callbacks());
    ASSERT_EQ(session.connect(), DeviceStatus::Ok);
    session.startDownload();
    session.waitUntilFinished();
    EXPECT_EQ(rig.shown(), std::vector<int>{str::ReadTimeout});
    EXPECT_EQ(session.downloadOutcome().status(), Status::Timeout);
    EXPECT_EQ(rig.model.idSampleCount(5), 100);
    session.stop();
    rig.awaitStopFrames();
    const auto requested = rig.sim.requestedFrames();
    EXPECT_EQ(std::count(requested.begin(), requested.end(), 1u), 5); // the request and four re-requests
}

TEST(Download, DevicesWithoutDataOrOfAnotherModel) {
    {
        SimulatorOptions o;
        o.zeroTotal = true;
        Rig rig(o);
        CaptureSession session(rig.model, rig.link, rig.callbacks());
        EXPECT_EQ(session.connect(), DeviceStatus::NoData);
        session.stop();
    }
    {
        SimulatorOptions o;
        o.framesOnlyInN2 = true; // N1 = 0 while N2 counts the frames: those are downloaded
        Rig rig(o);
        CaptureSession session(rig.model, rig.link, rig.callbacks());
        ASSERT_EQ(session.connect(), DeviceStatus::Ok);
        session.startDownload();
        session.waitUntilFinished();
        EXPECT_EQ(rig.doneCount, 1);
        EXPECT_TRUE(session.downloadOutcome().ok());
        EXPECT_GT(rig.sim.requestCount(), 0);
        EXPECT_EQ(rig.model.idSampleCount(3), 1500);
        EXPECT_EQ(rig.model.idSampleCount(9), 700);
        session.stop();
    }
    {
        SimulatorOptions o;
        o.modelCode = 29;
        o.deviceType = 11;
        Rig rig(o);
        CaptureSession session(rig.model, rig.link, rig.callbacks());
        EXPECT_EQ(session.connect(), DeviceStatus::NoDevice);
        EXPECT_EQ(rig.link.identification().deviceType, 11); // taken although refused
        EXPECT_EQ(rig.settings.defaultCom(), "");
    }
}

TEST(Download, StopEndsTheWorkersAtOnceAndSendsTheStopFrame) {
    SimulatorOptions o;
    o.paced = true;
    o.lineRate = 9600; // a 4200-byte frame takes 4.4 s
    Rig rig(o, {{3, 3000}});
    CaptureSession session(rig.model, rig.link, rig.callbacks());
    ASSERT_EQ(session.connect(), DeviceStatus::Ok);
    session.startDownload();
    // Under way: the device is sending the first frame, which takes seconds.
    for (int i = 0; i < 200 && rig.sim.requestCount() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(session.running());
    const auto before = std::chrono::steady_clock::now();
    session.stop();
    const auto took = std::chrono::steady_clock::now() - before;
    EXPECT_FALSE(session.running());
    EXPECT_LT(took, std::chrono::seconds(3)); // the fixed pauses only, no waiting for the frame
    EXPECT_EQ(rig.doneCount, 0);              // a stopped download reports nothing
    EXPECT_EQ(session.downloadOutcome().status(), Status::Cancelled);
    rig.awaitStopFrames();
    EXPECT_GE(rig.sim.stopCount(), 1);
    EXPECT_FALSE(rig.link.port().IsOpen());
    // A new start downloads from the beginning.
    ASSERT_EQ(session.connect(), DeviceStatus::Ok);
    EXPECT_EQ(session.framesReceived(), 0u);
    session.stop();
}

TEST(Download, DiscoveryFindsTheDeviceOnALaterCandidateAndRemembersIt) {
    Rig rig;
    ProbeOrder order;
    order.remembered = "pts/99999"; // gone since last time
    order.lists.cp210x = {"CP2102 USB to UART Bridge Controller (" + rig.sim.portName() + ")"};
    order.lists.other = {"No parentheses here"};
    order.sweep = false;
    rig.link.useSerial(order);
    EXPECT_EQ(rig.link.findDevice(), DeviceStatus::Ok);
    EXPECT_EQ(rig.link.probedPorts(), (std::vector<std::string>{"pts/99999", rig.sim.portName()}));
    EXPECT_EQ(rig.settings.defaultCom(), rig.sim.portName());

    // A Bluetooth serial port is never probed in serial mode.
    ProbeOrder btOnly;
    btOnly.lists.bluetooth = {"Bluetooth serial port (" + rig.sim.portName() + ")"};
    btOnly.sweep = false;
    rig.link.useSerial(btOnly);
    EXPECT_EQ(rig.link.findDevice(), DeviceStatus::NoDevice);
    EXPECT_TRUE(rig.link.probedPorts().empty());

    // The device's port held by another program: not "no device" but Busy, naming the
    // port, which both the GUI and the command line then explain.
    rig.link.closePort();
    CCOM holder;
    ASSERT_TRUE(holder.Open(rig.sim.portName(), 4800));
    ProbeOrder held;
    held.remembered = rig.sim.portName();
    held.sweep = false;
    rig.link.useSerial(held);
    EXPECT_EQ(rig.link.findDevice(), DeviceStatus::Busy);
    EXPECT_EQ(rig.link.problemPort(), "/dev/" + rig.sim.portName());
    EXPECT_NE(describe(DeviceStatus::Busy, rig.link.problemPort()).find(rig.sim.portName()), std::string::npos);
    EXPECT_NE(describe(DeviceStatus::Forbidden, "/dev/ttyUSB0").find("dialout"), std::string::npos);
    EXPECT_TRUE(holder.Close());
    EXPECT_EQ(rig.link.findDevice(), DeviceStatus::Ok);
    EXPECT_TRUE(rig.link.problemPort().empty());
}

TEST(DeviceCommands, ClockAndDeletionChangeTheDevice) {
    Rig rig(SimulatorOptions{}, {{3, 100}, {5, 100}, {9, 100}});
    CaptureSession session(rig.model, rig.link, rig.callbacks());
    EXPECT_EQ(setDeviceClock(rig.link, session, {2010, 3, 15, 13, 45, 30}), DeviceStatus::Ok);
    ASSERT_TRUE(rig.sim.clockWasSet());
    const auto c = rig.sim.clock();
    EXPECT_EQ((std::array<int, 6>{c.year, c.month, c.day, c.hour, c.minute, c.second}),
              (std::array<int, 6>{2010, 3, 15, 13, 45, 30}));
    EXPECT_FALSE(rig.link.port().IsOpen()); // Stop ran

    int awaiting = 0;
    EXPECT_EQ(deleteDeviceData(rig.link, session, 5, 1, [&](bool on) { awaiting += on ? 1 : 10; }), DeviceStatus::Ok);
    EXPECT_EQ(awaiting, 11);
    EXPECT_EQ(rig.sim.recordings().count(5), 0u);
    EXPECT_EQ(rig.sim.recordings().size(), 2u);
    EXPECT_EQ(deleteDeviceData(rig.link, session, 0, 0), DeviceStatus::Ok);
    EXPECT_TRUE(rig.sim.recordings().empty());
    EXPECT_EQ(deleteDeviceData(rig.link, session, 0, 0), DeviceStatus::NoData);
    EXPECT_EQ(deleteMessage(DeviceStatus::NoData, false), str::NoData);

    ProbeOrder nowhere;
    nowhere.remembered = "pts/99999";
    nowhere.sweep = false;
    rig.link.useSerial(nowhere);
    EXPECT_EQ(setDeviceClock(rig.link, session, {2010, 3, 15, 13, 45, 30}), DeviceStatus::NoDevice);
    EXPECT_EQ(clockMessage(DeviceStatus::NoDevice, false), str::NoDevice);
    EXPECT_EQ(clockMessage(DeviceStatus::NoDevice, true), 0); // a Bluetooth link that is down says nothing
    EXPECT_EQ(clockMessage(DeviceStatus::IoError, false), str::SetClockError);
}

TEST(Download, ADeviceStillSendingACutOffDownloadIsFoundOnTheSecondAsking) {
    for (const std::size_t leftover : {std::size_t{7}, std::size_t{300}, std::size_t{5000}}) {
        SimulatorOptions o;
        o.leftoverBeforeIdentify = leftover;
        Rig rig(o);
        CaptureSession session(rig.model, rig.link, rig.callbacks());
        ASSERT_EQ(session.connect(), DeviceStatus::Ok) << leftover;
        EXPECT_EQ(rig.sim.identifyCount(), 2) << leftover;
        session.startDownload();
        session.waitUntilFinished();
        EXPECT_TRUE(session.downloadOutcome().ok()) << leftover;
        EXPECT_EQ(rig.model.idSampleCount(3), 1500) << leftover;
        session.stop();
    }
}
