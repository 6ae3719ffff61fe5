// tga2vtf: the converter of the menu background kit. Turns a TGA (or PNG, JPEG, BMP) picture into
// DXT1 textures of the game, each output with the options that follow it, all from one decode of the
// picture; with --check, reads a texture back and says what it holds.
#include "core/texture/PictureReader.h"
#include "core/texture/VtfReader.h"
#include "core/texture/VtfWriter.h"
#include "platform/files/RegularFiles.h"

#include <charconv>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace {

using namespace cssbinder;

constexpr const char* kUsage = "usage: tga2vtf INPUT OUTPUT [--size WxH] [--mipmaps] [OUTPUT [--size WxH] "
                               "[--mipmaps]]...\n"
                               "       tga2vtf --check TEXTURE\n";

// The whole file, if it is a regular file of at most `cap` bytes; otherwise throws the reason.
std::string ReadFile(const std::string& path, std::size_t cap) {
    FileRead read = ReadRegularFile(path, cap);
    if (!read) {
        throw TextureError(read.failure);
    }
    return std::move(read.bytes);
}

std::span<const std::uint8_t> Bytes(const std::string& file) {
    return {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()};
}

// "WxH" with both sides whole numbers; the writer checks their range.
bool ParseSize(std::string_view text, VtfOptions& options) {
    const auto cross = text.find('x');
    if (cross == std::string_view::npos) {
        return false;
    }
    const auto parse = [](std::string_view part, int& value) {
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        return error == std::errc() && end == part.data() + part.size();
    };
    return parse(text.substr(0, cross), options.width) && parse(text.substr(cross + 1), options.height);
}

// Runs `step`, putting the file's name before the reason it fails with.
template <typename Step> auto ForFile(const std::string& path, Step step) {
    try {
        return step();
    } catch (const TextureError& error) {
        throw TextureError(path + ": " + error.what());
    }
}

int Check(const std::string& path) {
    const std::string file = ForFile(path, [&] { return ReadFile(path, kTextureFileCap); });
    const VtfInfo info = ForFile(path, [&] {
        const VtfInfo header = ReadVtfHeader(Bytes(file));
        DecodeVtfImage(Bytes(file), header.lowRes);
        for (const VtfImage& level : header.levels) {
            DecodeVtfImage(Bytes(file), level);
        }
        return header;
    });
    std::cout << path << ": VTF 7.2 DXT1 " << info.width << "x" << info.height << ", " << info.mipmapCount
              << (info.mipmapCount == 1 ? " level" : " levels") << ", low resolution " << info.lowRes.width
              << "x" << info.lowRes.height << ", flags 0x" << std::hex << info.flags << std::dec << ", "
              << file.size() << " bytes\n";
    return 0;
}

struct Output {
    std::string path;
    VtfOptions options;
};

int Convert(const std::string& input, const std::vector<Output>& outputs) {
    std::vector<VtfOptions> textures;
    for (const Output& output : outputs) {
        textures.push_back(output.options);
    }
    // One decode for every texture, no larger than the largest needs; a TGA file is read straight into
    // the picture, and any file is let go before the textures are made.
    Picture picture = ForFile(input, [&] {
        RegularFileSource file(input, kPictureFileCap);
        return ReadPicture(file, kMaxPictureSide, LargestSides(textures));
    });
    const auto made = MakeVtfs(std::move(picture), textures);
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        ForFile(outputs[i].path, [&] {
            // Written beside the target and renamed, so that a failed run never leaves half a texture.
            if (const std::string failure = ReplaceRegularFile(outputs[i].path, made[i]); !failure.empty()) {
                throw TextureError(failure);
            }
        });
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "--check") {
            return Check(args[1]);
        }
        // The input, then each output followed by its options.
        std::string input;
        std::vector<Output> outputs;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (!args[i].starts_with("--")) {
                if (input.empty()) {
                    input = args[i];
                } else {
                    outputs.push_back({args[i], {}});
                }
            } else if (outputs.empty()) {
                std::cerr << kUsage;
                return 2;
            } else if (args[i] == "--mipmaps") {
                outputs.back().options.mipmaps = true;
            } else if (args[i] != "--size" || i + 1 == args.size() ||
                       !ParseSize(args[i + 1], outputs.back().options)) {
                std::cerr << "tga2vtf: bad option " << args[i] << "\n" << kUsage;
                return 2;
            } else {
                ++i;
            }
        }
        if (outputs.empty()) {
            std::cerr << kUsage;
            return 2;
        }
        return Convert(input, outputs);
    } catch (const std::exception& error) {
        std::cerr << "tga2vtf: " << error.what() << "\n";
        return 1;
    }
}
