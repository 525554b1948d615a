// CCOM: the program's one serial port, a raw 8N1 terminal device with reads that
// never wait. Used by port probing, the protocol exchanges and both download
// workers (one reads while the other writes; the two paths are independent).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrova {

class CCOM {
public:
    // Why the last Open failed, kept apart so the message can name cause and cure.
    enum class OpenError { None, Missing, Busy, Forbidden, NotSerial, Settings };

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

    OpenError lastOpenError() const { return m_openError; }
    // A sentence for the user about the last failed Open, naming the cure where there is one.
    std::string lastOpenErrorText() const;
    const std::string& path() const { return m_path; }

    static std::string devicePath(const std::string& portName);

private:
    int m_fd = -1;
    bool m_exclusive = false;
    std::string m_path;
    OpenError m_openError = OpenError::None;
};

} // namespace kestrova
