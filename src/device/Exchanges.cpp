#include "Exchanges.h"

#include "text/StringTable.h"

namespace kestrova {

std::vector<std::uint8_t> Exchanges::collectReply(int attempts, int pauseMs, std::size_t* received) {
    std::vector<std::uint8_t> reply;
    std::vector<std::uint8_t> chunk;
    std::size_t total = 0;
    for (int i = 0; i < attempts && total < kReplyEnough; ++i) {
        chunk.clear();
        m_t.receive(chunk);
        total += chunk.size();
        // Bounded: bytes beyond the reply buffer are dropped, never written past it.
        const std::size_t room = kReplyBufferSize - std::min(reply.size(), kReplyBufferSize);
        reply.insert(reply.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(std::min(room, chunk.size())));
        if (!m_waker.sleepFor(pauseMs)) break;
    }
    if (received) *received = total;
    reply.resize(kReplyBufferSize, 0);
    return reply;
}

void Exchanges::drain() {
    std::vector<std::uint8_t> chunk;
    for (int guard = 0; guard < 10000 && m_t.isConnected(); ++guard) {
        chunk.clear();
        if (!m_t.receive(chunk) || chunk.empty()) return;
    }
}

bool Exchanges::identify(Identification& id, bool* replyValid) {
    if (replyValid) *replyValid = false;
    if (!m_t.isConnected() || !send(identifyFrame())) return false;
    m_waker.sleepFor(200);
    std::size_t got = 0;
    auto reply = collectReply(6, 10, &got);
    if (got == 0) {
        if (!send(identifyFrame())) return false;
        m_waker.sleepFor(200);
        reply = collectReply(6, 10, &got);
    }
    if (!parseIdentification(reply, id)) return false;
    if (replyValid) *replyValid = true;
    return id.modelCode == kSupportedModelCode;
}

bool Exchanges::queryTotals(Totals& totals) {
    drain();
    if (!m_t.isConnected() || !send(queryTotalsFrame())) return false;
    m_waker.sleepFor(500);
    std::size_t got = 0;
    auto reply = collectReply(6, 10, &got);
    if (got == 0) {
        if (!send(queryTotalsFrame())) {
            message(str::WriteComFailed);
            return false;
        }
        m_waker.sleepFor(500);
        reply = collectReply(6, 10, &got);
    }
    return parseTotals(reply, totals);
}

void Exchanges::stopTransfer() {
    send(stopTransferFrame());
    if (!m_t.isBluetooth()) {
        m_waker.sleepFor(500);
        send(stopTransferFrame());
    }
    m_waker.sleepFor(100);
    drain();
}

bool Exchanges::sendDelete(int patientId, int dataType) {
    return m_t.isConnected() && send(deleteDataFrame(patientId, dataType));
}

// The device may take seconds to erase its memory. Up to 11 rounds one second apart,
// but a complete acknowledgement ends the wait at once instead of after all rounds.
bool Exchanges::awaitDeleteAck() {
    std::vector<std::uint8_t> reply, chunk;
    for (int i = 0; i < 11; ++i) {
        chunk.clear();
        m_t.receive(chunk);
        reply.insert(reply.end(), chunk.begin(), chunk.end());
        if (reply.size() > kReplyBufferSize) reply.resize(kReplyBufferSize);
        if (reply.size() >= 5 && isDeleteAck(reply)) return true;
        if (!m_waker.sleepFor(1000)) break;
    }
    return false;
}

bool Exchanges::setClock(std::uint32_t packed) {
    if (!m_t.isConnected() || !send(setClockFirstFrame(packed))) return false;
    m_waker.sleepFor(100);
    if (!isSetClockAck(collectReply(6, 10))) return false;
    if (!m_t.isConnected() || !send(setClockSecondFrame(packed))) {
        if (!m_t.isBluetooth()) message(str::WriteComFailed);
        return false;
    }
    m_waker.sleepFor(100);
    return isSetClockAck(collectReply(6, 10));
}

} // namespace kestrova
