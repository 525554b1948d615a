// The short request/reply exchanges with the oximeter over any transport: identify,
// query totals, stop transfer, delete data and set clock, with their fixed
// pauses and retries. Every pause ends early when the waker is signalled.
#pragma once

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
    Exchanges(Transport& transport, const Waker& waker, MessageFn message = {})
        : m_t(transport), m_waker(waker), m_message(std::move(message)) {}

    // Up to `attempts` rounds of receive-then-pause, stopping once 38 bytes are in.
    // The result is the 39-byte reply buffer: bytes that did not arrive read as 0.
    // `received` tells how many bytes came (more than 39 are dropped).
    std::vector<std::uint8_t> collectReply(int attempts, int pauseMs, std::size_t* received = nullptr);
    void drain();

    // True when a supported device (model code 30) answered. `id` is filled whenever
    // the reply passed its checks, also for another model code.
    bool identify(Identification& id, bool* replyValid = nullptr);
    // False on a failed send or a bad reply.
    bool queryTotals(Totals& totals);
    void stopTransfer();
    bool sendDelete(int patientId, int dataType);
    bool awaitDeleteAck(); // 11 attempts, 1 s apart
    bool setClock(std::uint32_t packed);

    Transport& transport() { return m_t; }

private:
    bool send(const CommandFrame& f) { return m_t.send(f); }
    void message(int id) const {
        if (m_message) m_message(id);
    }

    Transport& m_t;
    const Waker& m_waker;
    MessageFn m_message;
};

} // namespace kestrova
