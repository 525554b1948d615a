// What the clinical report's header says about the clinic that made it: the name, up
// to three address lines, a logo, and the paper it is printed on. Kept in the settings
// file's "report" section; a value never set is empty and the report prints nothing
// for it.
#pragma once

#include "settings/Settings.h"

#include <array>
#include <string>

namespace kestrova {

enum class PaperSize { A4, Letter };

struct ReportSettings {
    static constexpr const char* kSection = "report";
    static constexpr std::size_t kTextChars = 120;
    static constexpr std::size_t kPathChars = 4096;

    std::string clinicName;
    std::array<std::string, 3> address;
    std::string logoPath;
    PaperSize paper = PaperSize::A4;

    bool hasHeader() const;

    static ReportSettings read(const Settings& settings);
    // Writes every key; stops at the first failure and says why.
    WriteStatus write(const Settings& settings) const;

    friend bool operator==(const ReportSettings&, const ReportSettings&) = default;
};

// "a4" / "letter", as the settings file and the command line spell them.
const char* paperName(PaperSize paper);
// Anything but "letter" (any case) is A4, the default.
PaperSize paperOf(std::string_view name);

} // namespace kestrova
