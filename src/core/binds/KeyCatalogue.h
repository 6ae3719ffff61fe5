#pragma once

#include "core/binds/ComboList.h"

#include <optional>
#include <string>
#include <string_view>

namespace cssbinder {

// The six key lists by the number the main window keeps for the list holding the current key.
enum KeyCombo : int {
    NoKeyCombo = 0,
    LettersCombo = 1,
    NumbersCombo = 2,
    FunctionKeysCombo = 3,
    MiscKeysCombo = 4,
    KeyPadCombo = 5,
    MouseButtonsCombo = 6
};

// The key list of a combo number from 1 to 6; any other number throws std::out_of_range.
const ComboList& KeyComboList(int comboNumber);

// The game's name for the key at `position` of a key list, as the bind entry is stored under it:
// letters, numbers, function and misc keys are named by their item text ("A", "F1", "Escape", "ù")
// but Page Down ("PGDN"); key pad keys and mouse buttons have names of their own ("kp_ins",
// "mwheeldown"). The title item, no selection, a position past the list and an unknown combo number
// are no key.
std::optional<std::string> GameKeyName(int comboNumber, int position);

// The catalogue's own spelling of a key name read from a file ("pgdn" gives "PGDN", "KP_END" gives
// "kp_end"), matched without regard to case as the game matches key names; nullopt for a key the
// lists do not hold.
std::optional<std::string_view> CatalogueKeyName(std::string_view keyName);

} // namespace cssbinder
