// What a connection preset costs where the registry is a file of our own: the whole store is read,
// changed and written back at each click, so a store grown large by hand must still be read in time
// proportional to its size.
#include "core/advanced/SubstituteRegistry.h"

#include <benchmark/benchmark.h>

#include <string>

namespace cssbinder {
namespace {

constexpr char kTcpip[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

// About `bytes` of store in keys of `valuesPerKey` values each, and a line it cannot read in each key.
std::string StoreOf(std::size_t bytes, int valuesPerKey) {
    std::string text;
    for (int key = 0; text.size() < bytes; ++key) {
        text += "[SOFTWARE\\Vendor\\Product" + std::to_string(key) + "]\n";
        for (int value = 0; value < valuesPerKey && text.size() < bytes; ++value) {
            text += "Value" + std::to_string(value) + '=' + std::to_string(key * value) + '\n';
        }
        text += "a line nobody can read\n";
    }
    return text + "[" + kTcpip + "]\nDefaultTTL=64\n";
}

void ParseAndRewriteStore(benchmark::State& state) {
    const std::string store =
        StoreOf(static_cast<std::size_t>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        SubstituteRegistry registry = SubstituteRegistry::Parse(store);
        registry.SetValue(kTcpip, "TcpWindowSize", 65535);
        registry.DeleteValue(kTcpip, "DefaultTTL");
        benchmark::DoNotOptimize(registry.Render());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * store.size()));
}
// A megabyte in a thousand keys, and in one key (a store grown by hand or by another program).
BENCHMARK(ParseAndRewriteStore)->Args({1 << 20, 50})->Args({1 << 20, 1 << 20})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace cssbinder
