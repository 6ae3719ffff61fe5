#pragma once

#include <string>
#include <string_view>

namespace cssbinder {

// The game reads its configuration files as Windows code page 1252. A character that the code page
// cannot hold becomes "?", as Windows does for a single-byte program.
std::string EncodeCp1252(std::string_view utf8);

// Lower case as the game's console sees it: A to Z and the accented capitals of code page 1252
// (À to Þ except ×, Š, Œ, Ž, Ÿ) become their small forms; nothing else changes.
std::string ToLowerCp1252(std::string_view utf8);

} // namespace cssbinder
