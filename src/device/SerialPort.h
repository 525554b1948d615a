// CCOM: the program's one serial port, a raw 8N1 terminal device with reads that
// never wait. Used by port probing, the protocol exchanges and both download
// workers (one reads while the other writes; the two paths are independent).
#pragma once

#include "DeviceStatus.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrova {

class CCOM {
public:
    CCOM() = default;
    virtual ~CCOM();
    CCOM(const CCOM&) = delete;
    CCOM& operator=(const CCOM&) = delete;

    // `portName` is a name under /dev ("ttyUSB0", "pts/3") or an absolute path.
    // Exclusive: a port another program holds fails with Busy. Both queues are
    // flushed. Does not close a port already held.
    bool Open(const std::string& portName, std::uint32_t baudRate);
    bool Close();
    bool IsOpen() const { return m_fd >= 0; }

    // Appends every queued byte to `out`. True only when the queue was found empty
    // (never waits); false when the port failed or vanished (USB unplugged).
    bool Read(std::vector<std::uint8_t>& out);
    // All bytes within the write time-out (5 ms per byte + 5 ms), or false.
    bool Write(const std::vector<std::uint8_t>& data);
    bool Write(const std::uint8_t* data, std::size_t size);

    // Waits until bytes are queued, the port fails, `wakeFd` becomes readable or
    // `timeoutMs` passes. 1 = readable, 0 = time-out, 2 = woken, -1 = port failed.
    int WaitReadable(int timeoutMs, int wakeFd) const;

    // Why the last Open failed (Ok after a successful one): NoDevice for a port that
    // does not exist, Busy, Forbidden, or IoError for one that is no serial port or
    // refuses the line settings.
    DeviceStatus lastOpenStatus() const { return m_openStatus; }
    const std::string& path() const { return m_path; }

    static std::string devicePath(const std::string& portName);

private:
    int m_fd = -1;
    bool m_exclusive = false;
    std::string m_path;
    DeviceStatus m_openStatus = DeviceStatus::Ok;
};

} // namespace kestrova
