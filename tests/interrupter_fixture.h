#pragma once
// Two INTERRUPTERs standing on a headless game: player 1 at 300 facing right, player 2 at
// 600 facing left, with the helpers the move-set tests share.

#include "moveset_fixture.h"
#include "movesets/Interrupter.h"

namespace morvek::interrupter_test {

constexpr int16_t kStand = kGroundLine;  // his cell has no margin under the feet

class InterrupterTest : public moveset_test::MoveSetTest {
protected:
    InterrupterTest() : MoveSetTest({.number = 5, .name = "interrupter", .x1 = 300, .x2 = 600}) {}

    Interrupter& moves() { return static_cast<Interrupter&>(moveSet()); }
    /// Starts a pattern on player 1 and draws it once, as the frame does before the script.
    void enter(int16_t pattern) { startShown(pattern); }
    void act() { runAction(); }
};

}  // namespace morvek::interrupter_test
