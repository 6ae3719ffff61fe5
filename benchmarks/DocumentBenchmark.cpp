// What every click costs in the core: storing a line, removing a setting, rendering the document
// and turning the preview text into the file's bytes, for documents of the size the tool produces.
#include "core/binds/BindLine.h"
#include "core/binds/BuyScript.h"
#include "core/document/ConfigDocument.h"
#include "core/document/ConfigFileBytes.h"

#include <benchmark/benchmark.h>

#include <string>

namespace cssbinder {
namespace {

ConfigDocument DocumentOf(int entries) {
    ConfigDocument document;
    for (int i = 0; i < entries; ++i) {
        const std::string key = "key" + std::to_string(i);
        document.Store(key, BindLine(key, "buy deagle;buy m4a1;buy vesthelm;buy hegrenade;buy flashbang"));
    }
    return document;
}

void StoreReplacingABind(benchmark::State& state) {
    ConfigDocument document = DocumentOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        document.Store("key0", "bind \"key0\" \"say hello\"");
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(StoreReplacingABind)->Arg(10)->Arg(60);

void ReplaceASetting(benchmark::State& state) {
    ConfigDocument document = DocumentOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        document.RemoveSetting("cl_crosshaircolor");
        document.Store("cl_crosshaircolor \"1\"", "cl_crosshaircolor \"1\"");
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(ReplaceASetting)->Arg(10)->Arg(60);

void Render(benchmark::State& state) {
    const ConfigDocument document = DocumentOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(document.Render());
    }
}
BENCHMARK(Render)->Arg(10)->Arg(60);

void FileBytes(benchmark::State& state) {
    const std::string text = DocumentOf(static_cast<int>(state.range(0))).Render();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ToConfigFileBytes(text));
    }
}
BENCHMARK(FileBytes)->Arg(10)->Arg(60);

void BuyBindLine(benchmark::State& state) {
    BuyChoices choices;
    choices.secondary = 4;
    choices.primary1 = 14;
    choices.primary2 = 13;
    choices.defuser = choices.heGrenade = choices.flashbang1 = choices.flashbang2 = choices.primaryAmmo =
        true;
    choices.armor = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BindLine("F1", BuyCommand(choices)));
    }
}
BENCHMARK(BuyBindLine);

} // namespace
} // namespace cssbinder
