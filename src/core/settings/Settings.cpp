#include "settings/Settings.h"

#include <algorithm>

namespace kestrova {

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

} // namespace kestrova
