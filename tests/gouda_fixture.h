#pragma once
// Two GOUDAs on a headless game, standing on the ground line facing each other, with the
// helpers GOUDA's move tests share: one frame of the battle's animation order, sound
// counts and the last projectile handed out.

#include <gtest/gtest.h>

#include <algorithm>

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "engine/Game.h"
#include "movesets/MoveSet.h"
#include "platform/HeadlessPlatform.h"

namespace morvek::gouda_test {

constexpr int16_t kGround = kGroundLine;  // GOUDA's cell has no bottom margin

class GoudaTest : public ::testing::Test {
protected:
    GoudaTest() {
        platform.setRequireFiles(false);
        for (int i = 0; i < 60; ++i) platform.loadSound(i, "effect.wav");
        for (int i = 100; i < 157; ++i) platform.loadSound(i, "voice.wav");
        game.engine.keyCount = 40;
        place(p1, 400, 1, true);
        place(p2, 600, -1, false);
        platform.clearLogs();
    }

    void place(Character& c, double x, int16_t facing, bool human) {
        c.PrimalPlayer = human;
        c.charaname = "gouda";
        charaBaseSet(c, "gouda");
        c.posX = x;
        c.posY = kGround;
        c.dirStand = facing;
        c.LeftOrRight = facing;
        c.sPeed = 3;
        c.viTality = 254;
        c.sTate = stStand;
        c.InitFlyArts();
        c.InitSplite();
        animChange(game, 0, c);
        show(c);
    }

    MoveSet& moves() { return *game.battle.moveSets.find(4); }
    void enter(int16_t pattern) { animChange(game, pattern, p1); }
    void act() { moves().AnimAction(game, p1, p2); }
    void show(Character& c) {
        Rect r;
        animPatternDispatch(game, r, c);
    }
    /// One frame of GOUDA as the battle frame runs him: drawn, stepped, acted.
    void frame() {
        show(p1);
        animTimerCount(game, p1);
        animActionDispatch(game, p1, p2);
    }

    int timesPlayed(int index) const {
        return static_cast<int>(std::count_if(
            platform.audioLog().begin(), platform.audioLog().end(), [index](const AudioEvent& e) {
                return e.kind == AudioEvent::PlaySound && e.index == index;
            }));
    }
    flyArts& lastShot() { return p1.flyArtsAt(p1.FANumber); }
    int running() {
        int n = 0;
        for (int i = 0; i < 100; ++i)
            if (p1.flyArtsAt(static_cast<int16_t>(i)).Running) ++n;
        return n;
    }

    HeadlessPlatform platform;
    Game game{platform};
    Character& p1 = game.battle.player1;
    Character& p2 = game.battle.player2;
};

}  // namespace morvek::gouda_test
