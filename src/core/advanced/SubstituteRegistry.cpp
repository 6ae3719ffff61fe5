#include "core/advanced/SubstituteRegistry.h"

#include <algorithm>
#include <charconv>

namespace cssbinder {
namespace {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
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
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        while (line.ends_with('\r')) {
            line.remove_suffix(1);
        }

        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = &registry.KeyAt(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (section == nullptr) {
            registry.m_linesBeforeKeys.emplace_back(line);
        } else if (equals == 0 || equals == std::string_view::npos) {
            section->lines.push_back({std::string(line)});
        } else {
            SetLine(*section, line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return registry;
}

std::string SubstituteRegistry::Render() const {
    std::string text;
    for (const std::string& line : m_linesBeforeKeys) {
        text += line + '\n';
    }
    for (const Key& key : m_keys) {
        text += '[' + key.path + "]\n";
        for (const Line& line : key.lines) {
            text += line.text + '\n';
        }
    }
    return text;
}

SubstituteRegistry::Key* SubstituteRegistry::FindKey(std::string_view path) {
    const auto found = m_keyByPath.find(LowerCase(path));
    return found == m_keyByPath.end() ? nullptr : &m_keys[found->second];
}

const SubstituteRegistry::Key* SubstituteRegistry::FindKey(std::string_view path) const {
    return const_cast<SubstituteRegistry*>(this)->FindKey(path);
}

SubstituteRegistry::Key& SubstituteRegistry::KeyAt(std::string_view path) {
    const auto [found, added] = m_keyByPath.try_emplace(LowerCase(path), m_keys.size());
    if (added) {
        m_keys.push_back({std::string(path), {}, {}});
    }
    return m_keys[found->second];
}

// A name met again keeps its first spelling and place and takes the new data.
void SubstituteRegistry::SetLine(Key& key, std::string_view name, std::string_view data) {
    const auto [found, added] = key.lineByName.try_emplace(LowerCase(name), key.lines.size());
    if (added) {
        key.lines.push_back({std::string(name), name.size()});
    }
    Line& line = key.lines[found->second];
    line.text.resize(line.nameLength);
    line.text += '=';
    line.text += data;
}

bool SubstituteRegistry::HasKey(std::string_view path) const {
    return FindKey(path) != nullptr;
}

void SubstituteRegistry::CreateKey(std::string_view path) {
    KeyAt(path);
}

void SubstituteRegistry::SetValue(std::string_view path, std::string_view name, std::uint32_t value) {
    SetLine(KeyAt(path), name, std::to_string(value));
}

void SubstituteRegistry::DeleteValue(std::string_view path, std::string_view name) {
    Key* key = FindKey(path);
    if (key == nullptr) {
        return;
    }
    const auto found = key->lineByName.find(LowerCase(name));
    if (found == key->lineByName.end()) {
        return;
    }
    const std::size_t index = found->second;
    key->lines.erase(key->lines.begin() + static_cast<std::ptrdiff_t>(index));
    key->lineByName.erase(found);
    for (auto& [lowerName, at] : key->lineByName) {
        at -= at > index ? 1 : 0;
    }
}

std::optional<std::uint32_t> SubstituteRegistry::Value(std::string_view path, std::string_view name) const {
    const Key* key = FindKey(path);
    if (key == nullptr) {
        return std::nullopt;
    }
    const auto found = key->lineByName.find(LowerCase(name));
    if (found == key->lineByName.end()) {
        return std::nullopt;
    }
    const Line& line = key->lines[found->second];
    return ParseDecimal(std::string_view(line.text).substr(line.nameLength + 1));
}

} // namespace cssbinder
