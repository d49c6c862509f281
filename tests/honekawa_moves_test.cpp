// HONEKAWA's moves: the key map of the selects in both facings, the typing-combo steps,
// the action part's steps, sounds, switches and combo windows, the attack frames (boxes,
// powers, computed knock-backs, the dive kick), the variant's differences and the summon.

#include <gtest/gtest.h>

#include <algorithm>

#include "moveset_fixture.h"

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "battle/Servants.h"
#include "game/Game.h"
#include "battle/MoveSet.h"
#include "platform/HeadlessPlatform.h"

using namespace morvek;

namespace {

class HonekawaMoves : public moveset_test::MoveSetTest {
protected:
    HonekawaMoves()
        : MoveSetTest({.number = 3, .name = "honekawa", .x1 = 300, .x2 = 360, .jumps = 1,
                       .drawn = false}) {}

    MoveSet& moves() { return moveSet(); }
    void enter(int16_t pattern) { start(pattern); }
    void act() { runAction(); }
    void attack() { moves().AnimAttack(game, p1); }
    int played(int index) const { return timesPlayed(index); }
    /// Every audio event, not only the sounds.
    int anyPlayed() const { return static_cast<int>(platform.audioLog().size()); }
};

// ---- selects --------------------------------------------------------------------------

struct KeyCase {
    int16_t key, facing;
    bool air;
    int16_t pattern;  // 1: nothing started (the test enters 1 first)
    int16_t facingAfter;
    double slide;     // 0.5: untouched
    int16_t counter;  // -99: untouched
};

const KeyCase kAttackKeys[] = {
    {1, 1, false, 260, 1, -2, -99},   {10, 1, false, 260, 1, 7, -99},  {1, -1, false, 260, -1, -7, -99},
    {10, -1, false, 260, -1, 2, -99}, {12, 1, false, 260, 1, -1, -99}, {13, 1, false, 380, 1, 0.5, -99},
    {18, -1, false, 380, -1, 0.5, -99}, {14, 1, false, 230, 1, 0.5, -99}, {16, -1, false, 530, -1, 0.5, -99},
    {20, 1, false, 260, 1, 6, -99},   {11, -1, false, 260, -1, -6, -99}, {21, 1, false, 640, 1, 0.5, -99},
    {30, -1, false, 640, -1, 0.5, -99}, {22, 1, false, 590, 1, 0.5, -99}, {23, 1, false, 1, 1, 0.5, -99},
    {28, -1, false, 1, -1, 0.5, -99}, {24, 1, false, 240, 1, 0.5, -99}, {24, 1, true, 560, 1, 0.5, -99},
    {25, 1, false, 210, 1, 0.5, -99}, {26, 1, false, 20, 1, 0.5, -99},  {27, 1, false, 650, 1, 0.5, 2},
    {28, 1, false, 650, 1, 0.5, 5},   {29, 1, false, 650, 1, 0.5, 10},  {22, -1, false, 650, -1, 0.5, 10},
    {30, 1, false, 580, 1, 0.5, -99}, {31, 1, false, 250, -1, 0.5, -99}, {31, 1, true, 280, -1, -2, -99},
    {32, 1, true, 280, -1, -1, -99},  {40, -1, false, 250, 1, 0.5, -99}, {33, 1, false, 1, 1, 0.5, -99},
    {38, -1, false, 1, -1, 0.5, -99}, {34, 1, false, 270, 1, 0.5, -99}, {35, 1, true, 280, 1, 2, -99},
    {36, 1, false, 120, 1, 0.5, 1},   {40, 1, false, 120, 1, 0.5, 5},   {31, -1, false, 120, -1, 0.5, 5},
    {40, 1, true, 280, 1, 7, -99},    {0, 1, false, 1, 1, 0.5, -99},    {41, 1, false, 1, 1, 0.5, -99},
};

TEST_F(HonekawaMoves, AttackSelectFollowsTheKeyMapMirroredByFacing) {
    for (const KeyCase& k : kAttackKeys) {
        SCOPED_TRACE(testing::Message() << "key " << k.key << " facing " << k.facing << (k.air ? " air" : ""));
        enter(1);
        p1.dirStand = k.facing;
        p1.floatorStand = k.air;
        p1.slideVector = 0.5;
        p1.counTer = -99;
        p1.AorMflag = 0;
        moves().AttackSelect(game, p1, k.key);
        EXPECT_EQ(p1.animPat, k.pattern);
        EXPECT_EQ(p1.dirStand, k.facingAfter);
        EXPECT_DOUBLE_EQ(p1.slideVector, k.slide);
        EXPECT_EQ(p1.counTer, k.counter);
        EXPECT_EQ(p1.AorMflag, k.pattern == 120 ? 1 : 0);
    }
}

TEST_F(HonekawaMoves, JumpWithoutAirJumpLeftOnlySlides) {
    p1.airialJumpCount = 0;
    p1.upVector = 1.5;
    p1.fallVector = 2.5;
    moves().AttackSelect(game, p1, 5);
    EXPECT_EQ(p1.animPat, 260);
    EXPECT_DOUBLE_EQ(p1.slideVector, 2);
    EXPECT_DOUBLE_EQ(p1.upVector, 1.5);
    EXPECT_DOUBLE_EQ(p1.fallVector, 2.5);
    EXPECT_EQ(p1.airialJumpCount, 0);

    p1.airialJumpCount = 1;
    moves().MoveSelect(game, p1, 13);  // straight up
    EXPECT_EQ(p1.animPat, 150);
    EXPECT_DOUBLE_EQ(p1.upVector, 9);
    EXPECT_DOUBLE_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.airialJumpCount, 0);
}

