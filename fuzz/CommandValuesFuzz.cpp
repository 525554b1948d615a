// What a user types and what files store as text: the command line's times ("Go to
// time" and render --start) and screen sizes, and the decoding of stored text fields.
// Whatever the input (up to 1 MiB): a parsed time is a clock time (with a calendar
// date, the day at most 31, when it has one) that reads back from its own spelling; a parsed size spells
// back to itself; decoded text is valid UTF-8, valid UTF-8 stays as it is, and bounded
// text keeps to its bounds without cutting a character.
#include "FuzzSupport.h"
#include "model/RecordingTime.h"
#include "model/ScreenSize.h"
#include "text/TextCodec.h"

#include <cstdio>
#include <string>

using namespace kestrova;

namespace {

std::size_t characters(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 20)) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto t = parseTimeQuery(text)) {
        FUZZ_CHECK(t->hour >= 0 && t->hour < 24 && t->minute >= 0 && t->minute < 60 && t->second >= 0 &&
                   t->second < 60);
        if (t->hasDate())
            FUZZ_CHECK(t->year >= 2000 && t->year <= 2255 && t->month >= 1 && t->month <= 12 && t->day >= 1 &&
                       t->day <= 31);
        char spelled[64];
        if (t->hasDate())
            std::snprintf(spelled, sizeof spelled, "%04d-%02d-%02d %02d:%02d:%02d", t->year, t->month, t->day, t->hour,
                          t->minute, t->second);
        else
            std::snprintf(spelled, sizeof spelled, "%02d:%02d:%02d", t->hour, t->minute, t->second);
        const auto again = parseTimeQuery(spelled);
        FUZZ_CHECK(again && again->year == t->year && again->month == t->month && again->day == t->day &&
                   again->hour == t->hour && again->minute == t->minute && again->second == t->second);
    }

    if (const auto s = parseScreenSize(text)) {
        const std::string spelled = std::to_string(s->width) + "x" + std::to_string(s->height);
        const auto again = parseScreenSize(spelled);
        FUZZ_CHECK(again && again->width == s->width && again->height == s->height);
    }

    const std::string decoded = decodeStoredText(text);
    FUZZ_CHECK(isValidUtf8(decoded));
    if (isValidUtf8(text)) FUZZ_CHECK(decoded == text);
    const std::size_t maxChars = size > 0 ? data[0] : 0, maxBytes = size > 1 ? data[1] : 0;
    const std::string bounded = boundedUtf8(decoded, maxChars, maxBytes);
    FUZZ_CHECK(isValidUtf8(bounded) && bounded.size() <= maxBytes && characters(bounded) <= maxChars);
    FUZZ_CHECK(decoded.compare(0, bounded.size(), bounded) == 0);

    // The same bytes as UTF-16LE text (an odd last byte dropped).
    std::u16string wide(size / 2, u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i) wide[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    FUZZ_CHECK(isValidUtf8(utf16leToUtf8(wide)));
    return 0;
}
