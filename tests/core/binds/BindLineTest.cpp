#include "core/binds/BindLine.h"

#include "core/binds/KeyCatalogue.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

TEST(BindLine, QuotesKeyAndCommandAndLowerCasesTheWholeLine) {
    EXPECT_EQ(BindLine("F1", "say Hello"), "bind \"f1\" \"say hello\"");
    EXPECT_EQ(BindLine("mouse1", "buy vest"), "bind \"mouse1\" \"buy vest\"");
    // Accented capitals of a typed text lower-case as well; ù, already small, stays.
    EXPECT_EQ(BindLine("\xC3\xB9", "say \xC3\x89T\xC3\x89"), "bind \"\xC3\xB9\" \"say \xC3\xA9t\xC3\xA9\"");
}

// The entry key keeps the catalogue's case; only the line carries the small form.
TEST(BindLine, CatalogueKeysAppearInSmallLettersInsideTheLine) {
    const std::optional<std::string> pageDown = GameKeyName(MiscKeysCombo, 24);
    ASSERT_EQ(pageDown, "PGDOWN");
    EXPECT_EQ(BindLine(*pageDown, "buy vest"), "bind \"pgdown\" \"buy vest\"");

    const std::optional<std::string> g = GameKeyName(LettersCombo, 7);
    ASSERT_EQ(g, "G");
    EXPECT_EQ(BindLine(*g, SayCommand(1, "GG All")), "bind \"g\" \"say_team gg all\"");
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
        {0, "   ", "say    "},
        {1, "  two  blanks ", "say_team   two  blanks "},
        {0, "he said \"go\"", "say he said 'go'"},
        {0, "go; kill", "say go, kill"},
        {0, "\";\";", "say ',',"},
        {0, "d\xC3\xA9j\xC3\xA0 vu; \"ok\"", "say d\xC3\xA9j\xC3\xA0 vu, 'ok'"},
        {0, "gl\r\nhf\nwp\r", "say gl hf wp "},
    };
    for (const SayCase& test : cases) {
        EXPECT_EQ(SayCommand(test.target, test.text), test.command) << test.text;
    }
}

TEST(BindLine, ConsoleBindEnablesTheConsoleThenBindsTheKey) {
    EXPECT_EQ(ConsoleBindValue("Escape"), "con_enable 1\r\nbind \"escape\" \"toggleconsole\"");
    EXPECT_EQ(ConsoleBindValue("kp_ins"), "con_enable 1\r\nbind \"kp_ins\" \"toggleconsole\"");
}

} // namespace
} // namespace cssbinder
