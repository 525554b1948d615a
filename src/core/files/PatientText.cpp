#include "files/PatientText.h"

#include "text/StringTable.h"

#include <cstdio>

namespace kestrova {
namespace {

std::string format0f(double v, const char* unit) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f %s", v, unit);
    return buf;
}

} // namespace

std::string genderText(const PatientRecord& p) {
    return StringTable::classic(p.gender != 0 ? str::Female : str::Male);
}

std::string genderShown(const PatientRecord& p) {
    return tr(p.gender != 0 ? str::Female : str::Male);
}

std::string heightText(const PatientRecord& p, UnitSystem units) {
    if (units == UnitSystem::Metric) {
        // The converted value passes through a 32-bit float, as stored heights do.
        const float h = unitSystemOf(p.unitSystem) == units ? p.height : static_cast<float>(p.height * 2.54);
        return format0f(h, "cm");
    }
    const float h = unitSystemOf(p.unitSystem) == UnitSystem::Metric ? static_cast<float>(p.height / 2.54) : p.height;
    return format0f(h, "in");
}

std::string weightText(const PatientRecord& p, UnitSystem units) {
    const double w = p.weight;
    const bool storedMetric = unitSystemOf(p.unitSystem) == UnitSystem::Metric;
    if (units == UnitSystem::Metric) return format0f(storedMetric ? w : w * 454 / 1000, "kg");
    return format0f(storedMetric ? w / 454 * 1000 : w, "lb");
}

std::string patientHeaderLines(const PatientRecord& p, UnitSystem units) {
    std::string out;
    out += "PatId\tName\r\n";
    out += std::to_string(p.id) + "\t";
    out += fieldBytes(p.name);
    out += "\r\n\r\n";
    out += "gender\tAge\tHeight\tWeight\r\n";
    out += genderText(p) + "\t" + std::to_string(p.age) + "\t" + heightText(p, units) + "\t" + weightText(p, units) +
           "\r\n";
    out += "\r\n\r\n";
    return out;
}

} // namespace kestrova
