#include "core/document/ConfigDocument.h"

#include "core/console/ConsoleReader.h"

#include <algorithm>

namespace cssbinder {

namespace {

// The last entry of the key, or rend.
template <typename Entries> auto FindKey(Entries& entries, std::string_view key) {
    return std::find_if(entries.rbegin(), entries.rend(),
                        [key](const ConfigEntry& entry) { return entry.key == key; });
}

} // namespace

void ConfigDocument::Store(std::string_view key, std::string_view line) {
    const auto existing = FindKey(m_entries, key);
    if (existing != m_entries.rend()) {
        existing->line = line;
        return;
    }
    Append(key, line);
}

void ConfigDocument::Append(std::string_view key, std::string_view line) {
    m_entries.push_back({std::string(key), std::string(line)});
}

const std::string* ConfigDocument::Find(std::string_view key) const {
    const auto entry = FindKey(m_entries, key);
    return entry == m_entries.rend() ? nullptr : &entry->line;
}

bool ConfigDocument::LookupKey(std::string_view key) const {
    return Find(key) != nullptr;
}

void ConfigDocument::RemoveSetting(std::string_view variable) {
    std::erase_if(m_entries,
                  [variable](const ConfigEntry& entry) { return IsCommand(entry.line, variable); });
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
