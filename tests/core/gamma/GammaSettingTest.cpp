#include "core/gamma/GammaSetting.h"
#include "core/gamma/GammaAccess.h"
#include "core/lang/GammaDialogLabels.h"
#include "core/lang/Language.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace cssbinder {
namespace {

TEST(GammaSetting, TheGammaLineHasSixDecimalsAndADotUnderACommaLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    EXPECT_EQ(GammaLine(2.2f), "mat_monitorgamma \"2.200000\"");
    EXPECT_EQ(GammaLine(static_cast<float>(GammaForPosition(157))), "mat_monitorgamma \"1.570000\"");
    std::setlocale(LC_ALL, "C");
}

TEST(GammaSetting, TheDocumentKeepsOneGammaLineAndEverythingElse) {
    ConfigDocument document;
    document.Store("f1", "bind \"f1\" \"say mat_monitorgamma 3\"");
    StoreGamma(document, 2.2f);
    StoreGamma(document, 1.5f);
    ASSERT_EQ(document.GetCount(), 2u);
    EXPECT_EQ(document.Entries()[1].key, "mat_monitorgamma \"1.500000\"");
    EXPECT_EQ(document.Entries()[1].line, "mat_monitorgamma \"1.500000\"");
    EXPECT_EQ(document.Entries()[0].key, "f1");
}

TEST(GammaSetting, RangeIsOneToThreeInclusive) {
    EXPECT_TRUE(IsGammaInRange(1.0f));
    EXPECT_TRUE(IsGammaInRange(3.0f));
    EXPECT_FALSE(IsGammaInRange(0.99f));
    EXPECT_FALSE(IsGammaInRange(3.5f));
    EXPECT_FALSE(IsGammaInRange(std::nanf("")));
}

// Where no program may change the screen's ramp, the preview must not pretend it does.
TEST(GammaAccess, OnlyX11AndWindowsScreensWithARampCanChange) {
    EXPECT_TRUE(WindowSystemAllowsGamma("xcb"));
    EXPECT_TRUE(WindowSystemAllowsGamma("windows"));
    EXPECT_FALSE(WindowSystemAllowsGamma("wayland"));
    EXPECT_FALSE(WindowSystemAllowsGamma("offscreen"));

    const struct {
        std::vector<std::string> outputs;
        std::vector<int> sizes;
        GammaAccess access;
    } cases[] = {
        {{"DP-1", "HDMI-1"}, {1024, 4096}, GammaAccess::Changeable},
        {{"screen"}, {256}, GammaAccess::Changeable},
        {{"DP-1"}, {0, 256}, GammaAccess::Changeable},
        {{"XWAYLAND0"}, {256}, GammaAccess::NotChangeable},
        {{"DP-1", "XWAYLAND1"}, {256, 256}, GammaAccess::NotChangeable},
        {{"screen"}, {0}, GammaAccess::NotChangeable},
        {{}, {}, GammaAccess::NotChangeable},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(AccessOfOutputs(test.outputs, test.sizes), test.access) << test.outputs.size();
    }
}

TEST(GammaDialogLabels, TheTwoNotesDifferInEveryLanguage) {
    for (int language = English; language <= Spanish; ++language) {
        EXPECT_NE(GammaNoteText(GammaNote::ScreenCannotChange, language),
                  GammaNoteText(GammaNote::RampUnreadable, language));
        EXPECT_FALSE(GammaNoteText(GammaNote::RampUnreadable, language).empty());
    }
    EXPECT_NE(GammaNoteText(GammaNote::ScreenCannotChange, French),
              GammaNoteText(GammaNote::ScreenCannotChange, English));
}

} // namespace
} // namespace cssbinder
