#include "platform/gamma/DisplayGamma.h"

#include <windows.h>

#include <array>
#include <string>

namespace cssbinder {
namespace {

constexpr std::size_t kGdiRampSize = 256;
using GdiRamp = std::array<WORD, 3 * kGdiRampSize>;

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM names) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        reinterpret_cast<std::vector<std::wstring>*>(names)->emplace_back(info.szDevice);
    }
    return TRUE;
}

// The device name of every monitor: the screen's own context (GetDC of no window) covers only the
// first one of an extended desktop.
std::vector<std::wstring> MonitorDevices() {
    std::vector<std::wstring> names;
    EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&names));
    return names;
}

// Calls the action with a device context of the monitor, and gives its result.
template <typename Action> bool WithMonitorContext(const std::wstring& device, Action action) {
    HDC context = CreateDCW(L"DISPLAY", device.c_str(), nullptr, nullptr);
    if (context == nullptr) {
        return false;
    }
    const bool done = action(context);
    DeleteDC(context);
    return done;
}

class WindowsDisplayGamma final : public DisplayGamma {
public:
    DisplayRamps ReadRamps() override {
        DisplayRamps result{GammaAccess::Changeable, {}};
        for (const std::wstring& device : MonitorDevices()) {
            GdiRamp ramp{};
            if (!WithMonitorContext(
                    device, [&](HDC context) { return GetDeviceGammaRamp(context, ramp.data()) != FALSE; })) {
                return {GammaAccess::Unreadable, {}};
            }
            result.ramps.push_back({{ramp.begin(), ramp.begin() + kGdiRampSize},
                                    {ramp.begin() + kGdiRampSize, ramp.begin() + 2 * kGdiRampSize},
                                    {ramp.begin() + 2 * kGdiRampSize, ramp.end()}});
        }
        if (result.ramps.empty()) {
            return {GammaAccess::Unreadable, {}};
        }
        return result;
    }

    bool WriteRamps(const std::vector<GammaRamp>& ramps) override {
        const std::vector<std::wstring> devices = MonitorDevices();
        if (devices.size() != ramps.size()) {
            return false;
        }
        bool written = true;
        for (std::size_t i = 0; i < devices.size(); ++i) {
            if (ramps[i].Size() != kGdiRampSize) {
                return false;
            }
            GdiRamp ramp{};
            std::copy(ramps[i].red.begin(), ramps[i].red.end(), ramp.begin());
            std::copy(ramps[i].green.begin(), ramps[i].green.end(), ramp.begin() + kGdiRampSize);
            std::copy(ramps[i].blue.begin(), ramps[i].blue.end(), ramp.begin() + 2 * kGdiRampSize);
            written = WithMonitorContext(
                          devices[i],
                          [&](HDC context) { return SetDeviceGammaRamp(context, ramp.data()) != FALSE; }) &&
                      written;
        }
        return written;
    }
};

} // namespace

std::unique_ptr<DisplayGamma> OpenSystemDisplayGamma() {
    return std::make_unique<WindowsDisplayGamma>();
}

} // namespace cssbinder
