// The ranges of patient IDs, named once. The device store and the patient database
// have a slot for each ID 1..128; the ID a recording carries in its samples is 1..127
// (the patient form shows only those, and the CSV and EDF readers take only those).
#pragma once

namespace kestrova::patient_id {

inline constexpr int kFirst = 1;
inline constexpr int kLastSlot = 128;
inline constexpr int kLastRecorded = 127;

constexpr bool isSlot(int id) {
    return id >= kFirst && id <= kLastSlot;
}
constexpr bool isRecorded(int id) {
    return id >= kFirst && id <= kLastRecorded;
}

} // namespace kestrova::patient_id
