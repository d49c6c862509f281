// The computer's tick (when it may act, by level and frame counters), its get-up roll, and
// the shared services dice, distanceX/Y and cpuTPCChoice.

#include <vector>

#include "battle/CpuTick.h"
#include "combat_harness.h"

namespace morvek::combat_test {
namespace {

/// A value no rule draws by chance: tells whether the scripted draws were all used.
constexpr double kSentinel = 0.123456;

class CpuTick : public CombatTest {
protected:
    CpuTick() {
        // Player 2 without a move set: the tick's own draws are the only ones.
        p2.NUMBER = 9;
        p2.LeftOrRight = -1;
    }

    /// Runs 30 ticks with every draw r; counts the frames in which the computer acted,
    /// seen through its getting up from the floor (which draws one more value).
    int actingFramesOf30(int16_t level, bool inCombo, double r = 0.0) {
        p2.cpuLevel = level;
        p2.TPC = inCombo;
        int acted = 0;
        for (int i = 0; i < 30; ++i) {
            p2.sTate = stLyingDown;
            p2.animPat = 0;
            game.random.script({r, r});
            cpuThinkTick(game, p2, p1);
            if (p2.animPat != 0) ++acted;
        }
        return acted;
    }

    bool allDrawsUsed() { return game.random.next() == kSentinel; }
};

TEST_F(CpuTick, CountersRunTogetherAndWrap) {
    p2.cpuLevel = 0;
    for (int i = 1; i <= 65; ++i) {
        cpuThinkTick(game, p2, p1);
        EXPECT_EQ(game.battle.cpuTick10, i % 10);
        EXPECT_EQ(game.battle.cpuTick30, i % 30);
    }
}

TEST_F(CpuTick, ActingFramesOutsideAComboByLevel) {
    // With the best roll the level alone decides: frames 0, 10, 20 below cpuLevel.
    EXPECT_EQ(actingFramesOf30(0, false), 0);
    EXPECT_EQ(actingFramesOf30(5, false), 1);
    EXPECT_EQ(actingFramesOf30(10, false), 1);
    EXPECT_EQ(actingFramesOf30(15, false), 2);
    EXPECT_EQ(actingFramesOf30(20, false), 2);
    EXPECT_EQ(actingFramesOf30(21, false), 3);
    EXPECT_EQ(actingFramesOf30(99, false), 3);
}

TEST_F(CpuTick, ComboStepsByLevel) {
    EXPECT_EQ(actingFramesOf30(0, true), 1);
    EXPECT_EQ(actingFramesOf30(5, true), 2);
    EXPECT_EQ(actingFramesOf30(10, true), 3);
    EXPECT_EQ(actingFramesOf30(15, true), 4);
    EXPECT_EQ(actingFramesOf30(20, true), 5);
    EXPECT_EQ(actingFramesOf30(21, true), 6);
}

TEST_F(CpuTick, RollMustBeBelowLevelPlusFive) {
    // Level 10: x = 14 acts, x = 15 does not. Level 15 misses only on 20; from 16 on every
    // roll acts.
    EXPECT_EQ(actingFramesOf30(10, false, 0.69), 1);
    EXPECT_EQ(actingFramesOf30(10, false, 0.71), 0);
    EXPECT_EQ(actingFramesOf30(15, false, 0.9499), 2);
    EXPECT_EQ(actingFramesOf30(15, false, 0.9999), 0);
    EXPECT_EQ(actingFramesOf30(16, false, 0.9999), 2);
    // Level 0 would need x < 5 and has no frame: never, whatever the roll.
    EXPECT_EQ(actingFramesOf30(0, false, 0.0), 0);
}

TEST_F(CpuTick, RollIsDrawnInBothDecisionFramesOnlyOutsideACombo) {
    p2.cpuLevel = 30;
    p2.enableAction = false;
    for (int i = 0; i < 10; ++i) {
        game.random.script({0.99, kSentinel});
        p2.TPC = false;
        const int16_t tick = game.battle.cpuTick10;
        p2.sTate = stStand;
        cpuThinkTick(game, p2, p1);
        const double after = game.random.next();
        if (tick == 0 || tick == 5) EXPECT_EQ(after, kSentinel) << "tick " << tick;
        else EXPECT_EQ(after, 0.99) << "tick " << tick;
    }
    game.battle.cpuTick10 = 0;
    game.battle.cpuTick30 = 0;
    p2.TPC = true;
    game.random.script({kSentinel});
    cpuThinkTick(game, p2, p1);
    EXPECT_TRUE(allDrawsUsed());  // the scripted sentinel is still next: nothing drawn
}

TEST_F(CpuTick, ActingFrameClearsEnableActionAfterTheDecision) {
    p2.cpuLevel = 20;
    p2.enableAction = true;
    game.random.script({0.0, kSentinel});
    cpuThinkTick(game, p2, p1);  // tick 0: acts; NUMBER 9 has no decision to call
    EXPECT_FALSE(p2.enableAction);
    EXPECT_TRUE(allDrawsUsed());

    // A computer that may not act calls nothing and stays unable to act.
    game.battle.cpuTick10 = 0;
    game.battle.cpuTick30 = 0;
    p2.NUMBER = 0;
    p2.animPat = 7;
    game.random.script({0.0, kSentinel});
    cpuThinkTick(game, p2, p1);
    EXPECT_FALSE(p2.enableAction);
    EXPECT_EQ(p2.animPat, 7);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuTick, DecisionIsTheFightersOwnByNumber) {
    // MORVEKBOY close in, facing the opponent, roll 12: "男パンチ" (20).
    p2.NUMBER = 0;
    p2.cpuLevel = 20;
    p2.posX = p1.posX + 50;
    p2.dirStand = -1;
    game.random.script({0.0, rollOf(12), kSentinel});
    cpuThinkTick(game, p2, p1);
    EXPECT_EQ(p2.animPat, 20);
    EXPECT_FALSE(p2.enableAction);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuTick, GetUpRoll) {
    p2.cpuLevel = 20;
    p2.sTate = stLyingDown;
    p2.dirStand = 1;
    p2.enableAction = false;  // gets up whether or not it could decide
    const int16_t y = p2.posY;
    game.random.script({0.0, 0.3333, kSentinel});  // get-up roll 1: the hop
    cpuThinkTick(game, p2, p1);
    EXPECT_EQ(p2.animPat, kGetUpHop);
    EXPECT_EQ(p2.dirStand, -1);
    EXPECT_EQ(p2.posY, y - 10);
    EXPECT_DOUBLE_EQ(p2.upVector, 5);
    EXPECT_TRUE(allDrawsUsed());

    for (double r : {0.3334, 0.9999}) {  // rolls 2 and 3: getting up on the spot
        game.battle.cpuTick10 = 0;
        game.battle.cpuTick30 = 0;
        p2.posY = y;
        p2.upVector = 0;
        game.random.script({0.0, r, kSentinel});
        cpuThinkTick(game, p2, p1);
        EXPECT_EQ(p2.animPat, kGetUp);
        EXPECT_EQ(p2.posY, y);
        EXPECT_DOUBLE_EQ(p2.upVector, 0);
        EXPECT_TRUE(allDrawsUsed());
    }

    // Stunned on the floor: stays down and draws nothing more.
    game.battle.cpuTick10 = 0;
    game.battle.cpuTick30 = 0;
    p2.animPat = 0;
    p2.stunSwitch = 2;
    game.random.script({0.0, kSentinel});
    cpuThinkTick(game, p2, p1);
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuTick, DiceCoversOneToN) {
    game.random.script({0.0, 0.9999, 0.0, 0.125, 0.9999});
    EXPECT_EQ(dice(game, 1), 1);
    EXPECT_EQ(dice(game, 1), 1);
    EXPECT_EQ(dice(game, 8), 1);
    EXPECT_EQ(dice(game, 8), 2);
    EXPECT_EQ(dice(game, 8), 8);
}

TEST_F(CpuTick, DistancesOfCentresRoundHalvesToEven) {
    p1.posX = 0;  // centre 100
    p2.posX = 99.5;
    EXPECT_EQ(distanceX(p1, p2), 100);  // 99.5
    p2.posX = 100.5;
    EXPECT_EQ(distanceX(p1, p2), 100);  // 100.5
    EXPECT_EQ(distanceX(p2, p1), 100);
    p2.posX = 101.5;
    EXPECT_EQ(distanceX(p1, p2), 102);
    p2.Width = 199;  // centre 99.5 in from the edge
    p2.posX = 0;
    EXPECT_EQ(distanceX(p1, p2), 0);  // 0.5

    p1.posY = 0;
    p1.Height = 199;  // centre 99.5
    p2.posY = 0;
    p2.Height = 398;  // 199: 99.5 apart
    EXPECT_EQ(distanceY(p1, p2), 100);
    p2.Height = 400;  // 100.5 apart
    EXPECT_EQ(distanceY(p1, p2), 100);
    EXPECT_EQ(distanceY(p2, p1), 100);
}

TEST_F(CpuTick, TypingComboChoice) {
    game.random.script({0.625, kSentinel});  // dice(8) = 6: three, one draw only
    EXPECT_EQ(cpuTPCChoice(game, p2, p1, 0, 0), 3);
    EXPECT_TRUE(allDrawsUsed());
    game.random.script({0.6249, kSentinel});  // 5, far away: two
    EXPECT_EQ(cpuTPCChoice(game, p2, p1, 100, 0), 2);
    EXPECT_TRUE(allDrawsUsed());
    game.random.script({0.0, kSentinel});
    EXPECT_EQ(cpuTPCChoice(game, p2, p1, 0, 200), 2);
    EXPECT_TRUE(allDrawsUsed());
    game.random.script({0.0, 0.25, kSentinel});  // close: second roll 3 gives one
    EXPECT_EQ(cpuTPCChoice(game, p2, p1, 99, 199), 1);
    EXPECT_TRUE(allDrawsUsed());
    game.random.script({0.0, 0.2499, kSentinel});  // second roll 2 gives zero
    EXPECT_EQ(cpuTPCChoice(game, p2, p1, 99, 199), 0);
    EXPECT_TRUE(allDrawsUsed());

    // At distance 150 the answer is 3 or 2 whatever the draws.
    game.random.reseed(7);
    for (int i = 0; i < 200; ++i) {
        const uint8_t c = cpuTPCChoice(game, p2, p1, 150, 0);
        EXPECT_TRUE(c == 3 || c == 2);
    }
}

}  // namespace
}  // namespace morvek::combat_test
