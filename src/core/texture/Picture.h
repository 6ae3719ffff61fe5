#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace cssbinder {

// A picture in memory: 4 bytes a pixel (red, green, blue, alpha), rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    friend bool operator==(const Picture&, const Picture&) = default;
};

// A picture or texture that cannot be read or written; what() is a short English phrase such as
// "truncated pixel data", shown to the user after the file's name.
class TextureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest side the converter accepts: larger sides are refused before anything is allocated.
inline constexpr int kMaxPictureSide = 16384;

// The sides of a picture, or those a decoded picture needs at least.
struct PictureSides {
    int width = 0;
    int height = 0;
};

// Asks for a picture at its own size.
inline constexpr PictureSides kFullSize{kMaxPictureSide, kMaxPictureSide};

} // namespace cssbinder
