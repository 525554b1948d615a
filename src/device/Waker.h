// A wake-up descriptor (eventfd) that Stop signals so that every wait of the device
// link - a poll on the port, a pause between retries - ends at once.
#pragma once

#include <chrono>

namespace kestrova {

class Waker {
public:
    Waker();
    ~Waker();
    Waker(const Waker&) = delete;
    Waker& operator=(const Waker&) = delete;

    int fd() const { return m_fd; }
    void wake();          // stays signalled until reset()
    void reset();
    bool woken() const;
    // Sleeps `ms` milliseconds unless woken first; returns false when woken.
    bool sleepFor(int ms) const;

private:
    int m_fd = -1;
};

} // namespace kestrova
