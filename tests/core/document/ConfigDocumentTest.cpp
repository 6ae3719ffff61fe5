#include "core/document/ConfigDocument.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

TEST(ConfigDocument, EmptyDocumentRendersAsEmptyText) {
    const ConfigDocument document;
    EXPECT_TRUE(document.IsEmpty());
    EXPECT_EQ(document.GetCount(), 0u);
    EXPECT_EQ(document.Render(), "");
}

TEST(ConfigDocument, RendersEveryLineWithCrLfInInsertionOrder) {
    ConfigDocument document;
    document.Store("mouse1", "bind \"mouse1\" \"say hi\"");
    EXPECT_EQ(document.Render(), "bind \"mouse1\" \"say hi\"\r\n");

    document.Store("rate", "rate \"6400\"");
    document.Store("A", "bind \"a\" \"buy vest\"");
    EXPECT_EQ(document.Render(), "bind \"mouse1\" \"say hi\"\r\nrate \"6400\"\r\nbind \"a\" \"buy vest\"\r\n");
    EXPECT_EQ(document.Render(), document.Render());
}

TEST(ConfigDocument, StoringAnExistingKeyReplacesOnlyThatLineInPlace) {
    ConfigDocument document;
    document.Store("rate", "rate \"6400\"");
    document.Store("F1", "bind \"f1\" \"say a\"");
    document.Store("cl_cmdrate", "cl_cmdrate \"30\"");

    document.Store("F1", "bind \"f1\" \"buy vest\"");

    EXPECT_EQ(document.GetCount(), 3u);
    EXPECT_EQ(document.Render(), "rate \"6400\"\r\nbind \"f1\" \"buy vest\"\r\ncl_cmdrate \"30\"\r\n");
}

TEST(ConfigDocument, KeysCompareCaseSensitively) {
    ConfigDocument document;
    document.Store("A", "bind \"a\" \"say upper\"");
    EXPECT_TRUE(document.LookupKey("A"));
    EXPECT_FALSE(document.LookupKey("a"));
    EXPECT_EQ(document.Find("a"), nullptr);
    ASSERT_NE(document.Find("A"), nullptr);
    EXPECT_EQ(*document.Find("A"), "bind \"a\" \"say upper\"");
}

// Removal takes the settings of one variable and leaves everything else where it was.
TEST(ConfigDocument, RemoveSettingTakesOnlyLinesSettingThatVariable) {
    ConfigDocument document;
    document.Store("cl_crosshairalpha \"799\"", "cl_crosshairalpha \"799\"");
    document.Store("cl_crosshairusealpha \"1\"", "cl_crosshairusealpha \"1\"");
    document.Store("F2", "bind \"f2\" \"say cl_crosshairalpha is set\"");
    document.Store("mat_reducefillrate", "mat_reducefillrate \"1\"");
    document.Store("rate", "rate \"6400\"");
    document.Store("cl_crosshairalpha \"47\"", "cl_crosshairalpha \"47\"");

    document.RemoveSetting("cl_crosshairalpha");
    EXPECT_EQ(document.Render(), "cl_crosshairusealpha \"1\"\r\n"
                                 "bind \"f2\" \"say cl_crosshairalpha is set\"\r\n"
                                 "mat_reducefillrate \"1\"\r\n"
                                 "rate \"6400\"\r\n");

    document.RemoveSetting("rate");
    EXPECT_TRUE(document.LookupKey("mat_reducefillrate"));
    EXPECT_FALSE(document.LookupKey("rate"));

    document.RemoveSetting("Cl_crosshairusealpha");
    EXPECT_EQ(document.GetCount(), 3u);
}

TEST(ConfigDocument, RemoveSettingOnAnEmptyDocumentOrWithoutMatchChangesNothing) {
    ConfigDocument document;
    document.RemoveSetting("rate");
    EXPECT_TRUE(document.IsEmpty());

    document.Store("x", "con_enable 1\r\nbind \"x\" \"toggleconsole\"");
    document.RemoveSetting("");
    document.RemoveSetting("con_enable 1");
    EXPECT_EQ(document.GetCount(), 1u);
}

} // namespace
} // namespace cssbinder
