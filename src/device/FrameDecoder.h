// Decodes the device's data frames byte by byte:
//   55 AA, one byte, status word (BE), payload length L (BE), L payload bytes, one trailing byte.
// The payload holds packed 8-byte sample groups. Runs on the download's receiving thread.
#pragma once

#include "Protocol.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <span>

namespace kestrova {

class FrameSink {
public:
    virtual ~FrameSink() = default;
    // Stores one decoded sample (never id 0). An error when memory ran out: the rest
    // of the frame's groups are skipped.
    virtual Outcome storeSample(const SampleRecord& sample, int payloadLength) = 0;
    virtual void frameDone(std::uint32_t framesReceived) = 0;
};

class FrameDecoder {
public:
    static constexpr std::size_t kBufferSize = kMaxPayload + 8; // 4200

    explicit FrameDecoder(FrameSink& sink) : m_sink(sink) {}

    void setDeviceType(std::int32_t type) { m_deviceType = type; }
    void feedByte(std::uint8_t b);
    void feed(std::span<const std::uint8_t> bytes) {
        for (auto b : bytes) feedByte(b);
    }
    // Back to the initial state: not synchronised, counters and status word 0, buffer zeroed.
    void reset();
    void resetFramesReceived() { m_framesReceived = 0; }

    // Read by both download loops while the receiving loop writes it.
    std::uint16_t statusWord() const { return m_status.load(std::memory_order_relaxed); }
    // The device said "no more data" in a frame that has fully arrived. (The status
    // word comes at the start of the frame; ending there would drop the samples of
    // a last frame that arrives in pieces.)
    bool endOfData() const {
        const auto s = m_completedStatus.load(std::memory_order_relaxed);
        return s == kStatusEnd || s == kStatusEndAlt;
    }
    std::uint32_t framesReceived() const { return m_framesReceived; }
    bool synchronised() const { return m_synchronised; }
    // Frames announcing more payload than the buffer holds; they are dropped.
    std::uint64_t oversizedFrames() const { return m_oversized; }

private:
    void decodePayload();

    FrameSink& m_sink;
    std::int32_t m_deviceType = 0;
    std::array<std::uint8_t, kBufferSize> m_buffer{};
    std::size_t m_count = 0;
    bool m_synchronised = false;
    std::uint16_t m_length = 0;
    std::atomic<std::uint16_t> m_status{0};
    std::atomic<std::uint16_t> m_completedStatus{0};
    std::uint32_t m_framesReceived = 0;
    std::uint64_t m_oversized = 0;
};

} // namespace kestrova
