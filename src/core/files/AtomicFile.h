// Writing a file so that a failure never leaves it half-written and a crash leaves
// nothing behind: the bytes go to an unnamed temporary file (O_TMPFILE) in the
// target's directory, which is given the target's name only once it is complete and
// flushed. Where the filesystem has no unnamed files, a named temporary beside the
// target is used and removed on failure. Used for data files, exports, reports and
// the settings file.
#pragma once

#include "base/Result.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace kestrova {

// The outcome of writing a file; its error's text is "<path>: <the system's reason>".
using WriteStatus = Outcome;

class AtomicFile {
public:
    // Refuses a target that exists but that the user may not write or that is
    // write-protected (no write permission bit at all, which even root respects here).
    enum class Mode { Replace, CreateNew };
    // CreateNew: commit() fails (EEXIST) rather than replace a file that exists by then.
    explicit AtomicFile(std::string targetPath, Mode mode = Mode::Replace);
    ~AtomicFile(); // discards the temporary file unless commit() succeeded
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // False when the temporary file could not be created; error() says why.
    bool isOpen() const { return m_file != nullptr; }
    // Buffered; errors are remembered and reported by commit().
    void write(const void* data, std::size_t size);
    void write(std::string_view s) { write(s.data(), s.size()); }
    // Flushes, syncs and gives the file the target's name (keeping an existing
    // target's mode and owner). False on any error; error() says why.
    bool commit();
    // Drops the temporary file; the target stays as it was.
    void discard();

    // A path through which another library can write the temporary file itself
    // (truncating is fine). Valid while open.
    std::string writablePath() const;

    const std::string& targetPath() const { return m_target; }
    // "<path>: <reason>" after a failure.
    const std::string& error() const { return m_error; }
    WriteStatus status() const;

private:
    bool fail(int errorNumber);
    bool giveName();

    std::string m_target;
    std::string m_temp; // named temporary (fallback only)
    std::FILE* m_file = nullptr;
    bool m_failed = false;
    int m_writeErrno = 0;
    std::string m_error;
    int m_errno = 0;
    bool m_replacing = false;
    bool m_createNew = false;
    mode_t m_mode = 0;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
};

WriteStatus writeFileAtomically(const std::string& path, std::string_view bytes,
                                AtomicFile::Mode mode = AtomicFile::Mode::Replace);

} // namespace kestrova
