// The Windows back ends against the real system calls, run under Wine.
#include "core/advanced/ConnectionPresets.h"
#include "core/gamma/GammaRamp.h"
#include "core/texture/VtfReader.h"
#include "platform/gamma/DisplayGamma.h"
#include "platform/kit/KitScript.h"
#include "platform/registry/Registry.h"
#include "platform/steam/SteamFolders.h"

#include "KitCopy.h"
#include "TextureSamples.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace cssbinder {
namespace {

const std::string kTcpipKey(kTcpipKeyPath);

// A value of the key as the system reads it back, or -1 when it is missing.
long long Read(std::string_view name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    return RegGetValueA(HKEY_LOCAL_MACHINE, kTcpipKey.c_str(), std::string(name).c_str(), RRF_RT_REG_DWORD,
                        nullptr, &value, &size) == ERROR_SUCCESS
               ? static_cast<long long>(value)
               : -1;
}

// The key as `reg query` lists it, the way an administrator would look at it.
std::string RegQuery() {
    std::string text;
    if (FILE* output = _popen(("reg query \"HKLM\\" + kTcpipKey + "\" 2>NUL").c_str(), "r")) {
        for (int c = std::fgetc(output); c != EOF; c = std::fgetc(output)) {
            text += static_cast<char>(c);
        }
        _pclose(output);
    }
    return text;
}

// Written, replaced by another preset, deleted, and deleted again when they are gone.
TEST(Registry, TcpipValuesAreWrittenReplacedAndDeletedUnderTheLocalMachine) {
    for (const ConnectionPreset preset : {ConnectionPreset::Modem56k, ConnectionPreset::Lan}) {
        const OpenRegistryKey key = CreateMachineKey(kTcpipKey);
        ASSERT_NE(key, nullptr);
        for (const TcpipValue& value : TcpipValuesOf(preset)) {
            EXPECT_FALSE(SetDwordValue(*key, std::string(value.name), value.value));
            EXPECT_EQ(Read(value.name), value.value) << value.name;
        }
        const std::string listed = RegQuery();
        for (const TcpipValue& value : TcpipValuesOf(preset)) {
            char line[64];
            std::snprintf(line, sizeof line, "    %s    REG_DWORD    0x%x", value.name.data(), value.value);
            EXPECT_NE(listed.find(line), std::string::npos) << line << " not in\n" << listed;
        }
    }
    for (int round = 0; round < 2; ++round) {
        const OpenRegistryKey key = OpenMachineKeyForSetting(kTcpipKey);
        ASSERT_NE(key, nullptr) << "round " << round;
        for (const std::string_view name : kTcpipValueNames) {
            EXPECT_FALSE(DeleteValue(*key, std::string(name)));
            EXPECT_EQ(Read(name), -1) << name;
            EXPECT_EQ(RegQuery().find(name), std::string::npos) << name;
        }
    }
    EXPECT_EQ(OpenMachineKeyForSetting("SOFTWARE\\cssbinder\\never made"), nullptr);
}

TEST(Registry, SteamFolderIsTheUsersSteamPath) {
    HKEY steam = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", &steam), ERROR_SUCCESS);
    const std::wstring path = L"c:/program files (x86)/st\u00e9am";
    RegSetValueExW(steam, L"SteamPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(SteamFolders(), std::vector<std::string>{"c:/program files (x86)/st\u00e9am"});
    RegDeleteValueW(steam, L"SteamPath");
    RegCloseKey(steam);
    EXPECT_TRUE(SteamFolders().empty());
}

using Kit = KitCopy;

// convert.bat, run as the tool runs it in a path with spaces, makes both textures or fails with the reason.
TEST_F(Kit, ConvertBatMakesBothTexturesOrFailsWithTheConvertersReason) {
    int waits = 0;
    const auto run = [&] {
        return RunKitScript(reinterpret_cast<const char*>(m_dir.u8string().c_str()), std::chrono::seconds(60),
                            [&] { ++waits; });
    };
    WriteAll(m_picture, EncodeTga(GradedPicture(300, 200), {10, 24, false, false}));
    const KitScriptRun made = run();
    ASSERT_EQ(made.outcome, KitScriptRun::Outcome::Finished) << made.reason;
    for (const auto& [name, width] :
         {std::pair("spray.vtf", 1024), std::pair("spray_widescreen.vtf", 2048)}) {
        const Bytes file = ReadAll(m_animated / name);
        ASSERT_FALSE(file.empty()) << name;
        EXPECT_EQ(ReadVtfHeader(file).width, width) << name;
    }
    EXPECT_GT(waits, 0);

    Bytes picture = EncodeTga(TestCard(9, 6), {2, 32, true, false});
    picture.pop_back();
    WriteAll(m_picture, picture);
    const KitScriptRun failed = run();
    EXPECT_EQ(failed.outcome, KitScriptRun::Outcome::Failed);
    EXPECT_NE(failed.reason.find("spray001.tga: truncated pixel data"), std::string::npos) << failed.reason;
}

// Every monitor's ramp takes a gamma and gets its own back; Xorg keeps 8 bits of each entry.
TEST(Gamma, EveryMonitorTakesAGammaAndGetsItsRampBack) {
    if (GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
        GTEST_SKIP() << "no X server with XF86VidMode: see xorg.log in the build folder";
    }
    const auto sameLevel = [](int a, int b) {
        return std::abs(a - b) <= 257;
    };
    const auto closeTo = [&sameLevel](const std::vector<GammaRamp>& got,
                                      const std::vector<GammaRamp>& wanted) {
        return std::ranges::equal(got, wanted, [&sameLevel](const GammaRamp& a, const GammaRamp& b) {
            return std::ranges::equal(a.red, b.red, sameLevel) &&
                   std::ranges::equal(a.green, b.green, sameLevel) &&
                   std::ranges::equal(a.blue, b.blue, sameLevel);
        });
    };
    const std::unique_ptr<DisplayGamma> display = OpenSystemDisplayGamma();
    const DisplayRamps own = display->ReadRamps();
    ASSERT_EQ(own.access, GammaAccess::Changeable);
    ASSERT_FALSE(own.ramps.empty());
    const std::vector<GammaRamp> preview(own.ramps.size(), BuildGammaRamp(ExponentForPosition(140)));
    ASSERT_TRUE(display->WriteRamps(preview));
    EXPECT_TRUE(closeTo(display->ReadRamps().ramps, preview));
    ASSERT_TRUE(display->WriteRamps(own.ramps));
    EXPECT_TRUE(closeTo(display->ReadRamps().ramps, own.ramps));
}

} // namespace
} // namespace cssbinder
