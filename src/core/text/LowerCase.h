#pragma once

#include <string>
#include <string_view>

namespace cssbinder {

// A UTF-8 text with every capital of the Latin (Basic, Latin-1 and Extended-A), Greek and Cyrillic
// alphabets in its small form, by a table; any other character stays. Each small form takes as many
// UTF-8 bytes as its capital, except İ, which becomes i.
std::string ToLowerText(std::string_view utf8);

} // namespace cssbinder
