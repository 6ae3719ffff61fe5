// A paired run of our converter against ImageMagick's DXT1 encoder on the same 2048 x 2048 picture
// with a full mipmap chain: both programs are started in turn, several rounds, and the medians of
// their wall-clock times, the ratio and the PSNR of each top level against the picture are printed.
// The picture is the benchmark's natural picture (see TextureBenchmark.cpp). CONVERT names another
// ImageMagick convert program.
#include "core/texture/Dxt1.h"
#include "core/texture/VtfReader.h"

#include "NaturalPicture.h"
#include "TextureSamples.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace cssbinder;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr int kSide = 2048;
constexpr int kRounds = 7;

Bytes ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Seconds one command takes; a failing command stops the comparison.
double Time(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system((command + " >/dev/null 2>&1").c_str()) != 0) {
        throw std::runtime_error("failed: " + command);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The top level of a DXT1 DDS file: a 128-byte header, then the blocks.
Picture DdsTopLevel(const Bytes& file) {
    if (file.size() < 128 || std::string(file.begin() + 84, file.begin() + 88) != "DXT1") {
        throw std::runtime_error("ImageMagick did not write a DXT1 DDS file");
    }
    return DecompressDxt1(std::span(file).subspan(128), kSide, kSide);
}

} // namespace

int main() {
    const char* convertProgram = std::getenv("CONVERT");
    const std::string convert = convertProgram != nullptr ? convertProgram : "convert";
    if (std::system((convert + " -version >/dev/null 2>&1").c_str()) != 0) {
        std::cout << "texture_vs_imagemagick: ImageMagick's convert is not installed; skipped\n";
        return 0;
    }
    const fs::path dir = fs::temp_directory_path() / "cssbinder-texture-benchmark";
    fs::create_directories(dir);
    const Picture source = NaturalPicture(kSide, kSide, 11);
    const Bytes tga = EncodeTga(source, {2, 24, true, false});
    std::ofstream(dir / "in.tga", std::ios::binary)
        .write(reinterpret_cast<const char*>(tga.data()), static_cast<std::streamsize>(tga.size()));

    const std::string in = (dir / "in.tga").string();
    const std::string ours = std::string(CSSBINDER_TGA2VTF) + " " + in + " " + (dir / "out.vtf").string() +
                             " --size 2048x2048 --mipmaps";
    const std::string theirs = convert + " " + in + " -define dds:compression=dxt1 -define dds:mipmaps=11 " +
                               (dir / "out.dds").string();
    std::vector<double> ourTimes;
    std::vector<double> theirTimes;
    try {
        for (int round = 0; round < kRounds; ++round) {
            ourTimes.push_back(Time(ours));
            theirTimes.push_back(Time(theirs));
        }
        const Bytes vtf = ReadAll(dir / "out.vtf");
        const Picture ourTop = DecodeVtfImage(vtf, ReadVtfHeader(vtf).levels.front());
        const Picture theirTop = DdsTopLevel(ReadAll(dir / "out.dds"));
        std::cout << std::fixed << std::setprecision(3) << "2048x2048 DXT1 with 12 levels, median of "
                  << kRounds << " paired runs\n"
                  << "  tga2vtf      " << Median(ourTimes) << " s   PSNR " << std::setprecision(2)
                  << Psnr(source, ourTop) << " dB\n"
                  << std::setprecision(3) << "  ImageMagick  " << Median(theirTimes) << " s   PSNR "
                  << std::setprecision(2) << Psnr(source, theirTop) << " dB\n"
                  << "  tga2vtf is " << Median(theirTimes) / Median(ourTimes) << " times as fast\n";
    } catch (const std::exception& error) {
        std::cerr << "texture_vs_imagemagick: " << error.what() << "\n";
        return 1;
    }
    fs::remove_all(dir);
    return 0;
}
