#include "files/PatientDatabase.h"

#include "files/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova {

namespace {

// Opens the database only when it is a regular file: a FIFO or a device in its place
// must neither block the program nor be written. O_NONBLOCK keeps the open itself
// from waiting on a FIFO.
int openRegular(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

} // namespace

PatientDatabase::PatientDatabase(const std::string& programDir)
    : m_dir(programDir + "bldb"), m_path(programDir + "bldb/pationtrec.dat") {}

std::string PatientDatabase::problem() const {
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0 && errno == ENOENT) return {};
    return regularFileProblem(m_path, 1LL << 40);
}

bool PatientDatabase::ensurePatientDatabase() const {
    const int fd = openRegular(m_path, O_RDONLY);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (!problem().empty()) return false; // something that is not our file: leave it alone
    std::error_code ec;
    std::filesystem::create_directories(m_dir, ec);
    const int created = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (created >= 0) ::close(created);
    return false;
}

void PatientDatabase::loadPatientRecord(int index, PatientRecord& record) const {
    if (index < 0 || index >= kSlots) return;
    // A slot that is not in the file (never written, file shorter or missing) is an
    // empty record: the details of the previous patient must not stay attached.
    record.clear();
    const int fd = openRegular(m_path, O_RDONLY);
    if (fd >= 0) {
        auto* bytes = reinterpret_cast<char*>(&record);
        const off_t offset = static_cast<off_t>(index) * static_cast<off_t>(PatientRecord::kSize);
        std::size_t got = 0;
        while (got < PatientRecord::kSize) {
            const ssize_t n = ::pread(fd, bytes + got, PatientRecord::kSize - got, offset + static_cast<off_t>(got));
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        ::close(fd);
    }
    if (record.id == 0) record.id = index + 1;
}

bool PatientDatabase::storePatientRecord(int id, const PatientRecord& record) const {
    if (id < 1 || id > kSlots) return false;
    int fd = openRegular(m_path, O_RDWR);
    if (fd < 0) {
        if (!problem().empty()) return false;
        std::error_code ec;
        std::filesystem::create_directories(m_dir, ec);
        fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) return false;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && st.st_size < kCreatedSize && ::ftruncate(fd, kCreatedSize) != 0) {
            ::close(fd);
            return false;
        }
    }
    // One positioned write of the whole record: a slot is never left half-updated by
    // a short write that we would otherwise not notice.
    const off_t offset = static_cast<off_t>(id - 1) * static_cast<off_t>(PatientRecord::kSize);
    const ssize_t n = ::pwrite(fd, &record, PatientRecord::kSize, offset);
    const bool ok = n == static_cast<ssize_t>(PatientRecord::kSize) && ::fsync(fd) == 0;
    return (::close(fd) == 0) && ok;
}

} // namespace kestrova
