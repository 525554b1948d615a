#include "settings/IniFile.h"

#include "files/AtomicFile.h"
#include "files/InputFile.h"
#include "files/ProgramDirectory.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <unordered_map>
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

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string keyOf(std::string_view section, std::string_view key) {
    return lowerCase(section) + '\n' + lowerCase(key);
}

struct Identity {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = -1;
    long long mtime = 0, ctime = 0;
    bool operator==(const Identity&) const = default;
};

Identity identityOf(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
            st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec};
}

} // namespace

struct IniFile::Parsed {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    Error problem;
    std::vector<std::string> lines; // as in the file, a trailing '\r' kept
    // "section\nkey" (lower case) -> the first value the file gives it.
    std::unordered_map<std::string, std::string> values;
};

struct IniFile::Cache {
    std::mutex mutex;
    std::optional<Identity> identity;
    std::shared_ptr<const Parsed> parsed;
};

namespace {

std::shared_ptr<const IniFile::Parsed> parse(const std::string& path) {
    auto p = std::make_shared<IniFile::Parsed>();
    const auto read = readRegularFile(path, IniFile::kMaxBytes);
    if (!read) {
        struct stat st {};
        const bool missing = ::stat(path.c_str(), &st) != 0 && errno == ENOENT;
        p->state = missing ? IniFile::Parsed::State::Missing : IniFile::Parsed::State::Unreadable;
        if (!missing) p->problem = read.error();
        return p;
    }
    p->state = IniFile::Parsed::State::Read;
    const std::string& bytes = *read;
    std::string section;
    for (std::size_t start = 0; start < bytes.size();) {
        const auto nl = bytes.find('\n', start);
        const auto end = nl == std::string::npos ? bytes.size() : nl;
        p->lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
        const std::string_view line = p->lines.back();
        if (auto name = sectionName(line)) {
            section = lowerCase(*name);
        } else if (auto kv = keyValue(line)) {
            p->values.try_emplace(section + '\n' + lowerCase(kv->first), kv->second);
        }
    }
    return p;
}

} // namespace

IniFile::IniFile(std::string path) : m_path(std::move(path)), m_cache(std::make_shared<Cache>()) {}

std::shared_ptr<const IniFile::Parsed> IniFile::parsed() const {
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0) return parse(m_path); // missing, or says why not
    const Identity now = identityOf(st);
    const std::lock_guard lock(m_cache->mutex);
    if (m_cache->parsed && m_cache->identity == now) return m_cache->parsed;
    // Identified before it is read: a change meanwhile makes the next call read again.
    m_cache->parsed = parse(m_path);
    m_cache->identity = now;
    return m_cache->parsed;
}

Outcome IniFile::problem() const {
    const auto p = parsed();
    if (p->state == IniFile::Parsed::State::Unreadable) return p->problem;
    return {};
}

namespace {
std::optional<std::string> lookup(const IniFile::Parsed& p, std::string_view section, std::string_view key) {
    const auto it = p.values.find(keyOf(section, key));
    if (it == p.values.end()) return std::nullopt;
    return it->second;
}
} // namespace

int IniFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = lookup(*parsed(), section, key);
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
    auto value = lookup(*parsed(), section, key);
    std::string s = value ? *value : std::string(defaultValue);
    if (value && s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        s = s.substr(1, s.size() - 2);
    if (s.size() > maxChars) s.resize(maxChars);
    return s;
}

WriteStatus IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) const {
    // Read afresh: the file is rewritten from what it holds this moment.
    {
        const std::lock_guard lock(m_cache->mutex);
        m_cache->parsed.reset();
    }
    const auto current = parsed();
    // Rewriting a file we could not read would replace every other setting in it.
    if (current->state == IniFile::Parsed::State::Unreadable)
        return Error{Status::Invalid, m_path, {}, 0, 0, current->problem.text()};
    auto lines = current->lines;
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
    // The per-user configuration folder is made by the first write of the file in it;
    // any other missing folder stays a failure to report.
    if (const auto slash = m_path.rfind('/'); slash != std::string::npos && slash > 0)
        if (const std::string folder = m_path.substr(0, slash + 1); folder == userConfigDirectory())
            createPrivateDirectories(folder);
    WriteStatus written = writeFileAtomically(m_path, text);
    const std::lock_guard lock(m_cache->mutex);
    m_cache->parsed.reset(); // an inode number can come back with the same size and time
    return written;
}

} // namespace kestrova
