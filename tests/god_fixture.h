#pragma once
// Two G O Ds standing on a headless game: player 1 at 300 facing right, player 2 at 900
// facing left (their centres 600 apart), camera at 0, with the helpers the move-set tests
// share.

#include <gtest/gtest.h>

#include <algorithm>

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "engine/Game.h"
#include "movesets/God.h"
#include "platform/HeadlessPlatform.h"
#include "render/Surface8.h"

namespace morvek::god_test {

constexpr int16_t kStand = kGroundLine - 185;  // its cell has 185 pixels under the feet

class GodTest : public ::testing::Test {
protected:
    GodTest() {
        platform.setRequireFiles(false);
        for (int i = 0; i < 60; ++i) platform.loadSound(i, "effect.wav");
        for (int i = 100; i < 157; ++i) platform.loadSound(i, "voice.wav");
        game.engine.keyCount = 40;
        game.battle.scrollX = 0;
        game.battle.scrollY = 0;
        place(p1, 300, 1, true);
        place(p2, 900, -1, false);
        platform.clearLogs();
    }

    void place(Character& c, double x, int16_t facing, bool human) {
        c.PrimalPlayer = human;
        c.charaname = "god";
        charaBaseSet(c, "god");
        c.posX = x;
        c.posY = kStand;
        c.dirStand = facing;
        c.LeftOrRight = facing;
        c.sPeed = 3;
        c.viTality = 254;
        c.InitFlyArts();
        c.InitSplite();
        animChange(game, 0, c);
        show(c);
    }

    God& moves() { return *static_cast<God*>(game.battle.moveSets.find(7)); }
    Rect show(Character& c) {
        Rect r;
        animPatternDispatch(game, r, c);
        return r;
    }
    /// Starts a pattern on player 1 and draws it once, as the frame does before the script.
    void enter(int16_t pattern) {
        animChange(game, pattern, p1);
        show(p1);
    }
    void act() { moves().AnimAction(game, p1, p2); }
    int timesPlayed(int index) const {
        return static_cast<int>(std::count_if(
            platform.audioLog().begin(), platform.audioLog().end(),
            [&](const AudioEvent& e) { return e.kind == AudioEvent::PlaySound && e.index == index; }));
    }
    int running(const Character& c) const {
        int n = 0;
        for (int i = 0; i < kFlyArtsPool; ++i) n += c.flyArtsAt(i).Running;
        return n;
    }
    /// The projectile most recently handed out by the fighter's ring.
    flyArts& lastShot(Character& c) { return c.flyArtsAt(c.FANumber); }

    HeadlessPlatform platform;
    Game game{platform};
    Character& p1 = game.battle.player1;
    Character& p2 = game.battle.player2;
};

}  // namespace morvek::god_test
