// The per-frame costs of the display and of text: converting the visible 640x480 through
// the palette into the texture, and drawing one line of text onto an 8-bit surface.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "platform/SdlPlatform.h"
#include "platform/TextRenderer.h"

namespace morvek {
namespace {

void BM_PaletteConversion640x480(benchmark::State& state) {
    Surface8 back(1640, 1480);
    std::mt19937 rng(7);
    for (int32_t y = 0; y < back.height(); ++y)
        for (int32_t x = 0; x < back.width(); ++x) back.set(x, y, uint8_t(rng()));
    Palette pal{};
    for (int i = 0; i < 256; ++i) pal[i] = Rgb{uint8_t(i), uint8_t(i * 3), uint8_t(255 - i)};
    const ArgbTable table = argbTableFor(pal);
    std::vector<uint32_t> argb(size_t(kScreenWidth) * kScreenHeight);
    for (auto _ : state) {
        convertToArgb(back, table, argb.data(), kScreenWidth * 4);
        benchmark::DoNotOptimize(argb.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kScreenWidth * kScreenHeight);
}
BENCHMARK(BM_PaletteConversion640x480)->Unit(benchmark::kMicrosecond);

void BM_TextLine(benchmark::State& state) {
    TextRenderer text;
    text.setFont(16, false);
    Surface8 back(1640, 1480);
    for (auto _ : state) {
        text.draw(back, 40, 200, "MORVEKBOY  WINS!  SCORE 0012345  NOW LOADING・・・", 253);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TextLine)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvek
