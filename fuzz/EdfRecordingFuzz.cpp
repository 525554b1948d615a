// The EDF reader (EDFlib underneath): any bytes are read or refused with a message,
// never beyond one current recording, one sample per second with consecutive clock
// times.
#include "FuzzSupport.h"
#include "files/EdfRecording.h"
#include "model/RecordingModel.h"

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
    for (std::size_t i = 1; i < samples.size(); ++i) FUZZ_CHECK((samples[i - 1].second + 1) % 60 == samples[i].second);
    return 0;
}
