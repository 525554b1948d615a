// The one lookup every user-visible text goes through. The core has no Qt; the
// program installs the translator of the chosen language at start (see
// ui/language/Language.h), and without one every text is its source, the classic
// English. Texts are found by the translation tools as ktr("Context", "Source").
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kestrova {

namespace text {
// Returns the translation of `source`, or an empty string when there is none.
using Translator = std::string (*)(const char* context, const char* source);
void setTranslator(Translator translator);
// Replaces %1 … %9 in `pattern` by `args` (a translation may reorder them).
std::string arg(std::string_view pattern, std::initializer_list<std::string_view> args);
} // namespace text

// `source` in the chosen language; `context` is the class or command it belongs to.
std::string ktr(const char* context, const char* source);

// ktr with %1 … %9 filled in: kestrova::text::arg(ktr("Info", "Samples: %1"), {count}).

} // namespace kestrova
