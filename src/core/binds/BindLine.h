#pragma once

#include <string>
#include <string_view>

namespace cssbinder {

// The most characters the say field of the bind form takes.
inline constexpr int kSayTextLimit = 255;

// "bind \"<key>\" \"<command>\"" in lower case as a whole, the form the game's console reads. The
// command goes in as it is: the console has no way to quote inside it.
std::string BindLine(std::string_view key, std::string_view command);

// The chat command: "say " for target 0 (to all), "say_team " for any other target, then the text as
// typed, blanks included, except that quotes become apostrophes, semicolons commas and each line
// break one blank. Not lower-cased.
std::string SayCommand(int sayTarget, std::string_view text);

// The two lines that enable the console and bind the key to open and close it, joined by "\r\n" so
// that they are stored as one entry under the key; lower-cased.
std::string ConsoleBindValue(std::string_view key);

} // namespace cssbinder
