#pragma once

#include <string>
#include <string_view>

namespace cssbinder {

// The small form of a capital letter by a table of the Latin (Basic, Latin-1 and Extended-A), Greek
// and Cyrillic alphabets; any other character stays. Each small form takes as many UTF-8 bytes as its
// capital, except İ, which becomes i.
char32_t ToLowerLetter(char32_t codePoint);

// A UTF-8 text with every capital of the table in its small form.
std::string ToLowerText(std::string_view utf8);

} // namespace cssbinder
