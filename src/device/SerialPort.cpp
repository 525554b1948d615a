#include "SerialPort.h"
#include "text/Translate.h"

#include "text/StringTable.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace kestrova {
namespace {

speed_t speedOf(std::uint32_t baud) {
    switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 500000: return B500000;
    case 576000: return B576000;
    case 921600: return B921600;
    case 1000000: return B1000000;
    case 1152000: return B1152000;
    case 1500000: return B1500000;
    case 2000000: return B2000000;
    default: return 0;
    }
}

} // namespace

// A failure of the port at `m_path`: the system's reason for `errorNumber`, or `reason`.
Error CCOM::failure(Status status, int errorNumber, int messageId) const {
    Error e = errorNumber ? systemError(m_path, errorNumber) : deviceError(status, m_path, "");
    e.status = status;
    e.messageId = messageId;
    return e;
}

namespace {
Error withReason(Error e, const std::string& reason) {
    if (e.reason.empty()) e.reason = reason;
    return e;
}
} // namespace

CCOM::~CCOM() {
    (void)Close();
}

std::string CCOM::devicePath(const std::string& portName) {
    return !portName.empty() && portName.front() == '/' ? portName : "/dev/" + portName;
}

Outcome CCOM::Open(const std::string& portName, std::uint32_t baudRate) {
    m_path = devicePath(portName);
    if (portName.empty()) return withReason(failure(Status::NoDevice, 0, 0), ktr("SerialPort", "no port name"));
    UniqueFd fd(::open(m_path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) {
        const int err = errno;
        return failure(err == EACCES || err == EPERM ? Status::Forbidden
                       : err == EBUSY                ? Status::Busy
                                                     : Status::NoDevice,
                       err, 0);
    }
    auto fail = [&](Status status, int err, const std::string& reason) -> Outcome {
        if (m_exclusive) ::ioctl(fd.get(), TIOCNXCL);
        m_exclusive = false;
        return withReason(failure(status, err, 0), reason);
    };
    // Exclusive use, as the Windows port was: a second open fails with EBUSY.
    // Pseudo-terminals may refuse the request; they are used by the simulator only.
    if (::ioctl(fd.get(), TIOCEXCL) == 0) {
        m_exclusive = true;
    } else if (errno != EINVAL && errno != ENOTTY) {
        return fail(Status::Busy, errno, "");
    }
    // Someone else may hold a BSD lock on it (minicom, ModemManager probing).
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return fail(Status::Busy, 0, ktr("SerialPort", "locked by another program"));

    termios tio{};
    if (::tcgetattr(fd.get(), &tio) != 0) return fail(Status::IoError, errno, "");
    const speed_t speed = speedOf(baudRate);
    if (speed == 0) return fail(Status::IoError, 0, ktr("SerialPort", "unsupported line rate"));
    // Only the framing and the rate change; flow control and the rest stay as the
    // driver reports them. Raw bytes: no echo, no line editing, no translation.
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_cc[VMIN] = 0; // a read returns at once with what is there
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) return fail(Status::IoError, errno, "");
    if (::tcsetattr(fd.get(), TCSANOW, &tio) != 0) return fail(Status::IoError, errno, "");
    if (::tcflush(fd.get(), TCIOFLUSH) != 0) return fail(Status::IoError, errno, "");
    m_fd = std::move(fd);
    return {};
}

Outcome CCOM::Close() {
    if (!m_fd) return {};
    // The exclusive flag of a pseudo-terminal outlives close(): clear it, or the
    // next open of the same port (at the device's rate) fails with EBUSY.
    if (m_exclusive) ::ioctl(m_fd.get(), TIOCNXCL);
    m_exclusive = false;
    if (!m_fd.close()) return failure(Status::IoError, errno, 0);
    return {};
}

Outcome CCOM::Read(std::vector<std::uint8_t>& out) {
    const int readFailed = str::ReadComFailed;
    if (!m_fd) return withReason(failure(Status::IoError, 0, readFailed), ktr("SerialPort", "not open"));
    for (;;) {
        int queued = 0;
        if (::ioctl(m_fd.get(), FIONREAD, &queued) != 0) return failure(Status::IoError, errno, readFailed);
        // FIONREAD does not see a hang-up: ask poll() when the queue looks empty.
        if (queued == 0) {
            pollfd p{m_fd.get(), POLLIN, 0};
            if (::poll(&p, 1, 0) < 0) return failure(Status::IoError, errno, readFailed);
            if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
                return withReason(failure(Status::IoError, 0, readFailed), ktr("SerialPort", "the port hung up"));
            if (!(p.revents & POLLIN)) return {};
            queued = 1; // data arrived between the two questions
        }
        const std::size_t before = out.size();
        out.resize(before + static_cast<std::size_t>(queued));
        const ssize_t n = ::read(m_fd.get(), out.data() + before, static_cast<std::size_t>(queued));
        if (n < 0) {
            const int err = errno;
            out.resize(before);
            if (err == EAGAIN || err == EINTR) continue;
            return failure(Status::IoError, err, readFailed);
        }
        out.resize(before + static_cast<std::size_t>(n));
        // End of stream: the device is gone.
        if (n == 0) return withReason(failure(Status::IoError, 0, readFailed), ktr("SerialPort", "the port closed"));
    }
}

Outcome CCOM::Write(const std::vector<std::uint8_t>& data) {
    return Write(data.data(), data.size());
}

Outcome CCOM::Write(const std::uint8_t* data, std::size_t size) {
    const int writeFailed = str::WriteComFailed;
    if (!m_fd) return withReason(failure(Status::IoError, 0, writeFailed), ktr("SerialPort", "not open"));
    if (size == 0) return {};
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + m_writePerByte * static_cast<long>(size) + m_writeExtra;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd.get(), data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return failure(Status::IoError, errno, writeFailed);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return withReason(failure(Status::Timeout, 0, writeFailed),
                              ktr("SerialPort", "the write did not finish in time"));
        pollfd p{m_fd.get(), POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR)
            return failure(Status::IoError, errno, writeFailed);
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
            return withReason(failure(Status::IoError, 0, writeFailed), ktr("SerialPort", "the port hung up"));
    }
    return {};
}

WaitResult CCOM::WaitReadable(int timeoutMs, int wakeFd) const {
    if (!m_fd) return WaitResult::Failed;
    pollfd p[2] = {{m_fd.get(), POLLIN, 0}, {wakeFd, POLLIN, 0}};
    const int r = ::poll(p, wakeFd >= 0 ? 2 : 1, timeoutMs);
    if (r < 0) return errno == EINTR ? WaitResult::Timeout : WaitResult::Failed;
    if (wakeFd >= 0 && (p[1].revents & POLLIN)) return WaitResult::Woken;
    if (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return WaitResult::Failed;
    return (p[0].revents & POLLIN) ? WaitResult::Readable : WaitResult::Timeout;
}

} // namespace kestrova
