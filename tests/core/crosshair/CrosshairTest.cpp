#include "core/crosshair/ArmGeometry.h"
#include "core/crosshair/CrosshairColors.h"
#include "core/crosshair/CrosshairState.h"
#include "core/crosshair/SurfaceTexture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

namespace cssbinder {
namespace {

constexpr PixelRect kPreview{0, 0, 137, 126};

std::array<PixelRect, 4> Arms(const ArmRects& arms) {
    return {arms.left, arms.right, arms.top, arms.bottom};
}

TEST(ArmGeometry, ReachableScalesFitThePreviewAndLeaveTheCentreFree) {
    // Scale, arm length, gap, thickness.
    const std::tuple<int, int, int, int> rows[] = {{200, 36, 22, 2},  {600, 25, 16, 2}, {800, 19, 13, 1},
                                                   {1000, 13, 10, 1}, {1200, 8, 6, 1},  {3000, 2, 2, 1}};
    const PixelPoint c = PreviewCentre(kPreview);
    for (const auto& [scale, armLength, gap, thickness] : rows) {
        const ArmGeometry g = ArmGeometryForScale(scale);
        const int t = ArmThickness(g.armLength);
        EXPECT_EQ(std::tuple(g.armLength, g.gap, t), std::tuple(armLength, gap, thickness)) << scale;
        for (const PixelRect& a : Arms(ComputeArmRects(c.x, c.y, g.armLength, g.gap, t))) {
            EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= 137 && a.bottom <= 126) << scale;
            EXPECT_FALSE(c.x >= a.left && c.x < a.right && c.y >= a.top && c.y < a.bottom) << scale;
        }
    }
    // Left, right, top and bottom arm. The centre rounds toward the right and the top; scale 200 draws
    // 2-pixel arms from cx - 58 to cx + 57, a free gap of 22 pixels before the centre and 21 after it.
    ASSERT_EQ(c, (PixelPoint{69, 63}));
    EXPECT_EQ(Arms(ComputeArmRects(c.x, c.y, 36, 22, 2)),
              (std::array<PixelRect, 4>{
                  {{11, 63, 47, 65}, {91, 63, 127, 65}, {69, 5, 71, 41}, {69, 85, 71, 121}}}));
}

// Alphas the transparency buttons reach: the game's cl_crosshairalpha value and lightblue over the sand. The
// blend truncates its two quotients apart, which loses up to one unit against a single division (alpha 210,
// red: 24 + 105).
TEST(CrosshairAlpha, ReachableSteps) {
    // Alpha, console value, draw colour.
    const std::tuple<int, int, ColorRef> rows[] = {
        {255, 799, Rgb(128, 128, 255)}, {240, 752, Rgb(128, 126, 244)}, {210, 658, Rgb(129, 125, 222)},
        {150, 470, Rgb(133, 123, 178)}, {15, 47, Rgb(139, 118, 79)},    {0, 0, Rgb(141, 118, 68)}};
    for (const auto& [alpha, console, draw] : rows) {
        EXPECT_EQ(std::pair(ConsoleAlphaValue(alpha),
                            BlendDrawColor(kCrosshairBackground, kCrosshairColors[4], alpha)),
                  std::pair(console, draw))
            << "alpha " << alpha;
    }
    // Red sits in the lowest byte and each channel keeps eight bits.
    EXPECT_EQ(std::pair(Rgb(0x12, 0x34, 0x56), Rgb(300, 0, 0)), std::pair(0x00563412u, Rgb(44, 0, 0)));
    EXPECT_EQ(kCrosshairColors,
              (std::array<ColorRef, 5>{0x0000FF00u, 0x000000FFu, 0x00FF0000u, 0x0000FFFFu, 0x00FF8080u}));
}

// Three bytes a pixel, the same bytes for the same seed, the sand colour on average, and neighbouring
// pixels that differ: gritty, not flat.
TEST(SurfaceTexture, IsAGrittySandOfTheSeed) {
    for (const auto& [width, height, seed] :
         {std::tuple(kPreviewWidth, kPreviewHeight, 133u),
          std::tuple(kPreviewWidth, kPreviewHeight, 0xFFFFFFFFu), std::tuple(40, 25, 7u)}) {
        const auto pixels = MakeSurfaceTexture(width, height, seed);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(width * height * 3));
        EXPECT_EQ(MakeSurfaceTexture(width, height, seed), pixels);
        EXPECT_NE(MakeSurfaceTexture(width, height, seed + 1), pixels);
        double sums[3] = {};
        double grain = 0.0;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            sums[i % 3] += pixels[i];
            grain += i < 3 ? 0 : std::abs(pixels[i] - pixels[i - 3]);
        }
        const double count = width * height;
        for (const auto& [channel, mean] : {std::pair(0, 141.0), std::pair(1, 118.0), std::pair(2, 68.0)}) {
            EXPECT_NEAR(sums[channel] / count, mean, 2.0) << "seed " << seed;
        }
        EXPECT_GT(grain / count / 3, 2.0) << "seed " << seed;
    }
}

using namespace std::string_literals;

// Presses a button `times` times and counts the presses that changed something.
int Press(CrosshairState& state, bool (*button)(CrosshairState&), int times) {
    int changed = 0;
    for (int i = 0; i < times; ++i) {
        changed += button(state) ? 1 : 0;
    }
    return changed;
}

