// The CSV reader: any text is read or refused with a message; what it reads is at
// most one current recording long and survives being written as Kestrova's CSV (with
// its ID and title) and read again unchanged, clock jumps included.
#include "FuzzSupport.h"
#include "files/CsvRecording.h"
#include "model/RecordingModel.h"

using namespace kestrova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Result<DataFileContents> r = parseCsvRecording(text, "t");
    if (!r.ok()) {
        FUZZ_CHECK(!r.error().text().empty());
        return 0;
    }
    const auto& samples = r->samples;
    FUZZ_CHECK(samples.size() <= static_cast<std::size_t>(RecordingModel::kCurrentCapacity));
    if (samples.size() > 20000) return 0; // long gaps: the round trip below would only be slow
    const Result<DataFileContents> again = parseCsvRecording(csvRecordingText(samples, r->title), "other");
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again->samples.size() == samples.size());
    // (Kestrova's CSV keeps the title in its first row: a recording of no samples has none.)
    FUZZ_CHECK(again->title == r->title || r->title.empty() || samples.empty());
    FUZZ_CHECK(again->patientId == r->patientId);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto& a = samples[i];
        const auto& b = again->samples[i];
        FUZZ_CHECK(a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
                   a.minute == b.minute && a.second == b.second && a.spo2 == b.spo2 && a.pulseRate == b.pulseRate &&
                   a.id == b.id);
    }
    return 0;
}
