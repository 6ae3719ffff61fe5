#include "core/steam/KeyValues.h"
#include "core/steam/SteamLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace cssbinder {
namespace {

using namespace std::string_literals;

TEST(KeyValues, ReadsNestedBlocksOfQuotedAndBareTextsUnescapesQuotedOnesAndRefusesBrokenText) {
    // Some tools start the file with a UTF-8 byte-order mark.
    const auto root = ParseKeyValues("\xEF\xBB\xBF\"libraryfolders\" // written by Steam\n{\n"
                                     "\t\"0\"\t{ \"path\" \"/home/a/Steam\" // the first one\n"
                                     "\t\t\"apps\" { \"240\" \"4\" } }\n"
                                     "\tcontentstatsid -42 [$LINUX]\n"
                                     "}\n");
    ASSERT_TRUE(root && root->children.size() == 1);
    const KeyValues* folders = root->Find("LibraryFolders");
    ASSERT_TRUE(folders && folders->children.size() == 2);
    const KeyValues& library = folders->children[0];
    EXPECT_EQ(library.key, "0");
    EXPECT_EQ(library.Find("path")->value, "/home/a/Steam");
    EXPECT_EQ(library.Find("apps")->Find("240")->value, "4");
    EXPECT_EQ(folders->Find("contentstatsid")->value, "-42");
    EXPECT_EQ(folders->Find("missing"), nullptr);

    const auto escaped = ParseKeyValues(R"("a" "D:\\Steam Library" "b" "say \"hi\"\tnow\n" "c" "\q" "d" "")");
    ASSERT_TRUE(escaped);
    for (const auto& [key, value] : {std::pair("a", "D:\\Steam Library"), std::pair("b", "say \"hi\"\tnow\n"),
                                     std::pair("c", "\\q"), std::pair("d", "")}) {
        EXPECT_EQ(escaped->Find(key)->value, value) << key;
    }
    for (const std::string& text :
         {R"("a" { "b" "c")"s, R"("a" "b" })"s, R"("a")"s, R"("a" "unterminated)"s, R"("a" "ends in \)"s,
          R"({ "a" "b" })"s, R"("a" [$WIN32)"s, "\"a\" " + std::string(10000, '{')}) {
        EXPECT_FALSE(ParseKeyValues(text)) << text.substr(0, 40);
    }
    const auto empty = ParseKeyValues(" // nothing but a comment");
    EXPECT_TRUE(empty && empty->children.empty());
}

// A made-up home where ~/.steam/steam links to ~/.local/share/Steam and one more library is /games. Rows:
// the Steam folder's libraryfolders.vdf (nothing: no file), the library whose manifest names the game
// (empty: a folder of no name), whether its cstrike folder is there. Nothing outside is ever asked for.
TEST(SteamLibrary, SearchesTheSteamFolderThenEachListedLibraryOnce) {
    const std::string steam = "/home/u/.local/share/Steam";
    const std::string link = "/home/u/.steam/steam";
    const std::string pre2021 =
        R"("LibraryFolders" { "TimeNextStatsReport" "1" "ContentStatsID" "-7" "1" "/games" })";
    const std::string game = "/steamapps/common/Counter-Strike Source";
    const struct {
        std::optional<std::string> vdf;
        std::string library;
        bool found;
    } rows[] = {
        {pre2021, steam, true}, // written before 2021: the Steam folder is not listed
        {pre2021, "/games", true},
        {std::nullopt, steam, true},
        {"\"libraryfolders\" { \"0\" { \"path\" \"", steam, true}, // cut short
        // Today's files list the Steam folder too, which the link also names.
        {R"("libraryfolders" { "0" { "path" "/home/u/.local/share/Steam" } "1" { "path" "/games" } })",
         "/games", false},
        // An empty path names no folder, not even the working folder; a library may be gone.
        {R"("libraryfolders" { "0" { "path" "" } "1" "" "2" { "path" "/games/gone" } })", "", false},
    };
    for (const auto& [vdf, library, found] : rows) {
        std::map<std::string, std::string> tree{{library + "/steamapps/appmanifest_240.acf",
                                                 R"("AppState" { "installdir" "Counter-Strike Source" })"}};
        if (vdf) {
            tree[steam + "/steamapps/libraryfolders.vdf"] = *vdf;
        }
        std::vector<std::string> asked;
        const auto resolve = [&](const std::string& path) {
            asked.push_back(path);
            return path.starts_with(link) ? steam + path.substr(link.size()) : path;
        };
        const SteamFiles files{
            [&](const std::string& path) -> std::optional<std::string> {
                const auto file = tree.find(resolve(path));
                return file == tree.end() ? std::nullopt : std::optional(file->second);
            },
            [&](const std::string& path) { return found && resolve(path) == library + game + "/cstrike"; },
            [&](const std::string& path) {
                const std::string real = resolve(path);
                return real == steam || real == "/games" ? real : std::string();
            },
        };
        EXPECT_EQ(FindSteamGameFolder({link, steam}, files),
                  found ? std::optional(library + game) : std::nullopt)
            << vdf.value_or("");
        for (const std::string& path : asked) {
            EXPECT_TRUE(path.starts_with("/home/u/") || path.starts_with("/games")) << path;
            if (path.ends_with(".acf")) {
                EXPECT_EQ(std::ranges::count(asked, path), 1) << path;
            }
        }
    }
}

} // namespace
} // namespace cssbinder
