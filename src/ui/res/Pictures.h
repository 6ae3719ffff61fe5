#pragma once

#include <QIcon>
#include <QImage>

namespace cssbinder {

// The bitmaps of the dialogs, drawn by code when the program is built and named by their resource
// numbers: 128 the program icon at 32 pixels, 133 the game surface behind the crosshair preview, 134
// the banner, 137 to 140 the gamma preview's reference pictures, 142 to 146 the French, German,
// Italian, Spanish and United Kingdom flags. The image borrows the pixels stored in the program.
QImage Bitmap(int resourceId);

// The program icon (resource 128), in its 32 and 16 pixel sizes.
QIcon ProgramIcon();

} // namespace cssbinder
