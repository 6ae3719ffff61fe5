#pragma once

// What both back ends share: the reasons they give for a file they refuse, in the same words, and
// the read of a file within a cap.
#include "platform/files/RegularFiles.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <variant>

namespace cssbinder {

inline const char* const kFolderReason = "a folder, not a file";
inline const char* const kNotRegularReason = "not a regular file (a device or a pipe)";

inline std::string TooLargeReason(std::size_t cap) {
    return "larger than " + std::to_string(cap >> 20) + " MB";
}

// Reads an open file that was seen to hold seenSize bytes through readSome(buffer, count), which gives
// how many bytes it read (0 at the end) or the system's reason when it failed. Room is made for one
// byte more than the size seen, so that a file that grew past the cap since shows as larger than it.
// Fills in the bytes, or the failure and no bytes.
template <typename ReadSome>
void ReadWithinCap(FileRead& read, std::size_t seenSize, std::size_t cap, ReadSome readSome) {
    std::size_t got = seenSize <= cap ? 0 : cap + 1;
    read.bytes.resize(seenSize <= cap ? seenSize + 1 : 0);
    while (got <= cap) {
        if (got == read.bytes.size()) {
            read.bytes.resize(std::min(cap + 1, got * 2));
        }
        const std::variant<std::size_t, std::string> chunk =
            readSome(read.bytes.data() + got, read.bytes.size() - got);
        if (const std::string* reason = std::get_if<std::string>(&chunk)) {
            read.failure = *reason;
            break;
        }
        if (std::get<std::size_t>(chunk) == 0) {
            break;
        }
        got += std::get<std::size_t>(chunk);
    }
    if (read && got > cap) {
        read.failure = TooLargeReason(cap);
    }
    read.bytes.resize(read ? got : 0);
}

} // namespace cssbinder
