#include "core/advanced/GraphicsSwitches.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cssbinder {
namespace {

std::vector<std::string> Lines(const ConfigDocument& document) {
    std::vector<std::string> lines;
    for (const ConfigEntry& entry : document.Entries()) {
        EXPECT_EQ(entry.key, entry.line.starts_with("bind ") ? entry.key : entry.line)
            << "a graphics line is its own key";
        lines.push_back(entry.line);
    }
    return lines;
}

struct BoxCase {
    int controlId;
    std::vector<std::string> lines;
};

class GraphicsSwitchLines : public testing::TestWithParam<BoxCase> {};

TEST_P(GraphicsSwitchLines, UncheckingStoresTheLinesInOrderAndCheckingRemovesThem) {
    const BoxCase& box = GetParam();
    ConfigDocument document;
    document.Store("c", "bind \"c\" \"say r_shadows fog_enable r_rainalpha mat_bumpmap\"");
    ApplyGraphicsSwitch(document, GraphicsSwitchOf(box.controlId), false);
    std::vector<std::string> expected{"bind \"c\" \"say r_shadows fog_enable r_rainalpha mat_bumpmap\""};
    expected.insert(expected.end(), box.lines.begin(), box.lines.end());
    EXPECT_EQ(Lines(document), expected);

    // A second uncheck rewrites the same lines in place.
    ApplyGraphicsSwitch(document, GraphicsSwitchOf(box.controlId), false);
    EXPECT_EQ(document.GetCount(), expected.size());

    // Checking takes exactly the box's settings; the say bind naming them stays.
    ApplyGraphicsSwitch(document, GraphicsSwitchOf(box.controlId), true);
    EXPECT_EQ(Lines(document), std::vector<std::string>{expected.front()});
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, GraphicsSwitchLines,
    testing::Values(BoxCase{1073,
                            {"r_rainalpha \"0\"", "r_rainalphapow \"0\"", "r_raindensity \"0\"",
                             "r_rainlength \"0\"", "r_RainProfile \"0\"", "r_RainRadius \"0\"",
                             "r_RainSideVel \"0\"", "r_RainSimulate \"0\"", "r_rainspeed \"0\"",
                             "r_RainSplashPercentage \"0\"", "r_rainwidth \"0\""}},
                    BoxCase{1083, {"mat_reducefillrate \"1\""}},
                    BoxCase{1077, {"mat_bumpmap \"0\"", "mat_fastnobump \"1\""}},
                    BoxCase{1076, {"cl_show_bloodspray \"0\"", "cl_show_splashes \"0\""}},
                    BoxCase{1084, {"fog_enable \"0\"", "fog_enable_water_fog \"0\""}}));

TEST(GraphicsSwitches, ElevenBoxesEachWithLinesOfItsOwn) {
    ConfigDocument document;
    std::size_t lineCount = 0;
    for (const GraphicsSwitch& box : GraphicsSwitches()) {
        ApplyGraphicsSwitch(document, box, false);
        lineCount += box.lines.size();
    }
    EXPECT_EQ(GraphicsSwitches().size(), 11u);
    // No two boxes share a line, so checking one never takes another's.
    EXPECT_EQ(document.GetCount(), lineCount);
    EXPECT_EQ(lineCount, 43u);
    EXPECT_THROW(GraphicsSwitchOf(1078), std::out_of_range);
}

} // namespace
} // namespace cssbinder
