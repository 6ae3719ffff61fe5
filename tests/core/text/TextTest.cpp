#include "core/text/DialogNumber.h"
#include "core/text/LowerCase.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace cssbinder {
namespace {

// French and German desktops write a decimal comma; the numbers must not follow them.
class DialogNumber : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr) << GetParam() << " is not installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

INSTANTIATE_TEST_SUITE_P(Locales, DialogNumber, testing::Values("C", CSSBINDER_FRENCH_LOCALE));

// Every value of two decimals up to 3000, the edges of six digits and random values of every kind
// read as the general formatter with six significant digits writes them, with a dot.
TEST_P(DialogNumber, FormatsSixSignificantDigitsWithADot) {
    std::vector<float> values{-0.0f, 0.005f, 9999.99f, 10000.0f, 10000.01f, 99999.99f, 1e-7f, 123456.7f};
    std::mt19937 random(7);
    for (int step = -300000; step <= 300000; ++step) {
        values.insert(values.end(),
                      {step / 100.0f, std::bit_cast<float>(static_cast<std::uint32_t>(random()))});
    }
    for (const float value : values) {
        std::array<char, 64> expected{};
        std::to_chars(expected.data(), expected.data() + expected.size(), static_cast<double>(value),
                      std::chars_format::general, 6);
        ASSERT_EQ(FormatDialogFloat(value), expected.data()) << std::bit_cast<std::uint32_t>(value);
    }
    EXPECT_EQ(FormatSixDecimals(static_cast<double>(2.2f)), "2.200000");
}

TEST_P(DialogNumber, ParsesOneNumberWithBlanksAroundAndADotOrAComma) {
    const std::pair<const char*, std::optional<float>> cases[] = {
        {"2.2", 2.2f},           {" 3 ", 3.0f},         {"+1.5", 1.5f},         {"-1", -1.0f},
        {"1e0", 1.0f},           {"1,5", 1.5f},         {" 2,25 ", 2.25f},      {"", std::nullopt},
        {"  ", std::nullopt},    {"abc", std::nullopt}, {"2.2x", std::nullopt}, {"1,5,5", std::nullopt},
        {"1.5,5", std::nullopt}, {"2 2", std::nullopt}, {"+", std::nullopt},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseDialogFloat(text), value) << '"' << text << '"';
    }
}

// Code page 1252's capitals as before, and the Latin, Greek and Cyrillic ones beyond it; letters
// without a small form in the table, and everything else, stay as they are.
TEST(LowerCase, LowerCasesTheCapitalsOfLatinGreekAndCyrillic) {
    const std::pair<const char*, const char*> cases[] = {
        {"SAY GG All [@^_`{}]", "say gg all [@^_`{}]"},
        {"ÀÉÞŠŒŽŸ", "àéþšœžÿ"},
        {"ĀŁŊŹİ", "āłŋźi"},
        {"ΑΩΆΏΫ", "αωάώϋ"},
        {"ЖЯЁѢӁӀԮ", "жяёѣӂӏԯ"},
        {"×ßıĸſςж中😀", "×ßıĸſςж中😀"},
        {"", ""},
    };
    for (const auto& [utf8, lower] : cases) {
        EXPECT_EQ(ToLowerText(utf8), lower) << utf8;
    }
}

} // namespace
} // namespace cssbinder
