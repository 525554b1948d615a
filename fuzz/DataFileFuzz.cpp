// The .dat reader: any bytes are read or refused with a message, never read past; a
// file that reads re-encodes to one that reads back the same.
#include "FuzzSupport.h"
#include "files/DataFile.h"
#include "model/RecordingModel.h"

#include <cstring>

using namespace kestrova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Result<DataFileContents> r = parseDataFile(bytes, "input");
    if (!r.ok()) {
        FUZZ_CHECK(!r.error().text().empty());
        return 0;
    }
    const auto& c = r.value();
    FUZZ_CHECK(c.samples.size() <= static_cast<std::size_t>(RecordingModel::kCurrentCapacity));
    FUZZ_CHECK(size >= 5 + c.samples.size() * kSampleBytes + 1);
    const std::string again = encodeDataFile(c.patientId, c.samples, c.title);
    const Result<DataFileContents> back = parseDataFile(again, "copy");
    FUZZ_CHECK(back.ok());
    FUZZ_CHECK(back->patientId == c.patientId);
    FUZZ_CHECK(back->title == c.title);
    FUZZ_CHECK(back->samples.size() == c.samples.size());
    for (std::size_t i = 0; i < c.samples.size(); ++i)
        FUZZ_CHECK(std::memcmp(&back->samples[i], &c.samples[i], sizeof(SampleRecord)) == 0);
    // The samples are the file's bytes, unchanged.
    FUZZ_CHECK(again.compare(0, 5 + c.samples.size() * kSampleBytes,
                             bytes.substr(0, 5 + c.samples.size() * kSampleBytes)) == 0);
    return 0;
}
