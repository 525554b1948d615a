// Reading files, in one place: every reader of the program (data files, CSV and EDF
// recordings, the patient database, the settings file) gets its bytes from here and
// parses bytes, so tests and fuzzers call the parsers directly. Only regular files
// are read, opened without waiting (a FIFO or a device never blocks), and never more
// than the caller bounds, so neither a device nor a huge file exhausts memory.
#pragma once

#include "base/Result.h"
#include "base/UniqueFd.h"

#include <cstddef>
#include <string>

namespace kestrova {

class InputFile {
public:
    // Refuses what is not a regular file (Invalid, "not a regular file"; a directory
    // with the system's reason).
    static Result<InputFile> open(const std::string& path);

    const std::string& path() const { return m_path; }
    std::size_t size() const { return m_size; }
    // Up to `n` bytes from `offset`: fewer where the file ends (or shrank meanwhile).
    Result<std::string> read(std::size_t offset, std::size_t n) const;

private:
    InputFile(std::string path, UniqueFd fd, std::size_t size)
        : m_path(std::move(path)), m_fd(std::move(fd)), m_size(size) {}

    std::string m_path;
    UniqueFd m_fd;
    std::size_t m_size = 0;
};

// A whole regular file of at most `maxBytes`; TooLarge beyond that, before any byte
// is read.
Result<std::string> readRegularFile(const std::string& path, long long maxBytes);

// Why `path` cannot be read as a regular file of at most `maxBytes` (without opening
// it), or Ok.
Outcome regularFileProblem(const std::string& path, long long maxBytes);

} // namespace kestrova
