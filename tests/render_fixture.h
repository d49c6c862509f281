#pragma once
// A match ready to be drawn on a headless platform: blank sheets large enough for every
// cell of the common sheet, and helpers that paint a cell with a marker value and find
// where a marker landed on the drawing surface.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>

#include "battle/Character.h"
#include "game/Game.h"
#include "platform/HeadlessPlatform.h"

namespace morvek::testing {

struct RenderFixture : ::testing::Test {
    HeadlessPlatform platform;
    std::unique_ptr<Game> game;

    void SetUp() override {
        platform.setPresentLimit(5000);
        game = std::make_unique<Game>(platform);
        EngineState& e = game->engine;
        e.attackEffectSurface = Surface8(2600, 2600);
        e.charaSurface1 = Surface8(8, 8);
        e.charaSurface2 = Surface8(8, 8);
        e.backGroundSurface = Surface8(1400, 2000);
    }

    EngineState& engine() { return game->engine; }
    BattleState& battle() { return game->battle; }
    Character& p1() { return game->battle.player1; }
    Character& p2() { return game->battle.player2; }
    StateOfStage& stage() { return game->battle.stageState; }
    Surface8& back() { return game->engine.backBuffer; }

    /// Fills a cell of the common sheet with a marker value.
    void paint(const Rect& cell, uint8_t value) {
        engine().attackEffectSurface.fillRect(cell, value);
    }
    void paint(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t value) {
        paint(rectXYWH(x, y, w, h), value);
    }
    void clearBack() { back().fill(0); }

    /// The smallest rectangle holding every pixel of `value` on the drawing surface
    /// (searched within `area`), or nothing when the value is absent.
    std::optional<Rect> find(uint8_t value, Rect area = Rect{0, 0, 1640, 1480}) const {
        const Surface8& s = game->engine.backBuffer;
        Rect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        bool any = false;
        for (int32_t y = area.top; y < area.bottom; ++y) {
            const uint8_t* row = s.row(y);
            for (int32_t x = area.left; x < area.right; ++x) {
                if (row[x] != value) continue;
                any = true;
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
        }
        if (!any) return std::nullopt;
        return r;
    }
    /// Pixels of `value` on the drawing surface.
    int64_t count(uint8_t value) const {
        const Surface8& s = game->engine.backBuffer;
        int64_t n = 0;
        for (int32_t y = 0; y < s.height(); ++y)
            for (int32_t x = 0; x < s.width(); ++x) n += s.at(x, y) == value;
        return n;
    }
};

}  // namespace morvek::testing
