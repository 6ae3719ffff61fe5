#include "core/document/ConfigDocument.h"
#include "core/document/ConfigFileBytes.h"
#include "core/document/GameFolder.h"
#include "core/document/OpenedConfig.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace cssbinder {
namespace {

// Lines render in the order their keys first came, each with CR LF; a stored key replaces only its
// own line, in place; keys compare case-sensitively. Removing a setting takes the lines that set that
// variable whatever their key and the variable's case; binds that only mention it and other variables stay.
TEST(ConfigDocument, StoresOneLineAKeyAndRemovesOnlyLinesSettingAVariable) {
    ConfigDocument document;
    document.RemoveSetting("rate");
    EXPECT_TRUE(document.IsEmpty() && document.Render().empty());
    document.Store("rate", "rate \"6400\"");
    document.Store("A", "bind \"a\" \"say a\"");
    document.Store("cl_crosshairalpha \"799\"", "cl_crosshairalpha \"799\"");
    document.Store("x", "con_enable 1\r\nbind \"x\" \"toggleconsole\"");
    document.Store("A", "bind \"a\" \"say cl_crosshairalpha is set\"");
    document.Store("cl_crosshairusealpha \"1\"", "cl_crosshairusealpha \"1\"");
    document.Store("cl_crosshairalpha \"47\"", "cl_crosshairalpha \"47\"");
    EXPECT_TRUE(document.LookupKey("A") && !document.LookupKey("a") && document.Find("a") == nullptr);
    for (const char* variable : {"cl_crosshairalpha", "Cl_crosshairusealpha", "", "con_enable 1"}) {
        document.RemoveSetting(variable);
    }
    EXPECT_EQ(document.Render(), "rate \"6400\"\r\nbind \"a\" \"say cl_crosshairalpha is set\"\r\n"
                                 "con_enable 1\r\nbind \"x\" \"toggleconsole\"\r\n");
}

// A line end, or two in a row, stays as many, a blank line between, except "\r" then "\n", which is one;
// UTF-8 stays, without a byte-order mark, and nothing is added after the last line.
TEST(ConfigFileBytes, EveryLineEndsInOneCarriageReturnLineFeedInUtf8) {
    EXPECT_EQ(ToConfigFileBytes(""), "");
    for (const std::string first : {"\r\n", "\n", "\r"}) {
        for (const std::string second : {"", "\r\n", "\n", "\r"}) {
            EXPECT_EQ(ToConfigFileBytes("say é€ж" + first + second + "b"),
                      second.empty() || first + second == "\r\n" ? "say é€ж\r\nb" : "say é€ж\r\n\r\nb");
        }
    }
}

// An opened file keeps every line in its place. A bind of one key is keyed by the catalogue's
// spelling of it, or the file's for a key the catalogue lacks; a variable the presets store by name,
// by that name; everything else, repeated lines and lines of several commands included, by itself.
// Saved unchanged, it gives back its lines with CR LF ends and no byte-order mark.
TEST(OpenedConfig, KeepsEveryLineAndKeysBindsAndPresetVariablesByName) {
    const auto self = [](const char* line) {
        return ConfigEntry{line, line};
    };
    const std::vector<ConfigEntry> entries{
        self("// mine"),
        self("exec userconfig.cfg"),
        self("alias +jt \"+jump; duck\""),
        self(""),
        {"PGDN", "bind \"pgdn\" \"say \xC3\xA9t\xC3\xA9\""},
        {"kp_end", "bind kp_END +jt"},
        {"A", "BIND a say hi there"},
        self("bind \"x\" \"slot1\"; bind \"y\" \"slot2\""),
        {"f13", "bind f13 \"+attack\""},
        self("bind w"),
        {"rate", "RATE 25000 // mine"},
        {"cl_cmdrate", "cl_cmdrate \"66\""},
        self("mat_dxlevel // shows the level"),
        self("mat_monitorgamma \"2.2\""),
        self(""),
        self("// mine"),
    };
    std::string saved;
    for (const ConfigEntry& entry : entries) {
        saved += entry.line + "\r\n";
    }
    // The file: a byte-order mark, one bare line feed, no line end after the last line.
    std::string file = "\xEF\xBB\xBF" + saved.substr(0, saved.size() - 2);
    file.replace(file.find("+jt\r\n"), 5, "+jt\n");
    ConfigDocument document = ReadConfigDocument(file);
    EXPECT_EQ(document.Entries(), entries);
    EXPECT_EQ(document.Render(), saved);

    // A bind or a setting by name replaces the line that held it, where it stands.
    document.Store("PGDN", "bind \"pgdn\" \"buy vest\"");
    document.Store("rate", "rate \"20000\"");
    EXPECT_EQ(document.Entries()[4].line, "bind \"pgdn\" \"buy vest\"");
    EXPECT_EQ(document.Entries()[10].line, "rate \"20000\"");
    EXPECT_EQ(document.GetCount(), entries.size());

    // A line that is not UTF-8 is code page 1252, line by line.
    EXPECT_EQ(ReadConfigDocument("bind \"\xF9\" \"say caf\xE9 \x80\"\r\nsay \xC3\xA9\r\n").Entries(),
              (std::vector<ConfigEntry>{{"\xC3\xB9", "bind \"\xC3\xB9\" \"say caf\xC3\xA9 \xE2\x82\xAC\""},
                                        self("say \xC3\xA9")}));
}

// Valid UTF-8, a written replacement character included, stays; anything else is code page 1252 byte
// for byte, its five unassigned bytes as their C1 controls.
TEST(OpenedConfig, LinesThatAreNotUtf8AreCodePage1252) {
    const std::pair<const char*, const char*> cases[] = {
        {"say \xC3\xA9 \xEF\xBF\xBD \xF0\x9F\x98\x80", "say \xC3\xA9 \xEF\xBF\xBD \xF0\x9F\x98\x80"},
        {"\x80\x81\x8A\x9F\xA0\xFF", "\xE2\x82\xAC\xC2\x81\xC5\xA0\xC5\xB8\xC2\xA0\xC3\xBF"},
        // Overlong, surrogate and cut-short sequences.
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(DecodeConfigLine(bytes), text) << bytes;
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
