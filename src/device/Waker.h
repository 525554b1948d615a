// A wake-up descriptor (eventfd) that Stop signals so that every wait of the device
// link - a poll on the port, a pause between retries - ends at once.
#pragma once

#include "base/Result.h"
#include "base/UniqueFd.h"

#include <chrono>

namespace kestrova {

class Waker {
public:
    Waker();
    Waker(const Waker&) = delete;
    Waker& operator=(const Waker&) = delete;

    int fd() const { return m_fd.get(); }
    void wake(); // stays signalled until reset()
    void reset();
    bool woken() const;
    // Sleeps `duration` unless woken first: then Cancelled.
    Outcome sleepFor(std::chrono::milliseconds duration) const;

private:
    UniqueFd m_fd;
};

} // namespace kestrova
