#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cssbinder {

// How the game's console reads a configuration file and a bound key, so that every line the tool
// writes can be checked against what the game will really do with it. All views point into the text
// that was read.

// The longest command the console runs, counting its leading blanks and a line's carriage return.
inline constexpr std::size_t kMaxCommandBytes = 510;
// The most arguments the console reads of one command; later ones are not seen.
inline constexpr std::size_t kMaxCommandArguments = 64;
// The most bytes of a chat message the server passes on.
inline constexpr std::size_t kMaxChatBytes = 127;

// The lines of a file, split after each line feed; a line keeps its carriage return, which the console
// counts as part of the last command. A final line feed starts no further line.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// The commands of one line in the order they run. Outside double quotes a ";" ends a command and "//"
// starts a comment to the end of the line, even inside a word; a quote that is not closed runs to the
// end of the line. A command longer than kMaxCommandBytes is dropped with everything after it on the
// line. Commands of blanks only run nothing and are left out.
std::vector<std::string_view> SplitCommands(std::string_view line);

// Every command of a file, line after line.
std::vector<std::string_view> ReadCommands(std::string_view bytes);

// The arguments of a command: blanks separate them; a double quote opens an argument that runs to
// the next double quote (there is no escape), without the quotes. At most kMaxCommandArguments.
std::vector<std::string_view> Tokenize(std::string_view command);

// The raw text after a command's first argument and the blanks that follow it: what "say" sends.
std::string_view ArgumentText(std::string_view command);

// Whether the command's first argument is the command name; the console ignores the case of names.
bool IsCommand(std::string_view command, std::string_view name);

// A bind command: the key's name and the text pressing the key runs. Several arguments after the key
// are joined by one blank, as typed at the console ("bind w say hi"). Nullopt for any other command
// and for a bind without a text to bind.
struct ConsoleBind {
    std::string_view key;
    std::string boundText;
};
std::optional<ConsoleBind> ReadBind(std::string_view command);

// What pressing a key runs: its bound text, read again by the same rules as a file.
std::vector<std::string_view> ExpandBind(std::string_view boundText);

// The bytes the chat shows for a "say" or "say_team" command, cut to kMaxChatBytes; nullopt for any
// other command.
std::optional<std::string_view> ChatText(std::string_view command);

} // namespace cssbinder
