#pragma once
// Two GINZAMURAIs on a headless game: player 1 at x 300 facing right, player 2 at x 700
// facing left, both standing on the ground line with the roster's data.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "battle/FlyArts.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "engine/Game.h"
#include "movesets/MoveSet.h"
#include "platform/HeadlessPlatform.h"

namespace morvek::ginzamurai_test {

class GinzamuraiTest : public ::testing::Test {
protected:
    GinzamuraiTest() {
        platform.setRequireFiles(false);
        for (int i = 0; i < 60; ++i) platform.loadSound(i, "effect.wav");
        for (int i = 100; i < 157; ++i) platform.loadSound(i, "voice.wav");
        game.engine.keyCount = 40;
        place(p1, 300, 1, true);
        place(p2, 700, -1, false);
        platform.clearLogs();
    }

    void place(Character& c, double x, int16_t facing, bool human) {
        c.PrimalPlayer = human;
        c.charaname = "ginzamurai";
        charaBaseSet(c, "ginzamurai");
        c.posX = x;
        c.posY = static_cast<int16_t>(kGroundLine - c.bottom);
        c.dirStand = facing;
        c.LeftOrRight = facing;
        c.sPeed = 3;
        c.viTality = 254;
        c.sTate = stStand;
        c.airialJumpCount = c.MaxJumpCount;
        c.InitFlyArts();
        c.InitSplite();
        animChange(game, 0, c);
        show(c);
    }

    MoveSet& moves() { return *game.battle.moveSets.find(1); }
    /// The pattern table and body box, as the drawing pass evaluates them.
    Rect show(Character& c) {
        Rect r{-1, -1, -1, -1};
        animPatternDispatch(game, r, c);
        return r;
    }
    Rect showPattern(int16_t pattern) {
        p1.animPat = pattern;
        return show(p1);
    }
    void enter(int16_t pattern) { animChange(game, pattern, p1); }
    /// Both halves of the action script for player 1, as the dispatcher runs them.
    void act() { animActionDispatch(game, p1, p2); }

    int timesPlayed(int index) const {
        int n = 0;
        for (const AudioEvent& e : platform.audioLog())
            if (e.kind == AudioEvent::PlaySound && e.index == index) ++n;
        return n;
    }
    int running(const Character& c) const {
        int n = 0;
        for (int i = 0; i < 100; ++i) n += c.flyArtsAt(i).Running ? 1 : 0;
        return n;
    }
    std::vector<int16_t> runningTypes(const Character& c) const {
        std::vector<int16_t> out;
        for (int i = 0; i < 100; ++i)
            if (c.flyArtsAt(i).Running) out.push_back(c.flyArtsAt(i).FAType);
        return out;
    }
    flyArts& lastShot(Character& c) { return c.flyArtsAt(c.FANumber); }

    HeadlessPlatform platform;
    Game game{platform};
    Character& p1 = game.battle.player1;
    Character& p2 = game.battle.player2;
};

}  // namespace morvek::ginzamurai_test
