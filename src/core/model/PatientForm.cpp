#include "model/PatientForm.h"
#include "model/PatientId.h"

#include "text/StringTable.h"
#include "text/TextCodec.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kestrova {
namespace {

// "%.0f" read back as an integer: round half away from zero, as printf does.
int wholeUnits(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return std::atoi(buf);
}

} // namespace

PatientForm patientFormFrom(const PatientRecord& r, UnitSystem units) {
    PatientForm f;
    if (patient_id::isRecorded(r.id)) f.idText = std::to_string(r.id);
    f.gender = r.gender;
    f.age = r.age >= 1 && r.age <= 200 ? r.age : 0;
    double h = r.height, w = r.weight;
    const UnitSystem stored = unitSystemOf(r.unitSystem);
    if (units == UnitSystem::Metric) {
        if (stored != units) {
            h = h * 2.54;
            w = w * 454 / 1000;
        }
    } else if (stored == UnitSystem::Metric) {
        h = h / 2.54;
        w = w / 454 * 1000;
    }
    f.height = wholeUnits(h);
    f.weight = wholeUnits(w);
    f.name = decodeStoredText(fieldBytes(r.name));
    f.physician = decodeStoredText(fieldBytes(r.physician));
    f.note1 = decodeStoredText(fieldBytes(r.note1));
    f.note2 = decodeStoredText(fieldBytes(r.note2));
    f.comments = decodeStoredText(fieldBytes(r.comments));
    return f;
}

PatientRecord patientRecordFrom(const PatientForm& f, UnitSystem units) {
    PatientRecord r;
    r.id = std::atoi(f.idText.c_str());
    r.gender = f.gender;
    r.age = f.age;
    r.height = static_cast<float>(f.height);
    r.weight = static_cast<float>(f.weight);
    storeField(r.name, f.name, textLimit(PatientField::Name));
    storeField(r.physician, f.physician, textLimit(PatientField::Physician));
    storeField(r.note1, f.note1, textLimit(PatientField::Note1));
    storeField(r.note2, f.note2, textLimit(PatientField::Note2));
    storeField(r.comments, f.comments, textLimit(PatientField::Comments));
    r.unitSystem = storedValueOf(units);
    return r;
}

std::size_t textLimit(PatientField field) {
    switch (field) {
    case PatientField::Name:
    case PatientField::Physician: return 30;
    case PatientField::Note1:
    case PatientField::Note2: return 40;
    case PatientField::Comments: return 80;
    default: return 0;
    }
}

int textLimitMessage(PatientField field) {
    switch (textLimit(field)) {
    case 30: return str::FieldMax30;
    case 40: return str::FieldMax40;
    case 80: return str::FieldMax80;
    default: return 0;
    }
}

std::optional<int> checkNumericField(PatientField field, const std::string& text, UnitSystem units) {
    std::size_t maxChars = 0;
    int maxValue = 0, message = 0;
    switch (field) {
    case PatientField::Age: maxChars = 3, maxValue = 200, message = str::AgeRange; break;
    case PatientField::Height:
        maxChars = 4;
        maxValue = units == UnitSystem::Metric ? 400 : 157;
        message = units == UnitSystem::Metric ? str::HeightRangeCm : str::HeightRangeIn;
        break;
    case PatientField::Weight:
        maxChars = 5;
        maxValue = units == UnitSystem::Metric ? 1000 : 2203;
        message = units == UnitSystem::Metric ? str::WeightRangeKg : str::WeightRangeLb;
        break;
    default: return std::nullopt;
    }
    if (text.size() > maxChars) return message;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < 0 || value > maxValue) return message;
    return std::nullopt;
}

std::string idListLine(int id, int count) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "ID %3d     %s %10d %s", id, tr(str::Total).c_str(), count, tr(str::Groups).c_str());
    return buf;
}

int idFromListLine(const std::string& line) {
    const std::string first6 = line.substr(0, 6);
    std::string digits;
    for (char c : first6.size() > 4 ? first6.substr(first6.size() - 4) : first6)
        if (c != ' ') digits += c;
    return std::atoi(digits.c_str());
}

} // namespace kestrova
