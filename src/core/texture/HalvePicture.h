#pragma once

#include "core/texture/Picture.h"

namespace cssbinder {

// The next mipmap level: each pixel the mean of a 2 x 2 square in linear light, each side halved but
// never below 1 (a side of 1 is kept). Alpha is averaged as it stands.
Picture HalvePicture(const Picture& picture);

// The same over the picture's own pixels, so that a large picture is never held twice.
void HalveInPlace(Picture& picture);

} // namespace cssbinder
