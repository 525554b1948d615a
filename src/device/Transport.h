// What the protocol needs of a link to the oximeter, so that the serial port and the
// Bluetooth link share one implementation of every exchange and of the download.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kestrova {

class CCOM;
class BluetoothLink;

enum class WaitResult { Readable, Timeout, Woken, Failed };

class Transport {
public:
    virtual ~Transport() = default;

    // Bluetooth links send the frame index high byte first whatever the device type,
    // and send the stop frame once.
    virtual bool isBluetooth() const = 0;
    virtual bool isConnected() const = 0;
    // One command frame, all bytes or false.
    virtual bool send(std::span<const std::uint8_t> bytes) = 0;
    // Appends whatever has arrived, without waiting. False when the link failed.
    virtual bool receive(std::vector<std::uint8_t>& out) = 0;
    // Waits for bytes, the wake-up descriptor, or the time-out.
    virtual WaitResult waitReadable(int timeoutMs, int wakeFd) = 0;
};

class SerialTransport final : public Transport {
public:
    explicit SerialTransport(CCOM& port) : m_port(port) {}
    bool isBluetooth() const override { return false; }
    bool isConnected() const override;
    bool send(std::span<const std::uint8_t> bytes) override;
    bool receive(std::vector<std::uint8_t>& out) override;
    WaitResult waitReadable(int timeoutMs, int wakeFd) override;

private:
    CCOM& m_port;
};

class BluetoothTransport final : public Transport {
public:
    explicit BluetoothTransport(BluetoothLink& link) : m_link(link) {}
    bool isBluetooth() const override { return true; }
    bool isConnected() const override;
    bool send(std::span<const std::uint8_t> bytes) override;
    bool receive(std::vector<std::uint8_t>& out) override;
    WaitResult waitReadable(int timeoutMs, int wakeFd) override;

private:
    BluetoothLink& m_link;
};

} // namespace kestrova
