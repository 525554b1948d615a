// Windows private-profile semantics on a plain INI file: read an integer, read a
// bounded text, write a text. Every call looks at the file, so a value written by one
// part of the program (or by another program) is what the next reader sees; the file
// is parsed once each time it is read, and read again only when it changed (another
// file, size or modification time), so reading many keys costs one parse.
#pragma once

#include "files/AtomicFile.h"

#include <memory>
#include <string>
#include <string_view>

namespace kestrova {

class IniFile {
public:
    // Larger settings files are refused (and never rewritten).
    static constexpr long long kMaxBytes = 1 << 20;

    explicit IniFile(std::string path);

    const std::string& path() const { return m_path; }

    // Why a file that exists cannot be read (unreadable, larger than kMaxBytes, a
    // directory or other non-regular file): its readers then get the defaults and it
    // is never rewritten. Ok when it was read or does not exist.
    Outcome problem() const;

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

    struct Parsed;

private:
    std::shared_ptr<const Parsed> parsed() const;

    std::string m_path;
    struct Cache;
    std::shared_ptr<Cache> m_cache; // shared by copies; guarded by its own mutex
};

} // namespace kestrova
