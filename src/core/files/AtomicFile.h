// Writing a file so that a failure never leaves it half-written: the bytes go to a
// temporary file beside the target, which replaces the target only once it is
// complete and flushed. Used for data files, exports, reports and the settings file.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kestrova {

class AtomicFile {
public:
    explicit AtomicFile(std::string targetPath);
    ~AtomicFile(); // discards the temporary file unless commit() succeeded
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // False when the temporary file could not be created (no such directory, no rights).
    bool isOpen() const { return m_file != nullptr; }
    // Buffered; errors are remembered and reported by commit().
    void write(const void* data, std::size_t size);
    void write(std::string_view s) { write(s.data(), s.size()); }
    // Flushes, syncs and renames over the target. False on any write error.
    bool commit();
    // Drops the temporary file; the target stays as it was.
    void discard();

    const std::string& targetPath() const { return m_target; }

private:
    std::string m_target;
    std::string m_temp;
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};

bool writeFileAtomically(const std::string& path, std::string_view bytes);

// mkstemp creates files readable by their owner only; gives `fd` the mode an ordinary
// create would (0666 less the umask).
void applyDefaultFileMode(int fd);

} // namespace kestrova
