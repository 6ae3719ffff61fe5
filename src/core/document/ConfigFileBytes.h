#pragma once

#include <string>
#include <string_view>

namespace cssbinder {

// The bytes of the configuration file for the text of the preview box: every line break, whether
// "\r\n", "\n" or a lone "\r", becomes one "\r\n", and the text is written in code page 1252.
std::string ToConfigFileBytes(std::string_view text);

} // namespace cssbinder
