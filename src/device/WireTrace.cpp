#include "WireTrace.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <sstream>

namespace kestrova {
namespace {
double now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
} // namespace

WireTrace& WireTrace::instance() {
    static WireTrace trace;
    return trace;
}

WireTrace::WireTrace() : m_start(now()) {
    // Nobody to tell when the variable names a file that cannot be written.
    if (const char* path = std::getenv("KESTROVA_TRACE"); path && *path) (void)open(path);
}

WireTrace::~WireTrace() {
    close();
}

Outcome WireTrace::open(const std::string& path) {
    std::lock_guard lock(m_mutex);
    if (auto* old = m_file.exchange(nullptr)) std::fclose(old);
    m_file = std::fopen(path.c_str(), "a");
    if (!m_file.load()) return systemError(path, errno);
    return {};
}

void WireTrace::close() {
    std::lock_guard lock(m_mutex);
    if (auto* old = m_file.exchange(nullptr)) std::fclose(old);
}

void WireTrace::record(char direction, std::span<const std::uint8_t> bytes) {
    if (!m_file || bytes.empty()) return;
    std::string line;
    line.reserve(16 + bytes.size() * 3);
    char head[48];
    std::snprintf(head, sizeof head, "%.6f %c", now() - m_start, direction);
    line += head;
    static const char hex[] = "0123456789ABCDEF";
    for (std::uint8_t b : bytes) {
        line += ' ';
        line += hex[b >> 4];
        line += hex[b & 15];
    }
    line += '\n';
    std::lock_guard lock(m_mutex);
    if (auto* f = m_file.load()) {
        std::fwrite(line.data(), 1, line.size(), f);
        std::fflush(f);
    }
}

std::vector<WireTrace::Line> WireTrace::parse(const std::string& text) {
    std::vector<Line> lines;
    std::istringstream in(text);
    std::string raw;
    while (std::getline(in, raw)) {
        std::istringstream fields(raw);
        Line line;
        std::string dir;
        if (!(fields >> line.seconds >> dir) || dir.size() != 1 || (dir[0] != '<' && dir[0] != '>')) continue;
        line.direction = dir[0];
        std::string byte;
        bool ok = true;
        while (fields >> byte) {
            char* end = nullptr;
            const unsigned long v = std::strtoul(byte.c_str(), &end, 16);
            if (byte.size() != 2 || *end != '\0' || v > 255) {
                ok = false;
                break;
            }
            line.bytes.push_back(static_cast<std::uint8_t>(v));
        }
        if (ok) lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace kestrova
