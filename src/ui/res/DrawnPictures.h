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

QPixmap DrawBitmap(int resourceId);

// The program icon drawn at any size, for the desktop's icon theme.
QPixmap ProgramIconImage(int size);

} // namespace cssbinder
