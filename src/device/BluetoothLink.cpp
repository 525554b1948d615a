#include "BluetoothLink.h"
#include "text/Translate.h"

#include "DeviceStatus.h"
#include "text/StringTable.h"

#include <bluetooth/bluetooth.h>
#include <bluetooth/rfcomm.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kestrova {

BluetoothLink::BluetoothLink(int connectedSocket)
    : m_socket(connectedSocket), m_fd(connectedSocket), m_up(connectedSocket >= 0) {}

BluetoothLink::~BluetoothLink() {
    disconnect();
}

std::string BluetoothLink::name() const {
    return m_address.empty() ? std::string(ktr("BluetoothLink", "Bluetooth link")) : m_address;
}

Outcome BluetoothLink::connectTo(const std::string& address, int channel) {
    disconnect();
    sockaddr_rc addr{};
    addr.rc_family = AF_BLUETOOTH;
    addr.rc_channel = static_cast<std::uint8_t>(channel);
    if (str2ba(address.c_str(), &addr.rc_bdaddr) != 0)
        return deviceError(Status::Invalid, address, ktr("BluetoothLink", "not a Bluetooth address"));
    UniqueFd socket(::socket(AF_BLUETOOTH, SOCK_STREAM | SOCK_CLOEXEC, BTPROTO_RFCOMM));
    if (!socket) {
        Error e = systemError({}, errno);
        e.status = Status::NoDevice;
        return e;
    }
    if (::connect(socket.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return systemError(address, errno);
    m_address = address;
    m_fd = socket.get();
    m_socket = std::move(socket);
    m_up = true;
    return {};
}

std::string connectionFailureText(const Error& e) {
    if (e.status == Status::Invalid)
        return text::arg(ktr("BluetoothLink", "\"%1\" is not a Bluetooth address."), {e.subject});
    if (e.subject.empty()) return text::arg(ktr("BluetoothLink", "Bluetooth is not available: %1."), {e.reason});
    return text::arg(ktr("BluetoothLink", "Could not connect to %1: %2."), {e.subject, e.reason});
}

void BluetoothLink::disconnect() {
    m_up = false;
    if (m_fd.exchange(-1) >= 0) ::shutdown(m_socket.get(), SHUT_RDWR);
    m_socket.reset();
}

// Only marks the link down: the other worker may be inside a call on the same socket,
// so closing it (and letting the number be reused) waits for disconnect().
void BluetoothLink::markDown() {
    m_up = false;
}

Error BluetoothLink::failure(int errorNumber, const std::string& reason) const {
    Error e = errorNumber ? systemError(name(), errorNumber) : deviceError(Status::IoError, name(), reason);
    e.status = Status::IoError;
    e.messageId = WSABT_IsConnected() ? str::WriteComFailed : str::NotConnected;
    return e;
}

bool BluetoothLink::WSABT_IsConnected() const {
    return m_up.load() && m_fd.load() >= 0;
}

Outcome BluetoothLink::ConnectSocket() {
    if (!WSABT_IsConnected()) return failure(0, ktr("BluetoothLink", "not connected"));
    return {};
}

Outcome BluetoothLink::WSABT_SendData(const std::uint8_t* buffer, std::size_t length) {
    std::lock_guard lock(m_sendMutex);
    const int fd = m_fd.load();
    if (!m_up || fd < 0) return failure(0, ktr("BluetoothLink", "not connected"));
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::send(fd, buffer + done, length - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : 0;
            if (err == EPIPE || err == ECONNRESET || err == ENOTCONN) markDown();
            return failure(err, ktr("BluetoothLink", "the link took no bytes"));
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

Result<std::size_t> BluetoothLink::WSABT_RecvData(std::uint8_t* buffer, std::size_t capacity, int waitMs) {
    const int fd = m_fd.load();
    if (!m_up || fd < 0) return failure(0, ktr("BluetoothLink", "not connected"));
    if (capacity == 0) return std::size_t{0};
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, waitMs) <= 0) return std::size_t{0};
    const ssize_t n = ::recv(fd, buffer, capacity, MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        const int err = n < 0 ? errno : 0;
        markDown(); // the peer closed the link
        return failure(err, ktr("BluetoothLink", "the peer closed the link"));
    }
    return n < 0 ? std::size_t{0} : static_cast<std::size_t>(n);
}

} // namespace kestrova
