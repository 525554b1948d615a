// A screen size as the command line gives it: "WxH", for example "1280x800". Each
// number may have spaces and a sign before it (as the C library reads numbers), and
// nothing may follow the height; a number beyond int is refused, never wrapped.
#pragma once

#include <climits>
#include <optional>
#include <string_view>

namespace kestrova {

struct ScreenSize {
    int width = 0, height = 0;
};

namespace screen_size_detail {
// Spaces, an optional sign and at least one digit from `at`; false when there is no
// number there or it does not fit an int.
inline bool readInt(std::string_view s, std::size_t& at, int& value) {
    while (at < s.size() && (s[at] == ' ' || (s[at] >= '\t' && s[at] <= '\r'))) ++at;
    bool negative = false;
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) negative = s[at++] == '-';
    const std::size_t first = at;
    long long n = 0;
    for (; at < s.size() && s[at] >= '0' && s[at] <= '9'; ++at) {
        n = n * 10 + (s[at] - '0');
        if (n > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (at == first) return false;
    n = negative ? -n : n;
    if (n > INT_MAX || n < INT_MIN) return false;
    value = static_cast<int>(n);
    return true;
}
} // namespace screen_size_detail

// The width and height of "WxH" (any values, the caller bounds them), or nothing.
inline std::optional<ScreenSize> parseScreenSize(std::string_view text) {
    ScreenSize size;
    std::size_t at = 0;
    if (!screen_size_detail::readInt(text, at, size.width)) return std::nullopt;
    if (at >= text.size() || text[at] != 'x') return std::nullopt;
    ++at;
    if (!screen_size_detail::readInt(text, at, size.height) || at != text.size()) return std::nullopt;
    return size;
}

} // namespace kestrova
