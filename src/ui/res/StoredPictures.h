#pragma once

#include <span>

namespace cssbinder {

// The pixels of one picture drawn at build time, laid out as a QImage of that format.
struct StoredPicture {
    int id;
    int width;
    int height;
    int bytesPerLine;
    int imageFormat;
    const unsigned char* pixels;
};

// Written by tools/picture-pixels into the build folder.
std::span<const StoredPicture> StoredPictures();

} // namespace cssbinder
