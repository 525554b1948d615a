// A simulated oximeter on a pseudo-terminal: it answers identification, totals,
// frame requests, stop, delete and set-clock as the device does, from recordings it
// holds, optionally at the pace of the real wire and with injected faults. Used by
// the tests, the benchmarks, kestrova-sim and the demo device.
#pragma once

#include "Protocol.h"
#include "base/UniqueFd.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kestrova {

struct SimulatorOptions {
    std::int32_t modelCode = kSupportedModelCode;
    std::int32_t deviceType = 2;
    std::uint32_t lineRate = 115200;
    std::size_t payloadSize = 4192; // bytes of sample groups per data frame (a multiple of 8)
    bool paced = false;             // emulate the wire at lineRate, 10 bits per byte
    std::string version1 = "1.2.3", version2 = "4.5.6";

    // Faults, by 0-based data frame index (-1 = none).
    int strayBeforeFrame = -1; // junk bytes before this frame
    int strayCount = 1;
    int loseFrame = -1;          // the first request for this frame goes unanswered
    int corruptLengthFrame = -1; // the first time, this frame's length field is garbage
    int silentAfterFrame = -1;   // answers nothing after sending this frame
    int vanishAfterFrame = -1;   // the port disappears after this frame
    bool zeroTotal = false;      // announces no data
    bool framesOnlyInN2 = false; // N1 = 0 while N2 counts the frames
    // Still sending an earlier download that was cut off: the first identification
    // reply comes after this many bytes of a data frame.
    std::size_t leftoverBeforeIdentify = 0;
};

class DeviceSimulator {
public:
    explicit DeviceSimulator(SimulatorOptions options = {});
    ~DeviceSimulator();
    DeviceSimulator(const DeviceSimulator&) = delete;
    DeviceSimulator& operator=(const DeviceSimulator&) = delete;

    // Chronological samples of one patient ID (the ID is taken from the samples).
    void addRecording(const std::vector<SampleRecord>& samples);

    // Opens the pseudo-terminal and starts answering. The system's reason when no
    // pty is available.
    Outcome start();
    void stop();
    // The host's name for the port: "pts/7" (opened as /dev/pts/7).
    const std::string& portName() const { return m_portName; }

    // What the device holds now, per ID, chronological.
    std::map<int, std::vector<SampleRecord>> recordings() const;
    bool clockWasSet() const;
    DeviceDateTime clock() const;

    std::uint32_t frameCount() const;
    // Counters of what the host sent.
    int identifyCount() const { return m_identifies; }
    int stopCount() const { return m_stops; }
    int requestCount() const { return m_requests; }
    std::vector<std::uint32_t> requestedFrames() const;

private:
    void run();
    void handle(const CommandFrame& f);
    void rebuildFrames();
    std::vector<std::uint8_t> dataFrame(std::uint32_t index, bool corruptLength) const;
    // Cancelled when the host's stop frame cut the transmission short, IoError when
    // the terminal failed.
    Outcome send(const std::vector<std::uint8_t>& bytes);
    bool stopFramePending();
    void paceIncoming(std::size_t bytes);

    SimulatorOptions m_o;
    mutable std::mutex m_mutex;
    std::map<int, std::vector<SampleRecord>> m_data;
    std::vector<std::vector<std::uint8_t>> m_groups; // per frame: packed groups in storage order
    DeviceDateTime m_clock;
    bool m_clockSet = false;
    std::uint32_t m_pendingClock = 0;

    UniqueFd m_master;
    UniqueFd m_slaveKeepAlive;
    UniqueFd m_stopFd;
    std::string m_portName;
    std::thread m_thread;
    std::atomic<bool> m_vanished{false};
    std::atomic<int> m_identifies{0}, m_stops{0}, m_requests{0};
    std::vector<std::uint32_t> m_requested;
    bool m_lostDone = false, m_corruptDone = false, m_silent = false;
    double m_wireFree = 0;          // when the emulated wire is free again (seconds, steady clock)
    std::vector<std::uint8_t> m_in; // bytes from the host not yet handled
};

} // namespace kestrova
