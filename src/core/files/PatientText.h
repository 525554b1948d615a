// The patient block shared by the text export, the spreadsheet export and the event
// report: gender, height and weight texts in the unit system now in force, and the
// seven header lines of the text files.
#pragma once

#include "model/PatientRecord.h"

#include <string>

namespace kestrova {

// "female" for any nonzero gender, "male" for 0: as the text export and the workbook
// write it, in every language.
std::string genderText(const PatientRecord& p);
// The same in the chosen language, for pages and reports.
std::string genderShown(const PatientRecord& p);
// `units` is the UnitSetup setting now; the record
// carries the system it was entered in. "178 cm", "70 in", ...
std::string heightText(const PatientRecord& p, UnitSystem units);
std::string weightText(const PatientRecord& p, UnitSystem units);

// Lines 1-7 of the text export and the event report, each ending in CR LF. The name
// is written as its stored bytes.
std::string patientHeaderLines(const PatientRecord& p, UnitSystem units);

} // namespace kestrova
