// Every key of the settings file with its one default. Settings are read from
// "./Kestrova.ini" (the working directory, not the program directory) at the moment
// they are needed and written at once; nothing is cached.
#pragma once

#include "settings/IniFile.h"

#include <string>

namespace kestrova {

struct IntSetting {
    const char* key;
    int defaultValue;
};

namespace setting {
inline constexpr IntSetting SaturationsHigh{"SaturationsHigh", 94};
inline constexpr IntSetting SaturationsLow{"SaturationsLow", 88};
inline constexpr IntSetting PrHigh{"PrHigh", 150};
inline constexpr IntSetting PrLow{"PrLow", 60};
inline constexpr IntSetting DesaturationsEvent{"DesaturationsEvent", 4};
inline constexpr IntSetting PulseEvent{"PulseEvent", 6};
inline constexpr IntSetting UnitSetup{"UnitSetup", 0}; // 0 imperial, 1 metric
inline constexpr const char* DefaultCOM = "DefaultCOM";
inline constexpr std::size_t kDefaultComChars = 9;
} // namespace setting

class Settings {
public:
    static constexpr const char* kSection = "setup";
    static constexpr const char* kDefaultPath = "./Kestrova.ini";

    explicit Settings(std::string path = kDefaultPath) : m_ini(std::move(path)) {}

    int read(const IntSetting& s) const { return m_ini.readInt(kSection, s.key, s.defaultValue); }
    bool write(const IntSetting& s, int value) const;

    std::string defaultCom() const;
    bool setDefaultCom(const std::string& portName) const;

    const IniFile& file() const { return m_ini; }

private:
    IniFile m_ini;
};

} // namespace kestrova
