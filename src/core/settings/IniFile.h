// Windows private-profile semantics on a plain INI file: read an integer, read a
// bounded text, write a text. No cache: every call goes to the file, so a value
// written by one part of the program is what the next reader sees.
#pragma once

#include "files/AtomicFile.h"

#include <string>
#include <string_view>

namespace kestrova {

class IniFile {
public:
    explicit IniFile(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }

    // Missing file, section or key: the default. Present but not a number: 0
    // (leading decimal digits count, as the Windows function reads them).
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Missing: the default. The result is cut to maxChars characters (a reader with a
    // buffer of maxChars + 1). Surrounding quotes are removed as Windows does.
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                           std::size_t maxChars) const;

    // Replaces the key's line or adds it at the end of its section, creating the file
    // and the section when needed. Every other line stays as it was. The file is
    // replaced atomically. A file that exists but cannot be read is never rewritten.
    // The status says why a write failed.
    WriteStatus writeString(std::string_view section, std::string_view key, std::string_view value) const;

private:
    std::string m_path;
};

} // namespace kestrova
