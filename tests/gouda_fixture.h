#pragma once
// Two GOUDAs on a headless game, standing on the ground line facing each other (player 1
// at 400, player 2 at 600), with the helpers GOUDA's move tests share: one frame of the
// battle's animation order, sound counts and the last projectile handed out.

#include "moveset_fixture.h"

namespace morvek::gouda_test {

constexpr int16_t kGround = kGroundLine;  // GOUDA's cell has no bottom margin

class GoudaTest : public moveset_test::MoveSetTest {
protected:
    GoudaTest()
        : MoveSetTest({.number = 4, .name = "gouda", .x1 = 400, .x2 = 600, .standState = true}) {}

    MoveSet& moves() { return moveSet(); }
    void enter(int16_t pattern) { start(pattern); }
    void act() { runAction(); }
    /// One frame of GOUDA as the battle frame runs him: drawn, stepped, acted.
    void frame() { stepP1(); }
    flyArts& lastShot() { return MoveSetTest::lastShot(p1); }
    int running() const { return MoveSetTest::running(p1); }
};

}  // namespace morvek::gouda_test
