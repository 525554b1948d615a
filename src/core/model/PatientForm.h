// The rules of the patient information form: what it shows for a record (the ID
// text, heights and weights in the unit system now in force), the limits of every
// field with their messages, and the record it saves.
#pragma once

#include "model/PatientRecord.h"

#include <optional>
#include <string>

namespace kestrova {

struct PatientForm {
    std::string idText; // empty unless the ID is 1..127
    int gender = 0;     // 0 male, 1 female
    int age = 0;
    int height = 0; // whole units of the current system
    int weight = 0;
    std::string name, physician, note1, note2, comments; // UTF-8
};

enum class PatientField { Name, Physician, Note1, Note2, Comments, Age, Height, Weight };

PatientForm patientFormFrom(const PatientRecord& record, UnitSystem units);
// The record Save Info stores: texts cut to their limits, unitSystem = `units`.
PatientRecord patientRecordFrom(const PatientForm& form, UnitSystem units);

// Text fields: the character limit and the message when it is exceeded.
std::size_t textLimit(PatientField field);
int textLimitMessage(PatientField field);

// Numeric fields, checked when the field is left: the message (string ID) when the
// text is too long or its value is negative or above the maximum; nullopt when fine.
// Text that is not a number reads as 0 and passes.
std::optional<int> checkNumericField(PatientField field, const std::string& text, UnitSystem units);

// "ID %3d     total %10d Groups" and its reverse (first six characters, the last
// four of them, blanks removed).
std::string idListLine(int id, int count);
int idFromListLine(const std::string& line);

} // namespace kestrova
