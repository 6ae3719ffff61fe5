// Feeds any bytes to the whole path of the menu background converter: reading the picture, making a
// (small) texture of it and reading that back. Every input must end in a picture or a TextureError,
// never in a crash, a leak or undefined behaviour; the texture we write must always read back.
#include "core/texture/PictureReader.h"
#include "core/texture/VtfReader.h"
#include "core/texture/VtfWriter.h"

#include "FuzzInput.h"

namespace {

using namespace cssbinder;

// Sides are capped lower than the converter's own limit so that a 20-byte PNG header claiming a huge
// picture cannot make every run slow; the checks on the way are the same.
constexpr int kMaxFuzzedSide = 256;

void ConvertPicture(std::span<const std::uint8_t> file) {
    try {
        // Asked for no more than the texture needs, as the converter asks: JPEG pictures decode scaled.
        const Picture picture = ReadPicture(file, kMaxFuzzedSide, {16, 8});
        Expect(picture.width > 0 && picture.height > 0 && picture.width <= kMaxFuzzedSide &&
               picture.height <= kMaxFuzzedSide);
        Expect(picture.rgba.size() == static_cast<std::size_t>(picture.width) * picture.height * 4);
        const auto texture = MakeVtf(picture, {16, 8, true});
        const VtfInfo info = ReadVtfHeader(texture);
        Expect(info.fileSize == texture.size() && info.levels.size() == 5);
        DecodeVtfImage(texture, info.levels.front());
    } catch (const TextureError&) {
    }
}

// The texture reader also meets files from outside (tga2vtf --check).
void CheckTexture(std::span<const std::uint8_t> file) {
    try {
        const VtfInfo info = ReadVtfHeader(file);
        DecodeVtfImage(file, info.lowRes);
        DecodeVtfImage(file, info.levels.back());
    } catch (const TextureError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    ConvertPicture(file);
    CheckTexture(file);
    return 0;
}
