// The Bluetooth serial link: one RFCOMM connection (serial port profile) to one
// oximeter, with the five operations the rest of the device link relies on. One
// thread may send while another receives.
#pragma once

#include "base/Result.h"
#include "base/UniqueFd.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace kestrova {

class BluetoothLink {
public:
    BluetoothLink() = default;
    // Takes over an already connected stream socket (tests use a socket pair).
    explicit BluetoothLink(int connectedSocket);
    ~BluetoothLink();
    BluetoothLink(const BluetoothLink&) = delete;
    BluetoothLink& operator=(const BluetoothLink&) = delete;

    // Connects to "AA:BB:CC:DD:EE:FF" on an RFCOMM channel (the device finder picks
    // address and channel). Invalid for an address that is none, NoDevice (without
    // a subject) when the system has no Bluetooth, else the system's reason with the
    // address; connectionFailureText() words it.
    Outcome connectTo(const std::string& address, int channel);
    void disconnect();

    // The five operations of the link. Errors name the link and carry the message
    // to show: "not connected" once the link is down.
    bool WSABT_IsConnected() const;
    Outcome ConnectSocket(); // the link is made by connectTo(); kept for the calling order
    Outcome WSABT_SendData(const std::uint8_t* buffer, std::size_t length);
    // Up to `capacity` bytes, waiting at most `waitMs` for the first; 0 when none
    // came. An error when the link is down or the peer closed it.
    Result<std::size_t> WSABT_RecvData(std::uint8_t* buffer, std::size_t capacity, int waitMs);

    int fd() const { return m_fd.load(); }
    // The address connected to, or "Bluetooth link" for a socket handed over.
    std::string name() const;

private:
    void markDown();
    Error failure(int errorNumber, const std::string& reason) const;

    UniqueFd m_socket;
    std::atomic<int> m_fd{-1};     // m_socket's number, for the workers' calls
    std::atomic<bool> m_up{false}; // cleared when the peer goes away; the socket stays until disconnect()
    std::string m_address;
    std::mutex m_sendMutex;
};

// The sentence for a failed connectTo().
std::string connectionFailureText(const Error& error);

} // namespace kestrova
