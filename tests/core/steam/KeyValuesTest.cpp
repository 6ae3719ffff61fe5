#include "core/steam/KeyValues.h"
#include "core/steam/SteamLibrary.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

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

// The Steam folder /s lists its libraries; the game is installed in /lib, and in /s without cstrike.
// Lists since 2021 hold a block with a path per library; older ones a numbered value per library
// beside values of other names, which name no library.
TEST(SteamLibrary, FindsTheGameInTheLibrariesOfEitherList) {
    std::map<std::string, std::string> files = {
        {"/lib/steamapps/appmanifest_240.acf", R"("AppState" { "appid" "240" "installdir" "CSS" })"},
        {"/s/steamapps/appmanifest_240.acf", R"("AppState" { "installdir" "CSS" })"}};
    const std::set<std::string> folders = {"/lib/steamapps/common/CSS/cstrike", "/s/steamapps/common/CSS"};
    const SteamFiles steam{[&files](const std::string& path) {
                               const auto file = files.find(path);
                               return file == files.end() ? std::nullopt : std::optional(file->second);
                           },
                           [&folders](const std::string& path) {
                               return folders.contains(path);
                           }};
    const std::pair<const char*, bool> lists[] = {
        {R"("libraryfolders" { "0" { "path" "/s" } "1" { "path" "/gone" } "2" { "path" "/lib" } })", true},
        {R"("libraryfolders" { "0" { "path" "/s" } "1" { "label" "/lib" } })", false},
        {R"("LibraryFolders" { "TimeNextStatsReport" "1" "1" "/gone" "2" "/lib" })", true},
        {R"("LibraryFolders" { "ContentStatsID" "/lib" "1" "/s" })", false},
        {R"("libraryfolders" { "0" { "path" "/lib" )", false},
    };
    for (const auto& [list, found] : lists) {
        files["/s/steamapps/libraryfolders.vdf"] = list;
        EXPECT_EQ(FindSteamGameFolder({"/none", "/s"}, steam),
                  found ? std::optional<std::string>("/lib/steamapps/common/CSS") : std::nullopt)
            << list;
    }
}

} // namespace
} // namespace cssbinder
