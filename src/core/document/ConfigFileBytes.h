#pragma once

#include <string>
#include <string_view>

namespace cssbinder {

// The bytes of the configuration file for the UTF-8 text of the preview box: every line break,
// whether "\r\n", "\n" or a lone "\r", becomes one "\r\n"; everything else stays as it is.
std::string ToConfigFileBytes(std::string_view text);

} // namespace cssbinder
