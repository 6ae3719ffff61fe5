#pragma once

// Reading and writing of the files the tool and its converter take from the user's disk. Only
// regular files are read or replaced: a folder, a device (/dev/zero never ends) or a named pipe (it
// blocks until someone writes) is refused, even behind a link. Plain C++, so the converter shares it.
#include "core/texture/PictureSource.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace cssbinder {

// Caps on what is read whole. Settings files (a config, the gamma recovery file, the registry store,
// Steam's files) are a few kilobytes; a picture may hold 16384 x 16384 pixels of 4 bytes uncompressed,
// with room for its headers and colour map.
inline constexpr std::size_t kSettingsFileCap = std::size_t{4} << 20;
inline constexpr std::size_t kPictureFileCap = std::size_t{16384} * 16384 * 4 + (std::size_t{1} << 20);
// A configuration file the user opens: thousands of lines of hand-written settings stay far below it,
// and a bigger file is not a configuration.
inline constexpr std::size_t kOpenedConfigCap = std::size_t{1} << 20;
// A 4096 x 4096 DXT1 texture with all its mipmaps is about 11 MB.
inline constexpr std::size_t kTextureFileCap = std::size_t{16} << 20;

struct FileRead {
    std::string bytes;    // empty when the file was not read
    std::string failure;  // why the file was not read, to be shown after its name; empty when it was
    bool missing = false; // nothing at that path

    explicit operator bool() const { return failure.empty(); }
};

// Reads a whole regular file of at most `cap` bytes without ever waiting on it.
FileRead ReadRegularFile(const std::string& path, std::size_t cap);

// A regular file of at most `cap` bytes, opened as ReadRegularFile opens it and read a piece at a time,
// never past the size it had when it was opened: a picture is decoded straight from it.
class RegularFileSource final : public PictureSource {
public:
    // Throws a TextureError with the reason the file cannot be read.
    RegularFileSource(const std::string& path, std::size_t cap);
    ~RegularFileSource() override;
    RegularFileSource(const RegularFileSource&) = delete;
    RegularFileSource& operator=(const RegularFileSource&) = delete;

    std::uint64_t Left() const override { return m_left; }
    std::size_t Read(std::span<std::uint8_t> buffer) override;

private:
    std::intptr_t m_handle; // the system's handle of the open file
    std::uint64_t m_left = 0;
};

// Writes the bytes to a new file beside the target, never following a link planted under that
// name, and renames it over the target, which must be a regular file or nothing. Returns why it
// failed, or an empty text; a failed write leaves the target as it was.
std::string ReplaceRegularFile(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace cssbinder
