// The six analysis settings as the setup dialog edits them: range, message and step.
#pragma once

#include "settings/Settings.h"

#include <array>

namespace kestrova {

struct AnalysisSetting {
    IntSetting key;
    int minimum, maximum;
    int rangeMessage; // string ID
};

inline constexpr std::array<AnalysisSetting, 6> kAnalysisSettings{{
    {setting::SaturationsHigh, 40, 100, 59141},
    {setting::SaturationsLow, 40, 100, 59141},
    {setting::PrHigh, 15, 300, 59142},
    {setting::PrLow, 15, 300, 59142},
    {setting::DesaturationsEvent, 1, 20, 59143},
    {setting::PulseEvent, 1, 20, 59143},
}};

// One up-down step (+1 or -1) kept within the setting's range.
inline int stepAnalysisValue(const AnalysisSetting& s, int value, int delta) {
    const int v = value + delta;
    return v < s.minimum ? s.minimum : v > s.maximum ? s.maximum : v;
}

} // namespace kestrova
