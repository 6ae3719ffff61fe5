#pragma once

#include "core/document/ConfigDocument.h"

#include <string>

namespace cssbinder {

// The gamma values the game accepts.
inline constexpr float kGammaMin = 1.0f;
inline constexpr float kGammaMax = 3.0f;

// Whether a value lies within 1 to 3; a value that is not a number does not.
bool IsGammaInRange(float gamma);

// The gamma value of a confirmed slider position.
double GammaForPosition(int position);

// mat_monitorgamma "2.200000": six decimals, a dot in every locale.
std::string GammaLine(float gamma);

// Makes the gamma line the document's one gamma setting.
void StoreGamma(ConfigDocument& document, float gamma);

} // namespace cssbinder
