#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cssbinder {

// The most bytes of a say text: what the chat shows of a message, counted in UTF-8 after
// lower-casing and the mends below, so the whole text reaches the chat and the bind line stays far
// under the console's command limit.
inline constexpr std::size_t kSayTextLimit = 127;

// "bind \"<key>\" \"<command>\"" in lower case as a whole, the form the game's console reads. The
// command goes in as it is: the console has no way to quote inside it.
std::string BindLine(std::string_view key, std::string_view command);

// The chat command: "say " for target 0 (to all), "say_team " for any other target, then the text as
// typed, blanks included, mended so that the console reads all of it as the message: quotes become
// apostrophes, semicolons commas, each line break one blank, and a blank goes between two slashes.
// The text is cut where it would pass kSayTextLimit. Not lower-cased.
std::string SayCommand(int sayTarget, std::string_view text);

// The longest start of a say text, in whole characters, that SayCommand keeps.
std::string_view FitSayText(std::string_view text);

// The two lines that enable the console and bind the key to open and close it, joined by "\r\n" so
// that they are stored as one entry under the key; lower-cased.
std::string ConsoleBindValue(std::string_view key);

} // namespace cssbinder
