#include "settings/Settings.h"

#include "files/ProgramDirectory.h"

#include <algorithm>
#include <filesystem>

namespace kestrova {

std::string Settings::locate(const std::string& explicitPath, bool perUser, const std::string& workingDirectory) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path cwd = workingDirectory.empty() ? fs::current_path(ec) : fs::path(workingDirectory);
    if (!explicitPath.empty()) return (cwd / explicitPath).lexically_normal().string();
    const fs::path here = cwd / "Kestrova.ini";
    if (fs::exists(here, ec)) return here.string();
    if (perUser || runsInstalled()) {
        // One file for the program and its command line, where the desktop keeps
        // configuration; one an earlier version kept in the data directory stays in use.
        const std::string config = userConfigDirectory() + "Kestrova.ini";
        const std::string earlier = legacyUserDataPath() + "Kestrova.ini";
        if (!fs::exists(config, ec) && fs::exists(earlier, ec)) return earlier;
        return config;
    }
    return here.string();
}

int Settings::read(const IntSetting& s) const {
    return std::clamp(m_ini.readInt(kSection, s.key, s.defaultValue), s.minimum, s.maximum);
}

WriteStatus Settings::write(const IntSetting& s, int value) const {
    return m_ini.writeString(kSection, s.key, std::to_string(value));
}

std::string Settings::defaultCom() const {
    return m_ini.readString(kSection, setting::DefaultCOM, "", setting::kDefaultComChars);
}

WriteStatus Settings::setDefaultCom(const std::string& portName) const {
    return m_ini.writeString(kSection, setting::DefaultCOM, portName);
}

std::string Settings::language() const {
    return m_ini.readString(kSection, setting::Language, "", 16);
}

WriteStatus Settings::setLanguage(const std::string& code) const {
    return m_ini.writeString(kSection, setting::Language, code);
}

namespace {
std::string recentKey(int i) {
    return "File" + std::to_string(i + 1);
}
} // namespace

std::vector<std::string> Settings::recentFiles() const {
    std::vector<std::string> files;
    for (int i = 0; i < kRecentFiles; ++i) {
        std::string path = m_ini.readString(kRecentSection, recentKey(i), "", 4096);
        if (!path.empty()) files.push_back(std::move(path));
    }
    return files;
}

WriteStatus Settings::addRecentFile(const std::string& path) const {
    std::vector<std::string> files{path};
    for (auto& f : recentFiles())
        if (f != path && static_cast<int>(files.size()) < kRecentFiles) files.push_back(std::move(f));
    for (int i = 0; i < kRecentFiles; ++i) {
        const std::string value = i < static_cast<int>(files.size()) ? files[static_cast<std::size_t>(i)] : "";
        if (m_ini.readString(kRecentSection, recentKey(i), "", 4096) == value) continue;
        if (WriteStatus w = m_ini.writeString(kRecentSection, recentKey(i), value); !w) return w;
    }
    return {};
}

} // namespace kestrova
