#pragma once

#include <string>

namespace cssbinder {

// The buy part of the bind form, as the window exchanges it with its controls. Weapon positions are
// those of the weapon lists (0 the title, -1 no selection: both buy nothing); armor is the radio
// index: 0 Kevlar, 1 Helmet + Kevlar, 2 No Armor, -1 none selected.
struct BuyChoices {
    int secondary = 0;
    int primary1 = 0;
    int primary2 = 0;
    bool defuser = false;
    int armor = 2;
    bool heGrenade = false;
    bool flashbang1 = false;
    bool flashbang2 = false;
    bool smokeGrenade = false;
    bool primaryAmmo = false;
    bool secondaryAmmo = false;
    bool nightVision = false;
};

// The buy commands of the choices chained by ";" in the game's buy menu order: secondary weapon,
// first and second primary choice, defusal kit, armour, HE, both flashbangs, smoke, primary and
// secondary ammunition, night vision. Empty when nothing is chosen. The case is left to the bind line.
std::string BuyCommand(const BuyChoices& choices);

} // namespace cssbinder
