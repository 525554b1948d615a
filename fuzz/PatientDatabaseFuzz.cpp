// The patient database: whatever the file holds (any length), storing one slot
// changes those 288 bytes only (growing a short file with zeros), and loading gives
// back what was stored.
#include "FuzzSupport.h"
#include "files/PatientDatabase.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace kestrova;

namespace {
std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + PatientRecord::kSize) return 0;
    const int id = 1 + data[0] % PatientDatabase::kSlots;
    PatientRecord record;
    std::memcpy(&record, data + 1, PatientRecord::kSize);
    const std::string before(reinterpret_cast<const char*>(data) + 1 + PatientRecord::kSize,
                             size - 1 - PatientRecord::kSize);

    const std::string home = fuzz::scratchDirectory() + "/";
    std::filesystem::create_directories(home + "bldb");
    const PatientDatabase db(home);
    {
        std::ofstream out(db.path(), std::ios::binary | std::ios::trunc);
        out.write(before.data(), static_cast<std::streamsize>(before.size()));
    }
    PatientRecord loaded;
    db.loadPatientRecord(id - 1, loaded); // whatever the file holds, no crash
    FUZZ_CHECK(db.storePatientRecord(id, record));

    const std::string after = readAll(db.path());
    const std::size_t offset = static_cast<std::size_t>(id - 1) * PatientRecord::kSize;
    FUZZ_CHECK(after.size() == std::max(before.size(), offset + PatientRecord::kSize));
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i >= offset && i < offset + PatientRecord::kSize) continue;
        FUZZ_CHECK(after[i] == (i < before.size() ? before[i] : '\0'));
    }
    FUZZ_CHECK(std::memcmp(after.data() + offset, &record, PatientRecord::kSize) == 0);
    db.loadPatientRecord(id - 1, loaded);
    PatientRecord expected = record;
    if (expected.id == 0) expected.id = id;
    FUZZ_CHECK(std::memcmp(&loaded, &expected, PatientRecord::kSize) == 0);
    return 0;
}
