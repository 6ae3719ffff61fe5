#include "core/document/ConfigDocument.h"

#include <algorithm>

namespace cssbinder {

namespace {

// The first word of a config line: the console variable a setting line sets.
std::string_view FirstWord(std::string_view line) {
    return line.substr(0, line.find(' '));
}

template <typename Entries> auto FindKey(Entries& entries, std::string_view key) {
    return std::find_if(entries.begin(), entries.end(),
                        [key](const ConfigEntry& entry) { return entry.key == key; });
}

} // namespace

void ConfigDocument::Store(std::string_view key, std::string_view line) {
    const auto existing = FindKey(m_entries, key);
    if (existing != m_entries.end()) {
        existing->line = line;
        return;
    }
    m_entries.push_back({std::string(key), std::string(line)});
}

const std::string* ConfigDocument::Find(std::string_view key) const {
    const auto entry = FindKey(m_entries, key);
    return entry == m_entries.end() ? nullptr : &entry->line;
}

bool ConfigDocument::LookupKey(std::string_view key) const {
    return Find(key) != nullptr;
}

void ConfigDocument::RemoveSetting(std::string_view variable) {
    std::erase_if(m_entries,
                  [variable](const ConfigEntry& entry) { return FirstWord(entry.line) == variable; });
}

std::string SettingLine(std::string_view variable, std::string_view value) {
    std::string line(variable);
    line += " \"";
    line += value;
    line += '"';
    return line;
}

std::string ConfigDocument::Render() const {
    std::size_t size = 0;
    for (const ConfigEntry& entry : m_entries) {
        size += entry.line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const ConfigEntry& entry : m_entries) {
        text += entry.line;
        text += "\r\n";
    }
    return text;
}

} // namespace cssbinder
