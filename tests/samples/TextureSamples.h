#pragma once

#include "core/texture/Picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cssbinder {

// How a TGA file stores its pixels.
struct TgaKind {
    int imageType;    // 1, 2, 3 colour-mapped, true-colour, grey; 9, 10, 11 the same run-length coded
    int bits;         // bits a pixel; for colour-mapped pictures, bits of a colour map entry
    bool topLeft;     // rows from the top (descriptor bit 5) instead of from the bottom
    bool rightToLeft; // pixels from the right of each row (descriptor bit 4)

    std::string Name() const;
};

// Write a little-endian 16-bit field at `at`.
void PutU16(std::vector<std::uint8_t>& file, std::size_t at, int value);

// The TGA kinds a picture can be stored in.
std::vector<TgaKind> AllTgaKinds();

// The picture as a TGA file of that kind. Colour-mapped kinds need at most 256 colours; grey kinds
// store the red channel; 15- and 16-bit kinds keep 5 bits a channel.
std::vector<std::uint8_t> EncodeTga(const Picture& picture, const TgaKind& kind);

// The picture stb decodes from a TGA file, which ignores the order of pixels within a row.
Picture DecodeTgaWithStb(const std::vector<std::uint8_t>& file);

// The picture as a baseline JPEG file of that quality (1 to 100), alpha dropped.
std::vector<std::uint8_t> EncodeJpeg(const Picture& picture, int quality);

// One hue graded in light across the picture, with a wave and a bright disc with a hard edge: each mipmap
// level looks unlike its neighbours, and a texture made of it decodes close to it.
Picture GradedPicture(int width, int height);

// A picture of six strong colours in runs and single pixels, different when flipped either way, so
// that a wrong orientation or channel order shows.
Picture TestCard(int width, int height);

// The peak signal-to-noise ratio of b against a over the colour channels, in decibels.
double Psnr(const Picture& a, const Picture& b);

// The reason `step` throws a TextureError with, or "" when it does not throw.
template <typename Step> std::string ReasonOf(Step step) {
    try {
        step();
    } catch (const TextureError& error) {
        return error.what();
    }
    return "";
}

} // namespace cssbinder
