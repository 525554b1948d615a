// An optional log of every byte on the wire, as timestamped hex lines:
//   12.345678 > 55 AA FD 00 00 FD
// ('>' host to device, '<' device to host). Switched on by KESTROVA_TRACE=FILE or
// by the command line; a user with a misbehaving device sends us this file, and
// parseTrace() replays its received bytes through the decoder.
#pragma once

#include "base/Result.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace kestrova {

class WireTrace {
public:
    static WireTrace& instance();

    // Starts tracing to `path` (appending), or the system's reason it cannot.
    Outcome open(const std::string& path);
    void close();
    bool active() const { return m_file.load() != nullptr; }

    void record(char direction, std::span<const std::uint8_t> bytes);

    struct Line {
        double seconds = 0;
        char direction = '<';
        std::vector<std::uint8_t> bytes;
    };
    // Reads a trace back; lines that are not trace lines are skipped.
    static std::vector<Line> parse(const std::string& text);

private:
    WireTrace();
    ~WireTrace();

    std::mutex m_mutex;
    std::atomic<std::FILE*> m_file{nullptr};
    double m_start = 0;
};

} // namespace kestrova
