// The short request/reply exchanges with the oximeter over any transport: identify,
// query totals, stop transfer, delete data and set clock, with their pauses and
// retries (DeviceTiming). Every pause ends early when the waker is signalled.
#pragma once

#include "DeviceTiming.h"
#include "Protocol.h"
#include "Transport.h"
#include "Waker.h"

#include <functional>
#include <vector>

namespace kestrova {

// Messages the exchanges show themselves (string IDs), e.g. a failed resend.
using MessageFn = std::function<void(int stringId)>;

class Exchanges {
public:
    Exchanges(Transport& transport, const Waker& waker, const DeviceTiming& timing, MessageFn message = {})
        : m_t(transport), m_waker(waker), m_timing(timing), m_message(std::move(message)) {}

    // Up to replyRounds rounds of receive-then-pause, stopping once 38 bytes are in.
    // The result is the 39-byte reply buffer: bytes that did not arrive read as 0.
    // `received` tells how many bytes came (more than 39 are dropped).
    std::vector<std::uint8_t> collectReply(std::size_t* received = nullptr);
    void drain();

    // What the device says about itself, whenever its reply passed the checks (also
    // for a model code the program does not support: see isSupported). IoError when
    // the request could not be sent, Timeout when nothing came, ProtocolError when
    // the reply was not an identification.
    Result<Identification> identify();
    // The same errors; a resend that fails also shows "write com failed".
    Result<Totals> queryTotals();
    // Best effort: the first send that failed, if any.
    Outcome stopTransfer();
    Outcome sendDelete(int patientId, int dataType);
    // ProtocolError when no complete acknowledgement came in deleteAckRounds rounds,
    // Cancelled when stopped first.
    Outcome awaitDeleteAck();
    // ProtocolError when the device refused either half.
    Outcome setClock(std::uint32_t packed);

    Transport& transport() { return m_t; }

private:
    Outcome send(const CommandFrame& f);
    // A pause before a reply is gathered: when it is cut short by Stop, gathering
    // ends at once too, so the reply just comes out empty.
    void pause(DeviceTiming::Ms duration) const { (void)m_waker.sleepFor(duration); }
    Error problem(Status status, const std::string& reason) const;
    void message(int id) const {
        if (m_message) m_message(id);
    }

    Transport& m_t;
    const Waker& m_waker;
    const DeviceTiming& m_timing;
    MessageFn m_message;
};

} // namespace kestrova
