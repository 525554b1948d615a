#include "files/SaveData.h"

#include "files/DataFile.h"
#include "files/PatientDatabase.h"
#include "files/RecordingFile.h"
#include "model/RecordingModel.h"
#include "text/StringTable.h"

namespace kestrova {

Outcome openSavedData(const std::string& path, RecordingModel& model, const PatientDatabase& db) {
    auto read = readRecordingFile(path);
    if (!read) return read.error();
    return makeCurrentRecording(std::move(*read), model, db);
}

Outcome makeCurrentRecording(DataFileContents&& contents, RecordingModel& model, const PatientDatabase& db) {
    if (!model.replaceCurrent(std::move(contents.samples))) return Error{Status::TooLarge, {}, {}, str::CantOpenFile};
    // An ID without a slot gets an empty record, never the previous patient's details.
    PatientRecord patient;
    patient.id = contents.patientId;
    db.loadPatientRecord(static_cast<int>(contents.patientId) - 1, patient);
    model.setCurrentPatient(patient);
    model.setReportTitle(std::move(contents.title));
    return {};
}

std::uint8_t recordingPatientId(const RecordingModel& model) {
    if (model.currentCount() > 0) return model.currentSamples()[0].id;
    return static_cast<std::uint8_t>(model.currentPatient().id);
}

Result<std::uint8_t> saveCurrentRecording(const std::string& path, const RecordingModel& model) {
    const std::uint8_t id = recordingPatientId(model);
    if (WriteStatus written = writeDataFile(path, id, model.currentSamples(), model.reportTitle()); !written)
        return written.error();
    return id;
}

Outcome finishSaveData(RecordingModel& model, const PatientDatabase& db) {
    const int id = recordingPatientId(model);
    if (!patient_id::isSlot(id) || !model.currentPatient().holdsDetails()) return {};
    if (Outcome stored = db.storePatientRecord(id, model.currentPatient()); !stored) return stored;
    model.setPatientInfoSaved(id);
    return {};
}

} // namespace kestrova
