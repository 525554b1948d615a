// The texts of the analysis sheet's summary table and criteria sentences, shared by
// the drawn page and the command-line summary so both say exactly the same.
#pragma once

#include "analysis/Analysis.h"

#include <string>
#include <vector>

namespace kestrova {

struct SheetRow {
    std::string label; // column 1
    std::string spo2;  // column 2
    std::string pulse; // column 3
};

struct ThresholdRow {
    std::string text; // column 4, e.g. "Spo2  >  94         1234"
    std::string unit; // column 5, "times" (empty on the "Diagnose:" row)
};

// Rows 1..12 of the left half (row 1 is the heading row).
std::vector<SheetRow> summaryRows(const AnalysisResult& r);
// Rows 2..6 of the right half.
std::vector<ThresholdRow> thresholdRows(const AnalysisResult& r);
// The two criteria sentences for the current event thresholds.
std::string desaturationCriteria(int desaturationsEvent);
std::string pulseCriteria(int pulseEvent);

} // namespace kestrova
