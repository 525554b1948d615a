// Every key of the settings file with its one default. Which file is decided once, at
// start-up (`Settings::locate`); the one Settings object is then passed to whatever
// needs it. Keys are read at the moment they are needed and written at once; nothing
// is kept beyond one parse of a file that has not changed since.
#pragma once

#include "model/UnitSystem.h"

#include "settings/IniFile.h"

#include <limits>
#include <string>
#include <vector>

namespace kestrova {

// A key with its default and the range every reader gets it clamped to (the setup
// dialog's range), so a hand-edited file cannot feed arithmetic an absurd value.
struct IntSetting {
    const char* key;
    int defaultValue;
    int minimum = std::numeric_limits<int>::min();
    int maximum = std::numeric_limits<int>::max();
};

namespace setting {
inline constexpr IntSetting SaturationsHigh{"SaturationsHigh", 94, 40, 100};
inline constexpr IntSetting SaturationsLow{"SaturationsLow", 88, 40, 100};
inline constexpr IntSetting PrHigh{"PrHigh", 150, 15, 300};
inline constexpr IntSetting PrLow{"PrLow", 60, 15, 300};
inline constexpr IntSetting DesaturationsEvent{"DesaturationsEvent", 4, 1, 20};
inline constexpr IntSetting PulseEvent{"PulseEvent", 6, 1, 20};
inline constexpr IntSetting UnitSetup{"UnitSetup", 0}; // 0 imperial, any other value metric
inline constexpr const char* DefaultCOM = "DefaultCOM";
inline constexpr std::size_t kDefaultComChars = 9;
// The language chosen in Options -> Language ("" follows the desktop's locale).
inline constexpr const char* Language = "Language";
} // namespace setting

class Settings {
public:
    static constexpr const char* kSection = "setup";

    explicit Settings(std::string path) : m_ini(std::move(path)) {}

    // The settings file of this start: `explicitPath` (--settings) when given;
    // otherwise Kestrova.ini in the working directory when it exists there; otherwise,
    // for an installed program or a desktop start (`perUser`), the one in the per-user
    // data directory; otherwise the working directory's (created by the first write).
    // Always an absolute path, so a later change of directory changes nothing.
    // `workingDirectory`: the process's own when empty.
    static std::string locate(const std::string& explicitPath = {}, bool perUser = false,
                              const std::string& workingDirectory = {});

    const std::string& path() const { return m_ini.path(); }

    // Why the settings file exists but cannot be used (unreadable, too large, not a
    // regular file): every key then reads as its default and nothing is written to
    // it. Ok when it was read or does not exist yet.
    Outcome problem() const { return m_ini.problem(); }

    // The stored value (0 when it is not a number) clamped to the key's range.
    int read(const IntSetting& s) const;
    WriteStatus write(const IntSetting& s, int value) const;

    UnitSystem unitSystem() const { return unitSystemOf(read(setting::UnitSetup)); }
    std::string defaultCom() const;
    WriteStatus setDefaultCom(const std::string& portName) const;
    std::string language() const;
    WriteStatus setLanguage(const std::string& code) const;

    // The last files opened, newest first: keys File1..File8 of the section "recent".
    static constexpr const char* kRecentSection = "recent";
    static constexpr int kRecentFiles = 8;
    std::vector<std::string> recentFiles() const;
    // Puts `path` first (once), keeping at most kRecentFiles.
    WriteStatus addRecentFile(const std::string& path) const;

    const IniFile& file() const { return m_ini; }

private:
    IniFile m_ini;
};

} // namespace kestrova
