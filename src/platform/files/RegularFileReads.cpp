// The reads of a regular file, the same on every system over what its back end gives.
#include "core/texture/Picture.h"
#include "platform/files/RegularFileReasons.h"

#include <algorithm>

namespace cssbinder {
namespace {

std::string TooLargeReason(std::size_t cap) {
    return "larger than " + std::to_string(cap >> 20) + " MB";
}

// Fills the buffer, with fewer bytes only where the file ends first; gives how many, or the system's
// reason when a read failed.
std::variant<std::size_t, std::string> Fill(FileHandle file, void* buffer, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        const auto chunk = ReadSome(file, static_cast<char*>(buffer) + got, count - got);
        if (std::holds_alternative<std::string>(chunk)) {
            return chunk;
        }
        if (std::get<std::size_t>(chunk) == 0) {
            break;
        }
        got += std::get<std::size_t>(chunk);
    }
    return got;
}

// Reads an open file that was seen to hold seenSize bytes. Room is made for one byte more than the
// size seen, so that a file that grew past the cap since shows as larger than it. Fills in the bytes,
// or the failure and no bytes.
void ReadWithinCap(FileRead& read, FileHandle file, std::size_t seenSize, std::size_t cap) {
    std::size_t got = seenSize <= cap ? 0 : cap + 1;
    read.bytes.resize(seenSize <= cap ? seenSize + 1 : 0);
    while (got <= cap) {
        if (got == read.bytes.size()) {
            read.bytes.resize(std::min(cap + 1, got * 2));
        }
        const auto filled = Fill(file, read.bytes.data() + got, read.bytes.size() - got);
        if (const std::string* reason = std::get_if<std::string>(&filled)) {
            read.failure = *reason;
            break;
        }
        got += std::get<std::size_t>(filled);
        if (got < read.bytes.size()) {
            break;
        }
    }
    if (read && got > cap) {
        read.failure = TooLargeReason(cap);
    }
    read.bytes.resize(read ? got : 0);
}

} // namespace

FileRead ReadRegularFile(const std::string& path, std::size_t cap) {
    FileRead read;
    std::size_t size = 0;
    if (const FileHandle file = OpenRegularFile(path, read, size); file != kNoFile) {
        ReadWithinCap(read, file, size, cap);
        CloseFile(file);
    }
    return read;
}

RegularFileSource::RegularFileSource(const std::string& path, std::size_t cap) {
    FileRead opened;
    std::size_t size = 0;
    m_handle = OpenRegularFile(path, opened, size);
    if (m_handle != kNoFile && size > cap) {
        opened.failure = TooLargeReason(cap);
        CloseFile(m_handle);
    }
    if (!opened) {
        throw TextureError(opened.failure);
    }
    m_left = size;
}

RegularFileSource::~RegularFileSource() {
    CloseFile(m_handle);
}

std::size_t RegularFileSource::Read(std::span<std::uint8_t> buffer) {
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), m_left));
    const auto filled = Fill(m_handle, buffer.data(), wanted);
    if (const std::string* reason = std::get_if<std::string>(&filled)) {
        throw TextureError(*reason);
    }
    const std::size_t got = std::get<std::size_t>(filled);
    // A file that shrank since it was opened ends where its bytes do.
    m_left = got < wanted ? 0 : m_left - got;
    return got;
}

} // namespace cssbinder
