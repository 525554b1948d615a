// CCOM: the program's one serial port, a raw 8N1 terminal device with reads that
// never wait. Used by port probing, the protocol exchanges and both download
// workers (one reads while the other writes; the two paths are independent).
#pragma once

#include "DeviceStatus.h"
#include "DeviceTiming.h"
#include "WaitResult.h"
#include "base/UniqueFd.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrova {

class CCOM {
public:
    CCOM() = default;
    explicit CCOM(const DeviceTiming& timing) : m_writePerByte(timing.writePerByte), m_writeExtra(timing.writeExtra) {}
    virtual ~CCOM();
    CCOM(const CCOM&) = delete;
    CCOM& operator=(const CCOM&) = delete;

    // `portName` is a name under /dev ("ttyUSB0", "pts/3") or an absolute path.
    // Exclusive: a port another program holds fails with Busy. Both queues are
    // flushed. Does not close a port already held.
    // Errors name the port's path: NoDevice for a port that does not exist, Busy,
    // Forbidden, or IoError for one that is no serial port or refuses the line settings.
    Outcome Open(const std::string& portName, std::uint32_t baudRate);
    Outcome Close();
    bool IsOpen() const { return m_fd.valid(); }

    // Appends every queued byte to `out` and never waits. IoError (with the message
    // "read com failed") when the port failed or vanished (USB unplugged).
    Outcome Read(std::vector<std::uint8_t>& out);
    // All bytes within the write time-out (5 ms per byte + 5 ms by default); IoError
    // or Timeout (with the message "write com failed") otherwise.
    Outcome Write(const std::vector<std::uint8_t>& data);
    Outcome Write(const std::uint8_t* data, std::size_t size);

    // Waits until bytes are queued, the port fails, `wakeFd` becomes readable or
    // `timeoutMs` passes.
    WaitResult WaitReadable(int timeoutMs, int wakeFd) const;

    const std::string& path() const { return m_path; }

    static std::string devicePath(const std::string& portName);

private:
    Error failure(Status status, int errorNumber, int messageId) const;

    UniqueFd m_fd;
    bool m_exclusive = false;
    std::string m_path;
    DeviceTiming::Ms m_writePerByte = DeviceTiming{}.writePerByte;
    DeviceTiming::Ms m_writeExtra = DeviceTiming{}.writeExtra;
};

} // namespace kestrova
