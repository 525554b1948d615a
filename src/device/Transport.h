// What the protocol needs of a link to the oximeter, so that the serial port and the
// Bluetooth link share one implementation of every exchange and of the download.
#pragma once

#include "WaitResult.h"
#include "base/Result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kestrova {

class CCOM;
class BluetoothLink;

class Transport {
public:
    virtual ~Transport() = default;

    // Bluetooth links send the frame index high byte first whatever the device type,
    // and send the stop frame once.
    virtual bool isBluetooth() const = 0;
    virtual bool isConnected() const = 0;
    // The port's path or the link's address: the subject of the link's errors.
    virtual std::string name() const = 0;
    // One command frame, all bytes, or the error (with the message to show for it).
    virtual Outcome send(std::span<const std::uint8_t> bytes) = 0;
    // Appends whatever has arrived, without waiting; an error when the link failed.
    virtual Outcome receive(std::vector<std::uint8_t>& out) = 0;
    // Waits for bytes, the wake-up descriptor, or the time-out.
    virtual WaitResult waitReadable(int timeoutMs, int wakeFd) = 0;
};

class SerialTransport final : public Transport {
public:
    explicit SerialTransport(CCOM& port) : m_port(port) {}
    bool isBluetooth() const override { return false; }
    bool isConnected() const override;
    std::string name() const override;
    Outcome send(std::span<const std::uint8_t> bytes) override;
    Outcome receive(std::vector<std::uint8_t>& out) override;
    WaitResult waitReadable(int timeoutMs, int wakeFd) override;

private:
    CCOM& m_port;
};

class BluetoothTransport final : public Transport {
public:
    explicit BluetoothTransport(BluetoothLink& link) : m_link(link) {}
    bool isBluetooth() const override { return true; }
    bool isConnected() const override;
    std::string name() const override;
    Outcome send(std::span<const std::uint8_t> bytes) override;
    Outcome receive(std::vector<std::uint8_t>& out) override;
    WaitResult waitReadable(int timeoutMs, int wakeFd) override;

private:
    BluetoothLink& m_link;
};

} // namespace kestrova
