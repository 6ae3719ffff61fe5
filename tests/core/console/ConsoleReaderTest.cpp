#include "core/console/ConsoleReader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace cssbinder {
namespace {

// What the console does with a text: each command as [its arguments joined by "|"]; a bind adds
// "=>" and what pressing its key runs, described the same way; a chat command adds what the chat shows.
std::string Describe(std::string_view text) {
    std::string description;
    for (const std::string_view command : ReadCommands(text)) {
        std::string separator = "[";
        for (const std::string_view argument : Tokenize(command)) {
            description.append(separator).append(argument);
            separator = "|";
        }
        description += separator == "[" ? "[]" : "]";
        if (const auto bind = ReadBind(command)) {
            description += " =>" + Describe(bind->boundText) + " <=";
        }
        if (const auto chat = ChatText(command)) {
            description += " chat{" + std::string(*chat) + '}';
        }
    }
    return description;
}

TEST(ConsoleReader, ReadsFilesAndBoundKeysAsTheGameDoes) {
    const auto repeat = [](std::string_view piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i) {
            text += piece;
        }
        return text;
    };
    const std::string longSay = "say " + std::string(130, 'x');
    const auto command = [](std::size_t bytes) { // "  echo aaa...\r", leading blanks and CR counted
        return "  echo " + std::string(bytes - 8, 'a') + '\r';
    };
    const std::pair<std::string, std::string> cases[] = {
        {"say http://x", "[say|http:] chat{http:}"},
        {"bind \"k\" \"say a;b\"", "[bind|k|say a;b] =>[say|a] chat{a}[b] <="},
        {"bind \"k\" \"say see //this\"", "[bind|k|say see //this] =>[say|see] chat{see } <="},
        {"a;b // c;d\r\ne\nf", "[a][b][e][f]"},
        {"echo \"a;b//c\" d", "[echo|a;b//c|d]"},
        {"echo \"a;b\r\nc", "[echo|a;b\r][c]"},
        {"\"foo\"bar\"\"", "[foo|bar|]"},
        {" ;; \t;\r\n// only a comment\n\n", ""},
        {"say   two  blanks ", "[say|two|blanks] chat{two  blanks }"},
        {"SAY_TEAM \"hi\"", "[SAY_TEAM|hi] chat{\"hi\"}"},
        {"bind w say hi", "[bind|w|say|hi] =>[say|hi] chat{hi} <="},
        {"bind w;bind", "[bind|w][bind]"},
        {longSay, "[say|" + longSay.substr(4) + "] chat{" + longSay.substr(4, 127) + '}'},
        {command(510) + "\nnext", "[echo|" + std::string(502, 'a') + "][next]"},
        {command(511) + "\nnext", "[next]"},
        {"x;" + command(511) + ";y\nnext", "[x][next]"},
        {"echo" + repeat(" a", 70), "[echo" + repeat("|a", 63) + ']'},
    };
    for (const auto& [text, description] : cases) {
        EXPECT_EQ(Describe(text), description) << text;
    }
}

} // namespace
} // namespace cssbinder
