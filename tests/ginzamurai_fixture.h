#pragma once
// Two GINZAMURAIs on a headless game: player 1 at x 300 facing right, player 2 at x 700
// facing left, both standing on the ground line with the roster's data.

#include "moveset_fixture.h"

namespace morvek::ginzamurai_test {

class GinzamuraiTest : public moveset_test::MoveSetTest {
protected:
    GinzamuraiTest()
        : MoveSetTest({.number = 1, .name = "ginzamurai", .x1 = 300, .x2 = 700,
                       .standState = true, .jumps = moveset_test::kFullJumps}) {}

    MoveSet& moves() { return moveSet(); }
    void enter(int16_t pattern) { start(pattern); }
    /// Both halves of the action script for player 1, as the dispatcher runs them.
    void act() { dispatch(); }
};

}  // namespace morvek::ginzamurai_test
