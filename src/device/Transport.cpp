#include "Transport.h"

#include "BluetoothLink.h"
#include "SerialPort.h"
#include "WireTrace.h"

#include <poll.h>

namespace kestrova {

bool SerialTransport::isConnected() const { return m_port.IsOpen(); }

bool SerialTransport::send(std::span<const std::uint8_t> bytes) {
    WireTrace::instance().record('>', bytes);
    return m_port.Write(bytes.data(), bytes.size());
}

bool SerialTransport::receive(std::vector<std::uint8_t>& out) {
    const std::size_t before = out.size();
    const bool ok = m_port.Read(out);
    WireTrace::instance().record('<', std::span(out).subspan(before));
    return ok;
}

WaitResult SerialTransport::waitReadable(int timeoutMs, int wakeFd) {
    switch (m_port.WaitReadable(timeoutMs, wakeFd)) {
    case 1: return WaitResult::Readable;
    case 0: return WaitResult::Timeout;
    case 2: return WaitResult::Woken;
    default: return WaitResult::Failed;
    }
}

bool BluetoothTransport::isConnected() const { return m_link.WSABT_IsConnected() != 0; }

bool BluetoothTransport::send(std::span<const std::uint8_t> bytes) {
    WireTrace::instance().record('>', bytes);
    return m_link.WSABT_IsConnected() != 0 &&
           m_link.WSABT_SendData(bytes.data(), static_cast<int>(bytes.size())) != 0;
}

bool BluetoothTransport::receive(std::vector<std::uint8_t>& out) {
    std::uint8_t chunk[4200];
    for (;;) {
        if (!m_link.WSABT_IsConnected()) return false;
        const int n = m_link.WSABT_RecvData(chunk, static_cast<int>(sizeof chunk), 0);
        if (n <= 0) return m_link.WSABT_IsConnected() != 0;
        out.insert(out.end(), chunk, chunk + n);
        WireTrace::instance().record('<', std::span<const std::uint8_t>(chunk, static_cast<std::size_t>(n)));
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
