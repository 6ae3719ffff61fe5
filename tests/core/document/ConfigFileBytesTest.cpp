#include "core/document/ConfigFileBytes.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

struct LineEndCase {
    const char* name;
    std::string text;
    std::string bytes;
};

TEST(ConfigFileBytes, EveryLineEndsInOneCarriageReturnLineFeed) {
    const LineEndCase cases[] = {
        {"rendered lines", "a \"1\"\r\nb \"2\"\r\n", "a \"1\"\r\nb \"2\"\r\n"},
        {"typed line feeds", "a\nb\n", "a\r\nb\r\n"},
        {"lone carriage return", "a\rb", "a\r\nb"},
        {"blank lines kept", "a\r\n\r\n\nb", "a\r\n\r\n\r\nb"},
        {"no final line end added", "only", "only"},
        {"empty", "", ""},
    };
    for (const LineEndCase& test : cases) {
        EXPECT_EQ(ToConfigFileBytes(test.text), test.bytes) << test.name;
    }
}

TEST(ConfigFileBytes, TextIsWrittenInCodePage1252) {
    EXPECT_EQ(ToConfigFileBytes("bind \"ù\" \"say é€\"\n"), "bind \"\xF9\" \"say \xE9\x80\"\r\n");
    EXPECT_EQ(ToConfigFileBytes("say \xE2\x9C\x93 ok"), "say ? ok");
}

TEST(ConfigFileBytes, GameConfigFolderIsCstrikeCfgInsideTheGameFolder) {
    EXPECT_EQ(GameConfigFolder("/games/css", '/'), "/games/css/cstrike/cfg");
    EXPECT_EQ(GameConfigFolder("C:\\css\\", '\\'), "C:\\css\\\\cstrike\\cfg");
    EXPECT_EQ(GameConfigFolder("", '/'), "/cstrike/cfg");
}

} // namespace
} // namespace cssbinder
