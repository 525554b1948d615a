#include "SerialPort.h"

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

CCOM::~CCOM() { Close(); }

std::string CCOM::devicePath(const std::string& portName) {
    return !portName.empty() && portName.front() == '/' ? portName : "/dev/" + portName;
}

bool CCOM::Open(const std::string& portName, std::uint32_t baudRate) {
    m_openStatus = DeviceStatus::Ok;
    m_path = devicePath(portName);
    if (portName.empty()) {
        m_openStatus = DeviceStatus::NoDevice;
        return false;
    }
    const int fd = ::open(m_path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        m_openStatus = err == EACCES || err == EPERM ? DeviceStatus::Forbidden
                       : err == EBUSY                 ? DeviceStatus::Busy
                                                      : DeviceStatus::NoDevice;
        return false;
    }
    auto fail = [&](DeviceStatus e) {
        if (m_exclusive) ::ioctl(fd, TIOCNXCL);
        m_exclusive = false;
        ::close(fd);
        m_openStatus = e;
        return false;
    };
    // Exclusive use, as the Windows port was: a second open fails with EBUSY.
    // Pseudo-terminals may refuse the request; they are used by the simulator only.
    if (::ioctl(fd, TIOCEXCL) == 0) {
        m_exclusive = true;
    } else if (errno != EINVAL && errno != ENOTTY) {
        return fail(DeviceStatus::Busy);
    }
    // Someone else may hold a BSD lock on it (minicom, ModemManager probing).
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return fail(DeviceStatus::Busy);

    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return fail(DeviceStatus::IoError);
    const speed_t speed = speedOf(baudRate);
    if (speed == 0) return fail(DeviceStatus::IoError);
    // Only the framing and the rate change; flow control and the rest stay as the
    // driver reports them. Raw bytes: no echo, no line editing, no translation.
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_cc[VMIN] = 0; // a read returns at once with what is there
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0) return fail(DeviceStatus::IoError);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) return fail(DeviceStatus::IoError);
    if (::tcflush(fd, TCIOFLUSH) != 0) return fail(DeviceStatus::IoError);
    m_fd = fd;
    return true;
}

bool CCOM::Close() {
    if (m_fd < 0) return true;
    const int fd = m_fd;
    m_fd = -1;
    // The exclusive flag of a pseudo-terminal outlives close(): clear it, or the
    // next open of the same port (at the device's rate) fails with EBUSY.
    if (m_exclusive) ::ioctl(fd, TIOCNXCL);
    m_exclusive = false;
    return ::close(fd) == 0;
}

bool CCOM::Read(std::vector<std::uint8_t>& out) {
    if (m_fd < 0) return false;
    for (;;) {
        int queued = 0;
        if (::ioctl(m_fd, FIONREAD, &queued) != 0) return false;
        // FIONREAD does not see a hang-up: ask poll() when the queue looks empty.
        if (queued == 0) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 0) < 0) return false;
            if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) return false;
            if (!(p.revents & POLLIN)) return true;
            queued = 1; // data arrived between the two questions
        }
        const std::size_t before = out.size();
        out.resize(before + static_cast<std::size_t>(queued));
        const ssize_t n = ::read(m_fd, out.data() + before, static_cast<std::size_t>(queued));
        if (n < 0) {
            out.resize(before);
            if (errno == EAGAIN || errno == EINTR) continue;
            return false;
        }
        out.resize(before + static_cast<std::size_t>(n));
        if (n == 0) return false; // end of stream: the device is gone
    }
}

bool CCOM::Write(const std::vector<std::uint8_t>& data) { return Write(data.data(), data.size()); }

bool CCOM::Write(const std::uint8_t* data, std::size_t size) {
    if (m_fd < 0) return false;
    if (size == 0) return true;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(5 * size + 5);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd p{m_fd, POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR) return false;
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) return false;
    }
    return true;
}

int CCOM::WaitReadable(int timeoutMs, int wakeFd) const {
    if (m_fd < 0) return -1;
    pollfd p[2] = {{m_fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    const int r = ::poll(p, wakeFd >= 0 ? 2 : 1, timeoutMs);
    if (r < 0) return errno == EINTR ? 0 : -1;
    if (wakeFd >= 0 && (p[1].revents & POLLIN)) return 2;
    if (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return -1;
    return (p[0].revents & POLLIN) ? 1 : 0;
}

} // namespace kestrova
