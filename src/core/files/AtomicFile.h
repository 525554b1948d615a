// Writing a file so that a failure never leaves it half-written and a crash leaves
// nothing behind: the bytes go to an unnamed temporary file (O_TMPFILE) in the
// target's directory, which is synced and only then given the target's name. Where
// the file system has no unnamed files or no hard links (FAT, exFAT, NFSv3, CIFS), a
// named temporary ".kestrova-<pid>-<random>.tmp" beside the target is renamed over
// it instead; it is removed on every failure, and one that a killed writer left is
// removed by the next write into that directory. A symbolic link as the target is
// written through: the file it points to is replaced in its own directory and the
// link stays a link. Used for every file the program writes.
#pragma once

#include "base/Result.h"

#include <cstddef>
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
    bool isOpen() const { return m_fd >= 0; }
    // Buffered; the first error is remembered and reported by commit().
    void write(const void* data, std::size_t size);
    void write(std::string_view s) { write(s.data(), s.size()); }
    // Writes out the buffer, syncs the file and gives it the target's name (keeping an
    // existing target's mode and owner), then syncs the directory. False on any
    // error, the earlier file untouched; error() says why.
    bool commit();
    // Drops the temporary file; the target stays as it was.
    void discard();

    // A path through which another library can write the temporary file itself
    // (truncating is fine). Valid while open.
    std::string writablePath() const;
    // The temporary file's size now (after what a library wrote through
    // writablePath()), or -1 when it cannot be told.
    long long currentSize() const;

    const std::string& targetPath() const { return m_target; }
    // The file that is replaced: the target, or where its symbolic links lead.
    const std::string& resolvedPath() const { return m_resolved; }
    // "<path>: <reason>" after a failure.
    const std::string& error() const { return m_error; }
    WriteStatus status() const;

    // Temporary names start with this (files and staging directories alike).
    static constexpr std::string_view kTemporaryPrefix = ".kestrova-";
    // Removes what a killed writer left in `directory`: temporary names of a process
    // that no longer runs, or not touched for a minute. Returns how many went.
    static int removeStaleTemporaries(const std::string& directory);
    // A fresh temporary name in `directory` ("<directory>/.kestrova-<pid>-<random>.tmp").
    static std::string temporaryName(const std::string& directory);

private:
    bool fail(int errorNumber);
    bool flushBuffer();
    bool openNamedTemporary();
    bool giveName();
    bool giveNamedTemporaryName();
    bool copyIntoNamedTemporary();

    std::string m_target;
    std::string m_resolved;
    std::string m_dir;
    std::string m_temp; // named temporary (fallback only)
    int m_fd = -1;
    std::string m_buffer;
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
