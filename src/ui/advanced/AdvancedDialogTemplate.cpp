#include "ui/advanced/AdvancedDialogTemplate.h"

#include <array>

namespace cssbinder {
namespace {

using enum ControlKind;

// Template order is also the tab order. The DirectX group, "Bump Mapping" and the connection group's
// "Default" are wider than their first design, so that the longest caption of the five languages fits them.
constexpr auto kControls = std::to_array<ControlTemplate>({
    {1087, RadioGroupStart, "56k", 201, 93, 50, 14},
    {1085, Radio, "ADSL", 201, 112, 50, 14},
    {1086, Radio, "LAN", 201, 131, 50, 14},
    {1095, Radio, "Default", 255, 112, 57, 14},
    {1088, RadioGroupStart, "DirectX 7", 130, 94, 56, 11},
    {1089, Radio, "DirectX 8", 130, 110, 56, 11},
    {1090, Radio, "DirectX 8.1", 130, 126, 56, 11},
    {1091, Radio, "DirectX 9", 130, 142, 56, 11},
    {1094, Radio, "Default", 130, 157, 56, 11},
    {1, PushButton, "OK", 61, 317, 64, 24},
    {1061, ClickablePicture, "", 7, 7, 400, 69, 134},
    {1026, MultiLineEdit, "", 191, 158, 209, 246},
    {1107, GroupBox, "Graphical Optimisations", 16, 80, 172, 169},
    {1108, GroupBox, "Connection Optimisations", 191, 80, 123, 69},
    {1092, PushButton, "Change menu background", 326, 86, 74, 27},
    {1073, CheckBox, "Rain", 35, 94, 41, 8},
    {1076, CheckBox, "Tags", 35, 108, 49, 8},
    {1074, CheckBox, "Shadows", 35, 122, 64, 8},
    {1083, CheckBox, "Vertex", 35, 136, 47, 8},
    {1079, CheckBox, "Dyn Lights", 35, 150, 67, 8},
    {1084, CheckBox, "Fog", 35, 164, 51, 8},
    {1075, CheckBox, "Blood", 35, 178, 65, 8},
    {1077, CheckBox, "Bump Mapping", 35, 192, 80, 8},
    {1080, CheckBox, "C4 Dyn Lights", 35, 206, 128, 8},
    {1081, CheckBox, "Mipmaps", 35, 220, 65, 8},
    {1082, CheckBox, "Eyes Movements", 35, 234, 140, 8},
    {1093, PushButton, "Report Bug", 326, 120, 74, 27},
});

} // namespace

std::span<const ControlTemplate> AdvancedDialogControls() {
    return kControls;
}

} // namespace cssbinder
