#include "core/text/DialogNumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <utility>

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

INSTANTIATE_TEST_SUITE_P(Locales, DialogNumber, testing::Values("C", "fr_FR.UTF-8"));

TEST_P(DialogNumber, FormatsWithADotInEveryLocale) {
    EXPECT_EQ(FormatDialogFloat(2.2f), "2.2");
    EXPECT_EQ(FormatDialogFloat(1.0f), "1");
    EXPECT_EQ(FormatDialogFloat(1.0f / 3.0f), "0.333333");
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

} // namespace
} // namespace cssbinder
