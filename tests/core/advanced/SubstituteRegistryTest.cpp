#include "core/advanced/SubstituteRegistry.h"

#include <gtest/gtest.h>

namespace cssbinder {
namespace {

constexpr char kTcpip[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

TEST(SubstituteRegistry, KeysAreSectionsAndValuesDecimal) {
    SubstituteRegistry registry;
    registry.CreateKey("Empty");
    registry.SetValue(kTcpip, "DefaultTTL", 64);
    registry.SetValue(kTcpip, "TcpWindowSize", 4294967295u);
    registry.SetValue(kTcpip, "DefaultTTL", 128);
    const std::string text = registry.Render();
    EXPECT_EQ(text, "[Empty]\n[SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\n"
                    "DefaultTTL=128\nTcpWindowSize=4294967295\n");

    const SubstituteRegistry read = SubstituteRegistry::Parse(text);
    EXPECT_EQ(read.Render(), text);
    EXPECT_TRUE(read.HasKey("Empty"));
    EXPECT_EQ(read.Value(kTcpip, "TcpWindowSize"), 4294967295u);

    // Deleting keeps the key; a missing value or key is no error.
    registry.DeleteValue(kTcpip, "DefaultTTL");
    registry.DeleteValue(kTcpip, "DefaultTTL");
    registry.DeleteValue("Missing", "DefaultTTL");
    EXPECT_EQ(registry.Render(), "[Empty]\n[SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\n"
                                 "TcpWindowSize=4294967295\n");
}

// Lines it cannot read stay where they were; names and paths are found whatever their case.
TEST(SubstituteRegistry, KeepsWhatItCannotReadAndIgnoresCase) {
    SubstituteRegistry read =
        SubstituteRegistry::Parse("orphan=1\r\n[Key]\r\nA=12\r\nB=-3\r\nC=1e3\r\n"
                                  "D=99999999999\r\n=5\r\nno value\r\nE=7\r\n[KEY]\r\na=13");
    EXPECT_EQ(read.Render(), "orphan=1\n[Key]\nA=13\nB=-3\nC=1e3\nD=99999999999\n=5\nno value\nE=7\n");
    EXPECT_EQ(read.Value("kEY", "a"), 13u);
    EXPECT_EQ(read.Value("Key", "B"), std::nullopt);
    read.SetValue("key", "b", 5);
    read.DeleteValue("KEY", "e");
    read.SetValue("key", "F", 6);
    EXPECT_EQ(read.Render(), "orphan=1\n[Key]\nA=13\nB=5\nC=1e3\nD=99999999999\n=5\nno value\nF=6\n");
}

} // namespace
} // namespace cssbinder
