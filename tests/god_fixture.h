#pragma once
// Two G O Ds standing on a headless game: player 1 at 300 facing right, player 2 at 900
// facing left (their centres 600 apart), camera at 0, with the helpers the move-set tests
// share.

#include "moveset_fixture.h"
#include "movesets/God.h"

namespace morvek::god_test {

constexpr int16_t kStand = kGroundLine - 185;  // its cell has 185 pixels under the feet

class GodTest : public moveset_test::MoveSetTest {
protected:
    GodTest() : MoveSetTest({.number = 7, .name = "god", .x1 = 300, .x2 = 900}) {}

    God& moves() { return static_cast<God&>(moveSet()); }
    /// Starts a pattern on player 1 and draws it once, as the frame does before the script.
    void enter(int16_t pattern) { startShown(pattern); }
    void act() { runAction(); }
};

}  // namespace morvek::god_test
