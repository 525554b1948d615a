#include "files/AtomicFile.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova {
void applyDefaultFileMode(int fd) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

AtomicFile::AtomicFile(std::string targetPath) : m_target(std::move(targetPath)) {
    std::string pattern = m_target + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return;
    applyDefaultFileMode(fd);
    m_file = ::fdopen(fd, "wb");
    if (!m_file) {
        ::close(fd);
        ::unlink(pattern.c_str());
        return;
    }
    std::setvbuf(m_file, nullptr, _IOFBF, 1 << 16);
    m_temp = pattern;
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::write(const void* data, std::size_t size) {
    if (!m_file || m_failed || size == 0) return;
    if (std::fwrite(data, 1, size, m_file) != size) m_failed = true;
}

bool AtomicFile::commit() {
    if (!m_file) return false;
    bool ok = !m_failed && std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
    ok = (std::fclose(m_file) == 0) && ok;
    m_file = nullptr;
    if (ok) ok = ::rename(m_temp.c_str(), m_target.c_str()) == 0;
    if (!ok) ::unlink(m_temp.c_str());
    m_temp.clear();
    return ok;
}

void AtomicFile::discard() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temp.empty()) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
    }
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFile f(path);
    if (!f.isOpen()) return false;
    f.write(bytes);
    return f.commit();
}

} // namespace kestrova
