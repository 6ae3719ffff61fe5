#include "core/binds/BindLine.h"
#include "core/binds/KeyCatalogue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace cssbinder {
namespace {

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : "|") + text;
    }
    return joined;
}

// Every list whole: its titles, its items and the game's name of each (blank: the item itself). The
// title, no selection, a position past the list and a number of no list are no key.
TEST(KeyCatalogue, EveryListWithTheGamesNameOfEachKey) {
    struct List {
        int combo;
        const char* titles;
        const char* items;
        const char* names;
    };
    const List lists[] = {
        {LettersCombo, "Letters|Lettres", "A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z", ""},
        {NumbersCombo, "Numbers|Nombres", "0|1|2|3|4|5|6|7|8|9", ""},
        {FunctionKeysCombo, "Function Keys|Touches de fonction", "F1|F2|F3|F4|F5|F6|F7|F8|F9|F10|F11|F12",
         ""},
        {MiscKeysCombo, "Misc Keys|Touches diverses",
         "Escape|Pause|)|=|^|$|*|\xC3\xB9|!|:|;|,|Backspace|ENTER|TAB|SHIFT|CTRL|ALT|Ins|Del|Home|End|PGUP|"
         "PGDOWN|Capslock|Space|Uparrow|Downarrow|Leftarrow|Rightarrow",
         "Escape|Pause|)|=|^|$|*|\xC3\xB9|!|:|;|,|Backspace|ENTER|TAB|SHIFT|CTRL|ALT|Ins|Del|Home|End|PGUP|"
         "PGDN|Capslock|Space|Uparrow|Downarrow|Leftarrow|Rightarrow"},
        {KeyPadCombo, "Key Pad Keys|Touches du pav\xC3\xA9 num\xC3\xA9rique",
         "Key Pad 1|Key Pad 2|Key Pad 3|Key Pad 4|Key Pad 5|Key Pad 6|Key Pad 7|Key Pad 8|Key Pad 9|"
         "Key Pad 0|Key Pad Enter|Key Pad Delete|Key Pad Slash|Key Pad Minus|Key Pad Plus",
         "kp_end|kp_downarrow|kp_pgdn|kp_leftarrow|kp_5|kp_rightarrow|kp_home|kp_uparrow|kp_pgup|kp_ins|"
         "kp_enter|kp_del|kp_slash|kp_minus|kp_plus"},
        {MouseButtonsCombo, "Mouse Buttons|Boutons de la souris",
         "Mouse Left Click|Mouse Right Click|Mouse Middle Click|Mouse Button 4|Mouse Button 5|Mouse Wheel Up|"
         "Mouse Wheel Down",
         "mouse1|mouse2|mouse3|mouse4|mouse5|mwheelup|mwheeldown"},
    };
    for (const List& expected : lists) {
        const ComboList& list = KeyComboList(expected.combo);
        std::vector<std::string> items(list.items.begin(), list.items.end());
        std::vector<std::string> names;
        for (int position = 1; position <= static_cast<int>(items.size()); ++position) {
            names.push_back(GameKeyName(expected.combo, position).value_or("<none>"));
        }
        EXPECT_EQ(Joined({std::string(list.Title(false)), std::string(list.Title(true))}), expected.titles);
        EXPECT_EQ(Joined(items), expected.items);
        EXPECT_EQ(Joined(names), *expected.names != 0 ? expected.names : expected.items);
        for (const int position : {0, -1, static_cast<int>(items.size()) + 1}) {
            EXPECT_EQ(GameKeyName(expected.combo, position), std::nullopt)
                << expected.combo << '/' << position;
        }
    }
    for (const int combo : {0, 7, -1}) {
        EXPECT_EQ(GameKeyName(combo, 1), std::nullopt) << combo;
        EXPECT_THROW(KeyComboList(combo), std::out_of_range);
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
