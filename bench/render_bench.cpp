// One full match frame drawn headless: stage, shadows, two fighters with projectiles and
// effects, gauges, combo counter, typing frame and overlay; then the present conversion of
// the visible 640x480 through the palette.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "game/Game.h"
#include "battle/MoveSet.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SdlPlatform.h"
#include "render/Camera.h"
#include "render/Hud.h"
#include "render/Overlay.h"
#include "render/TypingFrame.h"

namespace morvek {
namespace {

/// A sheet with a third of its pixels transparent, like the game's sprite sheets.
Surface8 noisySheet(int32_t w, int32_t h, uint32_t seed) {
    Surface8 s(w, h);
    std::mt19937 rng(seed);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            s.set(x, y, rng() % 3 == 0 ? 0 : static_cast<uint8_t>(1 + rng() % 254));
    return s;
}

struct Match {
    HeadlessPlatform platform;
    std::unique_ptr<Game> game;

    Match() {
        game = std::make_unique<Game>(platform);
        EngineState& e = game->engine;
        e.attackEffectSurface = noisySheet(2600, 2600, 1);
        e.charaSurface1 = noisySheet(2400, 2400, 2);
        e.charaSurface2 = noisySheet(2400, 2400, 3);
        e.backGroundSurface = noisySheet(1400, 2000, 4);
        e.playMode = PlayMode::Arcade;
        BattleState& b = game->battle;
        b.scrollX = -140;
        b.scrollY = -1480;
        b.targetLetters = {1, 12, 23, 4, 5, 6, 7, 8};
        b.stageState.MaxRoundTime = 6099;
        b.stageState.roundTimer = 4321;
        b.stageState.wholeTimer = 300;
        Character& p1 = b.player1;
        Character& p2 = b.player2;
        p1.charaDispname = "MORVEKBOY";
        p2.charaDispname = "MORVEKBOY";
        p2.nameWidth = 9;
        for (Character* c : {&p1, &p2}) {
            c->NUMBER = 0;
            c->Width = 200;
            c->Height = 200;
            c->bottom = 16;
            c->posY = kGroundLine - 16;
            c->viTality = 180;
            c->stunPointMax = 100;
            c->stunGauge = 30;
            c->spacornGaugeMax = 200;
            c->spacornGauge = 120;
            c->spacornCount = 1;
            c->spacornCountMax = 3;
            c->ExArtsConsumption = 50;
            c->InitFlyArts();
            c->InitSplite();
        }
        p1.posX = 350;
        p1.dirStand = 1;
        p2.posX = 600;
        p2.dirStand = -1;
        p1.tarGeting = true;
        p2.comboCount = 12;
        p2.comboTimer = 260;
        p2.TotalDamage = 40;
        p2.OneHitDamage = 12;
        reset();
    }

    /// Puts back what a frame's drawing consumes: projectiles, effects, patterns.
    void reset() {
        BattleState& b = game->battle;
        for (Character* c : {&b.player1, &b.player2}) {
            c->animPat = 0;
            c->sTate = stStand;
            for (int i = 0; i < kFlyArtsPool; ++i) c->flyArtsAt(i).Running = false;
        }
        b.player1.animPat = 20;
        if (MoveSet* set = moveSetOf(*game, b.player1)) set->FlyArtsLaunch(*game, b.player1, 1);
        if (MoveSet* set = moveSetOf(*game, b.player2)) set->FlyArtsLaunch(*game, b.player2, 1);
        Splite& sp = b.player2.spliteAt(0);
        sp = Splite{};
        sp.posX = 600;
        sp.posY = 1550;
        sp.Width = 148;
        sp.Height = 148;
        sp.dirStand = 1;
        sp.animPat = 10;
        Splite& sp2 = b.player1.spliteAt(0);
        sp2 = sp;
        sp2.posX = 380;
        sp2.dirStand = -1;
        sp2.animPat = 45;
    }

    void drawFrame() {
        Game& g = *game;
        BattleState& b = g.battle;
        EngineState& e = g.engine;
        cameraAndBackground(g, b.player1, b.player2);
        drawCharaShadow(g, b.player1, e.attackEffectSurface);
        drawCharaShadow(g, b.player2, e.attackEffectSurface);
        drawFighters(g, b.player1, b.player2);
        drawGauges(g, b.player1, b.player2);
        drawComboCounter(g, b.player1, b.player2);
        drawTypingFrame(g, b.player1, e.attackEffectSurface, 0, 0);
        drawStageOverlay(g, b.stageState, b.player1, b.player2);
    }
};

void BM_MatchFrameDraw(benchmark::State& state) {
    Match m;
    for (auto _ : state) {
        state.PauseTiming();
        m.reset();
        state.ResumeTiming();
        m.drawFrame();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MatchFrameDraw)->Unit(benchmark::kMicrosecond);

void BM_MatchFrameDrawAndConvert(benchmark::State& state) {
    Match m;
    Palette pal{};
    for (int i = 0; i < 256; ++i) pal[i] = Rgb{uint8_t(i), uint8_t(i * 3), uint8_t(255 - i)};
    const ArgbTable table = argbTableFor(pal);
    std::vector<uint32_t> argb(size_t(kScreenWidth) * kScreenHeight);
    for (auto _ : state) {
        state.PauseTiming();
        m.reset();
        state.ResumeTiming();
        m.drawFrame();
        convertToArgb(m.game->engine.backBuffer, table, argb.data(), kScreenWidth * 4);
        benchmark::DoNotOptimize(argb.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MatchFrameDrawAndConvert)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvek
