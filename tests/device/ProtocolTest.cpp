#include "Protocol.h"
#include "FrameDecoder.h"
#include "WireTrace.h"

#include <gtest/gtest.h>

using namespace kestrova;

namespace {
using Bytes = std::vector<std::uint8_t>;
Bytes bytes(const CommandFrame& f) {
    return Bytes(f.begin(), f.end());
}

struct CollectingSink : FrameSink {
    std::vector<SampleRecord> samples;
    std::vector<int> payloadLengths;
    std::uint32_t frames = 0;
    Outcome storeSample(const SampleRecord& s, int payloadLength) override {
        samples.push_back(s);
        payloadLengths.push_back(payloadLength);
        return {};
    }
    void frameDone(std::uint32_t n) override { frames = n; }
};

const Bytes kGroup = {0x05, 0xC5, 0xBC, 0xD6, 0x7A, 0x61, 0x24, 0x00};

Bytes frame(const Bytes& payload, std::uint16_t status = 0) {
    Bytes f = {0x55,
               0xAA,
               0x00,
               static_cast<std::uint8_t>(status >> 8),
               static_cast<std::uint8_t>(status),
               static_cast<std::uint8_t>(payload.size() >> 8),
               static_cast<std::uint8_t>(payload.size())};
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(0xEE);
    return f;
}
} // namespace

TEST(Protocol, CommandFramesCarryTheirChecksums) {
    EXPECT_EQ(bytes(identifyFrame()), (Bytes{0x55, 0xAA, 0xFD, 0x00, 0x00, 0xFD}));
    EXPECT_EQ(bytes(queryTotalsFrame()), (Bytes{0x55, 0xAA, 0xFE, 0x00, 0x00, 0xFE}));
    EXPECT_EQ(bytes(stopTransferFrame()), (Bytes{0x55, 0xAA, 0xF3, 0x00, 0x00, 0xF3}));
    EXPECT_EQ(bytes(requestFrame(258, 2, false)), (Bytes{0x55, 0xAA, 0xFA, 0x01, 0x02, 0xFD}));
    EXPECT_EQ(bytes(requestFrame(258, 3, false)), (Bytes{0x55, 0xAA, 0xFA, 0x02, 0x01, 0xFD}));
    EXPECT_EQ(bytes(requestFrame(258, 3, true)), (Bytes{0x55, 0xAA, 0xFA, 0x01, 0x02, 0xFD}));
    EXPECT_EQ(bytes(deleteDataFrame(0, 0)), (Bytes{0x55, 0xAA, 0xF4, 0x00, 0x00, 0xF4}));
    EXPECT_EQ(bytes(deleteDataFrame(5, 1)), (Bytes{0x55, 0xAA, 0xF4, 0x10, 0x05, 0x09}));
}

TEST(Protocol, PackedDateTimeAndTheClockHalves) {
    const std::uint32_t packed = packDateTime({2010, 3, 15, 13, 45, 30});
    EXPECT_EQ(packed, 0x7AD6BCCAu);
    EXPECT_EQ(bytes(setClockFirstFrame(packed)), (Bytes{0x55, 0xAA, 0xF7, 0xCA, 0xBC, 0x7D}));
    EXPECT_EQ(bytes(setClockSecondFrame(packed)), (Bytes{0x55, 0xAA, 0xF8, 0xD6, 0x7A, 0x48}));
    EXPECT_EQ(packDateTime({2064, 1, 1, 0, 0, 0}) & 0x3F, 0u); // the year wraps at 64
}

TEST(Protocol, SampleGroupsDecodeInBothByteOrders) {
    const SampleRecord s = decodeSampleGroup(std::span<const std::uint8_t, 8>(kGroup.data(), 8), 2);
    EXPECT_EQ(s, (SampleRecord{5, 10, 3, 15, 13, 45, 30, 97, 72, 0}));
    const Bytes reversed(kGroup.rbegin(), kGroup.rend());
    EXPECT_EQ(decodeSampleGroup(std::span<const std::uint8_t, 8>(reversed.data(), 8), 3), s);
    for (int type : {1, 2, 3, 4, 11}) {
        const SampleRecord full{127, 127, 12, 31, 23, 59, 59, 127, 255, 511};
        const auto g = encodeSampleGroup(full, type);
        EXPECT_EQ(decodeSampleGroup(std::span<const std::uint8_t, 8>(g.data(), 8), type), full) << type;
    }
    const Bytes one = {1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(decodeSampleGroup(std::span<const std::uint8_t, 8>(one.data(), 8), 2).id, 1);
    EXPECT_EQ(decodeSampleGroup(std::span<const std::uint8_t, 8>(one.data(), 8), 1).id, 0);
}

TEST(Protocol, RepliesAreChecked) {
    Bytes id(39, 0);
    id[0] = 0x55, id[1] = 0xAA, id[3] = 0xFF, id[5] = 0, id[6] = 29, id[8] = 11;
    id[9] = 0, id[10] = 0x01, id[11] = 0xC2, id[12] = 0x00;
    id[17] = 1, id[18] = 2, id[19] = 3;
    const auto ident = parseIdentification(id);
    ASSERT_TRUE(ident);              // the reply is sound ...
    EXPECT_EQ(ident->modelCode, 29); // ... but model 29 is not supported
    EXPECT_FALSE(isSupported(*ident));
    EXPECT_EQ(ident->deviceType, 11);
    EXPECT_EQ(ident->lineRate, 115200u);
    EXPECT_EQ(ident->version1, "1.2.3");
    id[3] = 0x00;
    EXPECT_EQ(parseIdentification(id).status(), Status::ProtocolError); // neither byte 3 nor 4 is 0xFF

    Bytes totals(39, 0);
    totals[0] = 0x55, totals[1] = 0xAA, totals[4] = 0xFE, totals[10] = 120, totals[14] = 2, totals[18] = 1;
    const auto t = parseTotals(totals);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->n1, 120u);
    EXPECT_EQ(t->total(), 123u);
    totals[2] = 0x01;
    EXPECT_EQ(parseTotals(totals).status(), Status::ProtocolError);

    EXPECT_TRUE(isDeleteAck(Bytes{0x55, 0xAA, 0x07, 0xFF, 0xFA}));
    EXPECT_FALSE(isDeleteAck(Bytes{0x55, 0xAA, 0x07, 0xFF, 0xF9}));
    EXPECT_TRUE(isSetClockAck(Bytes{0x55, 0xAA, 0x00, 0xFF, 0xF9}));
}

