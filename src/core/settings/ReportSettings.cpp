#include "settings/ReportSettings.h"

#include <algorithm>
#include <cctype>

namespace kestrova {
namespace {
constexpr const char* kClinic = "ClinicName";
constexpr const char* kAddress[3] = {"Address1", "Address2", "Address3"};
constexpr const char* kLogo = "LogoPath";
constexpr const char* kPaper = "Paper";

// One line per value: a line break typed into a field would end the key in the file.
std::string oneLine(std::string s) {
    std::replace_if(
        s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return s;
}
} // namespace

bool ReportSettings::hasHeader() const {
    return !clinicName.empty() || !logoPath.empty() ||
           std::any_of(address.begin(), address.end(), [](const std::string& a) { return !a.empty(); });
}

ReportSettings ReportSettings::read(const Settings& settings) {
    const IniFile& ini = settings.file();
    ReportSettings r;
    r.clinicName = ini.readString(kSection, kClinic, "", kTextChars);
    for (std::size_t i = 0; i < r.address.size(); ++i)
        r.address[i] = ini.readString(kSection, kAddress[i], "", kTextChars);
    r.logoPath = ini.readString(kSection, kLogo, "", kPathChars);
    r.paper = paperOf(ini.readString(kSection, kPaper, "a4", 16));
    return r;
}

WriteStatus ReportSettings::write(const Settings& settings) const {
    const IniFile& ini = settings.file();
    if (WriteStatus w = ini.writeString(kSection, kClinic, oneLine(clinicName)); !w) return w;
    for (std::size_t i = 0; i < address.size(); ++i)
        if (WriteStatus w = ini.writeString(kSection, kAddress[i], oneLine(address[i])); !w) return w;
    if (WriteStatus w = ini.writeString(kSection, kLogo, oneLine(logoPath)); !w) return w;
    return ini.writeString(kSection, kPaper, paperName(paper));
}

const char* paperName(PaperSize paper) {
    return paper == PaperSize::Letter ? "letter" : "a4";
}

PaperSize paperOf(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower == "letter" ? PaperSize::Letter : PaperSize::A4;
}

} // namespace kestrova
