#include "text/StringTable.h"

#include <charconv>
#include <map>
#include <mutex>

namespace kestrova {

extern const char* const kBuiltInStrings; // generated from res/strings.txt

namespace {

std::mutex g_mutex;
StringTable::Translator g_translator = nullptr;
std::map<int, bool> g_overridden;

void parseInto(std::map<int, std::string>& table, std::string_view text, bool overrides = false) {
    while (!text.empty()) {
        const auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos) continue;
        int id = 0;
        const auto [p, ec] = std::from_chars(line.data(), line.data() + tab, id);
        if (ec != std::errc{} || p != line.data() + tab) continue;
        table[id] = std::string(line.substr(tab + 1));
        if (overrides) g_overridden[id] = true;
    }
}

std::map<int, std::string>& table() {
    static std::map<int, std::string> t = [] {
        std::map<int, std::string> m;
        parseInto(m, kBuiltInStrings);
        return m;
    }();
    return t;
}

} // namespace

std::string StringTable::classic(int id) {
    std::lock_guard lock(g_mutex);
    const auto& t = table();
    const auto it = t.find(id);
    return it == t.end() ? std::string() : it->second;
}

std::string StringTable::text(int id) {
    std::string classicText;
    Translator translator = nullptr;
    {
        std::lock_guard lock(g_mutex);
        const auto& t = table();
        const auto it = t.find(id);
        if (it == t.end()) return {};
        classicText = it->second;
        if (!g_overridden.count(id)) translator = g_translator;
    }
    if (translator) {
        std::string translated = translator("Strings", classicText.c_str());
        if (!translated.empty()) return translated;
    }
    return classicText;
}

void StringTable::setTranslator(Translator translator) {
    std::lock_guard lock(g_mutex);
    g_translator = translator;
}

void StringTable::loadOverrides(std::string_view text) {
    std::lock_guard lock(g_mutex);
    parseInto(table(), text, true);
}

void StringTable::reset() {
    std::lock_guard lock(g_mutex);
    table().clear();
    g_overridden.clear();
    parseInto(table(), kBuiltInStrings);
}

} // namespace kestrova
