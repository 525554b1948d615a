#include "DeviceSimulator.h"
#include "text/Translate.h"

#include "DeviceStatus.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace kestrova {
namespace {

double nowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void sleepUntil(double t) {
    const double d = t - nowSeconds();
    if (d > 0) std::this_thread::sleep_for(std::chrono::duration<double>(d));
}

void putBE16(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    v[at] = static_cast<std::uint8_t>(x >> 8);
    v[at + 1] = static_cast<std::uint8_t>(x);
}

} // namespace

DeviceSimulator::DeviceSimulator(SimulatorOptions options) : m_o(std::move(options)) {
    m_o.payloadSize = std::clamp<std::size_t>(m_o.payloadSize / 8 * 8, 8, kMaxPayload);
}

DeviceSimulator::~DeviceSimulator() {
    stop();
}

void DeviceSimulator::addRecording(const std::vector<SampleRecord>& samples) {
    if (samples.empty()) return;
    std::lock_guard lock(m_mutex);
    auto& v = m_data[samples.front().id];
    v.insert(v.end(), samples.begin(), samples.end());
    rebuildFrames();
}

// The device's memory as frames: all IDs in ascending order, each ID's samples in
// the device's storage order (newest first for types 1, 3, 4 and 11).
void DeviceSimulator::rebuildFrames() {
    m_groups.clear();
    const bool newestFirst = m_o.deviceType == 1 || m_o.deviceType == 3 || m_o.deviceType == 4 || m_o.deviceType == 11;
    std::vector<std::uint8_t> current;
    auto push = [&](const SampleRecord& s) {
        const auto g = encodeSampleGroup(s, m_o.deviceType);
        current.insert(current.end(), g.begin(), g.end());
        if (current.size() == m_o.payloadSize) m_groups.push_back(std::exchange(current, {}));
    };
    for (const auto& [id, samples] : m_data) {
        if (newestFirst)
            for (auto it = samples.rbegin(); it != samples.rend(); ++it) push(*it);
        else
            for (const auto& s : samples) push(s);
    }
    if (!current.empty()) m_groups.push_back(std::move(current));
}

std::uint32_t DeviceSimulator::frameCount() const {
    std::lock_guard lock(m_mutex);
    return static_cast<std::uint32_t>(m_groups.size());
}

std::map<int, std::vector<SampleRecord>> DeviceSimulator::recordings() const {
    std::lock_guard lock(m_mutex);
    return m_data;
}

bool DeviceSimulator::clockWasSet() const {
    std::lock_guard lock(m_mutex);
    return m_clockSet;
}

DeviceDateTime DeviceSimulator::clock() const {
    std::lock_guard lock(m_mutex);
    return m_clock;
}

std::vector<std::uint32_t> DeviceSimulator::requestedFrames() const {
    std::lock_guard lock(m_mutex);
    return m_requested;
}

Outcome DeviceSimulator::start() {
    m_master.reset(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!m_master || ::grantpt(m_master.get()) != 0 || ::unlockpt(m_master.get()) != 0)
        return systemError("pseudo-terminal", errno);
    const char* slave = ::ptsname(m_master.get());
    if (!slave) return systemError("pseudo-terminal", errno);
    const std::string path = slave;
    m_portName = path.rfind("/dev/", 0) == 0 ? path.substr(5) : path;
    // Holding one slave descriptor keeps the master readable while the host closes
    // and reopens the port (4800 bit/s, then the device's rate); raw from the start.
    m_slaveKeepAlive.reset(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (m_slaveKeepAlive) {
        termios tio{};
        ::tcgetattr(m_slaveKeepAlive.get(), &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slaveKeepAlive.get(), TCSANOW, &tio);
    }
    m_stopFd.reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    m_thread = std::thread([this] { run(); });
    return {};
}

void DeviceSimulator::stop() {
    if (m_thread.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] auto n = ::write(m_stopFd.get(), &one, sizeof one);
        m_thread.join();
    }
    m_master.reset();
    m_slaveKeepAlive.reset();
    m_stopFd.reset();
}

