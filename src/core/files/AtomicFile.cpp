#include "files/AtomicFile.h"
#include "text/Translate.h"

#include "base/UniqueFd.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kestrova {
namespace {

constexpr std::size_t kBufferBytes = 1 << 16;
constexpr int kMaxLinkHops = 40;
constexpr std::time_t kStaleSeconds = 60;

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string reasonText(const std::string& path, int errorNumber) {
    return path + ": " + std::strerror(errorNumber);
}

// Follows symbolic links to the file they finally name (which need not exist yet), so
// that the link itself is never replaced. ELOOP in `error` for a cycle.
std::string resolveLinks(const std::string& path, int& error) {
    std::string p = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 256) + 1, '\0');
        const ssize_t n = ::readlink(p.c_str(), link.data(), link.size());
        if (n < 0) {
            error = errno;
            return p;
        }
        link.resize(static_cast<std::size_t>(n));
        p = link.front() == '/' ? link : directoryOf(p) + "/" + link;
    }
    error = ELOOP;
    return p;
}

// Seeds once per thread; names only need to differ, not to be unguessable, since
// they are created exclusively.
std::string randomLetters(int n) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s;
    for (int i = 0; i < n; ++i) s += digits[random() % 36];
    return s;
}

// The writer's process ID from ".kestrova-<pid>-<random>.tmp", or 0.
long writerOf(std::string_view name) {
    if (name.substr(0, AtomicFile::kTemporaryPrefix.size()) != AtomicFile::kTemporaryPrefix) return 0;
    if (name.size() < 4 || name.substr(name.size() - 4) != ".tmp") return 0;
    name.remove_prefix(AtomicFile::kTemporaryPrefix.size());
    long pid = 0;
    std::size_t i = 0;
    for (; i < name.size() && name[i] >= '0' && name[i] <= '9' && pid < (1L << 30); ++i)
        pid = pid * 10 + (name[i] - '0');
    if (i == 0 || i >= name.size() || name[i] != '-') return 0;
    return pid;
}

