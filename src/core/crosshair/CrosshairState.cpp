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
    return cssbinder::SettingLine(variable, std::to_string(value));
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

void SwitchDynamicOff(CrosshairState& state, ConfigDocument& document) {
    state.m_bDynamic = false;
    document.RemoveSetting(kDynamicVariable);
}

// One of the four step buttons: the value it moves, the limit at which a press only disables the
// button itself, the step, the partner button a successful press enables, and what follows the move.
struct StepRule {
    int CrosshairState::*value;
    int limit;
    int delta;
    bool StepButtons::*self;
    bool StepButtons::*partner;
    void (*follow)(CrosshairState&);
};

constexpr StepRule kTransparencyPlus{
    &CrosshairState::m_nAlpha,       kTransparentAlpha, -kAlphaStep, &StepButtons::transparencyPlus,
    &StepButtons::transparencyMinus, UpdateDrawColor};
constexpr StepRule kTransparencyMinus{
    &CrosshairState::m_nAlpha,      kOpaqueAlpha,   kAlphaStep, &StepButtons::transparencyMinus,
    &StepButtons::transparencyPlus, UpdateDrawColor};
constexpr StepRule kSizePlus{&CrosshairState::m_nScale, kSmallestScale,          -kScaleStep,
                             &StepButtons::sizePlus,    &StepButtons::sizeMinus, UpdateArmGeometry};
constexpr StepRule kSizeMinus{&CrosshairState::m_nScale, kLargestScale,          kScaleStep,
                              &StepButtons::sizeMinus,   &StepButtons::sizePlus, UpdateArmGeometry};

// Returns whether the value moved.
bool Step(CrosshairState& state, const StepRule& rule) {
    int& value = state.*rule.value;
    const bool atLimit = rule.delta < 0 ? value <= rule.limit : value >= rule.limit;
    if (atLimit) {
        state.buttons.*rule.self = false;
        return false;
    }
    value += rule.delta;
    state.buttons.*rule.partner = true;
    rule.follow(state);
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
    return Step(state, kTransparencyPlus);
}

bool TransparencyMinus(CrosshairState& state) {
    return Step(state, kTransparencyMinus);
}

bool SizePlus(CrosshairState& state) {
    return Step(state, kSizePlus);
}

bool SizeMinus(CrosshairState& state) {
    return Step(state, kSizeMinus);
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
    SwitchDynamicOff(state, document);
}

void CustomSize(CrosshairState& state, ConfigDocument& document) {
    const std::string scaleLine = SettingLine(kScaleVariable, state.m_nScale);
    document.RemoveSetting(kScaleVariable);
    StoreSetting(document, kUseScaleVariable, 1);
    document.Store(scaleLine, scaleLine);
    SwitchDynamicOff(state, document);
}

} // namespace cssbinder
