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

    bool operator==(const ConfigEntry&) const = default;
};

// The lines the configuration file will hold, in the order they were first stored. Texts are UTF-8;
// keys compare byte for byte. The tool produces a few dozen entries, so a plain vector searched in
// order is both the simplest and the fastest store.
class ConfigDocument {
public:
    // Adds the entry, or replaces the line of an existing key where it stands. Where an opened file
    // gave the key to several lines, the last one is replaced: the one the game applies.
    void Store(std::string_view key, std::string_view line);
    // Adds the entry after the others even when its key is stored already, so that opening a file
    // keeps every line of it.
    void Append(std::string_view key, std::string_view line);
    bool LookupKey(std::string_view key) const;
    // The line stored under the key (the last one, as Store), or null.
    const std::string* Find(std::string_view key) const;
    // Removes the entries whose line sets the console variable: its first argument is the name, in any
    // case, as the console reads it. Binds and other variables are never touched.
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
