#include "core/binds/KeyCatalogue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace cssbinder {
namespace {

struct ListCase {
    int combo;
    const char* english;
    const char* french;
    std::size_t size;
};

TEST(KeyCatalogue, ListsHaveTheirTitlesAndSizes) {
    const ListCase cases[] = {
        {LettersCombo, "Letters", "Lettres", 26},
        {NumbersCombo, "Numbers", "Nombres", 10},
        {FunctionKeysCombo, "Function Keys", "Touches de fonction", 12},
        {MiscKeysCombo, "Misc Keys", "Touches diverses", 30},
        {KeyPadCombo, "Key Pad Keys", "Touches du pav\xC3\xA9 num\xC3\xA9rique", 15},
        {MouseButtonsCombo, "Mouse Buttons", "Boutons de la souris", 7},
    };
    for (const ListCase& test : cases) {
        const ComboList& list = KeyComboList(test.combo);
        EXPECT_EQ(list.Title(false), test.english) << test.combo;
        EXPECT_EQ(list.Title(true), test.french) << test.combo;
        EXPECT_EQ(list.items.size(), test.size) << test.combo;
    }
    EXPECT_THROW(KeyComboList(NoKeyCombo), std::out_of_range);
    EXPECT_THROW(KeyComboList(7), std::out_of_range);
}

// Letters, numbers and function keys are named by their text, so check them against generated names.
TEST(KeyCatalogue, LettersNumbersAndFunctionKeysAreNamedByTheirText) {
    for (int i = 0; i < 26; ++i) {
        const std::string letter(1, static_cast<char>('A' + i));
        EXPECT_EQ(KeyComboList(LettersCombo).items[static_cast<std::size_t>(i)], letter);
        EXPECT_EQ(GameKeyName(LettersCombo, i + 1), letter);
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(KeyComboList(NumbersCombo).items[static_cast<std::size_t>(i)], std::to_string(i));
        EXPECT_EQ(GameKeyName(NumbersCombo, i + 1), std::to_string(i));
    }
    for (int i = 1; i <= 12; ++i) {
        const std::string key = "F" + std::to_string(i);
        EXPECT_EQ(KeyComboList(FunctionKeysCombo).items[static_cast<std::size_t>(i - 1)], key);
        EXPECT_EQ(GameKeyName(FunctionKeysCombo, i), key);
    }
}

TEST(KeyCatalogue, MiscKeysAreNamedByTheirTextInListOrder) {
    const std::vector<std::string> expected = {
        "Escape",   "Pause", ")",       "=",         "^",         "$",         "*",    "\xC3\xB9",
        "!",        ":",     ";",       ",",         "Backspace", "ENTER",     "TAB",  "SHIFT",
        "CTRL",     "ALT",   "Ins",     "Del",       "Home",      "End",       "PGUP", "PGDOWN",
        "Capslock", "Space", "Uparrow", "Downarrow", "Leftarrow", "Rightarrow"};
    ASSERT_EQ(KeyComboList(MiscKeysCombo).items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(KeyComboList(MiscKeysCombo).items[i], expected[i]) << i;
        EXPECT_EQ(GameKeyName(MiscKeysCombo, static_cast<int>(i) + 1), expected[i]) << i;
    }
    // ù is one character: the two bytes of its UTF-8 form, nothing more.
    EXPECT_EQ(GameKeyName(MiscKeysCombo, 8)->size(), 2u);
}

struct NamedCase {
    int position;
    const char* item;
    const char* gameName;
};

void ExpectNamedKeys(int combo, const std::vector<NamedCase>& cases) {
    ASSERT_EQ(KeyComboList(combo).items.size(), cases.size());
    for (const NamedCase& test : cases) {
        EXPECT_EQ(KeyComboList(combo).items[static_cast<std::size_t>(test.position - 1)], test.item);
        EXPECT_EQ(GameKeyName(combo, test.position), test.gameName) << test.item;
    }
}

TEST(KeyCatalogue, KeyPadKeysHaveTheGamesNames) {
    ExpectNamedKeys(KeyPadCombo, {{1, "Key Pad 1", "kp_end"},
                                  {2, "Key Pad 2", "kp_downarrow"},
                                  {3, "Key Pad 3", "kp_pgdn"},
                                  {4, "Key Pad 4", "kp_leftarrow"},
                                  {5, "Key Pad 5", "kp_5"},
                                  {6, "Key Pad 6", "kp_rightarrow"},
                                  {7, "Key Pad 7", "kp_home"},
                                  {8, "Key Pad 8", "kp_uparrow"},
                                  {9, "Key Pad 9", "kp_pgup"},
                                  {10, "Key Pad 0", "kp_ins"},
                                  {11, "Key Pad Enter", "kp_enter"},
                                  {12, "Key Pad Delete", "kp_del"},
                                  {13, "Key Pad Slash", "kp_slash"},
                                  {14, "Key Pad Minus", "kp_minus"},
                                  {15, "Key Pad Plus", "kp_plus"}});
}

TEST(KeyCatalogue, MouseButtonsHaveTheGamesNames) {
    ExpectNamedKeys(MouseButtonsCombo, {{1, "Mouse Left Click", "mouse1"},
                                        {2, "Mouse Right Click", "mouse2"},
                                        {3, "Mouse Middle Click", "mouse3"},
                                        {4, "Mouse Button 4", "mouse4"},
                                        {5, "Mouse Button 5", "mouse5"},
                                        {6, "Mouse Wheel Up", "mwheelup"},
                                        {7, "Mouse Wheel Down", "mwheeldown"}});
}

// The title names the list, not a key; nor does anything outside a list or an unknown list.
TEST(KeyCatalogue, TitleNoSelectionAndOutsidePositionsAreNoKey) {
    for (int combo = LettersCombo; combo <= MouseButtonsCombo; ++combo) {
        const int pastLast = static_cast<int>(KeyComboList(combo).items.size()) + 1;
        EXPECT_EQ(GameKeyName(combo, 0), std::nullopt) << combo;
        EXPECT_EQ(GameKeyName(combo, -1), std::nullopt) << combo;
        EXPECT_EQ(GameKeyName(combo, pastLast), std::nullopt) << combo;
    }
    EXPECT_EQ(GameKeyName(NoKeyCombo, 1), std::nullopt);
    EXPECT_EQ(GameKeyName(7, 1), std::nullopt);
    EXPECT_EQ(GameKeyName(-1, 1), std::nullopt);
}

} // namespace
} // namespace cssbinder
