#include "ui/gamma/GammaDialogTemplate.h"

#include <array>

namespace cssbinder {
namespace {

using enum ControlKind;

// Four reference pictures in a 2 x 2 grid (137 top left, 139 top right, 140 bottom left, 138 bottom
// right) above the slider; the note sits in the gap between them, shown only when it applies.
constexpr auto kControls = std::to_array<ControlTemplate>({
    {1, DefaultPushButton, "OK", 152, 441, 50, 14},
    {2, PushButton, "Cancel", 346, 441, 50, 14},
    {-1, Picture, "", 273, 7, 267, 197, 139},
    {-1, Picture, "", 7, 203, 267, 197, 140},
    {-1, Picture, "", 273, 203, 267, 197, 138},
    {-1, Picture, "", 7, 7, 267, 197, 137},
    {1069, GammaTrackbar, "", 152, 414, 244, 21},
    {kGammaNoteId, Text, "", 7, 402, 533, 11},
});

} // namespace

std::span<const ControlTemplate> GammaDialogControls() {
    return kControls;
}

} // namespace cssbinder
