// The patient database: <program directory>/bldb/pationtrec.dat, one 288-byte record
// per patient ID at (ID - 1) * 288, no header. Files from the Windows program are
// byte-compatible.
#pragma once

#include "base/Result.h"
#include "model/PatientId.h"
#include "model/PatientRecord.h"

#include <string>

namespace kestrova {

class PatientDatabase {
public:
    static constexpr int kSlots = patient_id::kLastSlot;
    static constexpr long kCreatedSize = kSlots * static_cast<long>(PatientRecord::kSize); // 36864

    // `programDir` with a trailing '/'.
    explicit PatientDatabase(const std::string& programDir);

    const std::string& path() const { return m_path; }

    // Why the file cannot serve as the database (not a regular file, unreadable), or
    // Ok when it can or does not exist yet.
    Outcome problem() const;

    // Makes sure the file exists. Returns false when it could not be opened, in which
    // case the directory and an empty file have been created (the caller tells the user).
    bool ensurePatientDatabase() const;

    // Reads slot `index` (ID - 1, 0..127) into `record`; bytes the file does not hold
    // read as zero. Then an id of 0 becomes index + 1. Other indexes: nothing.
    void loadPatientRecord(int index, PatientRecord& record) const;

    // What the slot of `id` proposes for a new recording of that ID: its record when it
    // holds details, else a record with the ID alone.
    PatientRecord proposedPatient(int id) const;

    // Writes `record` into the slot of `id` (1..128). A missing file is created at
    // 128 zero records; a shorter existing file grows as needed.
    Outcome storePatientRecord(int id, const PatientRecord& record) const;

private:
    std::string m_dir;
    std::string m_path;
};

} // namespace kestrova
