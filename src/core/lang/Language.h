#pragma once

#include <array>
#include <string_view>

namespace cssbinder {

// The languages of the user interface, by the index the main window keeps.
enum Language : int { English = 0, French = 1, German = 2, Italian = 3, Spanish = 4 };

inline constexpr int kLanguageCount = 5;

// One text in every language, indexed by Language.
using Texts = std::array<std::string_view, kLanguageCount>;

// A language index outside the five is shown as English.
constexpr Language LanguageFromIndex(int index) {
    return index >= English && index <= Spanish ? static_cast<Language>(index) : English;
}

constexpr std::string_view TextIn(const Texts& texts, int language) {
    return texts[LanguageFromIndex(language)];
}

} // namespace cssbinder