// Alpha, draw colour, scale, arm length, gap and the enabled step buttons: size +, size -,
// transparency +, transparency -.
std::tuple<int, ColorRef, int, int, int, std::string> Shown(const CrosshairState& s) {
    std::string enabled;
    for (const bool on :
         {s.buttons.sizePlus, s.buttons.sizeMinus, s.buttons.transparencyPlus, s.buttons.transparencyMinus}) {
        enabled += on ? '1' : '0';
    }
    return {s.m_nAlpha, s.m_crDraw, s.m_nScale, s.m_nArmLength, s.m_nGap, enabled};
}

const ColorRef kGreen = Rgb(0, 255, 0);

TEST(CrosshairState, StepButtonsStopAtTheirLimits) {
    CrosshairState state;
    EXPECT_EQ(Shown(state), std::tuple(255, kGreen, 1200, 8, 8, "1110"s));
    EXPECT_FALSE(TransparencyMinus(state));
    EXPECT_EQ(Press(state, TransparencyPlus, 17), 17);
    EXPECT_EQ(Shown(state), std::tuple(0, kCrosshairBackground, 1200, 8, 8, "1111"s));
    EXPECT_FALSE(TransparencyPlus(state));
    EXPECT_EQ(Shown(state), std::tuple(0, kCrosshairBackground, 1200, 8, 8, "1101"s));
    EXPECT_EQ(Press(state, TransparencyMinus, 18), 17);
    EXPECT_EQ(Press(state, SizePlus, 5), 5);
    EXPECT_EQ(Shown(state), std::tuple(255, kGreen, 200, 36, 22, "1110"s));
    EXPECT_FALSE(SizePlus(state));
    EXPECT_EQ(Shown(state), std::tuple(255, kGreen, 200, 36, 22, "0110"s));

    EXPECT_EQ(Press(state, SizeMinus, 15), 14);
    EXPECT_EQ(Shown(state), std::tuple(255, kGreen, 3000, 2, 2, "1010"s));
    EXPECT_TRUE(SizePlus(state));
    EXPECT_EQ(Shown(state), std::tuple(255, kGreen, 2800, 2, 3, "1110"s));
    EXPECT_TRUE(TransparencyPlus(state) && SelectColor(state, 1)); // a colour takes the current alpha
    EXPECT_EQ(state.m_crDraw, Rgb(248, 6, 4));
}

// A bind that names every crosshair setting, which no removal may take.
const std::string kSayBind = "bind \"k\" \"say cl_crosshaircolor cl_crosshairalpha cl_crosshairusealpha "
                             "cl_dynamiccrosshair cl_crosshairscale cl_scalecrosshair\"";

// A colour replaces its own line.
TEST(CrosshairCommit, EachButtonWritesItsLinesAndTakesThemBack) {
    CrosshairState state;
    ConfigDocument document;
    document.Store("k", kSayBind);
    UseColor(document, 0);
    UseColor(document, 1);
    std::string kept = kSayBind + "\r\ncl_crosshaircolor \"1\"\r\n";
    document.Store("cl_crosshairalpha \"47\"", "cl_crosshairalpha \"47\"");
    ToggleSetAlpha(state, document);
    const std::string opaque = kept + "cl_crosshairusealpha \"1\"\r\ncl_crosshairalpha \"799\"\r\n";
    EXPECT_EQ(std::pair(state.m_bUseAlpha, document.Render()), std::pair(true, opaque));
    Press(state, TransparencyPlus, 18); // steps after the commit change only the preview
    EXPECT_EQ(document.Render(), opaque);
    ToggleSetAlpha(state, document);
    EXPECT_EQ(std::pair(state.m_bUseAlpha, document.Render()), std::pair(false, kept));
    EXPECT_EQ(Shown(state), std::tuple(255, kGreen, 1200, 8, 8, "1110"s));
    Press(state, TransparencyPlus, 17);
    ToggleSetAlpha(state, document);
    kept += "cl_crosshairusealpha \"1\"\r\ncl_crosshairalpha \"0\"\r\n";
    EXPECT_EQ(document.Render(), kept);

    // Dynamic drops the fixed size and Custom Size ends it; neither touches the lines above.
    state = CrosshairState{};
    Press(state, SizePlus, 6);
    CustomSize(state, document);
    EXPECT_EQ(document.Render(), kept + "cl_scalecrosshair \"1\"\r\ncl_crosshairscale \"200\"\r\n");
    ToggleDynamic(state, document);
    EXPECT_EQ(std::pair(state.m_bDynamic, document.Render()),
              std::pair(true, kept + "cl_dynamiccrosshair \"1\"\r\n"));
    EXPECT_EQ(Shown(state), std::tuple(255, kGreen, 1200, 8, 6, "1110"s));
    ToggleDynamic(state, document);
    EXPECT_EQ(std::pair(state.m_bDynamic, document.Render()), std::pair(false, kept));
    ToggleDynamic(state, document);
    for (const std::string scale : {"1000", "800"}) {
        SizePlus(state);
        CustomSize(state, document);
        EXPECT_EQ(
            std::pair(state.m_bDynamic, document.Render()),
            std::pair(false, kept + "cl_scalecrosshair \"1\"\r\ncl_crosshairscale \"" + scale + "\"\r\n"));
    }
}

} // namespace
} // namespace cssbinder
