#pragma once

#include <array>

// The fixed files of the menu background changer: the picture and textures in the conversion kit's
// folder, and where the game folder receives the textures.
namespace cssbinder::menu_background {

// The chosen picture's copy, which the kit converts.
inline constexpr char kPictureCopy[] = "hl2/materialsrc/animated/spray001.tga";

// The game takes loose files from cstrike/custom/<any folder>/ first, then from its packed files (which
// hold materials/console/background01.vtf), and only then from cstrike/ itself: a texture in
// cstrike/materials/console is never shown.
inline constexpr char kConsoleFolder[] = "cstrike/custom/cssbinder/materials/console";

// A texture the kit makes (in its folder) and the name it is installed under in the console folder.
// Widescreen screens show the second one.
struct Texture {
    const char* made;
    const char* installed;
};
inline constexpr std::array<Texture, 2> kTextures{{
    {"hl2/materials/animated/spray.vtf", "background01.vtf"},
    {"hl2/materials/animated/spray_widescreen.vtf", "background01_widescreen.vtf"},
}};

} // namespace cssbinder::menu_background
