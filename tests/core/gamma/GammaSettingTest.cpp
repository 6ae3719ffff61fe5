#include "core/gamma/GammaSetting.h"
#include "core/gamma/GammaAccess.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <utility>

namespace cssbinder {
namespace {

// Six decimals and a dot under a comma locale; a bind that only names the variable stays.
TEST(GammaSetting, TheDocumentKeepsOneGammaLineAndEverythingElse) {
    ASSERT_NE(std::setlocale(LC_ALL, CSSBINDER_GERMAN_LOCALE), nullptr);
    ConfigDocument document;
    document.Store("f1", "bind \"f1\" \"say mat_monitorgamma 3\"");
    StoreGamma(document, 2.2f);
    StoreGamma(document, static_cast<float>(GammaForPosition(157)));
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(document.Render(),
              "bind \"f1\" \"say mat_monitorgamma 3\"\r\nmat_monitorgamma \"1.570000\"\r\n");
}

TEST(GammaSetting, RangeIsOneToThreeInclusive) {
    for (const auto& [gamma, inRange] :
         {std::pair(1.0f, true), std::pair(3.0f, true), std::pair(0.99f, false), std::pair(3.5f, false),
          std::pair(std::nanf(""), false)}) {
        EXPECT_EQ(IsGammaInRange(gamma), inRange) << gamma;
    }
}

// Where no program may change the screen's ramp, the preview must not pretend it does.
TEST(GammaAccess, OnlyX11AndWindowsScreensWithARampCanChange) {
    for (const auto& [platform, allows] : {std::pair("xcb", true), std::pair("windows", true),
                                           std::pair("wayland", false), std::pair("offscreen", false)}) {
        EXPECT_EQ(WindowSystemAllowsGamma(platform), allows) << platform;
    }

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

} // namespace
} // namespace cssbinder
