#include "core/text/CodePage1252.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

struct EncodeCase {
    const char* utf8;
    const char* cp1252;
};

TEST(CodePage1252, EncodesEveryCharacterThePageHoldsAndQuestionMarksTheRest) {
    const EncodeCase cases[] = {
        {"plain ascii ~", "plain ascii ~"},
        {"\xC3\xB9", "\xF9"},                           // ù
        {"\xC3\x80\xC3\xBF", "\xC0\xFF"},               // À ÿ
        {"\xC2\xA0", "\xA0"},                           // no-break space
        {"\xE2\x82\xAC", "\x80"},                       // €
        {"\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8", "\x8A\x8C\x8E\x9F"}, // Š Œ Ž Ÿ
        {"\xE2\x80\x9C\xE2\x80\x9D", "\x93\x94"},       // curly double quotes
        {"\xE2\x84\xA2", "\x99"},                       // ™
        {"\xC4\x81", "?"},                              // ā is not in the page
        {"\xE4\xB8\xAD", "?"},                          // a CJK character
        {"\xF0\x9F\x98\x80", "?"},                      // an emoji is one character
        {"\xC2\x81", "\x81"},                           // an unassigned byte keeps its C1 control
        {"a\xFF" "b", "a?b"},                           // a malformed byte
        {"\xC0\xAF", "?"},                              // an overlong form
    };
    for (const EncodeCase& test : cases) {
        EXPECT_EQ(EncodeCp1252(test.utf8), test.cp1252) << test.utf8;
    }
}

TEST(CodePage1252, LowerCasesAsciiAndTheAccentedCapitalsOfThePage) {
    const EncodeCase cases[] = {
        {"SAY GG All", "say gg all"},
        {"\xC3\x80\xC3\x89\xC3\x9E", "\xC3\xA0\xC3\xA9\xC3\xBE"}, // ÀÉÞ -> àéþ
        {"\xC3\x97", "\xC3\x97"},                                 // × stays
        {"\xC3\x9F", "\xC3\x9F"},                                 // ß has no capital in the page and stays
        {"\xC5\xA0\xC5\x92\xC5\xBD", "\xC5\xA1\xC5\x93\xC5\xBE"}, // ŠŒŽ -> šœž
        {"\xC5\xB8", "\xC3\xBF"},                                 // Ÿ -> ÿ
        {"\xC4\x80", "\xC4\x80"},                                 // Ā is outside the page and stays
        {"\xCE\x91", "\xCE\x91"},                                 // Greek capital alpha stays
        {"[]@^_`{}", "[]@^_`{}"},
        {"", ""},
    };
    for (const EncodeCase& test : cases) {
        EXPECT_EQ(ToLowerCp1252(test.utf8), test.cp1252) << test.utf8;
    }
}

} // namespace
} // namespace cssbinder
