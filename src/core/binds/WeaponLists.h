#pragma once

#include "core/binds/ComboList.h"

#include <optional>
#include <string>
#include <string_view>

namespace cssbinder {

const ComboList& SecondaryWeaponList(); // combo 1000
const ComboList& PrimaryWeaponList1();  // combo 1001
const ComboList& PrimaryWeaponList2();  // combo 1003: the items of the first choice under its own title
const ComboList& QuickWeaponList();     // combo 1021

// The game's name for a weapon item: its text up to the blank before the team mark ("MAC10 (T)" gives
// "MAC10"), or the whole text when it has none. The case is left to the bind line.
std::string_view DerivedWeaponName(std::string_view itemText);

// The name that "buy" takes for the weapon at a position of the secondary list or of either primary
// list; nullopt for the title, no selection (-1), a separator or a position past the list.
std::optional<std::string_view> SecondaryGameName(int position);
std::optional<std::string_view> PrimaryGameName(int position);

// The command that switches to the weapon at a position of the quick-weapon list; nullopt for the
// title, no selection (-1), a separator or a position past the list.
std::optional<std::string> QuickWeaponCommand(int position);

} // namespace cssbinder
