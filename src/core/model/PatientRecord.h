// The 288-byte patient record. The same bytes are the current patient in memory,
// one slot of the patient database and the patient block of older data files, so
// the layout is fixed to the byte (little-endian, as written by the Windows program).
#pragma once

#include "model/UnitSystem.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kestrova {

struct PatientRecord {
    std::int32_t id = 0;
    char name[30] = {};
    char reserved1[2] = {};
    std::int32_t gender = 0; // 0 male, 1 female
    std::int32_t age = 0;
    float height = 0; // inches or centimetres, by unitSystem
    float weight = 0; // pounds or kilograms, by unitSystem
    char physician[40] = {};
    char note1[50] = {};
    char note2[50] = {};
    char comments[90] = {};
    char reserved2[2] = {};
    std::int32_t unitSystem = 0; // UnitSetup in force when stored: 0 imperial, 1 metric

    static constexpr std::size_t kSize = 288;

    // Character limits the patient dialog enforces (the fields are larger).
    static constexpr std::size_t kNameChars = 30;
    static constexpr std::size_t kPhysicianChars = 30;
    static constexpr std::size_t kNoteChars = 40;
    static constexpr std::size_t kCommentsChars = 80;

    void clear() { *this = PatientRecord{}; }

    // True when the record says anything about the patient beyond the ID (and the
    // unit system it would be stored in): a blank record must never replace details.
    bool holdsDetails() const {
        PatientRecord blank;
        blank.id = id;
        blank.unitSystem = unitSystem;
        return std::memcmp(this, &blank, kSize) != 0;
    }
};

static_assert(std::endian::native == std::endian::little,
              "PatientRecord is stored as its in-memory bytes, which must be little-endian");
static_assert(sizeof(PatientRecord) == PatientRecord::kSize);
static_assert(offsetof(PatientRecord, id) == 0);
static_assert(offsetof(PatientRecord, name) == 4);
static_assert(offsetof(PatientRecord, gender) == 36);
static_assert(offsetof(PatientRecord, age) == 40);
static_assert(offsetof(PatientRecord, height) == 44);
static_assert(offsetof(PatientRecord, weight) == 48);
static_assert(offsetof(PatientRecord, physician) == 52);
static_assert(offsetof(PatientRecord, note1) == 92);
static_assert(offsetof(PatientRecord, note2) == 142);
static_assert(offsetof(PatientRecord, comments) == 192);
static_assert(offsetof(PatientRecord, unitSystem) == 284);

// The stored bytes of a text field: up to the first zero byte, or the whole field
// when it has none (a 30-character name fills its field without a terminator).
template <std::size_t N> std::string_view fieldBytes(const char (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0') ++n;
    return {field, n};
}

} // namespace kestrova
