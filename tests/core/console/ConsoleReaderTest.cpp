#include "core/console/ConsoleReader.h"
#include "core/binds/BindLine.h"
#include "core/binds/BuyScript.h"
#include "core/binds/KeyCatalogue.h"
#include "core/binds/WeaponLists.h"
#include "core/document/ConfigFileBytes.h"
#include "core/text/LowerCase.h"
#include "core/text/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
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
    };
    for (const auto& [text, description] : cases) {
        EXPECT_EQ(Describe(text), description) << text;
    }
    EXPECT_EQ(Tokenize("echo" + std::string(200, '"')).size(), 64u); // one empty argument a pair of quotes
}

// What the tool means by a command it writes, described as Describe does: commands chained by ";",
// words parted by one blank, a value in quotes.
std::string Meant(std::string_view command) {
    std::string description;
    for (std::size_t start = 0; start <= command.size();) {
        const std::size_t end = std::min(command.find(';', start), command.size());
        std::string_view piece = command.substr(start, end - start);
        piece.remove_prefix(piece.starts_with(' ') ? 1 : 0);
        std::string words = '[' + std::string(piece) + ']';
        std::replace(words.begin(), words.end(), ' ', '|');
        std::erase(words, '"');
        description += words;
        start = end + 1;
    }
    return description;
}

// The file holding one entry the tool stores, as the game reads it.
std::string GameReading(std::string_view line) {
    return Describe(ToConfigFileBytes(std::string(line) + "\r\n"));
}

std::string BindMeant(std::string_view key, std::string_view command) {
    const std::string lower = ToLowerText(command);
    return "[bind|" + ToLowerText(key) + '|' + lower + "] =>" + Meant(lower) + " <=";
}

// A say text of up to 90 characters the console or the chat might read their own way.
std::string RandomSayText(std::mt19937& random) {
    const std::u32string_view characters =
        U"aZ  \"\";;///'{}:\t\r\n\u00E9\u00C9\u0178\u0152\u00DF\u0130\u0416\u044F"
        U"\u03A9\u0386\u4E2D\U0001F600";
    std::string text;
    for (auto count = random() % 90; count > 0; --count) {
        AppendUtf8(text, characters[random() % characters.size()]);
    }
    return text;
}

// Read through the bytes of the saved file; pressing a bound key runs exactly the commands meant, and a
// say text reaches the chat as the preview box shows it.
TEST(ConsoleReader, EveryLineTheToolWritesIsReadAsMeant) {
    for (int combo = LettersCombo; combo <= MouseButtonsCombo; ++combo) {
        for (int position = 1; const auto key = GameKeyName(combo, position); ++position) {
            EXPECT_EQ(GameReading(ConsoleBindValue(*key)),
                      "[con_enable|1]" + BindMeant(*key, "toggleconsole"));
        }
    }
    for (int position = 1; position < 40; ++position) {
        for (const std::string& command :
             {BuyCommand({.secondary = position}), BuyCommand({.primary1 = position, .armor = position % 3}),
              BuyCommand({.primary2 = position}), QuickWeaponCommand(position).value_or("")}) {
            EXPECT_TRUE(command.empty() ||
                        GameReading(BindLine("kp_ins", command)) == BindMeant("kp_ins", command))
                << command;
        }
    }
    std::mt19937 random(20);
    for (int i = 0; i < 4000; ++i) {
        const std::string typed = RandomSayText(random);
        const std::string_view kept = FitSayText(typed); // all the say field takes
        const std::string line = BindLine("F1", SayCommand(i % 2, kept));
        const std::string start = i % 2 == 0 ? "bind \"f1\" \"say " : "bind \"f1\" \"say_team ";
        ASSERT_TRUE(line.starts_with(start) && line.ends_with('"')) << line;
        const std::string shown = line.substr(start.size(), line.size() - start.size() - 1);
        const std::string file = ToConfigFileBytes(line + "\r\n");
        const auto read = ReadCommands(file);
        const auto bind = read.size() == 1 ? ReadBind(read[0]) : std::nullopt;
        ASSERT_TRUE(bind && bind->key == "f1") << typed;
        const auto pressed = ExpandBind(bind->boundText);
        ASSERT_EQ(pressed.size(), 1u) << typed;
        // The console parts the message from "say" by the blanks after it.
        const std::size_t message = std::min(shown.find_first_not_of(" \t"), shown.size());
        EXPECT_EQ(ChatText(pressed[0]), shown.substr(message)) << typed;
    }
}

} // namespace
} // namespace cssbinder
