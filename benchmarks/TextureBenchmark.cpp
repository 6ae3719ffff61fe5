// What the menu background converter costs: reading a 2048 x 2048 TGA picture and making the texture
// with its full mipmap chain. The picture is made by code (NaturalPicture): a landscape of graded sky,
// textured clouds, sun and grassy hills with film grain, which compresses like a photograph.
#include "core/texture/PictureReader.h"
#include "core/texture/VtfWriter.h"

#include "NaturalPicture.h"
#include "TextureSamples.h"

#include <benchmark/benchmark.h>

namespace cssbinder {
namespace {

const Picture& Source() {
    static const Picture picture = NaturalPicture(2048, 2048, 11);
    return picture;
}

void ReadTga(benchmark::State& state) {
    const auto file = EncodeTga(Source(), {2, 24, false, false});
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadPicture(file));
    }
}
BENCHMARK(ReadTga)->Unit(benchmark::kMillisecond);

void MakeTextureWithMipmaps(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeVtf(Source(), {2048, 2048, true}));
    }
}
BENCHMARK(MakeTextureWithMipmaps)->Unit(benchmark::kMillisecond)->UseRealTime();

void MakeMenuBackground(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeVtf(Source(), {1024, 1024, false}));
    }
}
BENCHMARK(MakeMenuBackground)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace cssbinder
