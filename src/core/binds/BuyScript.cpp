#include "core/binds/BuyScript.h"

#include "core/binds/WeaponLists.h"

#include <array>
#include <optional>
#include <string_view>

namespace cssbinder {
namespace {

// By armour radio index.
constexpr std::array<std::string_view, 3> kArmorPieces{"buy vest;", "buy vesthelm;", ""};

struct TickedItem {
    bool BuyChoices::*ticked;
    std::string_view piece;
};

// The check boxes that follow the armour, in chaining order; the defusal kit alone comes before it.
constexpr std::string_view kDefuserPiece = "buy defuser;";
constexpr std::array<TickedItem, 7> kItemsAfterArmor{{
    {&BuyChoices::heGrenade, "buy hegrenade;"},
    {&BuyChoices::flashbang1, "buy flashbang;"},
    {&BuyChoices::flashbang2, "buy flashbang;"},
    {&BuyChoices::smokeGrenade, "buy smokegrenade;"},
    {&BuyChoices::primaryAmmo, "buy primammo;"},
    {&BuyChoices::secondaryAmmo, "buy secammo;"},
    {&BuyChoices::nightVision, "buy nvgs;"},
}};

void AppendWeapon(std::string& pieces, std::optional<std::string_view> gameName) {
    if (gameName) {
        pieces += "buy ";
        pieces += *gameName;
        pieces += ';';
    }
}

} // namespace

std::string BuyCommand(const BuyChoices& choices) {
    std::string pieces;
    AppendWeapon(pieces, SecondaryGameName(choices.secondary));
    AppendWeapon(pieces, PrimaryGameName(choices.primary1));
    AppendWeapon(pieces, PrimaryGameName(choices.primary2));
    if (choices.defuser) {
        pieces += kDefuserPiece;
    }
    if (choices.armor >= 0 && static_cast<std::size_t>(choices.armor) < kArmorPieces.size()) {
        pieces += kArmorPieces[static_cast<std::size_t>(choices.armor)];
    }
    for (const TickedItem& item : kItemsAfterArmor) {
        if (choices.*item.ticked) {
            pieces += item.piece;
        }
    }
    // Every piece ends with ";"; the game needs none after the last.
    if (!pieces.empty()) {
        pieces.pop_back();
    }
    return pieces;
}

} // namespace cssbinder
