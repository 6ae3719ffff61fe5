#pragma once

#include <string_view>

namespace cssbinder {

// What can stop a change of the menu background, besides a file that cannot be written.
enum class BackgroundFailure {
    KitMissing,         // %1 the kit's script
    KitNotStarted,      // %1 the kit's script, %2 the system's reason
    ConversionFailed,   // %1 the picture, %2 the kit's reason
    ConversionTimedOut, // %1 the picture, %2 the time limit in seconds
    NoTexture,          // %1 the texture the kit should have made
    NoGameFolder,       // %1 the game folder
    PictureTooSmall,    // %1 the picture
};

std::string_view BackgroundFailureText(BackgroundFailure failure, int language);

// The smallest side of a picture the menu background is made of.
inline constexpr int kMinBackgroundSide = 16;

// What a change of the menu background says while the picture is converted, and once it is done.
enum class BackgroundNotice { Converting, Installed };

std::string_view BackgroundNoticeText(BackgroundNotice notice, int language);

} // namespace cssbinder
