// The frame decoder and the reply parsers: any byte stream decodes without reading or
// writing out of bounds, into the same samples however it is cut into reads, and a
// decoded sample group re-encodes to a group that decodes the same.
#include "FrameDecoder.h"
#include "FuzzSupport.h"
#include "Protocol.h"

#include <cstring>
#include <vector>

using namespace kestrova;

namespace {
struct Recorder : FrameSink {
    std::vector<SampleRecord> samples;
    std::vector<std::uint32_t> frames;
    Outcome storeSample(const SampleRecord& s, int payloadLength) override {
        FUZZ_CHECK(s.id != 0);
        FUZZ_CHECK(payloadLength >= 0 && payloadLength <= static_cast<int>(kMaxPayload));
        samples.push_back(s);
        return {};
    }
    void frameDone(std::uint32_t n) override { frames.push_back(n); }
};

bool sameSamples(const std::vector<SampleRecord>& a, const std::vector<SampleRecord>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(SampleRecord)) != 0) return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    static const std::int32_t kTypes[] = {1, 2, 3, 4, 11};
    const std::int32_t type = kTypes[data[0] % 5];
    const unsigned cut = 1 + data[1] % 61;
    const std::span<const std::uint8_t> stream(data + 2, size - 2);

    Recorder whole, pieces;
    FrameDecoder a(whole), b(pieces);
    a.setDeviceType(type);
    b.setDeviceType(type);
    a.feed(stream);
    for (std::size_t at = 0; at < stream.size(); at += cut)
        b.feed(stream.subspan(at, std::min<std::size_t>(cut, stream.size() - at)));
    FUZZ_CHECK(sameSamples(whole.samples, pieces.samples));
    FUZZ_CHECK(whole.frames == pieces.frames);
    FUZZ_CHECK(a.endOfData() == b.endOfData());

    for (std::size_t at = 0; at + 8 <= stream.size(); at += 8) {
        const std::span<const std::uint8_t, 8> group(stream.data() + at, 8);
        const SampleRecord s = decodeSampleGroup(group, type);
        const auto again = encodeSampleGroup(s, type);
        const SampleRecord t = decodeSampleGroup(std::span<const std::uint8_t, 8>(again), type);
        FUZZ_CHECK(std::memcmp(&s, &t, sizeof s) == 0);
    }
    (void)parseIdentification(stream);
    (void)parseTotals(stream);
    isDeleteAck(stream);
    isSetClockAck(stream);
    return 0;
}