const KeyCase kMoveKeys[] = {
    {1, 1, false, 130, 1, -2, -99},   {8, -1, false, 150, -1, 0, -99},  {20, 1, false, 130, 1, 7, -99},
    {21, 1, false, 70, 1, 0.5, -99},  {22, 1, false, 100, 1, 0.5, 1},   {23, 1, false, 1, 1, 0.5, -99},
    {28, -1, false, 1, -1, 0.5, -99}, {24, 1, false, 100, 1, 0.5, 0},   {27, -1, false, 100, -1, 0.5, 0},
    {25, 1, false, 75, 1, 5, -99},    {22, -1, false, 75, -1, -9, -99}, {30, 1, false, 170, 1, 0.5, -99},
    {31, 1, false, 125, 1, 0.5, 5},   {39, -1, false, 125, -1, 0.5, 4}, {33, 1, false, 120, 1, 0.5, 5},
    {34, 1, false, 120, 1, 0.5, 4},   {31, -1, false, 120, -1, 0.5, 10},
};

TEST_F(HonekawaMoves, MoveSelectFollowsTheKeyMapAndDashesEndStanding) {
    for (const KeyCase& k : kMoveKeys) {
        SCOPED_TRACE(testing::Message() << "key " << k.key << " facing " << k.facing);
        enter(1);
        p1.dirStand = k.facing;
        p1.slideVector = 0.5;
        p1.counTer = -99;
        p1.AorMflag = 1;
        p1.airialJumpCount = 1;
        moves().MoveSelect(game, p1, k.key);
        EXPECT_EQ(p1.animPat, k.pattern);
        EXPECT_DOUBLE_EQ(p1.slideVector, k.slide);
        EXPECT_EQ(p1.counTer, k.counter);
        EXPECT_EQ(p1.AorMflag, k.key > 30 ? 0 : 1);
    }
}

TEST_F(HonekawaMoves, ComboFollowUpsByOpenWindow) {
    const int16_t chain[][2] = {{240, 540}, {540, 550}, {560, 565}, {565, 570}, {500, 505}, {630, 610},
                                {700, 660}, {720, 730}, {730, 740}, {750, 760}, {310, 280}};
    for (const auto& c : chain) {
        enter(1);
        p1.TPCNumber = c[0];
        moves().TPCFollow(game, p1);
        EXPECT_EQ(p1.animPat, c[1]) << c[0];
    }
    enter(1);
    p1.TPCNumber = 0;
    moves().TPCFollow(game, p1);
    EXPECT_EQ(p1.animPat, 1);
}

