#include "Protocol.h"
#include "text/Translate.h"

#include "DeviceStatus.h"

#include <cstdio>

namespace kestrova {
namespace {

std::uint8_t at(std::span<const std::uint8_t> r, std::size_t i) {
    return i < r.size() ? r[i] : 0;
}

bool synced(std::span<const std::uint8_t> r) {
    return at(r, 0) == 0x55 && at(r, 1) == 0xAA;
}

std::uint32_t be16(std::span<const std::uint8_t> r, std::size_t i) {
    return static_cast<std::uint32_t>(at(r, i) << 8 | at(r, i + 1));
}

std::string versionText(std::span<const std::uint8_t> r, std::size_t i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d.%d.%d", at(r, i), at(r, i + 1), at(r, i + 2));
    return buf;
}

} // namespace

CommandFrame makeFrame(std::uint8_t code, std::uint8_t p1, std::uint8_t p2) {
    return {0x55, 0xAA, code, p1, p2, static_cast<std::uint8_t>(code + p1 + p2)};
}

CommandFrame identifyFrame() {
    return makeFrame(command::Identify, 0, 0);
}
CommandFrame queryTotalsFrame() {
    return makeFrame(command::QueryTotals, 0, 0);
}
CommandFrame stopTransferFrame() {
    return makeFrame(command::StopTransfer, 0, 0);
}

CommandFrame requestFrame(std::uint32_t index, std::int32_t deviceType, bool bluetooth) {
    const auto hi = static_cast<std::uint8_t>(index >> 8);
    const auto lo = static_cast<std::uint8_t>(index);
    if (deviceType == 3 && !bluetooth) return makeFrame(command::RequestFrame, lo, hi);
    return makeFrame(command::RequestFrame, hi, lo);
}

CommandFrame deleteDataFrame(int patientId, int dataType) {
    const auto p1 = static_cast<std::uint8_t>(((dataType * 16) ^ ((patientId / 256) % 16)) & 0xFF);
    return makeFrame(command::DeleteData, p1, static_cast<std::uint8_t>(patientId % 256));
}

std::uint32_t packDateTime(const DeviceDateTime& t) {
    auto field = [](int v, int mask) { return static_cast<std::uint32_t>(v) & static_cast<std::uint32_t>(mask); };
    return field(t.year % 2000, 0x3F) | field(t.month, 0xF) << 6 | field(t.day, 0x1F) << 10 |
           field(t.hour, 0x1F) << 15 | field(t.minute, 0x3F) << 20 | field(t.second, 0x3F) << 26;
}

CommandFrame setClockFirstFrame(std::uint32_t packed) {
    return makeFrame(command::SetClockFirst, static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(packed >> 8));
}

CommandFrame setClockSecondFrame(std::uint32_t packed) {
    return makeFrame(command::SetClockSecond, static_cast<std::uint8_t>(packed >> 16),
                     static_cast<std::uint8_t>(packed >> 24));
}

bool groupBytesReversed(std::int32_t deviceType) {
    return deviceType == 1 || deviceType == 3 || deviceType == 4;
}

SampleRecord decodeSampleGroup(std::span<const std::uint8_t, 8> g, std::int32_t deviceType) {
    std::uint64_t v = 0;
    const bool reversed = groupBytesReversed(deviceType);
    for (int i = 0; i < 8; ++i) v |= std::uint64_t{g[static_cast<std::size_t>(reversed ? 7 - i : i)]} << (8 * i);
    auto bits = [&](int from, int width) { return (v >> from) & ((std::uint64_t{1} << width) - 1); };
    SampleRecord s;
    s.id = static_cast<std::uint8_t>(bits(0, 7));
    s.year = static_cast<std::uint8_t>(bits(7, 7));
    s.month = static_cast<std::uint8_t>(bits(14, 4));
    s.day = static_cast<std::uint8_t>(bits(18, 5));
    s.hour = static_cast<std::uint8_t>(bits(23, 5));
    s.minute = static_cast<std::uint8_t>(bits(28, 6));
    s.second = static_cast<std::uint8_t>(bits(34, 6));
    s.spo2 = static_cast<std::uint8_t>(bits(40, 7));
    s.pulseRate = static_cast<std::uint8_t>(bits(47, 8));
    s.aux = static_cast<std::uint16_t>(bits(55, 9));
    return s;
}

std::array<std::uint8_t, 8> encodeSampleGroup(const SampleRecord& s, std::int32_t deviceType) {
    auto put = [](std::uint64_t value, int from, int width) {
        return (value & ((std::uint64_t{1} << width) - 1)) << from;
    };
    const std::uint64_t v = put(s.id, 0, 7) | put(s.year, 7, 7) | put(s.month, 14, 4) | put(s.day, 18, 5) |
                            put(s.hour, 23, 5) | put(s.minute, 28, 6) | put(s.second, 34, 6) | put(s.spo2, 40, 7) |
                            put(s.pulseRate, 47, 8) | put(s.aux, 55, 9);
    std::array<std::uint8_t, 8> g{};
    const bool reversed = groupBytesReversed(deviceType);
    for (int i = 0; i < 8; ++i)
        g[static_cast<std::size_t>(reversed ? 7 - i : i)] = static_cast<std::uint8_t>(v >> (8 * i));
    return g;
}

Result<Identification> parseIdentification(std::span<const std::uint8_t> r) {
    if (!synced(r) || (at(r, 2) & 3) != 0 || (at(r, 3) != 0xFF && at(r, 4) != 0xFF))
        return deviceError(Status::ProtocolError, "", ktr("Protocol", "not an identification"));
    Identification id;
    id.modelCode = static_cast<std::int32_t>(be16(r, 5));
    id.deviceType = static_cast<std::int32_t>(be16(r, 7));
    id.lineRate = be16(r, 9) << 16 | be16(r, 11);
    id.further = be16(r, 13) << 16 | be16(r, 15);
    id.version1 = versionText(r, 17);
    id.version2 = versionText(r, 20);
    return id;
}

Result<Totals> parseTotals(std::span<const std::uint8_t> r) {
    if (!synced(r) || (at(r, 2) & 3) != 0 || (at(r, 3) != 0xFF && at(r, 4) != 0xFE))
        return deviceError(Status::ProtocolError, "", ktr("Protocol", "not the totals"));
    Totals t;
    t.n1 = be16(r, 9);
    t.n2 = be16(r, 13);
    t.n3 = be16(r, 17);
    return t;
}

bool isDeleteAck(std::span<const std::uint8_t> r) {
    return synced(r) && at(r, 3) == 0xFF && at(r, 4) == 0xFA;
}
bool isSetClockAck(std::span<const std::uint8_t> r) {
    return synced(r) && at(r, 3) == 0xFF && at(r, 4) == 0xF9;
}

} // namespace kestrova
