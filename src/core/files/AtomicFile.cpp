#include "files/AtomicFile.h"

#include "base/UniqueFd.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova {
namespace {

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string reasonText(const std::string& path, int errorNumber) {
    return path + ": " + std::strerror(errorNumber);
}

// A name beside the target that nobody uses yet, for the moment between linking the
// finished file and renaming it over the target.
std::string siblingName(const std::string& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = target + ".";
    for (int i = 0; i < 8; ++i) name += digits[random() % 36];
    return name;
}

void syncDirectory(const std::string& dir) {
    if (const UniqueFd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); fd) ::fsync(fd.get());
}

} // namespace

AtomicFile::AtomicFile(std::string targetPath, Mode mode)
    : m_target(std::move(targetPath)), m_createNew(mode == Mode::CreateNew) {
    struct stat st {};
    if (::stat(m_target.c_str(), &st) == 0) {
        if (m_createNew) {
            fail(EEXIST);
            return;
        }
        if (S_ISDIR(st.st_mode)) {
            fail(EISDIR);
            return;
        }
        if (!S_ISREG(st.st_mode)) {
            m_error = m_target + ": not a regular file";
            return;
        }
        if (::access(m_target.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0) {
            fail(EACCES);
            return;
        }
        m_replacing = true;
        m_mode = st.st_mode & 07777;
        m_uid = st.st_uid;
        m_gid = st.st_gid;
    }
    const std::string dir = directoryOf(m_target);
    UniqueFd fd(::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)); // 0666 less the umask
    if (!fd && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        std::string pattern = m_target + ".XXXXXX";
        fd.reset(::mkstemp(pattern.data()));
        if (fd) {
            m_temp = pattern;
            // mkstemp creates owner-only files; give it what an ordinary create would.
            const mode_t mask = ::umask(0);
            ::umask(mask);
            ::fchmod(fd.get(), 0666 & ~mask);
        }
    }
    if (!fd) {
        fail(errno);
        return;
    }
    if (m_replacing) {
        if (m_uid != ::geteuid() || m_gid != ::getegid()) (void)!::fchown(fd.get(), m_uid, m_gid);
        ::fchmod(fd.get(), m_mode);
    }
    m_file = ::fdopen(fd.get(), "wb");
    if (!m_file) {
        fail(errno);
        fd.reset();
        if (!m_temp.empty()) ::unlink(m_temp.c_str());
        m_temp.clear();
        return;
    }
    fd.release(); // the stream owns it now
    std::setvbuf(m_file, nullptr, _IOFBF, 1 << 16);
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
    if (!m_file) return {};
    if (!m_temp.empty()) return m_temp;
    return "/proc/self/fd/" + std::to_string(::fileno(m_file));
}

void AtomicFile::write(const void* data, std::size_t size) {
    if (!m_file || m_failed || size == 0) return;
    if (std::fwrite(data, 1, size, m_file) != size) {
        m_failed = true;
        m_writeErrno = errno;
    }
}

// Gives the complete temporary file the target's name.
bool AtomicFile::giveName() {
    if (!m_temp.empty()) {
        if (m_createNew) {
            if (::link(m_temp.c_str(), m_target.c_str()) != 0) return fail(errno);
            ::unlink(m_temp.c_str());
        } else if (::rename(m_temp.c_str(), m_target.c_str()) != 0) {
            return fail(errno);
        }
        m_temp.clear();
        return true;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(::fileno(m_file));
    // A new file can take its name in one step; linkat never replaces a file.
    if (!m_replacing) {
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_target.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
        if (errno != EEXIST || m_createNew) return fail(errno);
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string sibling = siblingName(m_target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, sibling.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) continue;
            return fail(errno);
        }
        if (::rename(sibling.c_str(), m_target.c_str()) != 0) {
            const int e = errno;
            ::unlink(sibling.c_str());
            return fail(e);
        }
        return true;
    }
    return fail(EEXIST);
}

bool AtomicFile::commit() {
    if (!m_file) return false;
    bool ok = !m_failed;
    if (!ok) fail(m_writeErrno ? m_writeErrno : EIO);
    if (ok && (std::fflush(m_file) != 0 || ::fsync(::fileno(m_file)) != 0)) ok = fail(errno);
    if (ok) ok = giveName();
    if (std::fclose(m_file) != 0 && ok) ok = fail(errno);
    m_file = nullptr;
    if (!m_temp.empty()) ::unlink(m_temp.c_str());
    m_temp.clear();
    if (ok) syncDirectory(directoryOf(m_target));
    return ok;
}

void AtomicFile::discard() {
    if (m_file) {
        std::fclose(m_file); // an unnamed temporary disappears with its last descriptor
        m_file = nullptr;
    }
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
