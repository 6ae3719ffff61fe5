#include "core/binds/BindLine.h"

#include "core/binds/KeyCatalogue.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

// The whole line is lower-cased, catalogue keys and accented capitals included; ù, already small, stays.
TEST(BindLine, QuotesKeyAndCommandInSmallLetters) {
    EXPECT_EQ(BindLine(GameKeyName(MiscKeysCombo, 24).value(), "buy vest"), "bind \"pgdown\" \"buy vest\"");
    EXPECT_EQ(BindLine("F1", "say Hello"), "bind \"f1\" \"say hello\"");
    EXPECT_EQ(BindLine("\xC3\xB9", "say \xC3\x89T\xC3\x89"), "bind \"\xC3\xB9\" \"say \xC3\xA9t\xC3\xA9\"");
    EXPECT_EQ(ConsoleBindValue("kp_INS"), "con_enable 1\r\nbind \"kp_ins\" \"toggleconsole\"");
}

struct SayCase {
    int target;
    const char* text;
    const char* command;
};

TEST(BindLine, SayCommandKeepsTheTextButMendsQuotesSemicolonsAndLineBreaks) {
    const SayCase cases[] = {
        {0, "Hello", "say Hello"},
        {1, "GG All", "say_team GG All"},
        {2, "rush B", "say_team rush B"},
        {0, "  two  blanks ", "say   two  blanks "},
        {0, "he said \"go\"; now", "say he said 'go', now"},
        {0, "d\xC3\xA9j\xC3\xA0 vu; \"ok\"", "say d\xC3\xA9j\xC3\xA0 vu, 'ok'"},
        {0, "gl\r\nhf\nwp\r", "say gl hf wp "},
    };
    for (const SayCase& test : cases) {
        EXPECT_EQ(SayCommand(test.target, test.text), test.command) << test.text;
    }
}

} // namespace
} // namespace cssbinder
