#include "core/binds/WeaponLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cssbinder {
namespace {

struct ListCase {
    const ComboList& list;
    const char* english;
    const char* french;
    std::size_t size;
};

TEST(WeaponLists, ListsHaveTheirTitlesAndSizes) {
    const ListCase cases[] = {
        {SecondaryWeaponList(), "Secondary Weapon", "Arme secondaire", 6},
        {PrimaryWeaponList1(), "Primary Weapon 1st Choice", "1er choix pour l'arme primaire", 22},
        {PrimaryWeaponList2(), "Primary Weapon 2nd Choice", "2\xC3\xA8me choix pour l'arme primaire", 22},
        {QuickWeaponList(), "Choose weapon to use", "Choisir l'arme \xC3\xA0 utiliser", 38},
    };
    for (const ListCase& test : cases) {
        EXPECT_EQ(test.list.Title(false), test.english);
        EXPECT_EQ(test.list.Title(true), test.french);
        EXPECT_EQ(test.list.items.size(), test.size) << test.english;
    }
    EXPECT_TRUE(std::ranges::equal(PrimaryWeaponList1().items, PrimaryWeaponList2().items));
}

struct WeaponCase {
    const char* item;
    std::optional<std::string> expected; // nullopt for a separator
};

// Checks every position of a list, the title and the positions outside it.
template <typename Lookup>
void ExpectWeapons(const ComboList& list, const std::vector<WeaponCase>& cases, Lookup lookup) {
    ASSERT_EQ(list.items.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        EXPECT_EQ(list.items[i], cases[i].item) << position;
        const auto result = lookup(position);
        EXPECT_EQ(result.has_value(), cases[i].expected.has_value()) << cases[i].item;
        if (result && cases[i].expected) {
            EXPECT_EQ(*result, *cases[i].expected) << cases[i].item;
        }
    }
    for (const int outside : {0, -1, static_cast<int>(cases.size()) + 1}) {
        EXPECT_FALSE(lookup(outside).has_value()) << outside;
    }
}

TEST(WeaponLists, SecondaryWeaponsBuyUnderTheGamesNames) {
    ExpectWeapons(SecondaryWeaponList(),
                  {{"Glock", "Glock"},
                   {"USP", "USP"},
                   {"P228", "P228"},
                   {"Desert Eagle", "deagle"},
                   {"Dual Elites (T)", "elite"},
                   {"Five Seven (CT)", "fiveseven"}},
                  SecondaryGameName);
}

TEST(WeaponLists, PrimaryWeaponsAreNamedWithoutTheirTeamAndSeparatorsBuyNothing) {
    ExpectWeapons(PrimaryWeaponList1(),
                  {{"-----Shotguns-----", std::nullopt},
                   {"M3", "M3"},
                   {"XM1014", "XM1014"},
                   {"-----SMGs-----", std::nullopt},
                   {"MAC10 (T)", "MAC10"},
                   {"TMP (CT)", "TMP"},
                   {"MP5Navy", "MP5Navy"},
                   {"UMP45", "UMP45"},
                   {"P90", "P90"},
                   {"-----Rifles-----", std::nullopt},
                   {"Galil (T)", "Galil"},
                   {"Famas (CT)", "Famas"},
                   {"AK47 (T)", "AK47"},
                   {"M4A1 (CT)", "M4A1"},
                   {"SG552 (T)", "SG552"},
                   {"Aug (CT)", "Aug"},
                   {"G3SG1 (T)", "G3SG1"},
                   {"SG550 (CT)", "SG550"},
                   {"Scout", "Scout"},
                   {"AWP", "AWP"},
                   {"-----Machine Guns-----", std::nullopt},
                   {"M249", "M249"}},
                  PrimaryGameName);
}

TEST(WeaponLists, EveryQuickWeaponPositionHasItsCommand) {
    ExpectWeapons(
        QuickWeaponList(),
        {{"-----Pistols-----", std::nullopt},
         {"Glock", "use weapon_Glock"},
         {"USP", "use weapon_USP"},
         {"P228", "use weapon_P228"},
         {"Desert Eagle", "use weapon_deagle"},
         {"Dual Elites (T)", "use weapon_elite"},
         {"Five Seven (CT)", "use weapon_fiveseven"},
         {"-----Shotguns-----", std::nullopt},
         {"M3", "use weapon_M3"},
         {"XM1014", "use weapon_XM1014"},
         {"-----SMGs-----", std::nullopt},
         {"MAC10 (T)", "use weapon_MAC10"},
         {"TMP (CT)", "use weapon_TMP"},
         {"MP5Navy", "use weapon_MP5Navy"},
         {"UMP45", "use weapon_UMP45"},
         {"P90", "use weapon_P90"},
         {"-----Rifles-----", std::nullopt},
         {"Galil (T)", "use weapon_Galil"},
         {"Famas (CT)", "use weapon_Famas"},
         {"AK47 (T)", "use weapon_AK47"},
         {"M4A1 (CT)", "use weapon_M4A1"},
         {"SG552 (T)", "use weapon_SG552"},
         {"Aug (CT)", "use weapon_Aug"},
         {"G3SG1 (T)", "use weapon_G3SG1"},
         {"SG550 (CT)", "use weapon_SG550"},
         {"Scout", "use weapon_Scout"},
         {"AWP", "use weapon_AWP"},
         {"-----Machine Guns-----", std::nullopt},
         {"M249", "use weapon_M249"},
         {"-----Grenades-----", std::nullopt},
         {"HE", "use weapon_hegrenade"},
         {"Flash", "use weapon_flashbang"},
         {"Smoke", "use weapon_smokegrenade"},
         {"-----Other-----", std::nullopt},
         {"Knife", "use weapon_Knife"},
         {"C4", "use weapon_C4"},
         {"Any secondary weapon", "use weapon_deagle; use weapon_usp; use weapon_glock; use weapon_p228; "
                                  "use weapon_elite; use weapon_fiveseven"},
         {"Any primary weapon",
          "use weapon_ak47; use weapon_aug; use weapon_g3sg1; use weapon_m249; use weapon_m4a1; use "
          "weapon_m3; "
          "use weapon_mac10; use weapon_mp5navy; use weapon_p90; use weapon_scout; use weapon_sg552; "
          "use weapon_sg550; use weapon_ump45; use weapon_tmp; use weapon_xm1014; use weapon_awp; "
          "use weapon_galil; use weapon_famas"}},
        QuickWeaponCommand);
}

// The quick list offers the buyable weapons in the order of the buy lists, under the same texts.
TEST(WeaponLists, QuickWeaponsRepeatTheBuyListsInOrder) {
    std::vector<std::string_view> buyable(SecondaryWeaponList().items.begin(),
                                          SecondaryWeaponList().items.end());
    buyable.insert(buyable.end(), PrimaryWeaponList1().items.begin(), PrimaryWeaponList1().items.end());
    std::erase_if(buyable, [](std::string_view item) { return item.starts_with("-"); });

    std::vector<std::string_view> quick(QuickWeaponList().items.begin() + 1,
                                        QuickWeaponList().items.begin() + 29);
    std::erase_if(quick, [](std::string_view item) { return item.starts_with("-"); });

    EXPECT_EQ(quick, buyable);
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
