#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cssbinder {

// What stands in for the system registry where there is none: keys by their path, each holding named
// 32-bit numbers. Its text is INI: one section per key path, one "name=value" line per value in
// decimal. Paths and names compare without regard to ASCII case, as the registry's do. A line it cannot
// read is kept as it stands and written back in its place, so a hand-edited store loses nothing.
// Reading and every change take time in proportion to the store's size at most.
class SubstituteRegistry {
public:
    static SubstituteRegistry Parse(std::string_view text);
    std::string Render() const;

    bool HasKey(std::string_view path) const;
    void CreateKey(std::string_view path);
    // Creates the key when it is missing.
    void SetValue(std::string_view path, std::string_view name, std::uint32_t value);
    void DeleteValue(std::string_view path, std::string_view name);
    std::optional<std::uint32_t> Value(std::string_view path, std::string_view name) const;

private:
    // One line of a key's section: "name=data", or a line without a name kept as it was.
    struct Line {
        std::string text;
        std::size_t nameLength = std::string::npos;
    };
    struct Key {
        std::string path;
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> lineByName; // lower-case name -> index in lines
    };
    Key* FindKey(std::string_view path);
    const Key* FindKey(std::string_view path) const;
    Key& KeyAt(std::string_view path);
    static void SetLine(Key& key, std::string_view name, std::string_view data);

    std::vector<std::string> m_linesBeforeKeys;
    std::vector<Key> m_keys;
    std::unordered_map<std::string, std::size_t> m_keyByPath; // lower-case path -> index in m_keys
};

} // namespace cssbinder
