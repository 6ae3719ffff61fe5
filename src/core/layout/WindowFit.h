#pragma once

namespace cssbinder {

// A window's size as laid out, what the window system adds around it (title bar and borders), and the
// room its screen leaves free, all in the same pixels.
struct WindowFitSizes {
    int width;
    int height;
    int frameWidth;
    int frameHeight;
    int availableWidth;
    int availableHeight;
};

// The factor its layout is scaled by so that the window, frame included, fits the free room: 1 where it
// fits as laid out, else the largest factor that fits on both axes (never below a tenth, so a window
// keeps a size on a screen too small for anything).
double WindowFitScale(const WindowFitSizes& sizes);

} // namespace cssbinder
