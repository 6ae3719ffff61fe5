#pragma once

#include <string>
#include <string_view>

namespace cssbinder {

// The UTF-8 text of bytes in Windows code page 1252, the encoding older tools wrote configuration files
// in. Every byte is a character; the five bytes the page leaves unassigned stay their C1 controls, as
// Windows reads them.
std::string DecodeCp1252(std::string_view bytes);

} // namespace cssbinder
