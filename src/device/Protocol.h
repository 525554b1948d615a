// The oximeter's wire protocol: 6-byte command frames, the packed date-time, the
// packed 8-byte sample group and the checks of the short replies. Pure data.
#pragma once

#include "base/Result.h"
#include "model/SampleRecord.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace kestrova {

using CommandFrame = std::array<std::uint8_t, 6>;

namespace command {
inline constexpr std::uint8_t Identify = 0xFD, QueryTotals = 0xFE, RequestFrame = 0xFA, StopTransfer = 0xF3,
                              DeleteData = 0xF4, SetClockFirst = 0xF7, SetClockSecond = 0xF8;
}

inline constexpr std::int32_t kSupportedModelCode = 30;
inline constexpr std::size_t kMaxPayload = 4192;    // the frame buffer holds 4200 bytes
inline constexpr std::size_t kReplyBufferSize = 39; // short replies
inline constexpr std::size_t kReplyEnough = 38;
inline constexpr std::uint16_t kStatusEnd = 0xFFFE, kStatusEndAlt = 0xFFFC;

CommandFrame makeFrame(std::uint8_t code, std::uint8_t p1, std::uint8_t p2);
CommandFrame identifyFrame();
CommandFrame queryTotalsFrame();
CommandFrame stopTransferFrame();
// Type-3 devices on a serial port take the index low byte first.
CommandFrame requestFrame(std::uint32_t index, std::int32_t deviceType, bool bluetooth);
// patientId 0 = all IDs; dataType 0 = all data, 1 = SpO2 and pulse data.
CommandFrame deleteDataFrame(int patientId, int dataType);

struct DeviceDateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0; // full year
};
std::uint32_t packDateTime(const DeviceDateTime& t);
CommandFrame setClockFirstFrame(std::uint32_t packed);
CommandFrame setClockSecondFrame(std::uint32_t packed);

// Device types 1, 3 and 4 send the bytes of each group in reverse.
bool groupBytesReversed(std::int32_t deviceType);
SampleRecord decodeSampleGroup(std::span<const std::uint8_t, 8> group, std::int32_t deviceType);
std::array<std::uint8_t, 8> encodeSampleGroup(const SampleRecord& s, std::int32_t deviceType);

struct Identification {
    std::int32_t modelCode = 0;
    std::int32_t deviceType = 0;
    std::uint32_t lineRate = 0;
    std::uint32_t further = 0;
    std::string version1, version2;
};
// Checks sync, status and the 0xFF marker; the identification when they pass (also
// when the model code is not supported), else ProtocolError.
Result<Identification> parseIdentification(std::span<const std::uint8_t> reply);
// The one model code the program downloads from.
constexpr bool isSupported(const Identification& id) {
    return id.modelCode == kSupportedModelCode;
}

struct Totals {
    std::uint32_t n1 = 0, n2 = 0, n3 = 0;
    std::uint32_t total() const { return n1 + n2 + n3; }
    // The frames to request: the first total, or the second on devices that count
    // their frames there and leave the first at 0.
    std::uint32_t frames() const { return n1 != 0 ? n1 : n2; }
};
Result<Totals> parseTotals(std::span<const std::uint8_t> reply);

bool isDeleteAck(std::span<const std::uint8_t> reply);
bool isSetClockAck(std::span<const std::uint8_t> reply);

} // namespace kestrova
