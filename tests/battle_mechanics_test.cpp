#include <gtest/gtest.h>

#include <algorithm>

#include "battle/Dispatch.h"
#include "battle_sandbox.h"
#include "engine/DataTables.h"

using namespace morvek;
using namespace morvek::battle_test;

namespace {

/// A stand, a five-frame attack and a landing pose, as a pattern table would give them.
ScriptedTable simpleMoves() {
    return ScriptedTable{
        {0, {2, 0, stStand}},
        {10, {3, 1, stAttack}},    // held 3: four ticks
        {11, {5, -11, stAttack}},  // back to the stand
        {80, {4, -80, stLanding}},
        {150, {5, 0, stAirborne}},
        {160, {7, 0, stAirborne}},
    };
}

class BattleMechanics : public ::testing::Test {
protected:
    BattleMechanics() {
        box.script(box.p1, simpleMoves());
        box.script(box.p2, simpleMoves());
    }
    BattleSandbox box;
    Game& game = box.game;
    Character& p1 = box.p1;
    Character& p2 = box.p2;
};

}  // namespace

TEST_F(BattleMechanics, PatternWithHoldThreeStepsOnItsFourthTick) {
    box.at(1, [](BattleSandbox& b) { animChange(b.game, 10, b.p1); });
    box.run(5);
    EXPECT_EQ(box.trace[0].p1.animPat, 10);
    EXPECT_EQ(box.trace[2].p1.animPat, 10);
    EXPECT_EQ(box.trace[3].p1.animPat, 11);
    EXPECT_EQ(p1.animTimer, 1);
}

TEST_F(BattleMechanics, StepperClearsThePatternFlagsAndChangesNothingElse) {
    Character c;
    c.animPat = 40;
    c.fixTime = -1;  // signed: the very first tick steps
    c.nextAnim = 2;
    c.wavSndFlag = true;
    c.ATFflag = 1;
    c.attackWasHit = 2;
    c.sTate = 7;
    animTimerCount(game, c);
    EXPECT_EQ(c.animPat, 42);
    EXPECT_EQ(c.animTimer, 0);
    EXPECT_FALSE(c.wavSndFlag);
    EXPECT_EQ(c.ATFflag, 0);
    EXPECT_EQ(c.attackWasHit, 0);
    EXPECT_EQ(c.sTate, 7);
}

TEST_F(BattleMechanics, AirborneStepToTheStandBecomesTheFall) {
    Character c;
    c.bottom = 0;
    c.animPat = 3;
    c.nextAnim = -3;
    c.fixTime = 0;
    c.posY = 1500;  // in the air
    animTimerCount(game, c);
    EXPECT_EQ(c.animPat, 160);

    c.animPat = 3;
    c.posY = 1716;  // on the ground line
    animTimerCount(game, c);
    EXPECT_EQ(c.animPat, 0);

    c.animPat = 3;
    c.nextAnim = 2;
    c.posY = 1500;  // other steps are taken in the air as they are
    animTimerCount(game, c);
    EXPECT_EQ(c.animPat, 5);
}

TEST_F(BattleMechanics, GuardStunEndsAtOnceOnlyWhileItRuns) {
    Character c;
    c.PrimalPlayer = true;
    c.tarGeting = true;
    c.fixTime = 100;
    c.animPat = 30;
    animTimerCount(game, c);  // no guard stun: targeting changes nothing
    EXPECT_EQ(c.animPat, 30);

    c.gardFixTime = 5;
    animTimerCount(game, c);
    EXPECT_EQ(c.animPat, 390);
    EXPECT_EQ(c.gardFixTime, 0);

    animChange(game, 30, c);
    c.gardFixTime = 5;
    c.spacornCircle = 4;  // a spacorn ring keeps the pattern but still ends the stun
    animTimerCount(game, c);
    EXPECT_EQ(c.animPat, 30);
    EXPECT_EQ(c.gardFixTime, 0);

    c.tarGeting = false;
    c.gardFixTime = 5;
    animTimerCount(game, c);
    EXPECT_EQ(c.gardFixTime, 4);
    c.PrimalPlayer = false;
    c.tarGeting = true;  // the computer never ends it early
    animTimerCount(game, c);
    EXPECT_EQ(c.gardFixTime, 3);
    EXPECT_EQ(c.animPat, 30);
}

