#include "files/PatientDatabase.h"
#include "text/Translate.h"

#include "base/UniqueFd.h"
#include "files/AtomicFile.h"
#include "files/InputFile.h"
#include "files/ProgramDirectory.h"

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
UniqueFd openRegular(const std::string& path, int flags) {
    UniqueFd fd(::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK));
    if (!fd) return fd;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return UniqueFd();
    }
    return fd;
}

} // namespace

PatientDatabase::PatientDatabase(const std::string& programDir)
    : m_dir(programDir + "bldb"), m_path(programDir + "bldb/pationtrec.dat") {}

Outcome PatientDatabase::problem() const {
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0 && errno == ENOENT) return {};
    return regularFileProblem(m_path, 1LL << 40);
}

bool PatientDatabase::ensurePatientDatabase() const {
    if (openRegular(m_path, O_RDONLY)) return true;
    if (!problem()) return false; // something that is not our file: leave it alone
    createPrivateDirectories(m_dir);
    UniqueFd(::open(m_path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
    return false;
}

PatientRecord PatientDatabase::proposedPatient(int id) const {
    PatientRecord p;
    p.id = id;
    loadPatientRecord(id - 1, p);
    if (!p.holdsDetails()) {
        p = PatientRecord{};
        p.id = id;
    }
    return p;
}

void PatientDatabase::loadPatientRecord(int index, PatientRecord& record) const {
    if (index < 0 || index >= kSlots) return;
    // A slot that is not in the file (never written, file shorter or missing) is an
    // empty record: the details of the previous patient must not stay attached.
    record.clear();
    if (const UniqueFd fd = openRegular(m_path, O_RDONLY)) {
        auto* bytes = reinterpret_cast<char*>(&record);
        const off_t offset = static_cast<off_t>(index) * static_cast<off_t>(PatientRecord::kSize);
        std::size_t got = 0;
        while (got < PatientRecord::kSize) {
            const ssize_t n =
                ::pread(fd.get(), bytes + got, PatientRecord::kSize - got, offset + static_cast<off_t>(got));
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
    }
    if (record.id == 0) record.id = index + 1;
}

Outcome PatientDatabase::storePatientRecord(int id, const PatientRecord& record) const {
    if (!patient_id::isSlot(id))
        return Error{Status::Invalid, m_path,
                     text::arg(ktr("PatientDatabase", "no slot for patient ID %1"), {std::to_string(id)})};
    UniqueFd fd = openRegular(m_path, O_RDWR);
    // Only a database that is not there yet is made; any other reason (a read-only
    // file system, no permission, not a regular file) is the answer.
    for (int attempt = 0; !fd && attempt < 3; ++attempt) {
        if (errno != ENOENT) {
            const int reason = errno;
            if (Outcome p = problem(); !p) return p;
            return systemError(m_path, reason);
        }
        createPrivateDirectories(m_dir);
        // Made complete (every slot empty) under a temporary name and given its name
        // only if no other writer's database took it first; then both use that one.
        const WriteStatus created = writeFileAtomically(
            m_path, std::string(static_cast<std::size_t>(kCreatedSize), '\0'), AtomicFile::Mode::CreateNew);
        if (!created && created.error().errorNumber != EEXIST) return created;
        fd = openRegular(m_path, O_RDWR);
    }
    if (!fd) return systemError(m_path, errno);
    // One positioned write of the whole record: a slot is never left half-updated by
    // a short write that we would otherwise not notice.
    const off_t offset = static_cast<off_t>(id - 1) * static_cast<off_t>(PatientRecord::kSize);
    const ssize_t n = ::pwrite(fd.get(), &record, PatientRecord::kSize, offset);
    if (n < 0) return systemError(m_path, errno);
    if (n != static_cast<ssize_t>(PatientRecord::kSize)) return systemError(m_path, ENOSPC);
    if (::fsync(fd.get()) != 0 || !fd.close()) return systemError(m_path, errno);
    return {};
}

} // namespace kestrova
