#pragma once

// What both back ends share: the reasons they give for a file they refuse, in the same words, and
// what each gives the reads that are the same on every system.
#include "platform/files/RegularFiles.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

namespace cssbinder {

inline const char* const kFolderReason = "a folder, not a file";
inline const char* const kNotRegularReason = "not a regular file (a device or a pipe)";

// The system's handle of an open file (a descriptor or a HANDLE), or kNoFile.
using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

// Opens a regular file for reading without ever waiting on it, looking at what lies at the path
// before opening it and at what was opened; gives its handle and size, or kNoFile with the failure
// (and whether nothing is there) filled in.
FileHandle OpenRegularFile(const std::string& path, FileRead& read, std::size_t& size);

// Reads at most `count` bytes: how many it read (0 at the end), or the system's reason when it failed.
std::variant<std::size_t, std::string> ReadSome(FileHandle file, void* buffer, std::size_t count);

void CloseFile(FileHandle file);

} // namespace cssbinder
