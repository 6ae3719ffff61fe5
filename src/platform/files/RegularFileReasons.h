#pragma once

// The reasons both back ends give for a file they refuse, in the same words.
#include <cstddef>
#include <string>

namespace cssbinder {

inline const char* const kFolderReason = "a folder, not a file";
inline const char* const kNotRegularReason = "not a regular file (a device or a pipe)";

inline std::string TooLargeReason(std::size_t cap) {
    return "larger than " + std::to_string(cap >> 20) + " MB";
}

} // namespace cssbinder