void DeviceSimulator::run() {
    std::uint8_t buf[512];
    for (;;) {
        pollfd p[2] = {{m_master.get(), POLLIN, 0}, {m_stopFd.get(), POLLIN, 0}};
        if (m_vanished) p[0].fd = -1;
        if (m_in.size() < 6 && ::poll(p, 2, -1) < 0) continue;
        if (p[1].revents & POLLIN) return;
        if (p[0].revents & POLLIN) {
            const ssize_t n = ::read(m_master.get(), buf, sizeof buf);
            if (n > 0) m_in.insert(m_in.end(), buf, buf + n);
        } else if (m_in.size() < 6) {
            // No host on the slave side right now.
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        // Command frames: 55 AA code p1 p2 checksum; anything else is skipped.
        while (m_in.size() >= 6) {
            if (m_in[0] != 0x55 || m_in[1] != 0xAA) {
                m_in.erase(m_in.begin());
                continue;
            }
            CommandFrame f;
            std::copy_n(m_in.begin(), 6, f.begin());
            m_in.erase(m_in.begin(), m_in.begin() + 6);
            if (static_cast<std::uint8_t>(f[2] + f[3] + f[4]) != f[5]) continue;
            paceIncoming(6);
            handle(f);
            if (m_vanished) return;
        }
    }
}

// While a long frame goes out at the wire's pace, the host may tell the device to
// stop; a device abandons the frame then.
bool DeviceSimulator::stopFramePending() {
    pollfd p{m_master.get(), POLLIN, 0};
    if (::poll(&p, 1, 0) > 0 && (p.revents & POLLIN)) {
        std::uint8_t buf[256];
        const ssize_t n = ::read(m_master.get(), buf, sizeof buf);
        if (n > 0) m_in.insert(m_in.end(), buf, buf + n);
    }
    for (std::size_t i = 0; i + 2 < m_in.size(); ++i)
        if (m_in[i] == 0x55 && m_in[i + 1] == 0xAA && m_in[i + 2] == command::StopTransfer) return true;
    return false;
}

void DeviceSimulator::paceIncoming(std::size_t bytes) {
    if (!m_o.paced) return;
    // The request has to cross the wire before the device can answer it.
    m_wireFree = std::max(m_wireFree, nowSeconds()) + static_cast<double>(bytes) * 10.0 / m_o.lineRate;
    sleepUntil(m_wireFree);
}

Outcome DeviceSimulator::send(const std::vector<std::uint8_t>& bytes) {
    // Paced: each slice leaves when the emulated wire would have carried it, counted
    // from the start of the transmission so that sleep overshoots do not add up.
    const double start = std::max(m_wireFree, nowSeconds());
    const double perByte = 10.0 / m_o.lineRate;
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (m_o.paced && done > 0 && stopFramePending()) {
            m_wireFree = nowSeconds();
            return deviceError(Status::Cancelled, m_portName, ktr("DeviceSimulator", "stopped by the host"));
        }
        const std::size_t slice = m_o.paced ? std::min<std::size_t>(bytes.size() - done, 512) : bytes.size() - done;
        if (m_o.paced) sleepUntil(start + static_cast<double>(done + slice) * perByte);
        std::size_t written = 0;
        while (written < slice) {
            const ssize_t n = ::write(m_master.get(), bytes.data() + done + written, slice - written);
            if (n > 0) {
                written += static_cast<std::size_t>(n);
            } else {
                pollfd p{m_master.get(), POLLOUT, 0};
                if (::poll(&p, 1, 100) < 0 || m_vanished) return deviceError(Status::IoError, m_portName, "gone");
            }
        }
        done += slice;
    }
    if (m_o.paced) m_wireFree = start + static_cast<double>(bytes.size()) * perByte;
    return {};
}

std::vector<std::uint8_t> DeviceSimulator::dataFrame(std::uint32_t index, bool corruptLength) const {
    const bool exists = index < m_groups.size();
    const std::vector<std::uint8_t> empty;
    const auto& payload = exists ? m_groups[index] : empty;
    std::vector<std::uint8_t> f(payload.size() + 8, 0);
    f[0] = 0x55;
    f[1] = 0xAA;
    const bool last = !exists || index + 1 == m_groups.size();
    putBE16(f, 3, last ? kStatusEnd : 0);
    putBE16(f, 5, corruptLength ? 0xF123 : static_cast<std::uint32_t>(payload.size()));
    std::copy(payload.begin(), payload.end(), f.begin() + 7);
    f.back() = 0x5A;
    return f;
}

