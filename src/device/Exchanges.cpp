#include "Exchanges.h"
#include "text/Translate.h"

#include "DeviceStatus.h"
#include "text/StringTable.h"

namespace kestrova {

Error Exchanges::problem(Status status, const std::string& reason) const {
    return deviceError(status, m_t.name(), reason);
}

Outcome Exchanges::send(const CommandFrame& f) {
    if (!m_t.isConnected()) return problem(Status::IoError, ktr("Exchanges", "not connected"));
    return m_t.send(f);
}

std::vector<std::uint8_t> Exchanges::collectReply(std::size_t* received) {
    std::vector<std::uint8_t> reply;
    std::vector<std::uint8_t> chunk;
    std::size_t total = 0;
    for (int i = 0; i < m_timing.replyRounds && total < kReplyEnough; ++i) {
        chunk.clear();
        // A failed link shows as a reply that never came.
        (void)m_t.receive(chunk);
        total += chunk.size();
        // Bounded: bytes beyond the reply buffer are dropped, never written past it.
        const std::size_t room = kReplyBufferSize - std::min(reply.size(), kReplyBufferSize);
        reply.insert(reply.end(), chunk.begin(),
                     chunk.begin() + static_cast<std::ptrdiff_t>(std::min(room, chunk.size())));
        if (!m_waker.sleepFor(m_timing.replyRound)) break;
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

Result<Identification> Exchanges::identify() {
    if (Outcome sent = send(identifyFrame()); !sent) return sent.error();
    pause(m_timing.identifyPause);
    std::size_t got = 0;
    auto reply = collectReply(&got);
    Result<Identification> id = parseIdentification(reply);
    if (!id) {
        // A device whose earlier download was cut off may still be sending the rest of
        // a frame, or be waiting for the next request: what came is dropped, and the
        // question asked once more when the line is quiet.
        drain();
        pause(m_timing.identifyPause);
        drain();
        if (Outcome sent = send(identifyFrame()); !sent) return sent.error();
        pause(m_timing.identifyPause);
        std::size_t again = 0;
        reply = collectReply(&again);
        got += again;
        id = parseIdentification(reply);
    }
    if (!id)
        return got == 0 ? problem(Status::Timeout, ktr("Exchanges", "no answer"))
                        : problem(Status::ProtocolError, ktr("Exchanges", "not an identification"));
    return id;
}

Result<Totals> Exchanges::queryTotals() {
    drain();
    if (Outcome sent = send(queryTotalsFrame()); !sent) return sent.error();
    pause(m_timing.totalsPause);
    std::size_t got = 0;
    auto reply = collectReply(&got);
    if (got == 0) {
        if (Outcome sent = send(queryTotalsFrame()); !sent) {
            message(str::WriteComFailed);
            Error e = sent.error();
            e.messageId = str::WriteComFailed;
            return e;
        }
        pause(m_timing.totalsPause);
        reply = collectReply(&got);
    }
    Result<Totals> totals = parseTotals(reply);
    if (!totals)
        return got == 0 ? problem(Status::Timeout, ktr("Exchanges", "no answer"))
                        : problem(Status::ProtocolError, ktr("Exchanges", "not the totals"));
    return totals;
}

Outcome Exchanges::stopTransfer() {
    Outcome first = m_t.send(stopTransferFrame());
    if (!m_t.isBluetooth()) {
        pause(m_timing.stopRepeat);
        Outcome second = m_t.send(stopTransferFrame());
        if (first) first = std::move(second);
    }
    pause(m_timing.stopSettle);
    drain();
    return first;
}

Outcome Exchanges::sendDelete(int patientId, int dataType) {
    return send(deleteDataFrame(patientId, dataType));
}

// The device may take seconds to erase its memory. Up to deleteAckRounds rounds, but
// a complete acknowledgement ends the wait at once instead of after all rounds.
Outcome Exchanges::awaitDeleteAck() {
    std::vector<std::uint8_t> reply, chunk;
    for (int i = 0; i < m_timing.deleteAckRounds; ++i) {
        chunk.clear();
        (void)m_t.receive(chunk);
        reply.insert(reply.end(), chunk.begin(), chunk.end());
        if (reply.size() > kReplyBufferSize) reply.resize(kReplyBufferSize);
        if (reply.size() >= 5 && isDeleteAck(reply)) return {};
        if (Outcome slept = m_waker.sleepFor(m_timing.deleteAckRound); !slept) return slept;
    }
    return problem(Status::ProtocolError, ktr("Exchanges", "the deletion was not acknowledged"));
}

Outcome Exchanges::setClock(std::uint32_t packed) {
    if (Outcome sent = send(setClockFirstFrame(packed)); !sent) return sent;
    pause(m_timing.clockPause);
    if (!isSetClockAck(collectReply()))
        return problem(Status::ProtocolError, ktr("Exchanges", "the clock was refused"));
    if (Outcome sent = send(setClockSecondFrame(packed)); !sent) {
        if (!m_t.isBluetooth()) message(str::WriteComFailed);
        return sent;
    }
    pause(m_timing.clockPause);
    if (!isSetClockAck(collectReply()))
        return problem(Status::ProtocolError, ktr("Exchanges", "the clock was refused"));
    return {};
}

} // namespace kestrova
