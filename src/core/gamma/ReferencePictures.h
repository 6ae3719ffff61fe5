#pragma once

#include <cstdint>
#include <vector>

namespace cssbinder {

// The four pictures a player judges gamma by, drawn by code: RGB bytes, row by row, 3 bytes a pixel,
// the same everywhere.
inline constexpr int kReferenceWidth = 400;
inline constexpr int kReferenceHeight = 320;

enum class ReferencePicture {
    NearBlackSteps, // patches one level apart just above black, and just below white
    GreyWedge,      // a smooth grey gradient over sixteen even steps
    ColourRamps,    // red, green, blue and grey, each from black to full
    DarkCorridor,   // a dim corridor as a game shows it, with detail hidden in the shadows
};

std::vector<std::uint8_t> MakeReferencePicture(ReferencePicture picture);

} // namespace cssbinder
