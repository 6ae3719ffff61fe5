#include "core/text/LowerCase.h"

#include <gtest/gtest.h>

#include <utility>

namespace cssbinder {
namespace {

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
