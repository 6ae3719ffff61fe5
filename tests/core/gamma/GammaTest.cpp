#include "core/gamma/GammaAccess.h"
#include "core/gamma/GammaRamp.h"
#include "core/gamma/GammaSetting.h"
#include "core/gamma/RampFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace cssbinder {
namespace {

// The exponent of a slider position (300 takes the one of 297) and the ramp of it: entry k is the input
// after index k raised to the exponent, rising to full output, the same in every channel.
TEST(GammaRamp, BuildsTheEntriesOfTheInputAfterEachIndex) {
    // Position, exponent, ramp size, first and second entry.
    const std::tuple<int, float, std::size_t, int, int> cases[] = {
        {200, 1.0f, 256, 256, 512},      {100, 2.0f, 256, 1, 4},  {220, 0.8f, 256, 776, 1351},
        {200, 1.0f, 1024, 64, 128},      {100, 2.0f, 4096, 0, 0}, {297, 0.03f, 256, 55491, 56657},
        {300, 0.03f, 4096, 51063, 52135}};
    for (const auto& [position, exponent, size, first, second] : cases) {
        EXPECT_EQ(ExponentForPosition(position), exponent) << position;
        const GammaRamp ramp = BuildGammaRamp(exponent, size);
        ASSERT_EQ(ramp.Size(), size);
        EXPECT_EQ(std::tuple(ramp.red[0], ramp.red[1], ramp.red.back()), std::tuple(first, second, 65535))
            << position << " at " << size;
        EXPECT_TRUE(std::is_sorted(ramp.red.begin(), ramp.red.end())) << position;
        EXPECT_TRUE(ramp.red == ramp.green && ramp.red == ramp.blue) << position;
    }
}

GammaRamp LinearRamp(std::size_t size, unsigned step) {
    std::vector<std::uint16_t> channel(size);
    for (std::size_t k = 0; k < size; ++k) {
        channel[k] = static_cast<std::uint16_t>(std::min<std::size_t>(k * step, 65535));
    }
    return {channel, channel, channel};
}

// A fresh virtual display has a ramp of zeros: there is nothing to estimate from. Only red counts.
TEST(GammaRamp, EstimatesThePositionFromRedAndMapsChannelLevels) {
    GammaRamp onlyRed = LinearRamp(256, 256);
    std::fill(onlyRed.green.begin(), onlyRed.green.end(), 0);
    for (const auto& [ramp, position] :
         {std::pair(LinearRamp(256, 256), 200), std::pair(LinearRamp(256, 257), 202),
          std::pair(LinearRamp(256, 0), 200), std::pair(onlyRed, 200)}) {
        EXPECT_EQ(EstimatePosition(ramp), position);
    }
    for (const int position : {120, 180, 250}) {
        EXPECT_NEAR(EstimatePosition(BuildGammaRamp(ExponentForPosition(position), 1024)), position, 2)
            << position;
    }
    for (const std::size_t size : {256u, 4096u}) {
        const std::vector<std::uint8_t> identity = ChannelLevels(BuildGammaRamp(1.0f, size).red);
        EXPECT_EQ(std::tuple(identity.front(), identity[128], identity.back()),
                  std::tuple(size == 256 ? 1 : 0, 128, 255));
        const std::vector<std::uint8_t> dark = ChannelLevels(BuildGammaRamp(2.0f, size).red);
        EXPECT_LT(dark[128], 70);
    }
}

TEST(RampFile, KeepsEveryOutputRefusesWhatIsNotOneWholeFileAndJudgesKeptRamps) {
    const std::vector<GammaRamp> ramps{BuildGammaRamp(0.8f, 256), LinearRamp(1024, 64), LinearRamp(4, 0)};
    EXPECT_EQ(ParseRamps(SerializeRamps(ramps)), ramps);
    const std::string whole = SerializeRamps({LinearRamp(2, 300)});
    ASSERT_EQ(whole, "cssbinder gamma ramps 1\n1\n2\n0 300\n0 300\n0 300\n");
    const std::string head = "cssbinder gamma ramps 1\n";
    for (const std::string& broken :
         {std::string(), whole.substr(0, whole.size() - 1), whole + "7\n", head + "0\n",
          head + "1\n0\n\n\n\n", head + "1\n2\n0 65536\n0 1\n0 1\n", head + "1\n99999999\n",
          head + "1\n2\n0 -1\n0 1\n0 1\n", std::string("cssbinder gamma ramps 2\n1\n2\n0 1\n0 1\n0 1\n")}) {
        EXPECT_FALSE(ParseRamps(broken).has_value()) << broken;
    }
    // Ramps left in a recovery file go back only when they could be a screen's own: a black, white,
    // falling or resized ramp never does, and another number of outputs waits for the screen to return.
    const std::vector<GammaRamp> screen{LinearRamp(256, 256), LinearRamp(1024, 64)};
    GammaRamp falling = LinearRamp(256, 256);
    falling.green[9] = 0;
    GammaRamp nightLight = LinearRamp(256, 256);
    std::ranges::fill(nightLight.blue, 0);
    const std::vector<std::uint16_t> white(256, 65535);
    const struct {
        GammaRamp first;
        KeptRamps verdict;
    } cases[] = {
        {BuildGammaRamp(0.8f, 256), KeptRamps::Plausible},
        {nightLight, KeptRamps::Plausible},
        {LinearRamp(256, 0), KeptRamps::Implausible},
        {LinearRamp(256, 20), KeptRamps::Implausible},
        {falling, KeptRamps::Implausible},
        {LinearRamp(255, 256), KeptRamps::Implausible},
        {{white, white, white}, KeptRamps::Implausible},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(JudgeKeptRamps({test.first, screen[1]}, screen), test.verdict) << test.first.Size();
    }
    EXPECT_EQ(JudgeKeptRamps({screen[0]}, screen), KeptRamps::OtherOutputs);
}

// Six decimals and a dot under a comma locale; a bind that only names the variable stays. The range
// is one to three inclusive, and a confirmed position reopens where the user left it.
TEST(GammaSetting, TheDocumentKeepsOneGammaLineAndEverythingElse) {
    ASSERT_NE(std::setlocale(LC_ALL, CSSBINDER_GERMAN_LOCALE), nullptr);
    ConfigDocument document;
    document.Store("f1", "bind \"f1\" \"say mat_monitorgamma 3\"");
    StoreGamma(document, 2.2f);
    StoreGamma(document, static_cast<float>(GammaForPosition(157)));
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(document.Render(),
              "bind \"f1\" \"say mat_monitorgamma 3\"\r\nmat_monitorgamma \"1.570000\"\r\n");
    for (const auto& [gamma, inRange] :
         {std::pair(1.0f, true), std::pair(3.0f, true), std::pair(0.99f, false), std::pair(3.5f, false),
          std::pair(std::nanf(""), false)}) {
        EXPECT_EQ(IsGammaInRange(gamma), inRange) << gamma;
    }
    for (int position = kGammaSliderMin; position <= kGammaSliderMax; ++position) {
        EXPECT_EQ(PositionForGamma(position * 0.01), position);
    }
}

// Where no program may change the screen's ramp, the preview must not pretend it does.
TEST(GammaAccess, OnlyX11AndWindowsScreensWithARampCanChange) {
    for (const auto& [platform, allows] : {std::pair("xcb", true), std::pair("windows", true),
                                           std::pair("wayland", false), std::pair("offscreen", false)}) {
        EXPECT_EQ(WindowSystemAllowsGamma(platform), allows) << platform;
    }

    // X servers, and whether their ramp can change. Newer XWayland names its outputs after the
    // compositor's and is known by a property or an extension.
    const std::pair<XServerFacts, bool> cases[] = {{{{"DP-1", "HDMI-1"}, {1024, 4096}}, true},
                                                   {{{"screen"}, {256}}, true},
                                                   {{{"DP-1"}, {0, 256}}, true},
                                                   {{{"XWAYLAND0"}, {256}}, false},
                                                   {{{"DP-1", "XWAYLAND1"}, {256, 256}}, false},
                                                   {{{"HEADLESS-1"}, {256}, true}, false},
                                                   {{{"eDP-1"}, {1024}, false, true}, false},
                                                   {{{"screen"}, {0}}, false},
                                                   {{}, false}};
    for (const auto& [facts, changeable] : cases) {
        EXPECT_EQ(AccessOfXServer(facts) == GammaAccess::Changeable, changeable)
            << facts.outputNames.size() << facts.randrEmulation << facts.xwaylandExtension;
    }
}

} // namespace
} // namespace cssbinder
