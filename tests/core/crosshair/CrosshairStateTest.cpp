#include "core/crosshair/CrosshairState.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace cssbinder {
namespace {

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

TEST(CrosshairCommit, SetAlphaWritesTheTransparencyAndTakesItBack) {
    CrosshairState state;
    ConfigDocument document;
    document.Store("cl_crosshairalpha \"47\"", "cl_crosshairalpha \"47\"");
    ToggleSetAlpha(state, document);
    const std::string opaque = "cl_crosshairusealpha \"1\"\r\ncl_crosshairalpha \"799\"\r\n";
    EXPECT_EQ(std::pair(state.m_bUseAlpha, document.Render()), std::pair(true, opaque));
    Press(state, TransparencyPlus, 18); // steps after the commit change only the preview
    EXPECT_EQ(document.Render(), opaque);
    ToggleSetAlpha(state, document);
    EXPECT_EQ(std::pair(state.m_bUseAlpha, document.Render()), std::pair(false, ""s));
    EXPECT_EQ(Shown(state), std::tuple(255, kGreen, 1200, 8, 8, "1110"s));
    Press(state, TransparencyPlus, 17);
    ToggleSetAlpha(state, document);
    EXPECT_EQ(document.Render(), "cl_crosshairusealpha \"1\"\r\ncl_crosshairalpha \"0\"\r\n");
}

TEST(CrosshairCommit, DynamicDropsTheFixedSizeAndCustomSizeEndsIt) {
    CrosshairState state;
    ConfigDocument document;
    Press(state, SizePlus, 6);
    CustomSize(state, document);
    EXPECT_EQ(document.Render(), "cl_scalecrosshair \"1\"\r\ncl_crosshairscale \"200\"\r\n");
    ToggleDynamic(state, document);
    EXPECT_EQ(std::pair(state.m_bDynamic, document.Render()),
              std::pair(true, "cl_dynamiccrosshair \"1\"\r\n"s));
    EXPECT_EQ(Shown(state), std::tuple(255, kGreen, 1200, 8, 6, "1110"s));
    ToggleDynamic(state, document);
    EXPECT_EQ(std::pair(state.m_bDynamic, document.Render()), std::pair(false, ""s));
    ToggleDynamic(state, document);
    for (const std::string scale : {"1000", "800"}) {
        SizePlus(state);
        CustomSize(state, document);
        EXPECT_EQ(std::pair(state.m_bDynamic, document.Render()),
                  std::pair(false, "cl_scalecrosshair \"1\"\r\ncl_crosshairscale \"" + scale + "\"\r\n"));
    }
}

TEST(CrosshairCommit, UseColorReplacesItsLineAndRemovalsLeaveBinds) {
    const std::string bind = "bind \"k\" \"say cl_crosshaircolor cl_crosshairalpha cl_crosshairusealpha "
                             "cl_dynamiccrosshair cl_crosshairscale cl_scalecrosshair\"";
    CrosshairState state;
    ConfigDocument document;
    document.Store("k", bind);
    UseColor(document, 0);
    UseColor(document, 1);
    ToggleSetAlpha(state, document);
    ToggleSetAlpha(state, document);
    ToggleDynamic(state, document);
    CustomSize(state, document);
    ToggleDynamic(state, document);
    EXPECT_EQ(document.Render(), bind + "\r\ncl_crosshaircolor \"1\"\r\ncl_dynamiccrosshair \"1\"\r\n");
}

} // namespace
} // namespace cssbinder
