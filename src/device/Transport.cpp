#include "Transport.h"

#include "BluetoothLink.h"
#include "SerialPort.h"
#include "WireTrace.h"

#include <poll.h>

namespace kestrova {

bool SerialTransport::isConnected() const {
    return m_port.IsOpen();
}

std::string SerialTransport::name() const {
    return m_port.path();
}

Outcome SerialTransport::send(std::span<const std::uint8_t> bytes) {
    WireTrace::instance().record('>', bytes);
    return m_port.Write(bytes.data(), bytes.size());
}

Outcome SerialTransport::receive(std::vector<std::uint8_t>& out) {
    const std::size_t before = out.size();
    Outcome r = m_port.Read(out);
    WireTrace::instance().record('<', std::span(out).subspan(before));
    return r;
}

WaitResult SerialTransport::waitReadable(int timeoutMs, int wakeFd) {
    return m_port.WaitReadable(timeoutMs, wakeFd);
}

bool BluetoothTransport::isConnected() const {
    return m_link.WSABT_IsConnected();
}

std::string BluetoothTransport::name() const {
    return m_link.name();
}

Outcome BluetoothTransport::send(std::span<const std::uint8_t> bytes) {
    WireTrace::instance().record('>', bytes);
    return m_link.WSABT_SendData(bytes.data(), bytes.size());
}

Outcome BluetoothTransport::receive(std::vector<std::uint8_t>& out) {
    std::uint8_t chunk[4200];
    for (;;) {
        const Result<std::size_t> n = m_link.WSABT_RecvData(chunk, sizeof chunk, 0);
        if (!n) return n.error();
        if (*n == 0) return {};
        out.insert(out.end(), chunk, chunk + *n);
        WireTrace::instance().record('<', std::span<const std::uint8_t>(chunk, *n));
    }
}

WaitResult BluetoothTransport::waitReadable(int timeoutMs, int wakeFd) {
    if (!m_link.WSABT_IsConnected()) return WaitResult::Failed;
    pollfd p[2] = {{m_link.fd(), POLLIN, 0}, {wakeFd, POLLIN, 0}};
    const int r = ::poll(p, wakeFd >= 0 ? 2 : 1, timeoutMs);
    if (r < 0) return WaitResult::Timeout;
    if (wakeFd >= 0 && (p[1].revents & POLLIN)) return WaitResult::Woken;
    if (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return WaitResult::Failed;
    return (p[0].revents & POLLIN) ? WaitResult::Readable : WaitResult::Timeout;
}

} // namespace kestrova