bool isRunning(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// A staging directory (what a library wrote its parts into) goes with its contents.
void removeTree(int dirFd, const char* name) {
    if (::unlinkat(dirFd, name, 0) == 0 || (errno != EISDIR && errno != EPERM)) return;
    const int sub = ::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (sub < 0) return;
    if (DIR* d = ::fdopendir(sub)) {
        while (const dirent* e = ::readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) ::unlinkat(sub, e->d_name, 0);
        ::closedir(d);
    } else {
        ::close(sub);
    }
    ::unlinkat(dirFd, name, AT_REMOVEDIR);
}

bool writeAll(int fd, const char* data, std::size_t size, int& error) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (n == 0) {
            error = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool noUnnamedFiles(int e) {
    return e == EOPNOTSUPP || e == EISDIR || e == EINVAL;
}
bool noHardLinks(int e) {
    return e == EPERM || e == EOPNOTSUPP || e == ENOSYS || e == EXDEV || e == EMLINK;
}

} // namespace

std::string AtomicFile::temporaryName(const std::string& directory) {
    return directory + "/" + std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" + randomLetters(10) +
           ".tmp";
}

int AtomicFile::removeStaleTemporaries(const std::string& directory) {
    const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return 0;
    DIR* d = ::fdopendir(dirFd);
    if (!d) {
        ::close(dirFd);
        return 0;
    }
    int removed = 0;
    const std::time_t now = std::time(nullptr);
    const long self = ::getpid();
    while (const dirent* e = ::readdir(d)) {
        const long pid = writerOf(e->d_name);
        if (pid == 0) continue;
        struct stat st {};
        if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        const bool old = now - st.st_mtime > kStaleSeconds;
        // This process's own temporaries belong to writers still at work.
        if (!old && (pid == self || isRunning(pid))) continue;
        removeTree(dirFd, e->d_name);
        ++removed;
    }
    ::closedir(d);
    return removed;
}

AtomicFile::AtomicFile(std::string targetPath, Mode mode)
    : m_target(std::move(targetPath)), m_createNew(mode == Mode::CreateNew) {
    int linkError = 0;
    m_resolved = resolveLinks(m_target, linkError);
    if (linkError != 0) {
        fail(linkError);
        return;
    }
    m_dir = directoryOf(m_resolved);
    struct stat st {};
    if (::stat(m_resolved.c_str(), &st) == 0) {
        if (m_createNew) {
            fail(EEXIST);
            return;
        }
        if (S_ISDIR(st.st_mode)) {
            fail(EISDIR);
            return;
        }
        if (!S_ISREG(st.st_mode)) {
            m_error = m_target + ": " + ktr("AtomicFile", "not a regular file");
            return;
        }
        if (::access(m_resolved.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0) {
            fail(EACCES);
            return;
        }
        m_replacing = true;
        m_mode = st.st_mode & 07777;
        m_uid = st.st_uid;
        m_gid = st.st_gid;
    }
    removeStaleTemporaries(m_dir);
    // A new file is for this user alone (what it holds is a patient's); a replaced
    // one keeps the mode its owner gave it.
    UniqueFd fd(::open(m_dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (!fd) {
        if (!noUnnamedFiles(errno)) {
            fail(errno);
            return;
        }
        if (!openNamedTemporary()) return;
    } else {
        m_fd = fd.release();
    }
    if (m_replacing) {
        if (m_uid != ::geteuid() || m_gid != ::getegid()) (void)!::fchown(m_fd, m_uid, m_gid);
        ::fchmod(m_fd, m_mode);
    }
    m_buffer.reserve(kBufferBytes);
}

bool AtomicFile::openNamedTemporary() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryName(m_dir);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            m_fd = fd;
            m_temp = std::move(name);
            return true;
        }
        if (errno != EEXIST) return fail(errno);
    }
    return fail(EEXIST);
}

AtomicFile::~AtomicFile() {
    discard();
}

bool AtomicFile::fail(int errorNumber) {
    if (!m_error.empty()) return false;
    m_error = reasonText(m_target, errorNumber);
    m_errno = errorNumber;
    return false;
}

std::string AtomicFile::writablePath() const {
    if (m_fd < 0) return {};
    if (!m_temp.empty()) return m_temp;
    return "/proc/self/fd/" + std::to_string(m_fd);
}

long long AtomicFile::currentSize() const {
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0) return -1;
    return static_cast<long long>(st.st_size) + static_cast<long long>(m_buffer.size());
}

bool AtomicFile::flushBuffer() {
    if (m_buffer.empty() || m_writeErrno != 0) return m_writeErrno == 0;
    writeAll(m_fd, m_buffer.data(), m_buffer.size(), m_writeErrno);
    m_buffer.clear();
    return m_writeErrno == 0;
}

void AtomicFile::write(const void* data, std::size_t size) {
    if (m_fd < 0 || m_writeErrno != 0 || size == 0) return;
    const auto* bytes = static_cast<const char*>(data);
    if (m_buffer.size() + size <= kBufferBytes) {
        m_buffer.append(bytes, size);
        return;
    }
    if (!flushBuffer()) return;
    if (size >= kBufferBytes)
        writeAll(m_fd, bytes, size, m_writeErrno);
    else
        m_buffer.append(bytes, size);
}

