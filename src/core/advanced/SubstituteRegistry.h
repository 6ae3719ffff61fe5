#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cssbinder {

// What stands in for the system registry where there is none: keys by their path, each holding named
// 32-bit numbers. Its text is INI: one section per key path, one "name=value" line per value in
// decimal. Lines it cannot read are dropped.
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
    struct Key {
        std::string path;
        std::vector<std::pair<std::string, std::uint32_t>> values;
    };
    Key* FindKey(std::string_view path);
    const Key* FindKey(std::string_view path) const;

    std::vector<Key> m_keys;
};

} // namespace cssbinder
