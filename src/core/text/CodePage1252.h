#pragma once

#include <string>
#include <string_view>

namespace cssbinder {

// UTF-8 for text in Windows code page 1252, the code page older tools wrote configuration files in.
std::string DecodeCp1252(std::string_view bytes);

} // namespace cssbinder
