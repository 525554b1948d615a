// SHA-256 (FIPS 180-4), for the study library's recognition of a recording by its
// samples: a digest no two different nights share in practice, which the library
// still confirms by comparing the samples themselves.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrova {

class Sha256 {
public:
    using Digest = std::array<std::uint8_t, 32>;

    Sha256();
    void update(const void* data, std::size_t size);
    void update(std::string_view bytes) { update(bytes.data(), bytes.size()); }
    Digest finish(); // the object is spent afterwards

    static Digest of(std::string_view bytes);
    static std::string hex(const Digest& digest);

private:
    void block(const std::uint8_t* p);

    std::array<std::uint32_t, 8> m_state;
    std::array<std::uint8_t, 64> m_buffer{};
    std::size_t m_buffered = 0;
    std::uint64_t m_length = 0; // bytes
};

} // namespace kestrova
