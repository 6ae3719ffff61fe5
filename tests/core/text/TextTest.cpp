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
        // ÀÉÞŠŒŽŸ -> àéþšœžÿ
        {"\xC3\x80\xC3\x89\xC3\x9E\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8",
         "\xC3\xA0\xC3\xA9\xC3\xBE\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF"},
        // Ā Ł Ŋ Ź İ -> ā ł ŋ ź i
        {"\xC4\x80\xC5\x81\xC5\x8A\xC5\xB9\xC4\xB0", "\xC4\x81\xC5\x82\xC5\x8B\xC5\xBA"
                                                     "i"},
        // Α Ω Ά Ώ Ϋ -> α ω ά ώ ϋ
        {"\xCE\x91\xCE\xA9\xCE\x86\xCE\x8F\xCE\xAB", "\xCE\xB1\xCF\x89\xCE\xAC\xCF\x8E\xCF\x8B"},
        // Ж Я Ё Ѣ Ӂ Ӏ Ԯ -> ж я ё ѣ ӂ ӏ ԯ
        {"\xD0\x96\xD0\xAF\xD0\x81\xD1\xA2\xD3\x81\xD3\x80\xD4\xAE",
         "\xD0\xB6\xD1\x8F\xD1\x91\xD1\xA3\xD3\x82\xD3\x8F\xD4\xAF"},
        // × ß ı ĸ ſ ς, small Cyrillic, a CJK character and an emoji stay.
        {"\xC3\x97\xC3\x9F\xC4\xB1\xC4\xB8\xC5\xBF\xCF\x82\xD0\xB6\xE4\xB8\xAD\xF0\x9F\x98\x80",
         "\xC3\x97\xC3\x9F\xC4\xB1\xC4\xB8\xC5\xBF\xCF\x82\xD0\xB6\xE4\xB8\xAD\xF0\x9F\x98\x80"},
        {"", ""},
    };
    for (const auto& [utf8, lower] : cases) {
        EXPECT_EQ(ToLowerText(utf8), lower) << utf8;
    }
}

} // namespace
} // namespace cssbinder
