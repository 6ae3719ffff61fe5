#include "core/text/CodePage1252.h"

#include <gtest/gtest.h>

#include <utility>

namespace cssbinder {
namespace {

TEST(CodePage1252, EncodesEveryCharacterThePageHoldsAndQuestionMarksTheRest) {
    const std::pair<const char*, const char*> cases[] = {
        {"plain ascii ~", "plain ascii ~"},
        {"\xC3\xB9\xC3\x80\xC3\xBF\xC2\xA0", "\xF9\xC0\xFF\xA0"}, // ù À ÿ no-break space
        {"\xE2\x82\xAC", "\x80"},                                 // €
        // Š Œ Ž Ÿ “ ™
        {"\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8\xE2\x80\x9C\xE2\x84\xA2", "\x8A\x8C\x8E\x9F\x93\x99"},
        // ā, a CJK character and an emoji are not in the page, each one character
        {"\xC4\x81|\xE4\xB8\xAD|\xF0\x9F\x98\x80", "?|?|?"},
        {"\xC2\x81", "\x81"},       // an unassigned byte keeps its C1 control
        {"a\xFF|\xC0\xAF", "a?|?"}, // a malformed byte, an overlong form
    };
    for (const auto& [utf8, cp1252] : cases) {
        EXPECT_EQ(EncodeCp1252(utf8), cp1252) << utf8;
    }
}

TEST(CodePage1252, LowerCasesAsciiAndTheAccentedCapitalsOfThePage) {
    const std::pair<const char*, const char*> cases[] = {
        {"SAY GG All", "say gg all"},
        // ÀÉÞŠŒŽŸ -> àéþšœžÿ
        {"\xC3\x80\xC3\x89\xC3\x9E\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8",
         "\xC3\xA0\xC3\xA9\xC3\xBE\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF"},
        // × and ß, without a capital in the page, stay; so do Ā and Greek capital alpha outside it.
        {"\xC3\x97\xC3\x9F\xC4\x80\xCE\x91", "\xC3\x97\xC3\x9F\xC4\x80\xCE\x91"},
        {"[]@^_`{}", "[]@^_`{}"},
        {"", ""},
    };
    for (const auto& [utf8, lower] : cases) {
        EXPECT_EQ(ToLowerCp1252(utf8), lower) << utf8;
    }
}

} // namespace
} // namespace cssbinder
