#include "CaptureSession.h"
#include "text/Translate.h"

#include "DeviceStatus.h"
#include "model/RecordingModel.h"
#include "text/StringTable.h"

#include <chrono>

namespace kestrova {

void CaptureSession::FrameDoneEvent::set() {
    {
        std::lock_guard lock(mutex);
        signalled = true;
    }
    cv.notify_one();
}

void CaptureSession::FrameDoneEvent::wait(const std::atomic<bool>& stop) {
    std::unique_lock lock(mutex);
    cv.wait(lock, [&] { return signalled || stop.load(); });
    signalled = false;
}

CaptureSession::CaptureSession(RecordingModel& model, DeviceLink& link, CaptureCallbacks callbacks)
    : m_model(model), m_link(link), m_callbacks(std::move(callbacks)) {}

CaptureSession::~CaptureSession() {
    m_stop = true;
    m_link.waker().wake();
    m_frameDone.set();
    if (m_receiver.joinable()) m_receiver.join();
    if (m_requester.joinable()) m_requester.join();
}

void CaptureSession::report(int stringId) {
    if (m_callbacks.message) m_callbacks.message(stringId);
}

void CaptureSession::fail(Error e) {
    {
        std::lock_guard lock(m_faultMutex);
        if (!m_firstFault) m_firstFault = e;
    }
    report(e.messageId);
}

Error CaptureSession::fault(Status status, int messageId, const std::string& reason) {
    return deviceError(status, m_link.transport().name(), reason, messageId);
}

DeviceStatus CaptureSession::connect() {
    m_link.waker().reset();
    m_totals = {};
    m_connectResult = m_link.findDevice();
    if (m_connectResult != DeviceStatus::Ok) return m_connectResult;
    m_model.setDeviceType(m_link.identification().deviceType);
    if (m_link.bluetooth()) (void)m_link.waker().sleepFor(m_link.timing().bluetoothSettle);
    const Result<Totals> totals = m_link.exchanges([this](int id) { report(id); }).queryTotals();
    // However the exchange failed (no answer, a garbled one, a failed send), what the
    // user is told is that the two sides did not synchronise.
    if (!totals) {
        stop();
        m_connectResult = DeviceStatus::ProtocolError;
        return m_connectResult;
    }
    m_totals = *totals;
    m_connectResult = m_totals.total() == 0 ? DeviceStatus::NoData : DeviceStatus::Ok;
    return m_connectResult;
}

void CaptureSession::startDownload() {
    if (running()) return;
    m_stop = false;
    m_receiverEnded = false;
    m_wireBytes = 0;
    m_outcome = deviceError(Status::Cancelled, m_link.transport().name(), "stopped");
    m_firstFault.reset();
    m_link.waker().reset();
    m_decoder.reset();
    m_decoder.setDeviceType(m_link.identification().deviceType);
    m_frameDone.set(); // the first request goes out at once
    m_activeWorkers = 2;
    m_receiver = std::jthread([this] { receivingLoop(); });
    m_requester = std::jthread([this] { requestingLoop(); });
}

bool CaptureSession::running() const {
    return m_activeWorkers.load() > 0;
}

void CaptureSession::waitUntilFinished() {
    if (m_receiver.joinable()) m_receiver.join();
    if (m_requester.joinable()) m_requester.join();
}

void CaptureSession::stop() {
    m_stop = true;
    m_link.waker().wake();
    m_frameDone.set();
    if (m_receiver.joinable()) m_receiver.join();
    if (m_requester.joinable()) m_requester.join();
    m_link.waker().reset();
    // Let the device finish the frame it is sending before telling it to stop.
    (void)m_link.waker().sleepFor(m_link.timing().beforeStop);
    Transport& t = m_link.transport();
    // Best effort: the port is closed next whatever the device heard.
    if (t.isConnected()) (void)m_link.exchanges().stopTransfer();
    m_link.closePort();
    m_totals = {};
    m_decoder.reset();
    m_connectResult = DeviceStatus::NoDevice; // not connected
}

Outcome CaptureSession::sendRequest(std::uint32_t index) {
    const auto frame = requestFrame(index, m_link.identification().deviceType, m_link.bluetooth());
    m_wireBytes += frame.size();
    return m_link.transport().send(frame);
}

namespace {
// An unplugged device fails the writes and the reads alike; the receiving loop reports
// it (once, as a read failure), so a write failure on a hung-up port says nothing.
bool hungUp(Transport& t) {
    return !t.isBluetooth() && t.waitReadable(0, -1) == WaitResult::Failed;
}
} // namespace

void CaptureSession::requestingLoop() {
    struct Leave {
        std::atomic<int>& n;
        ~Leave() { --n; }
    } leave{m_activeWorkers};
    Transport& t = m_link.transport();
    for (std::uint32_t i = 0; i < m_totals.frames(); ++i) {
        m_frameDone.wait(m_stop);
        if (m_stop || m_receiverEnded || m_decoder.endOfData()) return;
        if (Outcome sent = sendRequest(i); !sent) {
            if (m_stop || hungUp(t)) return;
            Error e = sent.error();
            e.messageId = t.isBluetooth() && !t.isConnected() ? str::NotConnected : str::WriteComFailed;
            fail(std::move(e));
            return;
        }
    }
}

void CaptureSession::receivingLoop() {
    struct Leave {
        std::atomic<int>& n;
        ~Leave() { --n; }
    } leave{m_activeWorkers};
    using Clock = std::chrono::steady_clock;
    Transport& t = m_link.transport();
    const DeviceTiming& timing = m_link.timing();
    const auto idleLimit = timing.idleLimit(m_link.identification().deviceType);
    const int linkDown = t.isBluetooth() ? str::NotConnected : str::ReadComFailed;
    auto lastData = Clock::now();
    int reRequests = 0;
    std::optional<Error> ended; // what ended the download early
    std::vector<std::uint8_t> chunk;
    chunk.reserve(FrameDecoder::kBufferSize);
    m_decoder.resetFramesReceived();
    while (!m_stop) {
        if (m_decoder.endOfData() || m_decoder.framesReceived() >= m_totals.frames()) break;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(idleLimit - (Clock::now() - lastData));
        const WaitResult w = left.count() > 0 ? t.waitReadable(static_cast<int>(left.count()), m_link.waker().fd())
                                              : WaitResult::Timeout;
        if (w == WaitResult::Woken || m_stop) break;
        if (w == WaitResult::Failed) {
            ended = fault(Status::IoError, linkDown, ktr("CaptureSession", "the link failed"));
            break;
        }
        if (w == WaitResult::Readable) {
            chunk.clear();
            Outcome received = t.receive(chunk);
            if (!chunk.empty()) {
                m_wireBytes += chunk.size();
                m_decoder.feed(chunk);
                lastData = Clock::now();
            }
            if (!received) {
                ended = received.error();
                ended->messageId = linkDown;
                break;
            }
            continue;
        }
        // Silence for the whole idle time: ask again for the first frame not received.
        lastData = Clock::now();
        if (Outcome sent = sendRequest(m_decoder.framesReceived()); !sent && !t.isBluetooth() && !hungUp(t)) {
            Error e = sent.error();
            e.messageId = str::WriteComFailed;
            fail(std::move(e));
        }
        if (++reRequests > timing.reRequests) {
            ended = fault(Status::Timeout, str::ReadTimeout, ktr("CaptureSession", "the device stopped sending"));
            break;
        }
    }
    m_receiverEnded = true;
    m_frameDone.set();  // release the requesting loop
    if (m_stop) return; // stopped: nothing more is reported
    if (ended) fail(*ended);
    {
        std::lock_guard lock(m_faultMutex);
        if (ended)
            m_outcome = *ended;
        else if (m_firstFault)
            m_outcome = *m_firstFault;
        else
            m_outcome = Outcome{};
    }
    if (m_callbacks.progress) m_callbacks.progress(m_totals.frames());
    if (m_callbacks.done) m_callbacks.done(m_outcome);
}

Outcome CaptureSession::storeSample(const SampleRecord& sample, int payloadLength) {
    if (m_model.appendSample(sample.id, sample, payloadLength) == RecordingModel::AppendResult::OutOfMemory) {
        Error e = fault(Status::TooLarge, str::NewMemoryErr, ktr("CaptureSession", "out of memory"));
        fail(e);
        return e;
    }
    return {};
}

void CaptureSession::frameDone(std::uint32_t framesReceived) {
    m_frameDone.set();
    if (m_callbacks.progress) m_callbacks.progress(framesReceived);
}

} // namespace kestrova