// Moves a finished unnamed file into a named temporary, for a file system that made
// the unnamed file but cannot link it.
bool AtomicFile::copyIntoNamedTemporary() {
    const int unnamed = m_fd;
    m_fd = -1;
    const UniqueFd source(unnamed);
    if (!openNamedTemporary()) return false;
    if (m_replacing) {
        if (m_uid != ::geteuid() || m_gid != ::getegid()) (void)!::fchown(m_fd, m_uid, m_gid);
        ::fchmod(m_fd, m_mode);
    }
    std::string chunk(kBufferBytes, '\0');
    for (off_t offset = 0;;) {
        const ssize_t n = ::pread(source.get(), chunk.data(), chunk.size(), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(errno);
        if (n == 0) break;
        int e = 0;
        if (!writeAll(m_fd, chunk.data(), static_cast<std::size_t>(n), e)) return fail(e);
        offset += n;
    }
    if (::fsync(m_fd) != 0) return fail(errno);
    if (::close(std::exchange(m_fd, -1)) != 0) return fail(errno);
    return giveNamedTemporaryName();
}

bool AtomicFile::giveNamedTemporaryName() {
    if (!m_createNew) {
        if (::rename(m_temp.c_str(), m_resolved.c_str()) != 0) return fail(errno);
        m_temp.clear();
        return true;
    }
    // Never over a file that appeared meanwhile: an exclusive rename where the file
    // system has one, else a hard link, else the name reserved by an exclusive create
    // and then replaced.
    if (::renameat2(AT_FDCWD, m_temp.c_str(), AT_FDCWD, m_resolved.c_str(), RENAME_NOREPLACE) == 0) {
        m_temp.clear();
        return true;
    }
    if (errno == EEXIST) return fail(EEXIST);
    if (::link(m_temp.c_str(), m_resolved.c_str()) == 0) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
        return true;
    }
    if (errno == EEXIST || !noHardLinks(errno)) return fail(errno);
    const int reserved = ::open(m_resolved.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (reserved < 0) return fail(errno);
    ::close(reserved);
    if (::rename(m_temp.c_str(), m_resolved.c_str()) != 0) {
        const int e = errno;
        ::unlink(m_resolved.c_str());
        return fail(e);
    }
    m_temp.clear();
    return true;
}

// Gives the complete temporary file the target's name.
bool AtomicFile::giveName() {
    if (!m_temp.empty()) return giveNamedTemporaryName();
    const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
    // A new file can take its name in one step; linkat never replaces a file.
    if (!m_replacing) {
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_resolved.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
        if (noHardLinks(errno)) return copyIntoNamedTemporary();
        if (errno != EEXIST || m_createNew) return fail(errno);
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string sibling = temporaryName(m_dir);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, sibling.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) continue;
            if (noHardLinks(errno)) return copyIntoNamedTemporary();
            return fail(errno);
        }
        if (::rename(sibling.c_str(), m_resolved.c_str()) != 0) {
            const int e = errno;
            ::unlink(sibling.c_str());
            return fail(e);
        }
        return true;
    }
    return fail(EEXIST);
}

bool AtomicFile::commit() {
    if (m_fd < 0) return false;
    bool ok = flushBuffer();
    if (!ok) fail(m_writeErrno);
    if (ok && ::fsync(m_fd) != 0) ok = fail(errno);
    // Some file systems (NFS) report a deferred write failure only when the file is
    // closed: a named temporary is closed before it takes the target's name.
    if (!m_temp.empty()) {
        if (::close(std::exchange(m_fd, -1)) != 0 && ok) ok = fail(errno);
    }
    if (ok) ok = giveName();
    if (m_fd >= 0) ::close(m_fd); // the synced unnamed file, its name given or not
    m_fd = -1;
    if (!m_temp.empty()) ::unlink(m_temp.c_str());
    m_temp.clear();
    if (ok) {
        if (const UniqueFd dir(::open(m_dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir) ::fsync(dir.get());
    }
    return ok;
}

void AtomicFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd); // an unnamed temporary disappears with its last descriptor
        m_fd = -1;
    }
    m_buffer.clear();
    if (!m_temp.empty()) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
    }
}

WriteStatus AtomicFile::status() const {
    if (m_error.empty()) return {};
    return Error{m_errno ? statusOfErrno(m_errno) : Status::Invalid, m_target, {}, 0, m_errno, m_error};
}

WriteStatus writeFileAtomically(const std::string& path, std::string_view bytes, AtomicFile::Mode mode) {
    AtomicFile f(path, mode);
    if (f.isOpen()) {
        f.write(bytes);
        f.commit();
    }
    return f.status();
}

} // namespace kestrova
