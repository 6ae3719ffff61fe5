// Both menu background textures (1024 x 1024 and 2048 x 1024) from an 8000 x 8000 photograph-like
// picture, as JPEG and as TGA file: the kit's way, one decode at the scale the textures need, against
// the way it went before, the whole picture decoded once per texture. Each run is a process of its
// own that reads the file and makes both textures, so that its peak memory (peak_MB) is its own;
// decoded_MB is the picture as decoded.
#include "core/texture/PictureDecoder.h"
#include "core/texture/PictureReader.h"
#include "core/texture/VtfWriter.h"
#include "platform/files/RegularFiles.h"

#include "NaturalPicture.h"
#include "TextureSamples.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace cssbinder {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr int kSide = 8000;
constexpr std::array<VtfOptions, 2> kTextures{{{1024, 1024, false}, {2048, 1024, false}}};

const fs::path& SamplesFolder() {
    static const fs::path folder =
        fs::temp_directory_path() / ("cssbinder-converter-" + std::to_string(::getpid()));
    return folder;
}

// The pictures, written on first use by a process of its own, so that no run inherits its peak memory.
const fs::path& Samples() {
    static const fs::path folder = [] {
        const fs::path& made = SamplesFolder();
        fs::create_directories(made);
        const pid_t child = ::fork();
        if (child == 0) {
            const Picture picture = NaturalPicture(kSide, kSide, 7);
            for (const auto& [name, file] :
                 {std::pair("picture.jpg", EncodeJpeg(picture, 90)),
                  std::pair("picture.tga", EncodeTga(picture, {2, 24, false, false}))}) {
                std::ofstream(made / name, std::ios::binary)
                    .write(reinterpret_cast<const char*>(file.data()),
                           static_cast<std::streamsize>(file.size()));
            }
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        return made;
    }();
    return folder;
}

Bytes ReadAll(const fs::path& path) {
    Bytes file(fs::file_size(path));
    std::ifstream(path, std::ios::binary)
        .read(reinterpret_cast<char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return file;
}

// The kit's way: one decode for both, read from the file as the converter reads it, no larger than the
// larger texture needs.
std::size_t OneDecode(const fs::path& picture) {
    RegularFileSource file(picture.string(), kPictureFileCap);
    Picture decoded = ReadPicture(file, kMaxPictureSide, LargestSides(kTextures));
    const std::size_t decodedBytes = decoded.rgba.size();
    benchmark::DoNotOptimize(MakeVtfs(std::move(decoded), kTextures));
    return decodedBytes;
}

// The way before: a run of the converter per texture, each checking the file and decoding the whole
// picture with stb (JPEG pictures too; TGA pictures, which stb no longer reads here, as whole by the
// converter's own decoder), then scaling it straight to the texture's size.
std::size_t DecodePerTexture(const fs::path& picture) {
    std::size_t decodedBytes = 0;
    for (const VtfOptions& texture : kTextures) {
        const Bytes file = ReadAll(picture);
        ReadPictureSides(file);
        const Picture decoded = picture.extension() == ".tga" ? ReadPicture(file) : DecodeWholePicture(file);
        benchmark::DoNotOptimize(MakeVtf(ScalePicture(decoded, texture.width, texture.height), texture));
        decodedBytes = decoded.rgba.size();
    }
    return decodedBytes;
}

// Runs the way in a child process; its wall time is the iteration's.
void Convert(benchmark::State& state, const char* name, std::size_t (*way)(const fs::path&)) {
    const fs::path picture = Samples() / name;
    int pipeEnds[2];
    for (auto _ : state) {
        if (::pipe(pipeEnds) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            const std::size_t decoded = way(picture);
            ::write(pipeEnds[1], &decoded, sizeof decoded);
            ::_exit(0);
        }
        int status = 0;
        rusage usage{};
        ::wait4(child, &status, 0, &usage);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        std::size_t decoded = 0;
        const bool told = ::read(pipeEnds[0], &decoded, sizeof decoded) == sizeof decoded;
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !told) {
            state.SkipWithError("the conversion failed");
            break;
        }
        state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
        state.counters["decoded_MB"] = static_cast<double>(decoded) / (1024 * 1024);
    }
}

// Each picture both ways, side by side.
void RegisterConversions() {
    for (const auto& [format, file] : {std::pair("Jpeg", "picture.jpg"), std::pair("Tga", "picture.tga")}) {
        for (const auto& [way, run] :
             {std::pair("OneDecode", &OneDecode), std::pair("DecodePerTexture", &DecodePerTexture)}) {
            benchmark::RegisterBenchmark((std::string("Convert") + format + way).c_str(), Convert, file, run)
                ->Unit(benchmark::kMillisecond)
                ->UseManualTime()
                ->Iterations(3);
        }
    }
}

} // namespace
} // namespace cssbinder

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    cssbinder::RegisterConversions();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(cssbinder::SamplesFolder(), ignored);
}
