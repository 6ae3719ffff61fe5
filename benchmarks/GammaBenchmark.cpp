// One slider move of the gamma preview: the ramp of every output is built and written.
#include "platform/gamma/DisplayGammaX11.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace cssbinder {
namespace {

// The ramps of one slider move, at an adapter's ramp size.
void BuildRamp(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    int position = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildGammaRamp(ExponentForPosition(position), size));
        position = position == 300 ? 100 : position + 1;
    }
}
BENCHMARK(BuildRamp)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMicrosecond);

// The same move written to the X server named by DISPLAY (Xvfb: one output of 256 entries).
void MoveOnX11(benchmark::State& state) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no DISPLAY: start Xvfb -noreset and set DISPLAY");
        return;
    }
    const std::unique_ptr<DisplayGamma> display = OpenX11DisplayGamma();
    const DisplayRamps own = display->ReadRamps();
    if (own.access != GammaAccess::Changeable) {
        state.SkipWithError("the X server has no gamma ramp");
        return;
    }
    int position = 100;
    for (auto _ : state) {
        std::vector<GammaRamp> ramps;
        for (const GammaRamp& ramp : own.ramps) {
            ramps.push_back(BuildGammaRamp(ExponentForPosition(position), ramp.Size()));
        }
        display->WriteRamps(ramps);
        position = position == 300 ? 100 : position + 1;
    }
    display->WriteRamps(own.ramps);
}
BENCHMARK(MoveOnX11)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace cssbinder

BENCHMARK_MAIN();
