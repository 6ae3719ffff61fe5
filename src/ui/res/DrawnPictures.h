#pragma once

#include <QPixmap>

#include <array>

namespace cssbinder {

// The program icon's 16 pixel size, stored beside the bitmaps under a number of its own.
inline constexpr int kSmallProgramIcon = 16;

// Every picture the windows show: the bitmaps by their resource numbers (see Pictures.h) and the
// small program icon. The build draws them once with this code (tools/picture-pixels); the program
// only shows the stored pixels.
inline constexpr std::array kStoredPictureIds{
    kSmallProgramIcon, 128, 133, 134, 137, 138, 139, 140, 142, 143, 144, 145, 146};

// The gamma preview's reference pictures: three quarters of the stored pixels, and none of them shown
// before the preview opens. They are stored apart from the others, so that the memory pages the main
// window's pictures are read through hold none of them.
inline constexpr std::array kPicturesStoredApart{137, 138, 139, 140};

QPixmap DrawBitmap(int resourceId);

// The program icon drawn at any size, for the desktop's icon theme.
QPixmap ProgramIconImage(int size);

} // namespace cssbinder