void DeviceSimulator::handle(const CommandFrame& f) {
    std::vector<std::uint8_t> reply;
    {
        std::lock_guard lock(m_mutex);
        switch (f[2]) {
        case command::Identify: {
            ++m_identifies;
            reply.assign(23, 0);
            reply[0] = 0x55;
            reply[1] = 0xAA;
            reply[3] = 0xFF;
            reply[4] = 0xFD;
            putBE16(reply, 5, static_cast<std::uint32_t>(m_o.modelCode));
            putBE16(reply, 7, static_cast<std::uint32_t>(m_o.deviceType));
            putBE16(reply, 9, m_o.lineRate >> 16);
            putBE16(reply, 11, m_o.lineRate & 0xFFFF);
            int a = 0, b = 0, c = 0;
            std::sscanf(m_o.version1.c_str(), "%d.%d.%d", &a, &b, &c);
            reply[17] = static_cast<std::uint8_t>(a), reply[18] = static_cast<std::uint8_t>(b),
            reply[19] = static_cast<std::uint8_t>(c);
            std::sscanf(m_o.version2.c_str(), "%d.%d.%d", &a, &b, &c);
            reply[20] = static_cast<std::uint8_t>(a), reply[21] = static_cast<std::uint8_t>(b),
            reply[22] = static_cast<std::uint8_t>(c);
            if (m_identifies == 1 && m_o.leftoverBeforeIdentify > 0) {
                auto rest = m_groups.empty() ? std::vector<std::uint8_t>{} : dataFrame(0, false);
                rest.resize(m_o.leftoverBeforeIdentify, 0x5A);
                reply.insert(reply.begin(), rest.begin(), rest.end());
            }
            break;
        }
        case command::QueryTotals: {
            m_lostDone = m_corruptDone = m_silent = false;
            const auto frames = m_o.zeroTotal ? 0u : static_cast<std::uint32_t>(m_groups.size());
            reply.assign(19, 0);
            reply[0] = 0x55;
            reply[1] = 0xAA;
            reply[3] = 0xFF;
            reply[4] = 0xFE;
            putBE16(reply, 9, m_o.framesOnlyInN2 ? 0 : frames);
            putBE16(reply, 13, m_o.framesOnlyInN2 ? frames : 0);
            break;
        }
        case command::RequestFrame: {
            ++m_requests;
            const std::uint32_t index = m_o.deviceType == 3 ? (f[4] << 8 | f[3]) : (f[3] << 8 | f[4]);
            m_requested.push_back(index);
            if (m_silent) break;
            if (static_cast<int>(index) == m_o.loseFrame && !m_lostDone) {
                m_lostDone = true;
                break;
            }
            if (static_cast<int>(index) == m_o.strayBeforeFrame)
                reply.assign(static_cast<std::size_t>(std::max(0, m_o.strayCount)), 0x13);
            const bool corrupt = static_cast<int>(index) == m_o.corruptLengthFrame && !m_corruptDone;
            if (corrupt) m_corruptDone = true;
            const auto frame = dataFrame(index, corrupt);
            reply.insert(reply.end(), frame.begin(), frame.end());
            if (static_cast<int>(index) == m_o.silentAfterFrame) m_silent = true;
            break;
        }
        case command::StopTransfer: ++m_stops; break;
        case command::DeleteData: {
            const int id = (f[3] & 0x0F) << 8 | f[4];
            if (id == 0)
                m_data.clear();
            else
                m_data.erase(id); // the simulator records SpO2 and pulse only: both types erase them
            rebuildFrames();
            reply = {0x55, 0xAA, 0x00, 0xFF, 0xFA};
            break;
        }
        case command::SetClockFirst:
            m_pendingClock = static_cast<std::uint32_t>(f[3] | f[4] << 8);
            reply = {0x55, 0xAA, 0x00, 0xFF, 0xF9};
            break;
        case command::SetClockSecond: {
            const std::uint32_t packed =
                m_pendingClock | static_cast<std::uint32_t>(f[3]) << 16 | static_cast<std::uint32_t>(f[4]) << 24;
            m_clock = {2000 + static_cast<int>(packed & 0x3F), static_cast<int>(packed >> 6 & 0xF),
                       static_cast<int>(packed >> 10 & 0x1F),  static_cast<int>(packed >> 15 & 0x1F),
                       static_cast<int>(packed >> 20 & 0x3F),  static_cast<int>(packed >> 26 & 0x3F)};
            m_clockSet = true;
            reply = {0x55, 0xAA, 0x00, 0xFF, 0xF9};
            break;
        }
        default: break;
        }
    }
    // A reply cut short by the host's stop is what the device does too.
    if (!reply.empty()) (void)send(reply);
    if (f[2] == command::RequestFrame && m_o.vanishAfterFrame >= 0 && m_requests.load() > m_o.vanishAfterFrame) {
        // Unplugged: the host side sees a hang-up.
        m_vanished = true;
        m_master.reset();
    }
}

} // namespace kestrova
