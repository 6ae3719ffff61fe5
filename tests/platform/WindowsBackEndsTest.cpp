// The Windows back ends against the real system calls, run under Wine: the registry, Steam's folder,
// the kit's script with the real converter, and every monitor's gamma ramp.
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

#include <cstdio>

namespace cssbinder {
namespace {

const std::string kTcpipKey(kTcpipKeyPath);

// The value as the API gives it, or -1 when it is missing.
long long ReadDword(const std::string& name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    return RegGetValueA(HKEY_LOCAL_MACHINE, kTcpipKey.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr,
                        &value, &size) == ERROR_SUCCESS
               ? static_cast<long long>(value)
               : -1;
}

// The key's values as the system's own tool lists them.
std::string RegQuery() {
    FILE* output = _popen(("reg query \"HKLM\\" + kTcpipKey + "\" 2>NUL").c_str(), "r");
    std::string text;
    for (int c = std::fgetc(output); c != EOF; c = std::fgetc(output)) {
        text += static_cast<char>(c);
    }
    _pclose(output);
    return text;
}

// Written, replaced by another preset, deleted, and deleted again when they are gone.
TEST(Registry, TcpipValuesAreWrittenReplacedAndDeletedUnderTheLocalMachine) {
    for (const ConnectionPreset preset : {ConnectionPreset::Modem56k, ConnectionPreset::Lan}) {
        const OpenRegistryKey key = CreateMachineKey(kTcpipKey);
        ASSERT_NE(key, nullptr);
        for (const TcpipValue& value : TcpipValuesOf(preset)) {
            EXPECT_FALSE(SetDwordValue(*key, std::string(value.name), value.value));
        }

        const std::string listed = RegQuery();
        for (const TcpipValue& value : TcpipValuesOf(preset)) {
            char line[64];
            std::snprintf(line, sizeof line, "    %s    REG_DWORD    0x%x", value.name.data(), value.value);
            EXPECT_EQ(ReadDword(std::string(value.name)), value.value) << line;
            EXPECT_NE(listed.find(line), std::string::npos) << line << " not in\n" << listed;
        }
    }
    for (int round = 0; round < 2; ++round) {
        const OpenRegistryKey key = OpenMachineKeyForSetting(kTcpipKey);
        ASSERT_NE(key, nullptr) << "round " << round;
        for (const std::string_view name : kTcpipValueNames) {
            EXPECT_FALSE(DeleteValue(*key, std::string(name)));
        }

        const std::string listed = RegQuery();
        for (const std::string_view name : kTcpipValueNames) {
            EXPECT_EQ(ReadDword(std::string(name)), -1) << name;
            EXPECT_EQ(listed.find(name), std::string::npos) << name;
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

class Kit : public KitCopy {
protected:
    KitScriptRun Run() {
        return RunKitScript(reinterpret_cast<const char*>(m_dir.u8string().c_str()), std::chrono::seconds(60),
                            [this] { ++m_waits; });
    }

    int m_waits = 0;
};

TEST_F(Kit, ConvertBatMakesBothTexturesInAFolderWithSpaces) {
    WriteAll(m_picture, EncodeTga(GradedPicture(300, 200), {10, 24, false, false}));
    const KitScriptRun run = Run();
    ASSERT_EQ(run.outcome, KitScriptRun::Outcome::Finished) << run.reason;
    for (const auto& [name, width] :
         {std::pair("spray.vtf", 1024), std::pair("spray_widescreen.vtf", 2048)}) {
        const Bytes file = ReadAll(m_animated / name);
        ASSERT_FALSE(file.empty()) << name;
        EXPECT_EQ(ReadVtfHeader(file).width, width) << name;
    }
    EXPECT_GT(m_waits, 0);
}

TEST_F(Kit, ABrokenPictureFailsWithTheConvertersReason) {
    Bytes picture = EncodeTga(TestCard(9, 6), {2, 32, true, false});
    picture.pop_back();
    WriteAll(m_picture, picture);
    const KitScriptRun run = Run();
    EXPECT_EQ(run.outcome, KitScriptRun::Outcome::Failed);
    EXPECT_NE(run.reason.find("spray001.tga: truncated pixel data"), std::string::npos) << run.reason;
}

// Every monitor's ramp takes a gamma and gets its own back; Xorg keeps 8 bits of each entry.
TEST(Gamma, EveryMonitorTakesAGammaAndGetsItsRampBack) {
    if (GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
        GTEST_SKIP()
            << "no X server with XF86VidMode: Xorg with the dummy driver did not start (see xorg.log "
               "in the build folder)";
    }
    const auto expectNear = [](const std::vector<GammaRamp>& got, const std::vector<GammaRamp>& wanted) {
        ASSERT_EQ(got.size(), wanted.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(got[i].Size(), wanted[i].Size());
            for (std::size_t k = 0; k < got[i].Size(); ++k) {
                for (const auto channel : {&GammaRamp::red, &GammaRamp::green, &GammaRamp::blue}) {
                    ASSERT_NEAR((got[i].*channel)[k], (wanted[i].*channel)[k], 257)
                        << "monitor " << i << " entry " << k;
                }
            }
        }
    };
    const std::unique_ptr<DisplayGamma> display = OpenSystemDisplayGamma();
    const DisplayRamps own = display->ReadRamps();
    ASSERT_EQ(own.access, GammaAccess::Changeable);
    ASSERT_FALSE(own.ramps.empty());
    const std::vector<GammaRamp> preview(own.ramps.size(), BuildGammaRamp(ExponentForPosition(140)));
    ASSERT_TRUE(display->WriteRamps(preview));
    expectNear(display->ReadRamps().ramps, preview);
    ASSERT_TRUE(display->WriteRamps(own.ramps));
    expectNear(display->ReadRamps().ramps, own.ramps);
}

} // namespace
} // namespace cssbinder
