#include "text/Translate.h"

#include <atomic>

namespace kestrova {

namespace {
std::atomic<text::Translator> g_translator{nullptr};
}

void text::setTranslator(Translator translator) {
    g_translator.store(translator);
}

std::string text::arg(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 16 * args.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string ktr(const char* context, const char* source) {
    if (const auto t = g_translator.load()) {
        std::string translated = t(context, source);
        if (!translated.empty()) return translated;
    }
    return source;
}

} // namespace kestrova
