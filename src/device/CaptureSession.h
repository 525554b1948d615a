// The download half of the capture dialog, without windows: connecting, the two
// worker loops (one requests frames, one receives and decodes them into the per-ID
// store), and Stop. Workers report through callbacks, which a dialog marshals to
// its own thread; they never touch anything else.
#pragma once

#include "DeviceLink.h"
#include "FrameDecoder.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace kestrova {

class RecordingModel;

struct CaptureCallbacks {
    std::function<void(std::uint32_t framesReceived)> progress; // worker thread
    // Worker thread, once per download that ended by itself, with how it ended (see
    // CaptureSession::downloadOutcome).
    std::function<void(const Outcome& ended)> done;
    std::function<void(int stringId)> message; // any thread: a message to show
};

class CaptureSession : private FrameSink {
public:
    CaptureSession(RecordingModel& model, DeviceLink& link, CaptureCallbacks callbacks);
    ~CaptureSession() override;
    CaptureSession(const CaptureSession&) = delete;
    CaptureSession& operator=(const CaptureSession&) = delete;

    // Finds the device and asks for its totals. Ok leaves the port open for the
    // download; NoData when the device holds nothing; what findDevice said when no
    // device was found; ProtocolError (after stop()) when the totals exchange failed.
    DeviceStatus connect();
    DeviceStatus connectResult() const { return m_connectResult; }
    const Totals& totals() const { return m_totals; }

    // Starts both workers (connectResult must be Ok).
    void startDownload();
    bool running() const;
    // Waits until both workers have ended by themselves (tests and the command line).
    void waitUntilFinished();
    // How the last download ended, once its workers are gone: Ok when every frame
    // arrived; Timeout ("read time out") when the device fell silent; IoError when
    // the port or link failed ("read com failed", "write com failed", "not
    // connected"); TooLarge when memory ran out; Cancelled when stopped. The error
    // names the port and carries the message that was shown for it. After a fault
    // that did not end the download (a failed write, memory), the first such fault.
    const Outcome& downloadOutcome() const { return m_outcome; }

    // Ends the workers (at once, whatever they wait for), sends the stop frame,
    // closes the port and resets the counters. When it returns no worker runs and
    // nothing more is sent or decoded.
    void stop();
    // Interrupts a connection attempt in progress (from another thread).
    void interrupt() { m_link.waker().wake(); }

    std::uint32_t framesReceived() const { return m_decoder.framesReceived(); }
    const FrameDecoder& decoder() const { return m_decoder; }
    // Bytes on the wire during the last download, both directions.
    std::uint64_t wireBytes() const { return m_wireBytes.load(); }

private:
    Outcome storeSample(const SampleRecord& sample, int payloadLength) override;
    void frameDone(std::uint32_t framesReceived) override;

    void requestingLoop();
    void receivingLoop();
    void report(int stringId);
    // Shows the fault's message and keeps the first fault of the download.
    void fail(Error fault);
    Error fault(Status status, int messageId, const std::string& reason);
    Outcome sendRequest(std::uint32_t index);

    // An auto-reset event: set by each completed frame, consumed by one request.
    struct FrameDoneEvent {
        std::mutex mutex;
        std::condition_variable cv;
        bool signalled = false;
        void set();
        void wait(const std::atomic<bool>& stop);
    };

    RecordingModel& m_model;
    DeviceLink& m_link;
    CaptureCallbacks m_callbacks;
    FrameDecoder m_decoder{*this};
    Totals m_totals;
    DeviceStatus m_connectResult = DeviceStatus::NoDevice;
    Outcome m_outcome;
    std::mutex m_faultMutex;
    std::optional<Error> m_firstFault;
    FrameDoneEvent m_frameDone;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_receiverEnded{false};
    std::atomic<std::uint64_t> m_wireBytes{0};
    std::atomic<int> m_activeWorkers{0};
    std::jthread m_receiver, m_requester;
};

} // namespace kestrova