TEST_F(HonekawaMoves, SecondWordStepsBackOrHopsOutOfTheAirHit) {
    p1.TPCNumber = 240;
    p1.upVector = 1;
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_DOUBLE_EQ(p1.upVector, 1);
    EXPECT_EQ(played(100), 0);

    p1.TPCNumber = 310;
    p1.fallVector = 3;
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_DOUBLE_EQ(p1.upVector, 5);
    EXPECT_DOUBLE_EQ(p1.fallVector, 0);
    moves().TPCSecond(game, p1);  // not latched by the pattern
    EXPECT_EQ(played(100), 2);
}

// ---- action part ------------------------------------------------------------------------

TEST_F(HonekawaMoves, PatternOutsideBothTablesDoesNothing) {
    enter(999);
    p1.posX = 300;
    act();
    attack();
    EXPECT_DOUBLE_EQ(p1.posX, 300);
    EXPECT_EQ(anyPlayed(), 0);
    EXPECT_EQ(p1.ATFflag, 0);
}

TEST_F(HonekawaMoves, ElbowTurnsIntoStabKickInTheAirButDistanceWins) {
    enter(240);
    p1.floatorStand = true;
    p2.posX = 350;  // 50 apart
    act();
    EXPECT_EQ(p1.animPat, 560);

    enter(240);
    p2.posX = 390;  // 90 apart
    act();
    EXPECT_EQ(p1.animPat, 710);
}

TEST_F(HonekawaMoves, ElbowHitOpensItsComboAndTheLastPatternClosesIt) {
    enter(241);
    act();
    EXPECT_FALSE(p1.TPC);
    p1.attackWasHit = 1;
    act();
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 240);
    enter(244);
    act();
    EXPECT_FALSE(p1.TPC);
}

TEST_F(HonekawaMoves, MantisCutOpensItsWindowEvenWithoutAHit) {
    p1.posX = 300;
    enter(722);
    act();
    attack();
    EXPECT_DOUBLE_EQ(p1.posX, 332);  // 12 by the action part, 20 before the box
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 720);
}

TEST_F(HonekawaMoves, ChargeContinuesIntoTheRushOnlyOnACleanHit) {
    enter(505);
    p1.attackWasHit = 2;
    act();
    EXPECT_EQ(p1.animPat, 505);
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.animPat, 510);
}

TEST_F(HonekawaMoves, AirHitOffersTheRecoveryWindowOnlyWhenFit) {
    enter(310);
    p1.upVector = 1;
    p1.fallVector = 2;
    p1.KBTimer = 3;
    act();
    EXPECT_EQ(p1.animPat, 320);
    EXPECT_FALSE(p1.TPC);

    enter(311);
    p1.KBTimer = 0;
    act();
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 310);
}

TEST_F(HonekawaMoves, VariantTakesItsOwnBlocks) {
    enter(20);
    act();
    EXPECT_EQ(p1.animPat, 20);
    enter(656);
    p1.attackWasHit = 1;
    p1.enableAction = false;
    act();
    EXPECT_FALSE(p1.enableAction);

    p1.ReverseCharaFlag = true;
    enter(20);
    act();
    EXPECT_EQ(p1.animPat, 720);
    enter(270);
    act();
    EXPECT_EQ(p1.animPat, 275);
    enter(656);
    p1.attackWasHit = 1;
    act();
    EXPECT_TRUE(p1.enableAction);
}

TEST_F(HonekawaMoves, SummonCreatesTheThreeServants) {
    p1.spacornGaugeMax = 120;
    enter(761);
    act();
    const ServantSide& side = game.battle.servants.player1Side;
    for (const auto& slot : side.servantSlots) ASSERT_TRUE(slot.has_value());
    EXPECT_FLOAT_EQ(p1.SPspacornTimer, 120);
    EXPECT_EQ(played(53), 1);

    // A servant at an attack pattern opens its master's attack frame.
    Character servant = *side.servantSlots[0];
    servant.animPat = 23;
    servant.ATFflag = 0;
    servantAnimAttackDispatch(game, servant);
    EXPECT_EQ(servant.ATFflag, 1);
    EXPECT_EQ(servant.attackPow1st, 12);
}