TEST_F(BattleMechanics, JumpArcLandsInTheLandingPose) {
    const int16_t ground = BattleSandbox::groundY(p1);
    box.at(1, [](BattleSandbox& b) {
        animChange(b.game, 150, b.p1);
        BattleSandbox::jump(b.p1, 10, 4);
    });
    box.run(104);
    // Rising 10 a frame against a gravity that grows by 0.2: the apex, 245 up, at frame 47.
    auto apex = std::min_element(box.trace.begin(), box.trace.end(),
                                 [](auto& a, auto& b) { return a.p1.posY < b.p1.posY; });
    EXPECT_EQ(apex->frame, 47);
    EXPECT_EQ(apex->p1.posY, ground - 245);
    EXPECT_EQ(box.trace[0].p1.posY, ground - 10);
    EXPECT_TRUE(box.trace[0].p1.floatorStand);

    const FrameTrace& landed = box.trace[98];  // frame 99
    EXPECT_EQ(landed.p1.posY, ground);
    EXPECT_EQ(landed.p1.animPat, 80);
    EXPECT_EQ(landed.p1.posX, 300 + 99 * 4);  // the slide acts in every rising frame
    EXPECT_TRUE(landed.p1.floatorStand);      // landing leaves the flag for the next step
    EXPECT_EQ(box.trace[97].p1.animPat, 150);
    EXPECT_FALSE(box.trace[99].p1.floatorStand);
    EXPECT_EQ(box.trace[99].p1.posX, 696);  // no vectors after the landing
    EXPECT_EQ(box.trace[101].p1.animPat, 80);
    EXPECT_EQ(box.trace[102].p1.animPat, 0);
    EXPECT_EQ(p1.airialJumpCount, p1.MaxJumpCount);
    EXPECT_EQ(p1.fallVector, 0);
}

TEST_F(BattleMechanics, SlideNeedsAnUpwardSpeed) {
    p1.posY = static_cast<int16_t>(BattleSandbox::groundY(p1) - 100);
    p1.slideVector = 6;
    p1.sTate = stAirborne;
    box.step();
    EXPECT_EQ(p1.posX, 300);
    EXPECT_EQ(p1.posY, BattleSandbox::groundY(p1) - 100 + 0);  // 0.2 rounds to 0
    box.step();
    EXPECT_EQ(p1.posY, BattleSandbox::groundY(p1) - 100);  // 0.4 rounds to 0
    box.step();
    EXPECT_EQ(p1.posY, BattleSandbox::groundY(p1) - 99);  // 0.6 rounds to 1
}

TEST_F(BattleMechanics, KnockBackAwayFromTheOpponent) {
    box.at(1, [](BattleSandbox& b) { b.p2.nockLenge = 20; });
    box.run(21);
    EXPECT_EQ(box.trace[0].p2.posX, 709.5);
    EXPECT_EQ(box.trace[1].p2.posX, 718.5);
    EXPECT_EQ(box.trace[19].p2.posX, 795);
    EXPECT_EQ(box.trace[20].p2.posX, 795);
    EXPECT_EQ(p2.nockLenge, 0);
    EXPECT_EQ(p1.posX, 300);
}

TEST_F(BattleMechanics, KnockBackAtAnEdgePushesTheOpponent) {
    const double leftBound = -(199 / 4.0);
    p1.posX = leftBound;
    p2.posX = 100;
    box.at(1, [](BattleSandbox& b) { b.p1.nockLenge = 20; });
    box.run(20);
    EXPECT_EQ(box.trace[0].p2.posX, 103.8);
    EXPECT_NEAR(box.trace[1].p2.posX, 107.4, 1e-9);
    EXPECT_NEAR(p2.posX, 138, 1e-9);
    EXPECT_EQ(p1.posX, leftBound);
}

TEST_F(BattleMechanics, KnockBackOnePixelInsideTheEdgeMovesThenPins) {
    const double rightBound = 1280 - 199 / 2.0;
    p2.posX = rightBound - 1;
    p1.posX = 900;
    box.at(1, [](BattleSandbox& b) { b.p2.nockLenge = 20; });
    box.run(2);
    EXPECT_EQ(box.trace[0].p2.posX, rightBound);  // moved 9.5, clamped
    EXPECT_EQ(box.trace[0].p1.posX, 900);
    EXPECT_EQ(box.trace[1].p1.posX, 900 - 3.6);   // pinned now: pushes -18 / 5
    EXPECT_EQ(p2.posX, rightBound);
}

