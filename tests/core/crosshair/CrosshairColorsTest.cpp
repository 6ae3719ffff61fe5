#include "core/crosshair/CrosshairColors.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

TEST(CrosshairColors, RedSitsInTheLowestByteAndEachChannelKeepsEightBits) {
    EXPECT_EQ(Rgb(0x12, 0x34, 0x56), 0x00563412u);
    EXPECT_EQ(Rgb(300, 0, 0), Rgb(44, 0, 0));
    EXPECT_EQ(kCrosshairColors,
              (std::array<ColorRef, 5>{0x0000FF00u, 0x000000FFu, 0x00FF0000u, 0x0000FFFFu, 0x00FF8080u}));
}

// Every alpha the transparency buttons reach: the game's cl_crosshairalpha value and lightblue over the
// sand. The blend truncates its two quotients apart, which loses up to one unit against a single
// division (alpha 210, red: 24 + 105).
TEST(CrosshairAlpha, EveryReachableStep) {
    const struct {
        int alpha;
        int console;
        ColorRef draw;
    } rows[] = {
        {255, 799, Rgb(128, 128, 255)}, {240, 752, Rgb(128, 126, 244)}, {225, 705, Rgb(128, 125, 233)},
        {210, 658, Rgb(129, 125, 222)}, {195, 611, Rgb(130, 124, 211)}, {180, 564, Rgb(131, 124, 200)},
        {165, 517, Rgb(131, 123, 189)}, {150, 470, Rgb(133, 123, 178)}, {135, 423, Rgb(133, 122, 167)},
        {120, 376, Rgb(134, 122, 156)}, {105, 329, Rgb(134, 121, 145)}, {90, 282, Rgb(136, 121, 134)},
        {75, 235, Rgb(136, 120, 123)},  {60, 188, Rgb(137, 120, 112)},  {45, 141, Rgb(138, 119, 101)},
        {30, 94, Rgb(139, 119, 90)},    {15, 47, Rgb(139, 118, 79)},    {0, 0, Rgb(141, 118, 68)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ConsoleAlphaValue(row.alpha), row.console) << "alpha " << row.alpha;
        EXPECT_EQ(BlendDrawColor(kCrosshairBackground, kCrosshairColors[4], row.alpha), row.draw)
            << "alpha " << row.alpha;
    }
}

} // namespace
} // namespace cssbinder
