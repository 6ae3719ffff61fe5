#include "core/crosshair/CrosshairState.h"

#include "core/crosshair/ArmGeometry.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace cssbinder {
namespace {

constexpr std::string_view kColorVariable = "cl_crosshaircolor";
constexpr std::string_view kAlphaVariable = "cl_crosshairalpha";
constexpr std::string_view kUseAlphaVariable = "cl_crosshairusealpha";
constexpr std::string_view kDynamicVariable = "cl_dynamiccrosshair";
constexpr std::string_view kScaleVariable = "cl_crosshairscale";
constexpr std::string_view kUseScaleVariable = "cl_scalecrosshair";

constexpr int kTransparentAlpha = 0;
constexpr int kOpaqueAlpha = 255;
constexpr int kAlphaStep = 15;
constexpr int kDefaultScale = 1200;
constexpr int kScaleStep = 200;
constexpr int kSmallestScale = 200;
constexpr int kLargestScale = 3000;

std::string SettingLine(std::string_view variable, int value) {
    std::string line(variable);
    line += " \"";
    line += std::to_string(value);
    line += '"';
    return line;
}

// Crosshair lines are stored with the line itself as key.
void StoreSetting(ConfigDocument& document, std::string_view variable, int value) {
    const std::string line = SettingLine(variable, value);
    document.Store(line, line);
}

void UpdateDrawColor(CrosshairState& state) {
    state.m_crDraw = BlendDrawColor(kCrosshairBackground, state.m_crCurrent, state.m_nAlpha);
}

void UpdateArmGeometry(CrosshairState& state) {
    const ArmGeometry geometry = ArmGeometryForScale(state.m_nScale);
    state.m_nArmLength = geometry.armLength;
    state.m_nGap = geometry.gap;
}

// One press of a step button: at its limit it only disables itself; otherwise it moves the value and
// enables its partner. Returns whether the value moved.
bool Step(int& value, bool atLimit, int delta, bool& self, bool& partner) {
    if (atLimit) {
        self = false;
        return false;
    }
    value += delta;
    partner = true;
    return true;
}

} // namespace

CrosshairState::CrosshairState()
    : m_crCurrent(kCrosshairColors[0]), m_crDraw(0), m_nAlpha(kOpaqueAlpha), m_bUseAlpha(false),
      m_nScale(kDefaultScale), m_nArmLength(8), m_nGap(8), m_bDynamic(false) {
    UpdateDrawColor(*this);
}

bool SelectColor(CrosshairState& state, int colorIndex) {
    state.m_crCurrent = kCrosshairColors.at(static_cast<std::size_t>(colorIndex));
    UpdateDrawColor(state);
    return true;
}

bool TransparencyPlus(CrosshairState& state) {
    StepButtons& buttons = state.buttons;
    if (!Step(state.m_nAlpha, state.m_nAlpha <= kTransparentAlpha, -kAlphaStep, buttons.transparencyPlus,
              buttons.transparencyMinus)) {
        return false;
    }
    UpdateDrawColor(state);
    return true;
}

bool TransparencyMinus(CrosshairState& state) {
    StepButtons& buttons = state.buttons;
    if (!Step(state.m_nAlpha, state.m_nAlpha >= kOpaqueAlpha, kAlphaStep, buttons.transparencyMinus,
              buttons.transparencyPlus)) {
        return false;
    }
    UpdateDrawColor(state);
    return true;
}

bool SizePlus(CrosshairState& state) {
    StepButtons& buttons = state.buttons;
    if (!Step(state.m_nScale, state.m_nScale <= kSmallestScale, -kScaleStep, buttons.sizePlus,
              buttons.sizeMinus)) {
        return false;
    }
    UpdateArmGeometry(state);
    return true;
}

bool SizeMinus(CrosshairState& state) {
    StepButtons& buttons = state.buttons;
    if (!Step(state.m_nScale, state.m_nScale >= kLargestScale, kScaleStep, buttons.sizeMinus,
              buttons.sizePlus)) {
        return false;
    }
    UpdateArmGeometry(state);
    return true;
}

void UseColor(ConfigDocument& document, int colorIndex) {
    document.RemoveSetting(kColorVariable);
    StoreSetting(document, kColorVariable, colorIndex);
}

void ToggleSetAlpha(CrosshairState& state, ConfigDocument& document) {
    if (!state.m_bUseAlpha) {
        state.m_bUseAlpha = true;
        const int value = ConsoleAlphaValue(state.m_nAlpha);
        document.RemoveSetting(kAlphaVariable);
        StoreSetting(document, kUseAlphaVariable, 1);
        StoreSetting(document, kAlphaVariable, value);
        return;
    }
    state.m_bUseAlpha = false;
    document.RemoveSetting(kAlphaVariable);
    document.RemoveSetting(kUseAlphaVariable);
    state.m_nAlpha = kOpaqueAlpha;
    state.buttons.transparencyMinus = false;
    state.buttons.transparencyPlus = true;
    UpdateDrawColor(state);
}

void ToggleDynamic(CrosshairState& state, ConfigDocument& document) {
    if (!state.m_bDynamic) {
        state.m_bDynamic = true;
        state.m_nScale = kDefaultScale;
        UpdateArmGeometry(state);
        state.buttons.sizePlus = true;
        state.buttons.sizeMinus = true;
        StoreSetting(document, kDynamicVariable, 1);
        document.RemoveSetting(kScaleVariable);
        document.RemoveSetting(kUseScaleVariable);
        return;
    }
    state.m_bDynamic = false;
    document.RemoveSetting(kDynamicVariable);
}

void CustomSize(CrosshairState& state, ConfigDocument& document) {
    const std::string scaleLine = SettingLine(kScaleVariable, state.m_nScale);
    document.RemoveSetting(kScaleVariable);
    StoreSetting(document, kUseScaleVariable, 1);
    document.Store(scaleLine, scaleLine);
    document.RemoveSetting(kDynamicVariable);
    // The dynamic line is gone, so the toggle is forced down its switching-off path.
    state.m_bDynamic = true;
    ToggleDynamic(state, document);
}

} // namespace cssbinder