// ---- attack frames ----------------------------------------------------------------------

TEST_F(HonekawaMoves, PalmStrikeBoxLiesInFrontInBothFacings) {
    game.battle.scrollX = 0;
    p1.posX = 300;
    enter(23);
    attack();
    const double centre = 300 + 199 / 2.0;
    EXPECT_NEAR(p1.ATFleft, centre + 10, 0.5);
    EXPECT_EQ(p1.ATFright - p1.ATFleft, 120);
    EXPECT_EQ(p1.ATFtop, p1.posY + 80);
    EXPECT_EQ(p1.ATFbottom - p1.ATFtop, 30);
    EXPECT_EQ(p1.ATFtype, 2);
    EXPECT_EQ(p1.attackPow1st, 12);
    EXPECT_EQ(p1.attackPow2nd, 25);
    EXPECT_EQ(p1.attackPow3rd, 15);
    EXPECT_EQ(p1.stunPoint, 24);
    EXPECT_EQ(p1.spacornPoint, 30);
    EXPECT_FALSE(p1.spacornHit);

    p1.dirStand = -1;
    enter(23);
    attack();
    EXPECT_NEAR(p1.ATFleft, centre - 130, 0.5);

    enter(22);  // not a striking frame
    attack();
    EXPECT_EQ(p1.ATFflag, 0);
}

TEST_F(HonekawaMoves, KeptRowsDealThePowerOfTheRowBefore) {
    enter(220);
    attack();
    enter(222);
    p1.attackPow1st = 10;
    attack();
    EXPECT_EQ(p1.ATFvectorY, 3);
    EXPECT_EQ(p1.attackPow1st, 10);
    EXPECT_EQ(p1.stunPoint, 7);

    enter(614);
    attack();
    enter(615);
    p1.upVector = 9;
    p1.fallVector = 2.4;
    attack();
    EXPECT_EQ(p1.ATFtype, 4);
    EXPECT_EQ(p1.ATFvectorY, 7);  // upVector - fallVector
    EXPECT_EQ(p1.attackPow1st, 12);
}

TEST_F(HonekawaMoves, OpenHandStrikesBehindWithTheKnockBackAway) {
    enter(641);
    p1.LeftOrRight = -1;
    attack();
    EXPECT_EQ(p1.ATFvectorX, -10);
    EXPECT_EQ(p1.attackPow1st, 30);
}

TEST_F(HonekawaMoves, DiveKickGrowsWithTheFallAndCapsAt80) {
    enter(281);
    p1.fallVector = 40;
    attack();
    EXPECT_EQ(p1.attackPow1st, 80);
    EXPECT_EQ(p1.ATFHitSound, 14);
    EXPECT_EQ(p1.ATEanimPat, 15);
    EXPECT_EQ(p1.ATEzoomX, 40);
    p1.fallVector = 45;
    attack();
    EXPECT_EQ(p1.attackPow1st, 80);
    p1.fallVector = 20;
    attack();
    EXPECT_EQ(p1.attackPow1st, 20);
    EXPECT_EQ(p1.ATFHitSound, 11);

    p1.fallVector = 24.9;  // the action part speeds the fall first
    act();
    attack();
    EXPECT_EQ(p1.ATFHitSound, 14);
    EXPECT_DOUBLE_EQ(p1.upVector, 0.01);
}

TEST_F(HonekawaMoves, RunningSuperArtTimerMakesEveryAttackASpacornHit) {
    p1.SPspacornTimer = 5;
    enter(212);
    attack();
    EXPECT_TRUE(p1.spacornHit);
    p1.spacornHit = false;
    p1.SPspacornTimer = 0;
    enter(212);
    attack();
    EXPECT_FALSE(p1.spacornHit);
}

}  // namespace
