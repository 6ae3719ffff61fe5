#include "ui/app/MainDialogTemplate.h"

#include <array>

namespace cssbinder {
namespace {

using enum ControlKind;

// Template order is also the tab order, which follows the window: the key lists, the buy lists, boxes
// and buttons, say, quick weapon, crosshair, gamma, the preview box, the flags, Save and Exit. A few
// controls are wider or taller than their first design, so that the longest caption of the five
// languages fits them.
constexpr auto kControls = std::to_array<ControlTemplate>({
    {1061, ClickablePicture, "", 7, 7, 540, 86, 134},
    {1037, HiddenPushButton, "Bind Crosshair Color Cycler", 102, 7, 87, 20},
    {1038, HiddenPushButton, "Bind Crosshair Alpha Cycler", 8, 18, 87, 20},
    {1039, HiddenPushButton, "Bind Crosshair Scale Cyler", 14, 49, 87, 20},
    {1004, DropDownList, "", 18, 91, 110, 101},
    {1005, DropDownList, "", 18, 107, 110, 101},
    {1006, DropDownList, "", 18, 125, 110, 101},
    {1007, DropDownList, "", 18, 141, 110, 101},
    {1008, DropDownList, "", 18, 158, 110, 101},
    {1009, DropDownList, "", 18, 176, 110, 101},
    {1047, GroupBox, "Keys / Buttons", 15, 77, 119, 119},
    {1000, DropDownList, "", 18, 214, 110, 68},
    {1001, DropDownList, "", 18, 232, 110, 64},
    {1003, DropDownList, "", 18, 251, 110, 65},
    {1048, GroupBox, "Buy Weapons", 15, 200, 119, 73},
    {1015, CheckBox, "Secondary Ammo", 18, 286, 91, 8},
    {1016, CheckBox, "Primary Ammo", 18, 299, 90, 8},
    {1049, GroupBox, "Buy Ammunitions", 15, 276, 96, 35},
    {1002, CheckBox, "HE Grenade", 18, 328, 86, 8},
    {1010, CheckBox, "Flashbang 1", 18, 341, 86, 8},
    {1011, CheckBox, "Flashbang 2", 18, 354, 85, 8},
    {1012, CheckBox, "Smoke Grenade", 18, 366, 84, 8},
    {1013, CheckBox, "Night Vision", 18, 379, 86, 8},
    {1014, CheckBox, "Defusal Kit", 18, 392, 85, 8},
    {1050, GroupBox, "Buy Grenades / Misc", 15, 318, 91, 88},
    {1017, RadioGroupStart, "Kevlar", 114, 287, 65, 8},
    {1018, Radio, "Helmet + Kevlar", 114, 299, 70, 8},
    {1019, Radio, "No Armor", 114, 311, 73, 8},
    {1051, GroupBox, "Buy Armor", 112, 276, 76, 48},
    {1034, PushButton, "Bind Console", 112, 330, 73, 20},
    {1020, PushButton, "Add \"Buy\" bind", 112, 355, 73, 20},
    {1022, PushButton, "Advanced Parameters", 112, 380, 73, 20},
    {1029, Edit, "", 156, 88, 171, 12},
    {1030, RadioGroupStart, "To all", 155, 105, 46, 8},
    {1031, Radio, "To team", 155, 117, 56, 8},
    {1032, PushButton, "Add \"Say\" bind", 214, 105, 98, 20},
    {1052, GroupBox, "Say", 140, 77, 197, 54},
    {1021, DropDownList, "", 147, 143, 110, 101},
    {1033, PushButton, "Add \"Quick\" bind", 259, 140, 73, 20},
    {1053, GroupBox, "Quick weapon", 140, 132, 197, 33},
    {1058, RadioGroupStart, "Green", 144, 182, 50, 10},
    {1059, Radio, "Red", 144, 194, 50, 10},
    {1057, Radio, "Blue", 144, 206, 50, 10},
    {1056, Radio, "Yellow", 144, 218, 50, 10},
    {1060, Radio, "Lightblue", 144, 230, 50, 10},
    {1071, PushButton, "Use color", 144, 245, 47, 15},
    {1066, GroupBox, "Crosshair Adjustments", 140, 168, 259, 105},
    {1055, CrosshairPreview, "", 201, 181, 91, 78, 133},
    {1062, PushButton, "Crosshair size +", 294, 176, 101, 12},
    {1063, PushButton, "Crosshair size -", 294, 190, 101, 12},
    {1072, PushButton, "Dynamic", 294, 203, 48, 12},
    {1073, PushButton, "Custom size", 343, 203, 52, 12},
    {1064, PushButton, "Crosshair transparency +", 294, 226, 101, 12},
    {1065, PushButton, "Crosshair transparency -", 294, 238, 101, 12},
    {1070, PushButton, "Set Alpha", 294, 251, 101, 12},
    {1040, PushButton, "Preview", 270, 286, 50, 19},
    {1036, CentredEdit, "", 322, 288, 27, 14},
    {1035, PushButton, "Set", 354, 286, 42, 17},
    {-1, GroupBox, "Gamma", 266, 277, 133, 29},
    {1026, MultiLineEdit, "", 190, 308, 209, 96},
    {1109, PictureButton, "", 337, 85, 20, 12, 142},
    {1113, PictureButton, "", 362, 85, 20, 12, 146},
    {1110, PictureButton, "", 387, 85, 20, 12, 143},
    {1111, PictureButton, "", 347, 103, 20, 12, 144},
    {1112, PictureButton, "", 378, 103, 20, 12, 145},
    {1027, PushButton, "Save", 342, 121, 57, 20},
    {1, PushButton, "Exit", 342, 142, 57, 20},
});

} // namespace

std::span<const ControlTemplate> MainDialogControls() {
    return kControls;
}

} // namespace cssbinder
