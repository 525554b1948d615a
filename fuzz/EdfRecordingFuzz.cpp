// The EDF reader: any bytes are read or refused with a message, never beyond one
// current recording; what it reads survives being written as Kestrova's EDF+ and read
// again unchanged (times, clock jumps, ID and title included).
#include "FuzzSupport.h"
#include "files/EdfRecording.h"
#include "model/RecordingModel.h"
#include "model/RecordingTime.h"

using namespace kestrova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::MemoryFile file(std::string_view(reinterpret_cast<const char*>(data), size));
    const Result<DataFileContents> r = readEdfRecording(file.path());
    if (!r.ok()) {
        FUZZ_CHECK(!r.error().text().empty());
        return 0;
    }
    const auto& samples = r->samples;
    FUZZ_CHECK(samples.size() <= static_cast<std::size_t>(RecordingModel::kCurrentCapacity));
    if (samples.size() > 20000) return 0; // the round trip below would only be slow
    PatientRecord patient;
    patient.id = r->patientId;
    const fuzz::MemoryFile again(edfRecordingBytes(samples, patient, r->title));
    const Result<DataFileContents> back = readEdfRecording(again.path());
    FUZZ_CHECK(back.ok());
    FUZZ_CHECK(back->samples.size() == samples.size());
    FUZZ_CHECK(back->patientId == r->patientId);
    FUZZ_CHECK(back->title == r->title || r->title.empty());
    for (std::size_t i = 0; i < samples.size(); ++i)
        FUZZ_CHECK(stampSeconds(samples[i]) == stampSeconds(back->samples[i]) &&
                   samples[i].spo2 == back->samples[i].spo2 && samples[i].pulseRate == back->samples[i].pulseRate);
    return 0;
}
