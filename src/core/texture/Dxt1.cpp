#include "core/texture/Dxt1.h"

#include <stb/stb_dxt.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>

namespace cssbinder {
namespace {

constexpr std::size_t kBlockBytes = 8;
// Below this many blocks in all, starting threads costs more than it saves.
constexpr std::size_t kBlocksWorthThreads = 4096;

int Blocks(int side) {
    return (side + 3) / 4;
}

// One row of 4 x 4 blocks; pixels past the picture's edge repeat the last row or column.
void CompressBlockRow(const Picture& picture, int blockRow, std::uint8_t* out) {
    std::array<std::uint8_t, 64> block{};
    for (int blockColumn = 0; blockColumn < Blocks(picture.width); ++blockColumn) {
        for (int i = 0; i < 16; ++i) {
            const int x = std::min(blockColumn * 4 + i % 4, picture.width - 1);
            const int y = std::min(blockRow * 4 + i / 4, picture.height - 1);
            const auto source =
                picture.rgba.begin() + (static_cast<std::ptrdiff_t>(y) * picture.width + x) * 4;
            std::copy(source, source + 4, block.begin() + i * 4);
        }
        stb_compress_dxt_block(out + static_cast<std::size_t>(blockColumn) * kBlockBytes, block.data(), 0,
                               STB_DXT_HIGHQUAL);
    }
}

std::array<std::uint8_t, 3> Expand565(int colour) {
    const int r = colour >> 11 & 31;
    const int g = colour >> 5 & 63;
    const int b = colour & 31;
    return {static_cast<std::uint8_t>(r << 3 | r >> 2), static_cast<std::uint8_t>(g << 2 | g >> 4),
            static_cast<std::uint8_t>(b << 3 | b >> 2)};
}

std::uint8_t Mix(int weightA, std::uint8_t a, int weightB, std::uint8_t b) {
    return static_cast<std::uint8_t>((weightA * a + weightB * b) / (weightA + weightB));
}

// The four colours of a block (the fourth transparent black in three-colour blocks).
std::array<std::array<std::uint8_t, 4>, 4> Palette(int colour0, int colour1) {
    const auto c0 = Expand565(colour0);
    const auto c1 = Expand565(colour1);
    std::array<std::array<std::uint8_t, 4>, 4> palette{};
    for (int channel = 0; channel < 3; ++channel) {
        palette[0][channel] = c0[channel];
        palette[1][channel] = c1[channel];
        if (colour0 > colour1) {
            palette[2][channel] = Mix(2, c0[channel], 1, c1[channel]);
            palette[3][channel] = Mix(1, c0[channel], 2, c1[channel]);
        } else {
            palette[2][channel] = Mix(1, c0[channel], 1, c1[channel]);
        }
    }
    palette[0][3] = palette[1][3] = palette[2][3] = 255;
    palette[3][3] = colour0 > colour1 ? 255 : 0;
    return palette;
}

} // namespace

std::size_t Dxt1Size(int width, int height) {
    return static_cast<std::size_t>(Blocks(width)) * static_cast<std::size_t>(Blocks(height)) * kBlockBytes;
}

std::vector<std::vector<std::uint8_t>> CompressDxt1(std::span<const Picture* const> pictures) {
    struct Job {
        const Picture* picture;
        int blockRow;
        std::uint8_t* out;
    };
    std::vector<std::vector<std::uint8_t>> compressed;
    std::vector<Job> jobs;
    std::size_t blocks = 0;
    for (const Picture* picture : pictures) {
        compressed.emplace_back(Dxt1Size(picture->width, picture->height));
        blocks += compressed.back().size() / kBlockBytes;
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::size_t rowBytes = static_cast<std::size_t>(Blocks(pictures[i]->width)) * kBlockBytes;
        for (int row = 0; row < Blocks(pictures[i]->height); ++row) {
            jobs.push_back(
                {pictures[i], row, compressed[i].data() + static_cast<std::size_t>(row) * rowBytes});
        }
    }

    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t job = next++; job < jobs.size(); job = next++) {
            CompressBlockRow(*jobs[job].picture, jobs[job].blockRow, jobs[job].out);
        }
    };
    std::vector<std::jthread> helpers;
    if (blocks >= kBlocksWorthThreads) {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 1; i < cores; ++i) {
            helpers.emplace_back(work);
        }
    }
    work();
    return compressed;
}

Picture DecompressDxt1(std::span<const std::uint8_t> blocks, int width, int height) {
    if (blocks.size() < Dxt1Size(width, height)) {
        throw TextureError("truncated texture data");
    }
    Picture picture{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
    const std::uint8_t* block = blocks.data();
    for (int blockY = 0; blockY < height; blockY += 4) {
        for (int blockX = 0; blockX < width; blockX += 4, block += kBlockBytes) {
            const auto palette = Palette(block[0] | block[1] << 8, block[2] | block[3] << 8);
            const std::uint32_t indexes = static_cast<std::uint32_t>(block[4]) | block[5] << 8 |
                                          block[6] << 16 | static_cast<std::uint32_t>(block[7]) << 24;
            for (int i = 0; i < 16; ++i) {
                const int x = blockX + i % 4;
                const int y = blockY + i / 4;
                if (x < width && y < height) {
                    const auto& colour = palette[indexes >> (2 * i) & 3];
                    std::copy(colour.begin(), colour.end(),
                              picture.rgba.begin() + (static_cast<std::ptrdiff_t>(y) * width + x) * 4);
                }
            }
        }
    }
    return picture;
}

} // namespace cssbinder
