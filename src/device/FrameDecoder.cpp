#include "FrameDecoder.h"

namespace kestrova {

void FrameDecoder::reset() {
    m_buffer.fill(0);
    m_count = 0;
    m_synchronised = false;
    m_length = 0;
    m_status = 0;
    m_completedStatus = 0;
    m_framesReceived = 0;
}

void FrameDecoder::feedByte(std::uint8_t b) {
    m_buffer[m_count++] = b;
    if (m_count == 1) {
        // Waiting for the sync pair; anything but 0x55 cannot start it.
        if (b != 0x55) m_count = 0;
        m_synchronised = false;
        return;
    }
    if (m_count == 2) {
        if (b != 0xAA) {
            // Resynchronise one byte at a time: this byte may itself start the pair.
            m_synchronised = false;
            m_count = 0;
            if (b == 0x55) m_buffer[m_count++] = b;
            return;
        }
        m_synchronised = true;
    }
    if (!m_synchronised) return;
    if (m_count == 5) m_status = static_cast<std::uint16_t>(m_buffer[3] << 8 | m_buffer[4]);
    if (m_count == 7) {
        m_length = static_cast<std::uint16_t>(m_buffer[5] << 8 | m_buffer[6]);
        if (m_length > kMaxPayload) {
            // Never written past the buffer: drop the frame and look for the next sync.
            ++m_oversized;
            m_count = 0;
            m_synchronised = false;
            return;
        }
    }
    if (m_count == std::size_t{m_length} + 7) decodePayload();
    if (m_count == std::size_t{m_length} + 8) {
        m_count = 0;
        m_completedStatus = m_status.load(std::memory_order_relaxed);
        ++m_framesReceived;
        m_sink.frameDone(m_framesReceived);
    }
}

void FrameDecoder::decodePayload() {
    const std::size_t groups = m_length / 8;
    for (std::size_t g = 0; g < groups; ++g) {
        const std::span<const std::uint8_t, 8> bytes(m_buffer.data() + 7 + 8 * g, 8);
        const SampleRecord s = decodeSampleGroup(bytes, m_deviceType);
        if (s.id == 0) continue;
        if (!m_sink.storeSample(s, m_length)) return;
    }
}

} // namespace kestrova
