// The Bluetooth serial link: one RFCOMM connection (serial port profile) to one
// oximeter, with the five operations the rest of the device link relies on. One
// thread may send while another receives.
#pragma once

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
    // address and channel). False with `error` filled when it fails.
    bool connectTo(const std::string& address, int channel, std::string& error);
    void disconnect();

    // The five operations of the link.
    int WSABT_IsConnected() const;
    int ConnectSocket(); // the link is made by connectTo(); kept for the calling order
    int WSABT_SendData(const std::uint8_t* buffer, int length);
    // Up to `capacity` bytes, waiting at most `waitMs` for the first; 0 when none came.
    int WSABT_RecvData(std::uint8_t* buffer, int capacity, int waitMs);

    int fd() const { return m_fd.load(); }

private:
    void markDown();

    std::atomic<int> m_fd{-1};
    std::atomic<bool> m_up{false}; // cleared when the peer goes away; the socket stays until disconnect()
    std::mutex m_sendMutex;
};

} // namespace kestrova
