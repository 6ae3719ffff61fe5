#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace cssbinder {

// The bytes of a picture file, read from the start in pieces, so that a large TGA file is decoded
// straight into its pixels and never held whole beside them.
class PictureSource {
public:
    virtual ~PictureSource() = default;

    // How many bytes are left to read.
    virtual std::uint64_t Left() const = 0;

    // Fills the buffer with the next bytes, or with those left when fewer are left; gives how many.
    // Throws a TextureError with the reason a read fails.
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
};

// The bytes of a file already in memory.
class MemoryPictureSource final : public PictureSource {
public:
    explicit MemoryPictureSource(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::uint64_t Left() const override { return m_bytes.size(); }

    std::size_t Read(std::span<std::uint8_t> buffer) override {
        const std::size_t count = std::min(buffer.size(), m_bytes.size());
        std::copy_n(m_bytes.begin(), count, buffer.begin());
        m_bytes = m_bytes.subspan(count);
        return count;
    }

private:
    std::span<const std::uint8_t> m_bytes;
};

} // namespace cssbinder
