// Units of height and weight. The settings file's UnitSetup and a patient record's
// unitSystem field hold it as an integer: 0 inches and pounds, any other value
// centimetres and kilograms.
#pragma once

#include <cstdint>

namespace kestrova {

enum class UnitSystem { Imperial = 0, Metric = 1 };

constexpr UnitSystem unitSystemOf(std::int64_t stored) {
    return stored != 0 ? UnitSystem::Metric : UnitSystem::Imperial;
}
constexpr int storedValueOf(UnitSystem u) {
    return u == UnitSystem::Metric ? 1 : 0;
}

} // namespace kestrova
