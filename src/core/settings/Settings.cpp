#include "settings/Settings.h"

namespace kestrova {

bool Settings::write(const IntSetting& s, int value) const {
    return m_ini.writeString(kSection, s.key, std::to_string(value));
}

std::string Settings::defaultCom() const {
    return m_ini.readString(kSection, setting::DefaultCOM, "", setting::kDefaultComChars);
}

bool Settings::setDefaultCom(const std::string& portName) const {
    return m_ini.writeString(kSection, setting::DefaultCOM, portName);
}

} // namespace kestrova
