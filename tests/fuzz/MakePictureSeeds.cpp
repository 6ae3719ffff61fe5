// Writes the fuzzer's first inputs into the folder given: the test card as a TGA file of every kind
// and orientation.
#include "TextureSamples.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: picture_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const cssbinder::Picture card = cssbinder::TestCard(9, 6);
    int number = 0;
    for (const cssbinder::TgaKind& kind : cssbinder::AllTgaKinds()) {
        const auto file = cssbinder::EncodeTga(card, kind);
        std::ofstream(folder / ("seed" + std::to_string(++number) + ".tga"), std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
    return 0;
}
