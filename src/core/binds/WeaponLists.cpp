#include "core/binds/WeaponLists.h"

#include <algorithm>
#include <array>

namespace cssbinder {
namespace {

enum class Naming {
    Separator, // a heading between weapon families; it stands for nothing
    FromText,  // named by DerivedWeaponName of the item
    Fixed,     // the row's text, where the game's name differs from the item
    Command,   // the row's text is the whole quick-weapon command
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

// Joins tables one after the other, so that a list made of other lists repeats none of them.
template <std::size_t... N> constexpr auto Concat(const std::array<WeaponItem, N>&... parts) {
    std::array<WeaponItem, (N + ...)> joined{};
    auto next = joined.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return joined;
}

// The quick list holds every weapon of the buy lists, then the grenades and the rest. A weapon's
// command is "use weapon_" and its game name; Command rows are whole commands.
constexpr std::array<WeaponItem, 1> kPistolsHeading{{{"-----Pistols-----", Naming::Separator}}};
constexpr std::array<WeaponItem, 9> kQuickOthers{{
    {"-----Grenades-----", Naming::Separator},
    {"HE", Naming::Fixed, "hegrenade"},
    {"Flash", Naming::Fixed, "flashbang"},
    {"Smoke", Naming::Fixed, "smokegrenade"},
    {"-----Other-----", Naming::Separator},
    {"Knife"},
    {"C4"},
    // One use command for each weapon of the family, so the key works whichever one the player carries.
    {"Any secondary weapon", Naming::Command,
     "use weapon_deagle; use weapon_usp; use weapon_glock; "
     "use weapon_p228; use weapon_elite; use weapon_fiveseven"},
    {"Any primary weapon", Naming::Command,
     "use weapon_ak47; use weapon_aug; use weapon_g3sg1; use weapon_m249; use weapon_m4a1; use weapon_m3; "
     "use weapon_mac10; use weapon_mp5navy; use weapon_p90; use weapon_scout; use weapon_sg552; "
     "use weapon_sg550; use weapon_ump45; use weapon_tmp; use weapon_xm1014; use weapon_awp; "
     "use weapon_galil; use weapon_famas"},
}};
constexpr auto kQuickWeapons = Concat(kPistolsHeading, kSecondaryWeapons, kPrimaryWeapons, kQuickOthers);
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

std::string_view GameNameOf(const WeaponItem& weapon) {
    return weapon.naming == Naming::FromText ? DerivedWeaponName(weapon.item) : weapon.fixed;
}

template <std::size_t N>
std::optional<std::string_view> GameName(const std::array<WeaponItem, N>& weapons, int position) {
    const WeaponItem* weapon = WeaponAt(weapons, position);
    if (weapon == nullptr) {
        return std::nullopt;
    }
    return GameNameOf(*weapon);
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
    if (weapon->naming == Naming::Command) {
        return std::string(weapon->fixed);
    }
    return "use weapon_" + std::string(GameNameOf(*weapon));
}

} // namespace cssbinder
