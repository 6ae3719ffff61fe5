#include "core/text/DialogNumber.h"

#include <gtest/gtest.h>

#include <clocale>

namespace cssbinder {
namespace {

TEST(DialogNumber, FormatsTheShortFormOfSixDigits) {
    EXPECT_EQ(FormatDialogFloat(2.2f), "2.2");
    EXPECT_EQ(FormatDialogFloat(1.0f), "1");
    EXPECT_EQ(FormatDialogFloat(2.75f), "2.75");
    EXPECT_EQ(FormatDialogFloat(1.0f / 3.0f), "0.333333");
}

// A French desktop's decimal comma must not reach the gamma field, which only reads a point.
TEST(DialogNumber, FormatsWithAPointInAnyLocale) {
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "no French locale on this machine";
    }
    EXPECT_EQ(FormatDialogFloat(2.2f), "2.2");
    std::setlocale(LC_NUMERIC, "C");
}

TEST(DialogNumber, ParsesOneNumberWithBlanksAround) {
    struct Case {
        const char* text;
        std::optional<float> value;
    };
    const Case cases[] = {
        {"2.2", 2.2f},         {" 3 ", 3.0f},          {"+1.5", 1.5f},        {"-1", -1.0f},
        {"5", 5.0f},           {"1e0", 1.0f},          {"", std::nullopt},    {"  ", std::nullopt},
        {"abc", std::nullopt}, {"2.2x", std::nullopt}, {"2,2", std::nullopt}, {"2 2", std::nullopt},
        {"+", std::nullopt},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(ParseDialogFloat(test.text), test.value) << '"' << test.text << '"';
    }
}

} // namespace
} // namespace cssbinder
