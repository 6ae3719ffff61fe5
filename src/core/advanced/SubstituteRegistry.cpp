#include "core/advanced/SubstituteRegistry.h"

#include <algorithm>
#include <charconv>

namespace cssbinder {
namespace {

std::string_view WithoutLineEnd(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

std::optional<std::uint32_t> ParseDecimal(std::string_view text) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

SubstituteRegistry SubstituteRegistry::Parse(std::string_view text) {
    SubstituteRegistry registry;
    Key* section = nullptr;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = WithoutLineEnd(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));

        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            registry.CreateKey(line.substr(1, line.size() - 2));
            section = registry.FindKey(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::optional<std::uint32_t> value =
            equals == std::string_view::npos ? std::nullopt : ParseDecimal(line.substr(equals + 1));
        if (section != nullptr && equals > 0 && value) {
            registry.SetValue(section->path, line.substr(0, equals), *value);
        }
    }
    return registry;
}

std::string SubstituteRegistry::Render() const {
    std::string text;
    for (const Key& key : m_keys) {
        text += '[' + key.path + "]\n";
        for (const auto& [name, value] : key.values) {
            text += name + '=' + std::to_string(value) + '\n';
        }
    }
    return text;
}

SubstituteRegistry::Key* SubstituteRegistry::FindKey(std::string_view path) {
    const auto found =
        std::find_if(m_keys.begin(), m_keys.end(), [path](const Key& key) { return key.path == path; });
    return found == m_keys.end() ? nullptr : &*found;
}

const SubstituteRegistry::Key* SubstituteRegistry::FindKey(std::string_view path) const {
    return const_cast<SubstituteRegistry*>(this)->FindKey(path);
}

bool SubstituteRegistry::HasKey(std::string_view path) const {
    return FindKey(path) != nullptr;
}

void SubstituteRegistry::CreateKey(std::string_view path) {
    if (!HasKey(path)) {
        m_keys.push_back({std::string(path), {}});
    }
}

void SubstituteRegistry::SetValue(std::string_view path, std::string_view name, std::uint32_t value) {
    CreateKey(path);
    auto& values = FindKey(path)->values;
    const auto found =
        std::find_if(values.begin(), values.end(), [name](const auto& entry) { return entry.first == name; });
    if (found != values.end()) {
        found->second = value;
    } else {
        values.emplace_back(std::string(name), value);
    }
}

void SubstituteRegistry::DeleteValue(std::string_view path, std::string_view name) {
    if (Key* key = FindKey(path)) {
        std::erase_if(key->values, [name](const auto& entry) { return entry.first == name; });
    }
}

std::optional<std::uint32_t> SubstituteRegistry::Value(std::string_view path, std::string_view name) const {
    const Key* key = FindKey(path);
    if (key == nullptr) {
        return std::nullopt;
    }
    const auto found = std::find_if(key->values.begin(), key->values.end(),
                                    [name](const auto& entry) { return entry.first == name; });
    return found == key->values.end() ? std::nullopt : std::optional<std::uint32_t>(found->second);
}

} // namespace cssbinder
