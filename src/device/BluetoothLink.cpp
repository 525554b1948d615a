#include "BluetoothLink.h"

#include <bluetooth/bluetooth.h>
#include <bluetooth/rfcomm.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kestrova {

BluetoothLink::BluetoothLink(int connectedSocket) : m_fd(connectedSocket), m_up(connectedSocket >= 0) {}

BluetoothLink::~BluetoothLink() { disconnect(); }

bool BluetoothLink::connectTo(const std::string& address, int channel, std::string& error) {
    disconnect();
    sockaddr_rc addr{};
    addr.rc_family = AF_BLUETOOTH;
    addr.rc_channel = static_cast<std::uint8_t>(channel);
    if (str2ba(address.c_str(), &addr.rc_bdaddr) != 0) {
        error = "\"" + address + "\" is not a Bluetooth address.";
        return false;
    }
    const int fd = ::socket(AF_BLUETOOTH, SOCK_STREAM | SOCK_CLOEXEC, BTPROTO_RFCOMM);
    if (fd < 0) {
        error = std::string("Bluetooth is not available: ") + std::strerror(errno) + ".";
        return false;
    }
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        error = "Could not connect to " + address + ": " + std::strerror(errno) + ".";
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_up = true;
    return true;
}

void BluetoothLink::disconnect() {
    m_up = false;
    const int fd = m_fd.exchange(-1);
    if (fd >= 0) {
        ::shutdown(fd, SHUT_RDWR);
        ::close(fd);
    }
}

// Only marks the link down: the other worker may be inside a call on the same socket,
// so closing it (and letting the number be reused) waits for disconnect().
void BluetoothLink::markDown() { m_up = false; }

int BluetoothLink::WSABT_IsConnected() const { return m_up.load() && m_fd.load() >= 0 ? 1 : 0; }

int BluetoothLink::ConnectSocket() { return WSABT_IsConnected(); }

int BluetoothLink::WSABT_SendData(const std::uint8_t* buffer, int length) {
    std::lock_guard lock(m_sendMutex);
    const int fd = m_fd.load();
    if (!m_up || fd < 0 || length < 0) return 0;
    int done = 0;
    while (done < length) {
        const ssize_t n = ::send(fd, buffer + done, static_cast<std::size_t>(length - done), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (errno == EPIPE || errno == ECONNRESET || errno == ENOTCONN) markDown();
            return 0;
        }
        done += static_cast<int>(n);
    }
    return 1;
}

int BluetoothLink::WSABT_RecvData(std::uint8_t* buffer, int capacity, int waitMs) {
    const int fd = m_fd.load();
    if (!m_up || fd < 0 || capacity <= 0) return 0;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, waitMs) <= 0) return 0;
    const ssize_t n = ::recv(fd, buffer, static_cast<std::size_t>(capacity), MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        markDown(); // the peer closed the link
        return 0;
    }
    return n < 0 ? 0 : static_cast<int>(n);
}

} // namespace kestrova