TEST(FrameDecoder, DecodesFramesAndCountsEmptyOnes) {
    CollectingSink sink;
    FrameDecoder d(sink);
    d.setDeviceType(2);
    d.feed(frame(kGroup));
    ASSERT_EQ(sink.samples.size(), 1u);
    EXPECT_EQ(sink.samples[0].spo2, 97);
    EXPECT_EQ(sink.payloadLengths[0], 8);
    EXPECT_EQ(d.framesReceived(), 1u);

    Bytes twenty = kGroup;
    twenty.insert(twenty.end(), kGroup.begin(), kGroup.end());
    twenty.insert(twenty.end(), {9, 9, 9, 9}); // 4 bytes that are no group
    d.feed(frame(twenty));
    EXPECT_EQ(sink.samples.size(), 3u);
    const Bytes last = frame(kGroup, kStatusEnd);
    d.feed(std::span(last).first(9));
    EXPECT_EQ(d.statusWord(), kStatusEnd);
    EXPECT_FALSE(d.endOfData()); // the rest of the last frame is still to come
    d.feed(std::span(last).subspan(9));
    EXPECT_EQ(sink.samples.size(), 4u);
    EXPECT_EQ(d.framesReceived(), 3u);
    EXPECT_EQ(sink.frames, 3u);
    EXPECT_TRUE(d.endOfData());

    Bytes idZero(8, 0);
    d.feed(frame(idZero));
    EXPECT_EQ(sink.samples.size(), 4u); // ID 0 is never stored
}

TEST(FrameDecoder, ResynchronisesAfterAnyNumberOfStrayBytes) {
    for (int stray : {1, 2, 3, 5}) {
        CollectingSink sink;
        FrameDecoder d(sink);
        d.setDeviceType(2);
        Bytes stream(static_cast<std::size_t>(stray), 0x55); // even a run of sync bytes
        const Bytes f = frame(kGroup);
        stream.insert(stream.end(), f.begin(), f.end());
        stream.insert(stream.end(), f.begin(), f.end());
        d.feed(stream);
        EXPECT_EQ(d.framesReceived(), 2u) << stray;
        EXPECT_EQ(sink.samples.size(), 2u) << stray;
    }
}

TEST(FrameDecoder, OversizedFramesAreDroppedNotWrittenPast) {
    CollectingSink sink;
    FrameDecoder d(sink);
    d.setDeviceType(2);
    Bytes huge = {0x55, 0xAA, 0x00, 0x00, 0x00, 0x10, 0x71}; // L = 4209
    huge.insert(huge.end(), 5000, 0x00);
    d.feed(huge);
    EXPECT_EQ(d.oversizedFrames(), 1u);
    EXPECT_EQ(d.framesReceived(), 0u);
    d.feed(frame(kGroup));
    EXPECT_EQ(d.framesReceived(), 1u);
    EXPECT_EQ(sink.samples.size(), 1u);

    // The largest frame that fits is fine.
    Bytes full;
    for (int i = 0; i < 524; ++i) full.insert(full.end(), kGroup.begin(), kGroup.end());
    d.feed(frame(full));
    EXPECT_EQ(sink.samples.size(), 525u);
}

TEST(WireTrace, ReceivedBytesReplayThroughTheDecoder) {
    const std::string trace = "0.000100 > 55 AA FA 00 00 FA\n"
                              "0.010000 < 55 AA 00 00 00 00 08 05 C5\n"
                              "junk line\n"
                              "0.011000 < BC D6 7A 61 24 00 EE\n";
    const auto lines = WireTrace::parse(trace);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].direction, '>');
    CollectingSink sink;
    FrameDecoder d(sink);
    d.setDeviceType(2);
    for (const auto& l : lines)
        if (l.direction == '<') d.feed(l.bytes);
    ASSERT_EQ(sink.samples.size(), 1u);
    EXPECT_EQ(sink.samples[0].pulseRate, 72);
}
