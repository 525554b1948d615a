// The six analysis settings as the setup dialog edits them: range, message and step.
#pragma once

#include "settings/Settings.h"

#include <array>

namespace kestrova {

struct AnalysisSetting {
    IntSetting key;   // its range is the dialog's
    int rangeMessage; // string ID
};

inline constexpr std::array<AnalysisSetting, 6> kAnalysisSettings{{
    {setting::SaturationsHigh, 59141},
    {setting::SaturationsLow, 59141},
    {setting::PrHigh, 59142},
    {setting::PrLow, 59142},
    {setting::DesaturationsEvent, 59143},
    {setting::PulseEvent, 59143},
}};

// One up-down step (+1 or -1) kept within the setting's range.
inline int stepAnalysisValue(const AnalysisSetting& s, int value, int delta) {
    const int v = value + delta;
    return v < s.key.minimum ? s.key.minimum : v > s.key.maximum ? s.key.maximum : v;
}

} // namespace kestrova
