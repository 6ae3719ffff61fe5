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

} // namespace
} // namespace cssbinder
