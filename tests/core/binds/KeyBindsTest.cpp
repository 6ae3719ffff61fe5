#include "core/binds/BindLine.h"
#include "core/binds/BuyScript.h"
#include "core/binds/KeyCatalogue.h"
#include "core/binds/WeaponLists.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace cssbinder {
namespace {

// Each list's titles and size, and a key that proves its mapping: the ends of the lists, and a key named
// by another spelling or a name of its own. The title, no selection, a position past the list and a
// number of no list are no key.
TEST(KeyCatalogue, EachListItsTitlesSizeAndTheGamesNameOfAKey) {
    // Titles, size, then a key's position, item and game name.
    const std::tuple<int, const char*, int, int, const char*, const char*> lists[] = {
        {LettersCombo, "Letters|Lettres", 26, 26, "Z", "Z"},
        {NumbersCombo, "Numbers|Nombres", 10, 1, "0", "0"},
        {FunctionKeysCombo, "Function Keys|Touches de fonction", 12, 12, "F12", "F12"},
        {MiscKeysCombo, "Misc Keys|Touches diverses", 30, 24, "PGDOWN", "PGDN"},
        {KeyPadCombo, "Key Pad Keys|Touches du pavé numérique", 15, 8, "Key Pad 8", "kp_uparrow"},
        {MouseButtonsCombo, "Mouse Buttons|Boutons de la souris", 7, 7, "Mouse Wheel Down", "mwheeldown"},
    };
    for (const auto& [combo, titles, size, position, item, name] : lists) {
        const ComboList& list = KeyComboList(combo);
        EXPECT_EQ(std::string(list.Title(false)) + '|' + std::string(list.Title(true)), titles);
        EXPECT_EQ(std::pair(list.items.size(), list.items[static_cast<std::size_t>(position - 1)]),
                  std::pair(static_cast<std::size_t>(size), std::string_view(item)));
        EXPECT_EQ(GameKeyName(combo, position), name) << item;
        for (const int outside : {0, -1, size + 1}) {
            EXPECT_EQ(GameKeyName(combo, outside), std::nullopt) << combo << '/' << outside;
        }
    }
    for (const int combo : {0, 7, -1}) {
        EXPECT_EQ(GameKeyName(combo, 1), std::nullopt) << combo;
        EXPECT_THROW(KeyComboList(combo), std::out_of_range);
    }
    // Every key of the pad and the mouse by the game's own name: a misspelt one binds nothing.
    std::string names;
    for (const int combo : {KeyPadCombo, MouseButtonsCombo}) {
        for (int position = 1; position <= static_cast<int>(KeyComboList(combo).items.size()); ++position) {
            names += GameKeyName(combo, position).value_or("?") + ' ';
        }
    }
    EXPECT_EQ(names, "kp_end kp_downarrow kp_pgdn kp_leftarrow kp_5 kp_rightarrow kp_home kp_uparrow kp_pgup "
                     "kp_ins kp_enter kp_del kp_slash kp_minus kp_plus mouse1 mouse2 mouse3 mouse4 mouse5 "
                     "mwheelup mwheeldown ");
}

// The text is cut before the character that would take the chat past 127 bytes, counted after the
// mends and lower-casing; FitSayText keeps as much of the typed text.
TEST(BindLine, SayCommandKeepsTheTextButMendsWhatTheConsoleWouldCutAndFitsTheChat) {
    const std::string x126(126, 'x');
    const std::tuple<int, std::string, std::string> cases[] = {
        {1, "GG All", "say_team GG All"},
        {2, "rush B", "say_team rush B"},
        {0, "  two  blanks ", "say   two  blanks "},
        {0, "déjà vu; \"ok\"", "say déjà vu, 'ok'"},
        {0, "gl\r\nhf\nwp\r", "say gl hf wp "},
        {0, "see http://x ///", "say see http:/ /x / / /"},
        {0, x126 + "XY", "say " + x126 + 'X'},
        {0, x126 + "É", "say " + x126},                              // É takes two bytes
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
        {2, "use weapon_Glock"},  {29, "use weapon_M249"},      {36, "use weapon_C4"},
        {5, "use weapon_deagle"}, {31, "use weapon_hegrenade"}, {33, "use weapon_smokegrenade"},
    };
    for (const auto& [position, command] : cases) {
        EXPECT_EQ(QuickWeaponCommand(position), command) << position;
    }
    // A family's row is its whole command, as it stands.
    EXPECT_TRUE(QuickWeaponCommand(37).value_or("").starts_with("use weapon_deagle; use weapon_usp; "));
    EXPECT_TRUE(QuickWeaponCommand(38).value_or("").ends_with("; use weapon_galil; use weapon_famas"));
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
