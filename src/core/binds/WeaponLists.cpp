#include "core/binds/WeaponLists.h"

#include <array>

namespace cssbinder {
namespace {

enum class Naming {
    Separator, // a heading between weapon families; it stands for nothing
    FromText,  // named by DerivedWeaponName of the item
    Fixed,     // the row's text, where the game's name differs from the item
};

struct WeaponItem {
    std::string_view item;
    Naming naming = Naming::FromText;
    std::string_view fixed = {};
};

constexpr std::array<WeaponItem, 6> kSecondaryWeapons{{
    {"Glock"},
    {"USP"},
    {"P228"},
    {"Desert Eagle", Naming::Fixed, "deagle"},
    {"Dual Elites (T)", Naming::Fixed, "elite"},
    {"Five Seven (CT)", Naming::Fixed, "fiveseven"},
}};
constexpr auto kSecondaryItems = ItemTexts(kSecondaryWeapons);

constexpr std::array<WeaponItem, 22> kPrimaryWeapons{{
    {"-----Shotguns-----", Naming::Separator},
    {"M3"},
    {"XM1014"},
    {"-----SMGs-----", Naming::Separator},
    {"MAC10 (T)"},
    {"TMP (CT)"},
    {"MP5Navy"},
    {"UMP45"},
    {"P90"},
    {"-----Rifles-----", Naming::Separator},
    {"Galil (T)"},
    {"Famas (CT)"},
    {"AK47 (T)"},
    {"M4A1 (CT)"},
    {"SG552 (T)"},
    {"Aug (CT)"},
    {"G3SG1 (T)"},
    {"SG550 (CT)"},
    {"Scout"},
    {"AWP"},
    {"-----Machine Guns-----", Naming::Separator},
    {"M249"},
}};
constexpr auto kPrimaryItems = ItemTexts(kPrimaryWeapons);

// A derived command is "use weapon_" and the derived name; a fixed one is the whole command.
constexpr std::array<WeaponItem, 38> kQuickWeapons{{
    {"-----Pistols-----", Naming::Separator},
    {"Glock"},
    {"USP"},
    {"P228"},
    {"Desert Eagle", Naming::Fixed, "use weapon_deagle"},
    {"Dual Elites (T)", Naming::Fixed, "use weapon_elite"},
    {"Five Seven (CT)", Naming::Fixed, "use weapon_fiveseven"},
    {"-----Shotguns-----", Naming::Separator},
    {"M3"},
    {"XM1014"},
    {"-----SMGs-----", Naming::Separator},
    {"MAC10 (T)"},
    {"TMP (CT)"},
    {"MP5Navy"},
    {"UMP45"},
    {"P90"},
    {"-----Rifles-----", Naming::Separator},
    {"Galil (T)"},
    {"Famas (CT)"},
    {"AK47 (T)"},
    {"M4A1 (CT)"},
    {"SG552 (T)"},
    {"Aug (CT)"},
    {"G3SG1 (T)"},
    {"SG550 (CT)"},
    {"Scout"},
    {"AWP"},
    {"-----Machine Guns-----", Naming::Separator},
    {"M249"},
    {"-----Grenades-----", Naming::Separator},
    {"HE", Naming::Fixed, "use weapon_hegrenade"},
    {"Flash", Naming::Fixed, "use weapon_flashbang"},
    {"Smoke", Naming::Fixed, "use weapon_smokegrenade"},
    {"-----Other-----", Naming::Separator},
    {"Knife"},
    {"C4"},
    // One use command for each weapon of the family, so the key works whichever one the player carries.
    {"Any secondary weapon", Naming::Fixed,
     "use weapon_deagle; use weapon_usp; use weapon_glock; "
     "use weapon_p228; use weapon_elite; use weapon_fiveseven"},
    {"Any primary weapon", Naming::Fixed,
     "use weapon_ak47; use weapon_aug; use weapon_g3sg1; use weapon_m249; use weapon_m4a1; use weapon_m3; "
     "use weapon_mac10; use weapon_mp5navy; use weapon_p90; use weapon_scout; use weapon_sg552; "
     "use weapon_sg550; use weapon_ump45; use weapon_tmp; use weapon_xm1014; use weapon_awp; "
     "use weapon_galil; use weapon_famas"},
}};
constexpr auto kQuickWeaponItems = ItemTexts(kQuickWeapons);

constexpr ComboList kSecondaryList{"Secondary Weapon", "Arme secondaire", kSecondaryItems};
constexpr ComboList kPrimaryList1{"Primary Weapon 1st Choice", "1er choix pour l'arme primaire",
                                  kPrimaryItems};
constexpr ComboList kPrimaryList2{"Primary Weapon 2nd Choice", "2ème choix pour l'arme primaire",
                                  kPrimaryItems};
constexpr ComboList kQuickList{"Choose weapon to use", "Choisir l'arme à utiliser", kQuickWeaponItems};

template <std::size_t N> const WeaponItem* WeaponAt(const std::array<WeaponItem, N>& weapons, int position) {
    const std::optional<std::size_t> index = ItemIndex(position, N);
    if (!index || weapons[*index].naming == Naming::Separator) {
        return nullptr;
    }
    return &weapons[*index];
}

template <std::size_t N>
std::optional<std::string_view> GameName(const std::array<WeaponItem, N>& weapons, int position) {
    const WeaponItem* weapon = WeaponAt(weapons, position);
    if (weapon == nullptr) {
        return std::nullopt;
    }
    return weapon->naming == Naming::Fixed ? weapon->fixed : DerivedWeaponName(weapon->item);
}

} // namespace

const ComboList& SecondaryWeaponList() {
    return kSecondaryList;
}
const ComboList& PrimaryWeaponList1() {
    return kPrimaryList1;
}
const ComboList& PrimaryWeaponList2() {
    return kPrimaryList2;
}
const ComboList& QuickWeaponList() {
    return kQuickList;
}

std::string_view DerivedWeaponName(std::string_view itemText) {
    const std::size_t bracket = itemText.find('(');
    if (bracket == std::string_view::npos || bracket == 0) {
        return itemText;
    }
    return itemText.substr(0, bracket - 1);
}

std::optional<std::string_view> SecondaryGameName(int position) {
    return GameName(kSecondaryWeapons, position);
}

std::optional<std::string_view> PrimaryGameName(int position) {
    return GameName(kPrimaryWeapons, position);
}

std::optional<std::string> QuickWeaponCommand(int position) {
    const WeaponItem* weapon = WeaponAt(kQuickWeapons, position);
    if (weapon == nullptr) {
        return std::nullopt;
    }
    if (weapon->naming == Naming::Fixed) {
        return std::string(weapon->fixed);
    }
    return "use weapon_" + std::string(DerivedWeaponName(weapon->item));
}

} // namespace cssbinder
