#include "core/crosshair/CrosshairState.h"

#include <gtest/gtest.h>

#include <tuple>

namespace cssbinder {
namespace {

// Presses a button `times` times and counts the presses that changed something.
int Press(CrosshairState& state, bool (*button)(CrosshairState&), int times) {
    int changed = 0;
    for (int i = 0; i < times; ++i) {
        changed += button(state) ? 1 : 0;
    }
    return changed;
}

// Size +, size -, transparency +, transparency -.
auto Enabled(const StepButtons& b) {
    return std::tuple(b.sizePlus, b.sizeMinus, b.transparencyPlus, b.transparencyMinus);
}

TEST(CrosshairState, StartsOpaqueGreenWithTheStartGeometry) {
    const CrosshairState state;
    EXPECT_EQ(state.m_crCurrent, Rgb(0, 255, 0));
    EXPECT_EQ(state.m_crDraw, Rgb(0, 255, 0));
    EXPECT_EQ(std::tuple(state.m_nAlpha, state.m_nScale, state.m_nArmLength, state.m_nGap),
              std::tuple(255, 1200, 8, 8));
    EXPECT_FALSE(state.m_bUseAlpha || state.m_bDynamic);
    EXPECT_EQ(Enabled(state.buttons), std::tuple(true, true, true, false));
}

TEST(CrosshairState, SelectColorDrawsTheBlendOfTheCurrentAlpha) {
    CrosshairState state;
    EXPECT_TRUE(SelectColor(state, 1));
    EXPECT_EQ(state.m_crDraw, Rgb(255, 0, 0));
    EXPECT_TRUE(TransparencyPlus(state));
    EXPECT_EQ(state.m_crDraw, Rgb(248, 6, 4));

    Press(state, TransparencyPlus, 16);
    for (int index = 0; index < 5; ++index) {
        SelectColor(state, index);
        EXPECT_EQ(state.m_crDraw, kCrosshairBackground) << index;
    }
}

TEST(CrosshairState, TransparencyButtonsStopAtTheirLimits) {
    CrosshairState state;
    EXPECT_FALSE(TransparencyMinus(state));
    EXPECT_EQ(state.m_nAlpha, 255);

    EXPECT_EQ(Press(state, TransparencyPlus, 17), 17);
    EXPECT_EQ(state.m_nAlpha, 0);
    EXPECT_EQ(Enabled(state.buttons), std::tuple(true, true, true, true));
    EXPECT_FALSE(TransparencyPlus(state));
    EXPECT_EQ(state.m_nAlpha, 0);
    EXPECT_EQ(state.m_crDraw, kCrosshairBackground);
    EXPECT_EQ(Enabled(state.buttons), std::tuple(true, true, false, true));

    EXPECT_EQ(Press(state, TransparencyMinus, 18), 17);
    EXPECT_EQ(state.m_nAlpha, 255);
    EXPECT_EQ(state.m_crDraw, Rgb(0, 255, 0));
    EXPECT_EQ(Enabled(state.buttons), std::tuple(true, true, true, false));
}

TEST(CrosshairState, SizeButtonsStopAtTheirLimits) {
    CrosshairState larger;
    EXPECT_EQ(Press(larger, SizePlus, 6), 5);
    EXPECT_EQ(std::tuple(larger.m_nScale, larger.m_nArmLength, larger.m_nGap), std::tuple(200, 36, 22));
    EXPECT_EQ(Enabled(larger.buttons), std::tuple(false, true, true, false));
    EXPECT_TRUE(SizeMinus(larger));
    EXPECT_TRUE(larger.buttons.sizePlus);

    CrosshairState smaller;
    EXPECT_EQ(Press(smaller, SizeMinus, 10), 9);
    EXPECT_EQ(std::tuple(smaller.m_nScale, smaller.m_nArmLength, smaller.m_nGap), std::tuple(3000, 2, 2));
    EXPECT_EQ(Enabled(smaller.buttons), std::tuple(true, false, true, false));
}

TEST(CrosshairCommit, UseColorReplacesTheColourLineAndLeavesBindsAlone) {
    ConfigDocument document;
    document.Store("F2", "bind \"f2\" \"say cl_crosshaircolor\"");
    UseColor(document, 0);
    UseColor(document, 1);
    EXPECT_EQ(document.Render(), "bind \"f2\" \"say cl_crosshaircolor\"\r\ncl_crosshaircolor \"1\"\r\n");
    EXPECT_NE(document.Find("cl_crosshaircolor \"1\""), nullptr);
}

TEST(CrosshairCommit, SetAlphaTogglesTheTransparencyLines) {
    CrosshairState state;
    ConfigDocument document;
    document.Store("rate", "rate \"6400\"");
    document.Store("cl_crosshairalpha \"47\"", "cl_crosshairalpha \"47\"");
    ToggleSetAlpha(state, document);
    EXPECT_TRUE(state.m_bUseAlpha);
    EXPECT_EQ(document.Render(),
              "rate \"6400\"\r\ncl_crosshairusealpha \"1\"\r\ncl_crosshairalpha \"799\"\r\n");

    // Steps after the commit change only the preview.
    Press(state, TransparencyPlus, 18);
    EXPECT_EQ(document.GetCount(), 3u);
    ToggleSetAlpha(state, document);
    EXPECT_FALSE(state.m_bUseAlpha);
    EXPECT_EQ(document.Render(), "rate \"6400\"\r\n");
    EXPECT_EQ(state.m_nAlpha, 255);
    EXPECT_EQ(state.m_crDraw, Rgb(0, 255, 0));
    EXPECT_EQ(Enabled(state.buttons), std::tuple(true, true, true, false));

    Press(state, TransparencyPlus, 17);
    ToggleSetAlpha(state, document);
    EXPECT_EQ(document.Render(),
              "rate \"6400\"\r\ncl_crosshairusealpha \"1\"\r\ncl_crosshairalpha \"0\"\r\n");
    EXPECT_EQ(state.m_nAlpha, 0);
}

TEST(CrosshairCommit, DynamicOnDropsTheFixedSizeAndResetsTheScale) {
    CrosshairState state;
    ConfigDocument document;
    Press(state, SizePlus, 6);
    CustomSize(state, document);
    ASSERT_EQ(document.Render(), "cl_scalecrosshair \"1\"\r\ncl_crosshairscale \"200\"\r\n");

    ToggleDynamic(state, document);
    EXPECT_TRUE(state.m_bDynamic);
    EXPECT_EQ(document.Render(), "cl_dynamiccrosshair \"1\"\r\n");
    EXPECT_EQ(std::tuple(state.m_nScale, state.m_nArmLength, state.m_nGap), std::tuple(1200, 8, 6));
    EXPECT_EQ(Enabled(state.buttons), std::tuple(true, true, true, false));

    ToggleDynamic(state, document);
    EXPECT_FALSE(state.m_bDynamic);
    EXPECT_TRUE(document.IsEmpty());
}

TEST(CrosshairCommit, CustomSizeKeepsOneScaleLineAndEndsTheDynamicCrosshair) {
    CrosshairState state;
    ConfigDocument document;
    ToggleDynamic(state, document);
    SizePlus(state);
    CustomSize(state, document);
    EXPECT_FALSE(state.m_bDynamic);
    EXPECT_EQ(document.Render(), "cl_scalecrosshair \"1\"\r\ncl_crosshairscale \"1000\"\r\n");

    SizePlus(state);
    CustomSize(state, document);
    EXPECT_FALSE(state.m_bDynamic);
    EXPECT_EQ(document.Render(), "cl_scalecrosshair \"1\"\r\ncl_crosshairscale \"800\"\r\n");
    EXPECT_EQ(std::tuple(state.m_nScale, state.m_nArmLength), std::tuple(800, 19));
}

} // namespace
} // namespace cssbinder
