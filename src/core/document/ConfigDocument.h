#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cssbinder {

// One line of the configuration file and the key it is stored under: a console variable's name,
// the line itself, or the game name of a bound key.
struct ConfigEntry {
    std::string key;
    std::string line;
};

// The lines the configuration file will hold, in the order they were first stored. Texts are UTF-8;
// keys compare byte for byte. The tool produces a few dozen entries, so a plain vector searched in
// order is both the simplest and the fastest store.
class ConfigDocument {
public:
    // Adds the entry, or replaces the line of an existing key where it stands.
    void Store(std::string_view key, std::string_view line);
    bool LookupKey(std::string_view key) const;
    // The line stored under the key, or null.
    const std::string* Find(std::string_view key) const;
    // Removes the entries whose line sets the console variable: the line's first word (up to the first
    // blank) equals the name. Binds and other variables are never touched.
    void RemoveSetting(std::string_view variable);

    // Every line followed by "\r\n", in document order; an empty document gives an empty text.
    std::string Render() const;

    std::size_t GetCount() const { return m_entries.size(); }
    bool IsEmpty() const { return m_entries.empty(); }
    const std::vector<ConfigEntry>& Entries() const { return m_entries; }

private:
    std::vector<ConfigEntry> m_entries;
};

// A setting line as the game's console reads it: the variable, a blank and the value in quotes.
std::string SettingLine(std::string_view variable, std::string_view value);

} // namespace cssbinder
