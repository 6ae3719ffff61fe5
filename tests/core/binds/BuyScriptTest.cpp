#include "core/binds/BuyScript.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

// Positions in the weapon lists and armour radio indexes.
constexpr int kFiveSeven = 6;
constexpr int kAk47 = 13;
constexpr int kKevlar = 0;

struct BuyCase {
    const char* what;
    BuyChoices choices;
    const char* command;
};

TEST(BuyScript, ChainsTheChosenPiecesInBuyOrderWithoutATrailingSemicolon) {
    const BuyCase cases[] = {
        {"nothing, No Armor", {}, ""},
        {"titles, no selection", {.secondary = -1, .primary1 = 0, .primary2 = -1, .armor = -1}, ""},
        {"past the lists", {.secondary = 7, .primary1 = 23, .primary2 = 99, .armor = 3}, ""},
        {"only separators", {.primary1 = 1, .primary2 = 21}, ""},
        {"only Kevlar", {.armor = kKevlar}, "buy vest"},
        {"only Five Seven", {.secondary = kFiveSeven}, "buy fiveseven"},
        {"separator then Scout", {.primary1 = 10, .primary2 = 19}, "buy Scout"},
        {"Dual Elites, MAC10", {.secondary = 5, .primary2 = 5}, "buy elite;buy MAC10"},
        {"same weapon twice", {.primary1 = kAk47, .primary2 = kAk47}, "buy AK47;buy AK47"},
    };
    for (const BuyCase& test : cases) {
        EXPECT_EQ(BuyCommand(test.choices), test.command) << test.what;
    }
    BuyChoices all{.secondary = 1, .primary1 = 2, .primary2 = 22, .armor = kKevlar};
    all.defuser = all.heGrenade = all.flashbang1 = all.flashbang2 = all.smokeGrenade = all.primaryAmmo =
        all.secondaryAmmo = all.nightVision = true;
    EXPECT_EQ(BuyCommand(all), "buy Glock;buy M3;buy M249;buy defuser;buy vest;buy hegrenade;buy flashbang;"
                               "buy flashbang;buy smokegrenade;buy primammo;buy secammo;buy nvgs");
}

} // namespace
} // namespace cssbinder
