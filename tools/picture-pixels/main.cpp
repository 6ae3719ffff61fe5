// Draws every picture of the windows with the program's own drawing code and writes their pixels as
// a C++ source (see ui/res/StoredPictures.h), so that a start-up only shows them: drawing them took
// an eighth of the main window's start-up and most of the gamma dialog's opening.
#include "ui/res/DrawnPictures.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

void WritePixels(std::ofstream& out, int id, const QImage& image) {
    const bool apart =
        std::ranges::find(cssbinder::kPicturesStoredApart, id) != cssbinder::kPicturesStoredApart.end();
    out << (apart ? "STORED_APART " : "") << "alignas(16) constexpr unsigned char kPixels" << id << "[] = {";
    const auto* bytes = image.constBits();
    for (qsizetype index = 0; index < image.sizeInBytes(); ++index) {
        out << (index % 32 == 0 ? "\n    " : "") << static_cast<unsigned>(bytes[index]) << ',';
    }
    out << "\n};\n\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture-pixels OUTPUT.cpp\n");
        return 2;
    }
    // Drawing needs no screen, so the build runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    std::ofstream out(argv[1]);
    out << "// Written by picture-pixels with the drawing code of ui/res/DrawnPictures.cpp.\n"
           "#include \"ui/res/StoredPictures.h\"\n\n#include <array>\n\n"
           "// A section of their own puts these pictures after all other read-only data.\n"
           "#if defined(__ELF__)\n#define STORED_APART "
           "__attribute__((section(\"cssbinder_pictures_apart\")))\n"
           "#else\n#define STORED_APART\n#endif\n\nnamespace cssbinder {\nnamespace {\n\n";
    std::string table;
    for (const int id : cssbinder::kStoredPictureIds) {
        const QImage image = cssbinder::DrawBitmap(id).toImage();
        WritePixels(out, id, image);
        table += "    {" + std::to_string(id) + ", " + std::to_string(image.width()) + ", " +
                 std::to_string(image.height()) + ", " + std::to_string(image.bytesPerLine()) + ", " +
                 std::to_string(static_cast<int>(image.format())) + ", kPixels" + std::to_string(id) + "},\n";
    }
    out << "constexpr std::array<StoredPicture, " << cssbinder::kStoredPictureIds.size() << "> kPictures{{\n"
        << table << "}};\n\n} // namespace\n\nstd::span<const StoredPicture> StoredPictures() {\n"
        << "    return kPictures;\n}\n\n} // namespace cssbinder\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "picture-pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
