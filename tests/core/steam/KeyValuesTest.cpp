#include "core/steam/KeyValues.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

TEST(KeyValues, ReadsNestedBlocksOfQuotedAndBareTexts) {
    const auto root = ParseKeyValues("// written by Steam\n"
                                     "\"libraryfolders\"\n{\n"
                                     "\t\"0\"\t{ \"path\" \"/home/a/Steam\" // the first one\n"
                                     "\t\t\"apps\" { \"240\" \"4\" } }\n"
                                     "\tcontentstatsid -42 [$LINUX]\n"
                                     "}\n");
    ASSERT_TRUE(root);
    const KeyValues* folders = root->Find("LibraryFolders");
    ASSERT_NE(folders, nullptr);
    ASSERT_EQ(folders->children.size(), 2u);
    const KeyValues& library = folders->children[0];
    EXPECT_EQ(library.key, "0");
    EXPECT_EQ(library.Find("path")->value, "/home/a/Steam");
    EXPECT_EQ(library.Find("apps")->Find("240")->value, "4");
    EXPECT_EQ(folders->Find("contentstatsid")->value, "-42");
    EXPECT_EQ(folders->Find("missing"), nullptr);
}

TEST(KeyValues, UnescapesQuotedTexts) {
    const auto root = ParseKeyValues(R"("a" "D:\\Steam Library" "b" "say \"hi\"\tnow\n" "c" "\q" "d" "")");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Find("a")->value, "D:\\Steam Library");
    EXPECT_EQ(root->Find("b")->value, "say \"hi\"\tnow\n");
    EXPECT_EQ(root->Find("c")->value, "\\q");
    EXPECT_EQ(root->Find("d")->value, "");
}

TEST(KeyValues, BrokenTextGivesNothing) {
    const std::string deep = std::string(10000, '{');
    for (const std::string& text :
         {std::string("\"a\" { \"b\" \"c\""), std::string("\"a\" \"b\" }"), std::string("\"a\""),
          std::string("\"a\" \"unterminated"), std::string("\"a\" \"ends in \\"),
          std::string("{ \"a\" \"b\" }"), std::string("\"a\" [$WIN32"), "\"a\" " + deep}) {
        EXPECT_FALSE(ParseKeyValues(text)) << text.substr(0, 40);
    }
    const auto empty = ParseKeyValues(" // nothing but a comment");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->children.empty());
}

} // namespace
} // namespace cssbinder
