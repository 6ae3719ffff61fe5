#include "TextureSamples.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

// A private copy of stb's TGA decoder, the reference the converter's own decoder is held to.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#include <stb/stb_image.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <map>

namespace cssbinder {
namespace {

using Pixel = std::array<std::uint8_t, 4>;

// A pixel as the file stores it: blue, green, red, alpha in 2, 3 or 4 bytes, or grey (and alpha).
std::vector<std::uint8_t> StoredColour(const Pixel& pixel, int bits, bool grey) {
    if (grey) {
        return bits == 8 ? std::vector<std::uint8_t>{pixel[0]}
                         : std::vector<std::uint8_t>{pixel[0], pixel[3]};
    }
    if (bits == 15 || bits == 16) {
        const int packed =
            (pixel[3] >= 128 ? 0x8000 : 0) | (pixel[0] >> 3) << 10 | (pixel[1] >> 3) << 5 | pixel[2] >> 3;
        return {static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(packed >> 8)};
    }
    std::vector<std::uint8_t> stored{pixel[2], pixel[1], pixel[0]};
    if (bits == 32) {
        stored.push_back(pixel[3]);
    }
    return stored;
}

// Run-length packets: a run of equal pixels becomes one repeated pixel, anything else raw packets.
void AppendRunLength(std::vector<std::uint8_t>& file, const std::vector<std::vector<std::uint8_t>>& pixels) {
    const auto repeats = [&pixels](std::size_t i) {
        return i + 1 < pixels.size() && pixels[i + 1] == pixels[i];
    };
    for (std::size_t i = 0; i < pixels.size();) {
        const bool run = repeats(i);
        std::size_t count = 1;
        while (i + count < pixels.size() && count < 128 &&
               (run ? pixels[i + count] == pixels[i] : !repeats(i + count))) {
            ++count;
        }
        file.push_back(static_cast<std::uint8_t>((run ? 0x80 : 0) | (count - 1)));
        for (std::size_t j = i; j < (run ? i + 1 : i + count); ++j) {
            file.insert(file.end(), pixels[j].begin(), pixels[j].end());
        }
        i += count;
    }
}

} // namespace

void PutU16(std::vector<std::uint8_t>& file, std::size_t at, int value) {
    file[at] = static_cast<std::uint8_t>(value);
    file[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::string TgaKind::Name() const {
    return "type " + std::to_string(imageType) + ", " + std::to_string(bits) + " bits, " +
           (topLeft ? "top" : "bottom") + (rightToLeft ? "-right" : "-left");
}

std::vector<TgaKind> AllTgaKinds() {
    std::vector<TgaKind> kinds;
    for (const int imageType : {1, 2, 3, 9, 10, 11}) {
        const bool grey = imageType % 8 == 3;
        for (const int bits : grey ? std::vector<int>{8, 16} : std::vector<int>{15, 16, 24, 32}) {
            for (const int corner : {0, 1, 2, 3}) {
                kinds.push_back({imageType, bits, (corner & 1) != 0, (corner & 2) != 0});
            }
        }
    }
    return kinds;
}

std::vector<std::uint8_t> EncodeTga(const Picture& picture, const TgaKind& kind) {
    const bool colourMapped = kind.imageType % 8 == 1;
    const bool grey = kind.imageType % 8 == 3;
    std::vector<std::vector<std::uint8_t>> pixels;
    std::map<Pixel, int> mapIndex;
    std::vector<Pixel> map;
    for (int row = 0; row < picture.height; ++row) {
        for (int column = 0; column < picture.width; ++column) {
            const int x = kind.rightToLeft ? picture.width - 1 - column : column;
            const int y = kind.topLeft ? row : picture.height - 1 - row;
            Pixel pixel;
            std::copy_n(picture.rgba.begin() + (y * picture.width + x) * 4, 4, pixel.begin());
            if (!colourMapped) {
                pixels.push_back(StoredColour(pixel, kind.bits, grey));
                continue;
            }
            const auto [entry, added] = mapIndex.emplace(pixel, static_cast<int>(map.size()));
            if (added) {
                map.push_back(pixel);
            }
            pixels.push_back({static_cast<std::uint8_t>(entry->second)});
        }
    }
    const int depth = colourMapped ? 8 : kind.bits;
    const int alphaBits = kind.bits == 32 || (grey && kind.bits == 16) ? 8 : kind.bits == 16 ? 1 : 0;
    const int mapLength = static_cast<int>(map.size());
    std::vector<std::uint8_t> file(18);
    file[0] = 2; // an image id of two bytes, "cs", follows the header
    file[1] = colourMapped ? 1 : 0;
    file[2] = static_cast<std::uint8_t>(kind.imageType);
    PutU16(file, 5, mapLength);
    file[7] = static_cast<std::uint8_t>(colourMapped ? kind.bits : 0);
    PutU16(file, 12, picture.width);
    PutU16(file, 14, picture.height);
    file[16] = static_cast<std::uint8_t>(depth);
    file[17] =
        static_cast<std::uint8_t>(alphaBits | (kind.topLeft ? 0x20 : 0) | (kind.rightToLeft ? 0x10 : 0));
    file.insert(file.end(), {'c', 's'});
    for (const Pixel& entry : map) {
        const auto stored = StoredColour(entry, kind.bits, false);
        file.insert(file.end(), stored.begin(), stored.end());
    }
    if (kind.imageType >= 8) {
        AppendRunLength(file, pixels);
    } else {
        for (const auto& pixel : pixels) {
            file.insert(file.end(), pixel.begin(), pixel.end());
        }
    }
    return file;
}

Picture DecodeTgaWithStb(const std::vector<std::uint8_t>& file) {
    Picture picture;
    int channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &picture.width,
                                            &picture.height, &channels, 4);
    picture.rgba.assign(pixels, pixels + picture.width * picture.height * 4);
    stbi_image_free(pixels);
    return picture;
}

std::vector<std::uint8_t> EncodeJpeg(const Picture& picture, int quality) {
    std::vector<std::uint8_t> file;
    const auto append = [](void* context, void* data, int size) {
        auto& out = *static_cast<std::vector<std::uint8_t>*>(context);
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        out.insert(out.end(), bytes, bytes + size);
    };
    stbi_write_jpg_to_func(append, &file, picture.width, picture.height, 4, picture.rgba.data(), quality);
    return file;
}

Picture GradedPicture(int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = x / static_cast<double>(width);
            const double v = y / static_cast<double>(height);
            // One hue, so that a block's colours lie on the line that DXT1 keeps.
            const double light =
                std::hypot(u - 0.6, v - 0.4) < 0.2 ? 0.95 : 0.3 + 0.4 * u + 0.2 * std::sin(4 * u + 3 * v);
            picture.rgba.insert(picture.rgba.end(), {static_cast<std::uint8_t>(250 * light),
                                                     static_cast<std::uint8_t>(200 * light),
                                                     static_cast<std::uint8_t>(120 * light), 255});
        }
    }
    return picture;
}

double Psnr(const Picture& a, const Picture& b) {
    double squares = 0;
    for (std::size_t i = 0; i < a.rgba.size(); ++i) {
        squares += i % 4 == 3 ? 0 : std::pow(a.rgba[i] - b.rgba[i], 2);
    }
    return 10 * std::log10(255.0 * 255.0 * static_cast<double>(a.rgba.size() / 4 * 3) / squares);
}

Picture TestCard(int width, int height) {
    static constexpr std::uint8_t kColours[6][4] = {{255, 0, 0, 255},   {0, 255, 0, 255},
                                                    {0, 0, 255, 255},   {255, 255, 255, 255},
                                                    {96, 160, 32, 255}, {200, 100, 8, 255}};
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Runs of four pixels on even rows, a new colour every pixel on odd rows.
            const int index = y % 2 == 0 ? (x / 4 + y) % 6 : (x + 2 * y) % 6;
            picture.rgba.insert(picture.rgba.end(), kColours[index], kColours[index] + 4);
        }
    }
    return picture;
}

} // namespace cssbinder
