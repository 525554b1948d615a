// Shared by the fuzz targets: input bytes as a file the readers can open, and a
// check that aborts (so libFuzzer keeps the input) when a property does not hold.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

namespace kestrova::fuzz {

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

// A regular file in memory (memfd), named by its /proc path; closed on destruction.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view bytes) {
        m_fd = ::memfd_create("kestrova-fuzz", MFD_CLOEXEC);
        if (m_fd < 0) std::abort();
        if (!bytes.empty() && ::write(m_fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            std::abort();
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    const std::string& path() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
};

// A scratch directory for targets that need real directory entries.
inline const std::string& scratchDirectory() {
    static const std::string dir = [] {
        std::string pattern = "/tmp/kestrova-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    return dir;
}

} // namespace kestrova::fuzz
