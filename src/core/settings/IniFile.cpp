#include "settings/IniFile.h"

#include "files/InputFile.h"

#include "files/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace kestrova {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A settings file is small; anything larger or not a regular file is not ours to parse.
constexpr long long kMaxIniBytes = 16 << 20;

enum class FileState { Missing, Read, Unreadable };

std::vector<std::string> readLines(const std::string& path, FileState* state = nullptr,
                                   std::string* problem = nullptr) {
    std::vector<std::string> lines;
    const auto read = readRegularFile(path, kMaxIniBytes);
    if (!read) {
        struct stat st {};
        const bool missing = ::stat(path.c_str(), &st) != 0 && errno == ENOENT;
        if (state) *state = missing ? FileState::Missing : FileState::Unreadable;
        if (problem) *problem = read.error().text();
        return lines;
    }
    const std::string& bytes = *read;
    if (state) *state = FileState::Read;
    std::size_t start = 0;
    while (start < bytes.size()) { // keeps a trailing '\r'
        const auto nl = bytes.find('\n', start);
        const auto end = nl == std::string::npos ? bytes.size() : nl;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// "[name]" -> name; anything else -> nullopt.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

// "key=value" -> key, value; comments and other lines -> nullopt.
std::optional<std::pair<std::string_view, std::string_view>> keyValue(std::string_view line) {
    const auto t = trim(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return std::make_pair(trim(t.substr(0, eq)), trim(t.substr(eq + 1)));
}

std::optional<std::string> lookup(const std::string& path, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (const auto& line : readLines(path)) {
        if (auto name = sectionName(line)) {
            inSection = equalNoCase(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (auto kv = keyValue(line); kv && equalNoCase(kv->first, key)) return std::string(kv->second);
    }
    return std::nullopt;
}

} // namespace

int IniFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = lookup(m_path, section, key);
    if (!value) return defaultValue;
    std::string_view s = *value;
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    long long n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        n = std::min<long long>(n * 10 + (c - '0'), 1LL << 32);
    }
    return static_cast<int>(static_cast<unsigned int>(negative ? -n : n));
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                std::size_t maxChars) const {
    auto value = lookup(m_path, section, key);
    std::string s = value ? *value : std::string(defaultValue);
    if (value && s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        s = s.substr(1, s.size() - 2);
    if (s.size() > maxChars) s.resize(maxChars);
    return s;
}

WriteStatus IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) const {
    FileState state = FileState::Missing;
    std::string problem;
    auto lines = readLines(m_path, &state, &problem);
    // Rewriting a file we could not read would replace every other setting in it.
    if (state == FileState::Unreadable) return Error{Status::Invalid, m_path, {}, 0, 0, problem};
    // Keep the file's own line ending style when adding lines.
    const bool crlf = !lines.empty() && !lines.front().empty() && lines.front().back() == '\r';
    const std::string eol = crlf ? "\r" : "";
    const std::string newLine = std::string(key) + "=" + std::string(value) + eol;

    std::optional<std::size_t> sectionStart;
    std::optional<std::size_t> lastInSection; // last key=value line of the section
    bool inSection = false;
    bool replaced = false;
    for (std::size_t i = 0; i < lines.size() && !replaced; ++i) {
        if (auto name = sectionName(lines[i])) {
            if (inSection) break; // left our section without finding the key
            inSection = equalNoCase(*name, section);
            if (inSection) {
                sectionStart = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection) continue;
        if (auto kv = keyValue(lines[i])) {
            if (equalNoCase(kv->first, key)) {
                lines[i] = newLine;
                replaced = true;
            } else {
                lastInSection = i;
            }
        }
    }
    if (!replaced) {
        if (sectionStart) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastInSection + 1), newLine);
        } else {
            std::string header = "[";
            header.append(section).append("]").append(eol); // (operator+ trips a GCC 12 false warning)
            lines.push_back(std::move(header));
            lines.push_back(newLine);
        }
    }
    std::string text;
    for (const auto& l : lines) text += l + "\n";
    return writeFileAtomically(m_path, text);
}

} // namespace kestrova
