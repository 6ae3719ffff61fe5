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

TEST(SubstituteRegistry, LinesItCannotReadAreDropped) {
    const SubstituteRegistry read = SubstituteRegistry::Parse("orphan=1\r\n[Key]\r\nA=12\r\nB=-3\r\nC=1e3\r\n"
                                                              "D=99999999999\r\n=5\r\nno value\r\nE=7");
    EXPECT_EQ(read.Render(), "[Key]\nA=12\nE=7\n");
}

} // namespace
} // namespace cssbinder
