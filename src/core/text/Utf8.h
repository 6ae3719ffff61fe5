#pragma once

#include <string>
#include <string_view>

namespace cssbinder {

// Calls visit(codePoint) for every character of a UTF-8 text; a malformed sequence is one U+FFFD.
template <typename Visitor> void ForEachCodePoint(std::string_view utf8, Visitor&& visit);

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

char32_t DecodeUtf8At(std::string_view utf8, std::size_t& index);

// Whether the bytes are UTF-8 throughout: no malformed, overlong or surrogate sequence.
bool IsValidUtf8(std::string_view bytes);

template <typename Visitor> void ForEachCodePoint(std::string_view utf8, Visitor&& visit) {
    std::size_t index = 0;
    while (index < utf8.size()) {
        visit(DecodeUtf8At(utf8, index));
    }
}

} // namespace cssbinder
