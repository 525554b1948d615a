#include "Waker.h"

#include "DeviceStatus.h"

#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace kestrova {

Waker::Waker() : m_fd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

void Waker::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto n = ::write(m_fd.get(), &one, sizeof one);
}

void Waker::reset() {
    std::uint64_t value = 0;
    [[maybe_unused]] const auto n = ::read(m_fd.get(), &value, sizeof value);
}

bool Waker::woken() const {
    pollfd p{m_fd.get(), POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

Outcome Waker::sleepFor(std::chrono::milliseconds duration) const {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + duration;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0) return {};
        pollfd p{m_fd.get(), POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) > 0 && (p.revents & POLLIN))
            return deviceError(Status::Cancelled, "", "stopped");
    }
}

} // namespace kestrova
