#include "core/crosshair/CrosshairColors.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

TEST(CrosshairColors, ColourValuesKeepRedInTheLowestByte) {
    EXPECT_EQ(Rgb(0x12, 0x34, 0x56), 0x00563412u);
    EXPECT_EQ(RedOf(0x00563412u), 0x12);
    EXPECT_EQ(GreenOf(0x00563412u), 0x34);
    EXPECT_EQ(BlueOf(0x00563412u), 0x56);
    EXPECT_EQ(Rgb(300, 0, 0), Rgb(44, 0, 0));

    EXPECT_EQ(kCrosshairColors,
              (std::array<ColorRef, 5>{0x0000FF00u, 0x000000FFu, 0x00FF0000u, 0x0000FFFFu, 0x00FF8080u}));
    EXPECT_EQ(kCrosshairBackground, Rgb(141, 118, 68));
}

TEST(BlendDrawColor, FullOpacityGivesTheColourAndZeroTheBackground) {
    for (const ColorRef color : kCrosshairColors) {
        EXPECT_EQ(BlendDrawColor(kCrosshairBackground, color, 255), color) << std::hex << color;
        EXPECT_EQ(BlendDrawColor(kCrosshairBackground, color, 0), kCrosshairBackground) << std::hex << color;
    }
}

// Lightblue over the sand at every alpha the transparency buttons reach. Both quotients are truncated
// apart, which loses up to one unit against blending in a single division (alpha 210, red: 24 + 105).
TEST(BlendDrawColor, EveryAlphaStepOfLightblueOverTheSand) {
    struct Row {
        int alpha;
        int red;
        int green;
        int blue;
    };
    const Row rows[] = {
        {255, 128, 128, 255}, {240, 128, 126, 244}, {225, 128, 125, 233}, {210, 129, 125, 222},
        {195, 130, 124, 211}, {180, 131, 124, 200}, {165, 131, 123, 189}, {150, 133, 123, 178},
        {135, 133, 122, 167}, {120, 134, 122, 156}, {105, 134, 121, 145}, {90, 136, 121, 134},
        {75, 136, 120, 123},  {60, 137, 120, 112},  {45, 138, 119, 101},  {30, 139, 119, 90},
        {15, 139, 118, 79},   {0, 141, 118, 68},
    };
    const ColorRef lightblue = kCrosshairColors[4];
    for (const Row& row : rows) {
        EXPECT_EQ(BlendDrawColor(kCrosshairBackground, lightblue, row.alpha),
                  Rgb(row.red, row.green, row.blue))
            << "alpha " << row.alpha;
    }
}

TEST(BlendDrawColor, EachChannelKeepsItsLowEightBits) {
    // 300 in every channel: without the mask each channel would carry into the next one.
    EXPECT_EQ(BlendDrawColor(Rgb(0, 0, 0), Rgb(255, 255, 255), 300), 0x002C2C2Cu);
}

TEST(ConsoleAlphaValue, EveryReachableAlpha) {
    const int values[] = {799, 752, 705, 658, 611, 564, 517, 470, 423,
                          376, 329, 282, 235, 188, 141, 94,  47,  0};
    int alpha = 255;
    for (const int value : values) {
        EXPECT_EQ(ConsoleAlphaValue(alpha), value) << "alpha " << alpha;
        alpha -= 15;
    }
    EXPECT_EQ(alpha, -15);
}

} // namespace
} // namespace cssbinder
