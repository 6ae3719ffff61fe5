#include "core/binds/BindLine.h"
#include "core/binds/KeyCatalogue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace cssbinder {
namespace {

// Each list's first and last keys, the position past it (nullptr: no key), and the keys the game names
// its own way. The title names the list, not a key; nor does "no selection" or an unknown list.
TEST(KeyCatalogue, GameKeyNameByListAndPosition) {
    const std::pair<int, std::vector<std::pair<int, const char*>>> cases[] = {
        {LettersCombo, {{1, "A"}, {26, "Z"}, {27, nullptr}}},
        {NumbersCombo, {{1, "0"}, {10, "9"}, {11, nullptr}}},
        {FunctionKeysCombo, {{1, "F1"}, {12, "F12"}, {13, nullptr}}},
        {MiscKeysCombo,
         {{1, "Escape"}, {8, "\xC3\xB9"}, {11, ";"}, {24, "PGDN"}, {30, "Rightarrow"}, {31, nullptr}}},
        {KeyPadCombo, {{16, nullptr}}},
        {MouseButtonsCombo, {{1, "mouse1"}, {5, "mouse5"}, {6, "mwheelup"}, {7, "mwheeldown"}, {8, nullptr}}},
        {NoKeyCombo, {{1, nullptr}}},
        {7, {{1, nullptr}}},
        {-1, {{1, nullptr}}},
    };
    for (const auto& [combo, keys] : cases) {
        for (const auto& [position, name] : keys) {
            const auto expected = name ? std::optional<std::string>(name) : std::nullopt;
            EXPECT_EQ(GameKeyName(combo, position), expected) << combo << '/' << position;
        }
        EXPECT_EQ(GameKeyName(combo, 0), std::nullopt) << combo;
        EXPECT_EQ(GameKeyName(combo, -1), std::nullopt) << combo;
    }
    EXPECT_EQ(KeyComboList(MiscKeysCombo).items[23], "PGDOWN");
    EXPECT_THROW(KeyComboList(NoKeyCombo), std::out_of_range);
    EXPECT_THROW(KeyComboList(7), std::out_of_range);
}

// The game names every key of the pad its own way, most by the navigation function of the digit.
TEST(KeyCatalogue, KeyPadKeysHaveTheGamesNames) {
    const char* const names[] = {"kp_end",        "kp_downarrow", "kp_pgdn",    "kp_leftarrow", "kp_5",
                                 "kp_rightarrow", "kp_home",      "kp_uparrow", "kp_pgup",      "kp_ins",
                                 "kp_enter",      "kp_del",       "kp_slash",   "kp_minus",     "kp_plus"};
    for (int position = 1; position <= 15; ++position) {
        EXPECT_EQ(GameKeyName(KeyPadCombo, position), names[position - 1]) << position;
    }
}

// The whole line is lower-cased, catalogue keys and accented capitals included; ù, already small, stays.
TEST(BindLine, QuotesKeyAndCommandInSmallLetters) {
    EXPECT_EQ(BindLine(GameKeyName(MiscKeysCombo, 24).value(), "buy vest"), "bind \"pgdn\" \"buy vest\"");
    EXPECT_EQ(BindLine("F1", "say Hello"), "bind \"f1\" \"say hello\"");
    EXPECT_EQ(BindLine("\xC3\xB9", "say \xC3\x89T\xC3\x89"), "bind \"\xC3\xB9\" \"say \xC3\xA9t\xC3\xA9\"");
    EXPECT_EQ(ConsoleBindValue("kp_INS"), "con_enable 1\r\nbind \"kp_ins\" \"toggleconsole\"");
}

// The text is cut before the character that would take the chat past 127 bytes, counted after the
// mends and lower-casing; FitSayText keeps as much of the typed text.
TEST(BindLine, SayCommandKeepsTheTextButMendsWhatTheConsoleWouldCutAndFitsTheChat) {
    const std::string x126(126, 'x');
    const std::tuple<int, std::string, std::string> cases[] = {
        {0, "Hello", "say Hello"},
        {1, "GG All", "say_team GG All"},
        {2, "rush B", "say_team rush B"},
        {0, "  two  blanks ", "say   two  blanks "},
        {0, "he said \"go\"; now", "say he said 'go', now"},
        {0, "d\xC3\xA9j\xC3\xA0 vu; \"ok\"", "say d\xC3\xA9j\xC3\xA0 vu, 'ok'"},
        {0, "gl\r\nhf\nwp\r", "say gl hf wp "},
        {0, "see http://x ///", "say see http:/ /x / / /"},
        {0, x126 + "XY", "say " + x126 + 'X'},
        {0, x126 + "\xC3\x89", "say " + x126},                       // É takes two bytes
        {0, x126.substr(2) + "a//", "say " + x126.substr(2) + "a/"}, // the blank counts
    };
    for (const auto& [target, text, command] : cases) {
        EXPECT_EQ(SayCommand(target, text), command) << text;
        EXPECT_EQ(SayCommand(target, FitSayText(text)), command) << text;
    }
}

} // namespace
} // namespace cssbinder
