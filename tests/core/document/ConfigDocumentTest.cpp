#include "core/document/ConfigDocument.h"
#include "core/document/ConfigFileBytes.h"
#include "core/document/GameFolder.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <tuple>

namespace cssbinder {
namespace {

// Lines render in the order their keys first came, each with CR LF; a stored key replaces only its
// own line, in place; keys compare case-sensitively.
TEST(ConfigDocument, StoresOneLineAKeyInFirstStoredOrder) {
    ConfigDocument document;
    EXPECT_TRUE(document.IsEmpty());
    EXPECT_EQ(document.Render(), "");
    document.Store("rate", "rate \"6400\"");
    document.Store("A", "bind \"a\" \"say a\"");
    document.Store("cl_cmdrate", "cl_cmdrate \"30\"");
    document.Store("A", "bind \"a\" \"buy vest\"");
    EXPECT_EQ(document.GetCount(), 3u);
    EXPECT_EQ(document.Render(), "rate \"6400\"\r\nbind \"a\" \"buy vest\"\r\ncl_cmdrate \"30\"\r\n");
    EXPECT_TRUE(document.LookupKey("A"));
    EXPECT_FALSE(document.LookupKey("a"));
    EXPECT_EQ(document.Find("a"), nullptr);
    ASSERT_NE(document.Find("A"), nullptr);
    EXPECT_EQ(*document.Find("A"), "bind \"a\" \"buy vest\"");
}

// Whatever their key; binds that only mention it, other variables and their order stay.
TEST(ConfigDocument, RemoveSettingTakesOnlyLinesSettingThatVariable) {
    ConfigDocument document;
    document.RemoveSetting("rate");
    EXPECT_TRUE(document.IsEmpty());
    document.Store("cl_crosshairalpha \"799\"", "cl_crosshairalpha \"799\"");
    document.Store("cl_crosshairusealpha \"1\"", "cl_crosshairusealpha \"1\"");
    document.Store("F2", "bind \"f2\" \"say cl_crosshairalpha is set\"");
    document.Store("x", "con_enable 1\r\nbind \"x\" \"toggleconsole\"");
    document.Store("cl_crosshairalpha \"47\"", "cl_crosshairalpha \"47\"");
    document.RemoveSetting("cl_crosshairalpha");
    document.RemoveSetting("Cl_crosshairusealpha");
    document.RemoveSetting("");
    document.RemoveSetting("con_enable 1");
    EXPECT_EQ(document.Render(), "cl_crosshairusealpha \"1\"\r\n"
                                 "bind \"f2\" \"say cl_crosshairalpha is set\"\r\n"
                                 "con_enable 1\r\nbind \"x\" \"toggleconsole\"\r\n");
}

TEST(ConfigFileBytes, EveryLineEndsInOneCarriageReturnLineFeedInUtf8) {
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"rendered lines", "a \"1\"\r\nb \"2\"\r\n", "a \"1\"\r\nb \"2\"\r\n"},
        {"no final line end added", "only", "only"},
        {"empty", "", ""},
        {"UTF-8, no byte-order mark", "bind \"ù\" \"say é€ж\"\n", "bind \"ù\" \"say é€ж\"\r\n"},
    };
    for (const auto& [name, text, bytes] : cases) {
        EXPECT_EQ(ToConfigFileBytes(text), bytes) << name;
    }
    // Any two line ends in a row stay two, a blank line between, except "\r" then "\n", which is one.
    for (const std::string first : {"\r\n", "\n", "\r"}) {
        for (const std::string second : {"\r\n", "\n", "\r"}) {
            EXPECT_EQ(ToConfigFileBytes("a" + first + second + "b"),
                      first + second == "\r\n" ? "a\r\nb" : "a\r\n\r\nb");
        }
    }
}

// The folders of a made-up disk, looked up as a file system that tells case apart does.
const std::set<std::string> kFolders{"/games/css",  "/games/css/cstrike", "/games/css/cstrike/cfg",
                                     "/games/bare", "/games/odd/CStrike", "C:\\CSS\\cstrike"};
const IsFolder kIsFolder = [](const std::string& path) {
    return kFolders.contains(path);
};

// A pick that holds cstrike is kept; the game's own cstrike folder, named in any case and with or
// without a trailing separator, stands for the folder above it, as long as that one holds cstrike. The
// save dialog opens in the game's config folder, else the game folder, else at home.
TEST(GameFolder, PicksAreKeptMendedOrRefusedAndSavesStartInAnExistingFolder) {
    const std::tuple<std::string, char, std::optional<std::string>> cases[] = {
        {"/games/css", '/', "/games/css"},          {"/games/css/cstrike", '/', "/games/css"},
        {"/games/css/cstrike/", '/', "/games/css"}, {"C:\\CSS\\CStrike", '\\', "C:\\CSS"},
        {"/games/odd/CStrike", '/', std::nullopt},  {"/games/bare", '/', std::nullopt},
        {"/games/bare/cstrike", '/', std::nullopt}, {"", '/', std::nullopt},
    };
    for (const auto& [picked, separator, kept] : cases) {
        EXPECT_EQ(GameFolderForPick(picked, separator, kIsFolder), kept) << picked;
    }
    for (const auto& [gamePath, folder] : {std::pair("/games/css", "/games/css/cstrike/cfg"),
                                           std::pair("/games/bare", "/games/bare"), std::pair("", "/home")}) {
        EXPECT_EQ(SaveDialogStartFolder(gamePath, "/home", '/', kIsFolder), folder) << gamePath;
    }
    EXPECT_EQ(GameConfigFolder("C:\\css", '\\'), "C:\\css\\cstrike\\cfg");
}

} // namespace
} // namespace cssbinder
