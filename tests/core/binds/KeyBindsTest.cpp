#include "core/binds/BindLine.h"
#include "core/binds/BuyScript.h"
#include "core/binds/KeyCatalogue.h"
#include "core/binds/WeaponLists.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
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

// The text is cut before the character that would take the chat past 127 bytes, counted after the
// mends and lower-casing; FitSayText keeps as much of the typed text.
TEST(BindLine, SayCommandKeepsTheTextButMendsWhatTheConsoleWouldCutAndFitsTheChat) {
    const std::string x126(126, 'x');
    const std::tuple<int, std::string, std::string> cases[] = {
        {1, "GG All", "say_team GG All"},
        {2, "rush B", "say_team rush B"},
        {0, "  two  blanks ", "say   two  blanks "},
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

// Outside the items and separators: nothing; most weapons named from their text, some by a fixed
// name; the last two switch to any weapon of a family. (How the game reads each bind line is the
// console reader's test.)
TEST(WeaponLists, QuickWeaponCommandOfEachKindOfPosition) {
    for (const int nothing : {0, -1, 39, 1, 8, 11, 17, 28, 30, 34}) {
        EXPECT_EQ(QuickWeaponCommand(nothing), std::nullopt) << nothing;
    }
    const std::pair<int, const char*> cases[] = {
        {2, "use weapon_Glock"},         {12, "use weapon_MAC10"},     {25, "use weapon_SG550"},
        {27, "use weapon_AWP"},          {29, "use weapon_M249"},      {35, "use weapon_Knife"},
        {36, "use weapon_C4"},           {5, "use weapon_deagle"},     {6, "use weapon_elite"},
        {7, "use weapon_fiveseven"},     {31, "use weapon_hegrenade"}, {32, "use weapon_flashbang"},
        {33, "use weapon_smokegrenade"},
    };
    for (const auto& [position, command] : cases) {
        EXPECT_EQ(QuickWeaponCommand(position), command) << position;
    }
    EXPECT_EQ(QuickWeaponCommand(37), "use weapon_deagle; use weapon_usp; use weapon_glock; use weapon_p228; "
                                      "use weapon_elite; use weapon_fiveseven");
    EXPECT_EQ(QuickWeaponCommand(38),
              "use weapon_ak47; use weapon_aug; use weapon_g3sg1; use weapon_m249; use weapon_m4a1; "
              "use weapon_m3; use weapon_mac10; use weapon_mp5navy; use weapon_p90; use weapon_scout; "
              "use weapon_sg552; use weapon_sg550; use weapon_ump45; use weapon_tmp; use weapon_xm1014; "
              "use weapon_awp; use weapon_galil; use weapon_famas");
    // A derived name ends before the blank ahead of the first bracket.
    for (const auto& [item, name] :
         {std::pair("MAC10 (T)", "MAC10"), std::pair("Five Seven (CT)", "Five Seven"),
          std::pair("A (x) (y)", "A"), std::pair("(T)", "(T)"), std::pair("", "")}) {
        EXPECT_EQ(DerivedWeaponName(item), name) << item;
    }
}

// Rows: what is chosen (positions in the weapon lists, armour radio index 0 Kevlar), the command.
TEST(BuyScript, ChainsTheChosenPiecesInBuyOrderWithoutATrailingSemicolon) {
    const std::pair<BuyChoices, const char*> cases[] = {
        {{}, ""},
        {{.secondary = -1, .primary1 = 0, .primary2 = -1, .armor = -1}, ""},
        {{.secondary = 7, .primary1 = 23, .primary2 = 99, .armor = 3}, ""},
        {{.primary1 = 1, .primary2 = 21}, ""},
        {{.armor = 0}, "buy vest"},
        {{.secondary = 6}, "buy fiveseven"},
        {{.primary1 = 10, .primary2 = 19}, "buy Scout"},
        {{.secondary = 5, .primary2 = 5}, "buy elite;buy MAC10"},
        {{.primary1 = 13, .primary2 = 13}, "buy AK47;buy AK47"}};
    for (const auto& [choices, command] : cases) {
        EXPECT_EQ(BuyCommand(choices), command) << command;
    }
    BuyChoices all{.secondary = 1, .primary1 = 2, .primary2 = 22, .armor = 0};
    all.defuser = all.heGrenade = all.flashbang1 = all.flashbang2 = all.smokeGrenade = all.primaryAmmo =
        all.secondaryAmmo = all.nightVision = true;
    EXPECT_EQ(BuyCommand(all), "buy Glock;buy M3;buy M249;buy defuser;buy vest;buy hegrenade;buy flashbang;"
                               "buy flashbang;buy smokegrenade;buy primammo;buy secammo;buy nvgs");
}

} // namespace
} // namespace cssbinder
