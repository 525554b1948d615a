// One reading of the oximeter: one second of recording for one patient ID.
// The field widths are those of the device's packed 8-byte sample group.
#pragma once

#include <cstdint>

namespace kestrova {

struct SampleRecord {
    std::uint8_t id = 0;     // patient ID 1..127
    std::uint8_t year = 0;   // calendar year - 2000
    std::uint8_t month = 0;  // 1..12
    std::uint8_t day = 0;    // 1..31
    std::uint8_t hour = 0;   // 0..23
    std::uint8_t minute = 0; // 0..59
    std::uint8_t second = 0; // 0..59
    std::uint8_t spo2 = 0;   // percent, 0..127
    std::uint8_t pulseRate = 0;
    std::uint16_t aux = 0; // 9-bit device value: kept and saved, never shown

    friend bool operator==(const SampleRecord&, const SampleRecord&) = default;
};

} // namespace kestrova
