// The settings file: whatever it holds, writing one key makes that key read back as
// written and leaves every other key of every section reading as before; integer
// settings always come back inside their ranges.
#include "FuzzSupport.h"
#include "settings/AnalysisSetupRules.h"
#include "settings/Settings.h"

#include <fstream>
#include <vector>

using namespace kestrova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte picks the value written; the rest is the file.
    static const char* const kValues[] = {"ttyUSB0", "", "12", "-3", "a b", "x=y", "[setup]"};
    const std::string value = kValues[data[0] % std::size(kValues)];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string path = fuzz::scratchDirectory() + "/Kestrova.ini";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    const Settings settings(path);
    for (const auto& s : kAnalysisSettings) {
        const int v = settings.read(s.key);
        FUZZ_CHECK(v >= s.key.minimum && v <= s.key.maximum);
    }
    const IniFile& ini = settings.file();
    const std::vector<std::pair<std::string, std::string>> keys = {{"setup", "PrHigh"},     {"setup", "UnitSetup"},
                                                                   {"other", "DefaultCOM"}, {"other", "x"},
                                                                   {"Setup", "a"},          {"", "k"}};
    std::vector<std::string> before;
    for (const auto& [section, key] : keys) before.push_back(ini.readString(section, key, "<none>", 4096));
    // Text with a line break cannot be one key's value; the writer is never given one.
    if (text.find('\0') != std::string::npos) return 0;
    if (!settings.setDefaultCom(value).ok()) return 0;
    FUZZ_CHECK(settings.defaultCom() == value.substr(0, setting::kDefaultComChars));
    for (std::size_t i = 0; i < keys.size(); ++i)
        FUZZ_CHECK(ini.readString(keys[i].first, keys[i].second, "<none>", 4096) == before[i]);
    return 0;
}
