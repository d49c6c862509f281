#pragma once
// BURI (player 2, the computer's side in the game) against a MORVEKBOY on a headless game,
// with the helpers BURI's tests share: drawing, one frame in the battle's order, sound
// counts and the last projectile handed out.

#include <gtest/gtest.h>

#include <algorithm>

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "battle/FlyArts.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "game/Game.h"
#include "battle/MoveSet.h"
#include "platform/HeadlessPlatform.h"

namespace morvek::buri_test {

/// BURI's cell has a negative bottom margin, so it stands lower than the ground line.
constexpr int16_t kBuriGround = kGroundLine + 70;

class BuriTest : public ::testing::Test {
protected:
    BuriTest() {
        platform.setRequireFiles(false);
        for (int i = 0; i < 60; ++i) platform.loadSound(i, "effect.wav");
        for (int i = 100; i < 157; ++i) platform.loadSound(i, "voice.wav");
        game.engine.keyCount = kNormalKeyCount;
        place(p1, "morvekboy", 250, 1, true);
        place(p2, "buri", 500, -1, false);
        p2.posY = kBuriGround;
        platform.clearLogs();
    }

    void place(Character& c, const char* stem, double x, int16_t facing, bool human) {
        c.PrimalPlayer = human;
        c.charaname = stem;
        charaBaseSet(c, stem);
        c.posX = x;
        c.posY = kGroundLine;
        c.dirStand = facing;
        c.LeftOrRight = facing;
        c.sPeed = 3;
        c.viTality = 254;
        c.sTate = stStand;
        c.InitFlyArts();
        c.InitSplite();
        animChange(game, 0, c);
    }

    MoveSet& moves() { return *game.battle.moveSets.find(6); }
    Character& buri() { return p2; }
    void enter(int16_t pattern) { animChange(game, pattern, p2); }
    void act() { moves().AnimAction(game, p2, p1); }
    /// Draws BURI through the engine's dispatcher (pattern table, then body box).
    Rect show() {
        Rect r{-9, -9, -9, -9};
        animPatternDispatch(game, r, p2);
        return r;
    }
    /// One frame of BURI as the battle frame runs it: drawn, stepped, acted.
    void frame() {
        show();
        animTimerCount(game, p2);
        animActionDispatch(game, p2, p1);
    }

    int timesPlayed(int index) const {
        return static_cast<int>(std::count_if(
            platform.audioLog().begin(), platform.audioLog().end(), [index](const AudioEvent& e) {
                return e.kind == AudioEvent::PlaySound && e.index == index;
            }));
    }
    flyArts& lastShot() { return p2.flyArtsAt(p2.FANumber); }
    int running() {
        int n = 0;
        for (int i = 0; i < 100; ++i)
            if (p2.flyArtsAt(i).Running) ++n;
        return n;
    }

    HeadlessPlatform platform;
    Game game{platform};
    Character& p1 = game.battle.player1;
    Character& p2 = game.battle.player2;
};

}  // namespace morvek::buri_test
