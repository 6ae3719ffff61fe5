#include "core/binds/BuyScript.h"
#include "core/binds/WeaponLists.h"

#include <gtest/gtest.h>

#include <utility>

namespace cssbinder {
namespace {

// Every kind of quick-weapon position: outside the items and separators bind nothing, most weapons are
// named from their text, some by a fixed name, and the last two switch to any weapon of a family.
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
}

TEST(WeaponLists, DerivedNameEndsBeforeTheBlankAheadOfTheFirstBracket) {
    const std::pair<const char*, const char*> cases[] = {
        {"MAC10 (T)", "MAC10"}, {"Five Seven (CT)", "Five Seven"},
        {"Scout", "Scout"},     {"A (x) (y)", "A"},
        {"(T)", "(T)"},         {"", ""},
    };
    for (const auto& [item, name] : cases) {
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
