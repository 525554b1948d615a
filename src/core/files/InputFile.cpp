#include "files/InputFile.h"
#include "text/Translate.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrova {
namespace {

Error notRegular(const std::string& path) {
    return Error{Status::Invalid, path, ktr("InputFile", "not a regular file")};
}

Error tooLarge(const std::string& path, long long size, long long maxBytes) {
    return Error{Status::TooLarge, path,
                 text::arg(ktr("InputFile", "too large (%1 bytes; at most %2 are expected)"),
                           {std::to_string(size), std::to_string(maxBytes)})};
}

} // namespace

Result<InputFile> InputFile::open(const std::string& path) {
    // O_NONBLOCK: opening a FIFO that slipped in must not wait for a writer.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd) return systemError(path, errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return systemError(path, errno);
    if (S_ISDIR(st.st_mode)) return systemError(path, EISDIR);
    if (!S_ISREG(st.st_mode)) return notRegular(path);
    return InputFile(path, std::move(fd), static_cast<std::size_t>(st.st_size));
}

Result<std::string> InputFile::read(std::size_t offset, std::size_t n) const {
    std::string into(n, '\0');
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(m_fd.get(), into.data() + got, n - got, static_cast<off_t>(offset + got));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return systemError(m_path, errno);
        if (r == 0) break;
        got += static_cast<std::size_t>(r);
    }
    into.resize(got);
    return into;
}

Result<std::string> readRegularFile(const std::string& path, long long maxBytes) {
    auto file = InputFile::open(path);
    if (!file) return file.error();
    if (static_cast<long long>(file->size()) > maxBytes)
        return tooLarge(path, static_cast<long long>(file->size()), maxBytes);
    return file->read(0, file->size());
}

Outcome regularFileProblem(const std::string& path, long long maxBytes) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return systemError(path, errno);
    if (S_ISDIR(st.st_mode)) return systemError(path, EISDIR);
    if (!S_ISREG(st.st_mode)) return notRegular(path);
    if (st.st_size > maxBytes) return tooLarge(path, st.st_size, maxBytes);
    return {};
}

} // namespace kestrova
