// Stored text fields are raw bytes: ANSI (Windows-1252) from the Windows program,
// UTF-8 from ours. Shown text is decoded by what the bytes are; stored text is
// bounded by its field without ever cutting a character in two.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrova {

bool isValidUtf8(std::string_view bytes);

// UTF-8 for display: valid UTF-8 as it is, anything else read as Windows-1252.
std::string decodeStoredText(std::string_view bytes);

// At most maxChars characters and maxBytes bytes of `utf8`, cut at a character boundary.
std::string boundedUtf8(std::string_view utf8, std::size_t maxChars, std::size_t maxBytes);

// Copies `utf8` into a fixed text field (bounded as above, zero-filled).
template <std::size_t N> void storeField(char (&field)[N], std::string_view utf8, std::size_t maxChars) {
    const std::string s = boundedUtf8(utf8, maxChars, N);
    for (std::size_t i = 0; i < N; ++i) field[i] = i < s.size() ? s[i] : '\0';
}

std::string utf16leToUtf8(std::u16string_view text);

} // namespace kestrova
