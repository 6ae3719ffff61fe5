#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace cssbinder {

// A drop-down list of the bind form: its title item, which names the list, and the items after it.
// The lists are unsorted and the window reads only positions, so an item is known by its position:
// 0 is the title, 1 the first item after it.
struct ComboList {
    std::string_view englishTitle;
    std::string_view frenchTitle;
    std::span<const std::string_view> items;

    std::string_view Title(bool french) const { return french ? frenchTitle : englishTitle; }
};

// The index into the items of a list position, or nullopt for the title, no selection (-1) and
// positions past the last item.
constexpr std::optional<std::size_t> ItemIndex(int position, std::size_t itemCount) {
    if (position < 1 || static_cast<std::size_t>(position) > itemCount) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(position - 1);
}

// The item texts of a table whose rows pair an item with what it stands for, so that a list and its
// meanings are written down once, side by side.
template <typename Row, std::size_t N>
constexpr std::array<std::string_view, N> ItemTexts(const std::array<Row, N>& rows) {
    std::array<std::string_view, N> texts{};
    for (std::size_t i = 0; i < N; ++i) {
        texts[i] = rows[i].item;
    }
    return texts;
}

} // namespace cssbinder
