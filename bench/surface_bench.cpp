// The blitters on full-screen sizes: what a frame that covers the whole view costs.

#include <benchmark/benchmark.h>

#include <random>

#include "platform/Surface8.h"

namespace morvek {
namespace {

/// A sprite-like source: a third of it transparent (index 0), the rest any colour.
Surface8 spriteSheet(int32_t w, int32_t h) {
    Surface8 s(w, h);
    std::mt19937 rng(11);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            s.set(x, y, rng() % 3 == 0 ? 0 : static_cast<uint8_t>(1 + rng() % 255));
    return s;
}

void BM_KeyedBlit640x480(benchmark::State& state) {
    const Surface8 src = spriteSheet(640, 480);
    Surface8 back(640, 480);
    for (auto _ : state) {
        blit(back, Rect{0, 0, 640, 480}, src, src.bounds(), BlitKeyed);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}
BENCHMARK(BM_KeyedBlit640x480)->Unit(benchmark::kMicrosecond);

void BM_KeyedMirroredStretchedBlit320x240To640x480(benchmark::State& state) {
    const Surface8 src = spriteSheet(320, 240);
    Surface8 back(640, 480);
    for (auto _ : state) {
        blit(back, Rect{0, 0, 640, 480}, src, src.bounds(), BlitKeyed | BlitMirror);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}
BENCHMARK(BM_KeyedMirroredStretchedBlit320x240To640x480)->Unit(benchmark::kMicrosecond);

void BM_CopyBlit640x480(benchmark::State& state) {
    const Surface8 src = spriteSheet(640, 480);
    Surface8 back(640, 480);
    for (auto _ : state) {
        blit(back, Rect{0, 0, 640, 480}, src, src.bounds(), BlitCopy);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}
BENCHMARK(BM_CopyBlit640x480)->Unit(benchmark::kMicrosecond);

void BM_FillRect640x480(benchmark::State& state) {
    Surface8 back(640, 480);
    uint32_t colour = 0;
    for (auto _ : state) {
        back.fillRect(Rect{0, 0, 640, 480}, ++colour);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}
BENCHMARK(BM_FillRect640x480)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvek
