#pragma once

#include <string>

namespace cssbinder {

// Whether the path (UTF-8) names an existing folder, as the file system answers, case and all.
bool IsExistingFolder(const std::string& path);

} // namespace cssbinder