TEST_F(BattleMechanics, ProjectileHitAtAnEdgeEndsTheKnockBack) {
    p1.posX = -(199 / 4.0);
    p2.posX = 100;
    p1.nockLenge = 20;
    p2.FAwasHit = true;
    physicsStep(game, p1, p2);
    EXPECT_EQ(p1.nockLenge, 0);
    EXPECT_FALSE(p2.FAwasHit);
    EXPECT_EQ(p2.posX, 100);
}

TEST_F(BattleMechanics, InTheAirKnockBackOnlyCountsDown) {
    p2.posY = 1000;
    p2.nockLenge = 5;
    physicsStep(game, p2, p1);
    EXPECT_EQ(p2.nockLenge, 4);
    EXPECT_EQ(p2.posX, 700);
}

TEST_F(BattleMechanics, LandingByState) {
    struct Case {
        int16_t state;
        int16_t pattern;
        int16_t stateAfter;
        int sounds;
    };
    const Case cases[] = {
        {stAirborne, 80, stAirborne, 0}, {0, 80, 0, 0},         {14, 777, 14, 0},
        {stHitFall, 360, stHitFall, 1},  {stKnockdownFall, 777, stKnockdownFall, 0},
        {stHit, 330, stFloorHit, 1},     {stAirHit, 330, stFloorHit, 1},
        {-15, 330, stFloorHit, 1},       {stLyingDown, 330, stFloorHit, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        box.platform.clearLogs();
        Character f;
        f.bottom = 70;
        f.posY = 1700;
        f.MaxJumpCount = 2;
        f.upVector = 3;
        f.slideVector = 2;
        f.fallVector = 9;
        f.animPat = 777;
        f.sTate = c.state;
        landing(game, f);
        EXPECT_EQ(f.posY, 1646);
        EXPECT_EQ(f.animPat, c.pattern);
        EXPECT_EQ(f.sTate, c.stateAfter);
        EXPECT_EQ(box.soundsPlayed(kImpactSound), c.sounds);
        EXPECT_EQ(f.upVector, 0);
        EXPECT_EQ(f.slideVector, 0);
        EXPECT_EQ(f.fallVector, 0);
        EXPECT_EQ(f.airialJumpCount, 2);
    }
}

TEST_F(BattleMechanics, LandingClosesATypingCombo) {
    p1.posY = 1000;
    p1.TPC = true;
    p1.sTate = stAttack;
    landing(game, p1);
    EXPECT_FALSE(p1.TPC);
}

TEST_F(BattleMechanics, EqualCentresMakePlayerOneTheLeftOne) {
    p1.posX = 400;
    p2.posX = 400;
    p1.dirStand = -1;
    p2.dirStand = 1;
    faceAndStunRecover(game, p1, p2);
    EXPECT_EQ(p1.LeftOrRight, 1);
    EXPECT_EQ(p2.LeftOrRight, -1);
    EXPECT_EQ(p1.dirStand, 1);
    EXPECT_EQ(p2.dirStand, -1);

    p1.posX = 400.5;  // just right of player 2
    p1.sTate = stAttack;  // not standing: keeps its facing
    faceAndStunRecover(game, p1, p2);
    EXPECT_EQ(p1.LeftOrRight, -1);
    EXPECT_EQ(p2.LeftOrRight, 1);
    EXPECT_EQ(p1.dirStand, 1);
    EXPECT_EQ(p2.dirStand, 1);
}

TEST_F(BattleMechanics, StandingTargetingPlayerOneRestartsTheStance) {
    p1.posX = 800;  // player 2 is to the left now
    p1.dirStand = 1;
    p1.sTate = stStand;
    p1.tarGeting = true;
    p1.animPat = 51;
    p1.animTimer = 6;
    faceAndStunRecover(game, p1, p2);
    EXPECT_EQ(p1.animPat, 50);
    EXPECT_EQ(p1.animTimer, 0);
    EXPECT_EQ(p1.dirStand, 1);
    EXPECT_EQ(p1.LeftOrRight, -1);

    faceOpponent(game, p1, p2);  // turns whatever the state
    EXPECT_EQ(p1.dirStand, -1);
}

TEST_F(BattleMechanics, StunRecoveryGrowsUntilTheOpponentConnects) {
    auto& b = game.battle;
    b.stunRecover1 = b.stunRecover2 = 0;  // as at program start
    p1.stunGauge = 50;
    p2.stunGauge = 10;
    p2.stunSwitch = 2;  // dizzy: no recovery
    for (int i = 0; i < 3; ++i) faceAndStunRecover(game, p1, p2);
    EXPECT_NEAR(p1.stunGauge, 50.0015, 1e-12);  // 0 + 0.0005 + 0.001
    EXPECT_EQ(p2.stunGauge, 10);
    EXPECT_NEAR(b.stunRecover1, 0.0015, 1e-12);

    p2.attackWasHit = 1;
    faceAndStunRecover(game, p1, p2);
    EXPECT_EQ(b.stunRecover1, 0);
    EXPECT_NEAR(b.stunRecover2, 0.002, 1e-12);

    // The test comes before the addition: the gauge may end one step above its maximum.
    p2.attackWasHit = 0;
    b.stunRecover1 = 0.5;
    p1.stunGauge = p1.stunPointMax;
    faceAndStunRecover(game, p1, p2);
    EXPECT_EQ(p1.stunGauge, p1.stunPointMax + 0.5);
    faceAndStunRecover(game, p1, p2);
    EXPECT_EQ(p1.stunGauge, p1.stunPointMax + 0.5);
}

TEST_F(BattleMechanics, GuardKeysGuardOnlyOnTheGround) {
    p1.LeftOrRight = 1;
    p1.sTate = stStand;
    gardAndTurnKey(game, p1, 23);
    EXPECT_EQ(p1.sTate, stStandGuard);
    EXPECT_EQ(p1.animPat, 30);
    EXPECT_EQ(p1.dirStand, 1);

    p1.animTimer = 9;
    gardAndTurnKey(game, p1, 33);  // switching to the crouching guard
    EXPECT_EQ(p1.sTate, stCrouchGuard);
    EXPECT_EQ(p1.animPat, 40);
    EXPECT_EQ(p1.animTimer, 0);

    p1.sTate = stAirborne;
    p1.floatorStand = true;
    p1.enableGard = true;
    p1.animPat = 150;
    gardAndTurnKey(game, p1, 23);
    EXPECT_EQ(p1.sTate, stAirborne);
    EXPECT_EQ(p1.animPat, 150);
}

TEST_F(BattleMechanics, GuardKeyWhileLyingDownGetsUp) {
    p1.LeftOrRight = -1;
    p1.sTate = stLyingDown;
    p1.enableAction = true;
    const int16_t y = p1.posY;
    gardAndTurnKey(game, p1, 28);
    EXPECT_EQ(p1.sTate, stGetUp);
    EXPECT_EQ(p1.animPat, 460);
    EXPECT_EQ(p1.dirStand, -1);
    EXPECT_EQ(p1.posY, y - 10);
    EXPECT_EQ(p1.upVector, 5);
    EXPECT_FALSE(p1.enableAction);

    p1.sTate = stLyingDown;
    p1.posY = y;
    gardAndTurnKey(game, p1, 38);
    EXPECT_EQ(p1.animPat, 450);
    EXPECT_EQ(p1.posY, y);

    p1.sTate = stLyingDown;
    p1.stunSwitch = 1;  // stunned fighters stay down
    p1.animPat = 331;
    gardAndTurnKey(game, p1, 28);
    EXPECT_EQ(p1.sTate, stLyingDown);
    EXPECT_EQ(p1.animPat, 331);
}

TEST(BattleSandboxMoveSet, JumpWithTheProtagonistsTableFallsAndLands) {
    BattleSandbox box;  // both fighters run MORVEKBOY's own pattern table
    box.at(1, [](BattleSandbox& b) {
        animChange(b.game, 150, b.p1);
        BattleSandbox::jump(b.p1, 10, 0);
    });
    box.run(120);
    EXPECT_EQ(box.trace[4].p1.animPat, 150);   // held s+2: five frames
    EXPECT_EQ(box.trace[5].p1.animPat, 151);
    EXPECT_EQ(box.trace[18].p1.animPat, 151);  // held s+10
    EXPECT_EQ(box.trace[19].p1.animPat, 160);  // its step to the stand, taken in the air
    EXPECT_EQ(box.trace[97].p1.animPat, 160);
    EXPECT_EQ(box.trace[98].p1.animPat, 80);   // landed
    EXPECT_EQ(box.trace[98].p1.posY, BattleSandbox::groundY(box.p1));
    EXPECT_LE(box.p1.animPat, 3);  // back in the stand loop 0-3
    EXPECT_EQ(box.p1.sTate, stStand);
    EXPECT_EQ(box.p2.posX, 700);
}
