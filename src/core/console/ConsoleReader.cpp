#include "core/console/ConsoleReader.h"

#include <algorithm>
#include <utility>

namespace cssbinder {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::size_t SkipBlanks(std::string_view text, std::size_t index) {
    while (index < text.size() && IsBlank(text[index])) {
        ++index;
    }
    return index;
}

// The argument that starts at `index` (not a blank) and the index just past it, closing quote included.
std::pair<std::string_view, std::size_t> ArgumentAt(std::string_view command, std::size_t index) {
    if (command[index] == '"') {
        const std::size_t close = std::min(command.find('"', index + 1), command.size());
        return {command.substr(index + 1, close - index - 1), std::min(close + 1, command.size())};
    }
    std::size_t end = index;
    while (end < command.size() && !IsBlank(command[end]) && command[end] != '"') {
        ++end;
    }
    return {command.substr(index, end - index), end};
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
    };
    return std::ranges::equal(a, b, [&lower](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string_view> SplitCommands(std::string_view line) {
    std::vector<std::string_view> commands;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const bool lineEnd = i == line.size() || (!quoted && line.substr(i, 2) == "//");
        if (!lineEnd && line[i] == '"') {
            quoted = !quoted;
        }
        if (lineEnd || (!quoted && line[i] == ';')) {
            const std::string_view command = line.substr(start, i - start);
            if (command.size() > kMaxCommandBytes) {
                break; // "Command too long": the rest of the line goes with it
            }
            if (SkipBlanks(command, 0) < command.size()) {
                commands.push_back(command);
            }
            if (lineEnd) {
                break;
            }
            start = i + 1;
        }
    }
    return commands;
}

std::vector<std::string_view> ReadCommands(std::string_view bytes) {
    std::vector<std::string_view> commands;
    for (const std::string_view line : SplitLines(bytes)) {
        const auto ofLine = SplitCommands(line);
        commands.insert(commands.end(), ofLine.begin(), ofLine.end());
    }
    return commands;
}

std::vector<std::string_view> Tokenize(std::string_view command) {
    std::vector<std::string_view> arguments;
    for (std::size_t i = SkipBlanks(command, 0);
         i < command.size() && arguments.size() < kMaxCommandArguments; i = SkipBlanks(command, i)) {
        const auto [argument, next] = ArgumentAt(command, i);
        arguments.push_back(argument);
        i = next;
    }
    return arguments;
}

std::string_view ArgumentText(std::string_view command) {
    const std::size_t first = SkipBlanks(command, 0);
    if (first == command.size()) {
        return {};
    }
    return command.substr(SkipBlanks(command, ArgumentAt(command, first).second));
}

bool IsCommand(std::string_view command, std::string_view name) {
    const std::size_t first = SkipBlanks(command, 0);
    return first < command.size() && EqualIgnoringAsciiCase(ArgumentAt(command, first).first, name);
}

std::optional<ConsoleBind> ReadBind(std::string_view command) {
    const auto arguments = Tokenize(command);
    if (arguments.size() < 3 || !EqualIgnoringAsciiCase(arguments[0], "bind")) {
        return std::nullopt;
    }
    ConsoleBind bind{arguments[1], std::string(arguments[2])};
    for (std::size_t i = 3; i < arguments.size(); ++i) {
        bind.boundText += ' ';
        bind.boundText += arguments[i];
    }
    return bind;
}

std::vector<std::string_view> ExpandBind(std::string_view boundText) {
    return ReadCommands(boundText);
}

std::optional<std::string_view> ChatText(std::string_view command) {
    if (!IsCommand(command, "say") && !IsCommand(command, "say_team")) {
        return std::nullopt;
    }
    return ArgumentText(command).substr(0, kMaxChatBytes);
}

} // namespace cssbinder
