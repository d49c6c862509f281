// Collisions: the rectangle test, body pushes, trades, the computer's guard roll and the
// guard judgement table.

#include "combat_harness.h"

namespace morvek::combat_test {
namespace {

TEST(CombatRectCross, TouchingEdgesOverlapAndStatesGiveTheKind) {
    const Rect a{0, 0, 10, 10};
    EXPECT_EQ(rectCross(a, Rect{10, 10, 20, 20}, 0, 0), crossOverlap);  // corner to corner
    EXPECT_EQ(rectCross(a, Rect{11, 0, 20, 10}, 0, 0), crossApart);
    EXPECT_EQ(rectCross(a, Rect{0, 11, 10, 20}, 0, 0), crossApart);
    EXPECT_EQ(rectCross(a, Rect{-10, -10, 0, 0}, 0, 0), crossOverlap);
    EXPECT_EQ(rectCross(a, Rect{11, 0, 20, 10}, 30, 30), crossApart);  // no overlap wins over kinds
    EXPECT_EQ(rectCross(a, a, 30, 0), crossUnpushed);
    EXPECT_EQ(rectCross(a, a, 0, -30), crossUnpushed);
    EXPECT_EQ(rectCross(a, a, 20, -30), crossUnpushed);
    EXPECT_EQ(rectCross(a, a, -20, 0), crossUnhittable);
    EXPECT_EQ(rectCross(a, a, 0, 20), crossOverlap);  // only the first kind marks an art in progress
    EXPECT_EQ(rectCross(a, a, 15, 0), crossOverlap);
}

class CombatBodyPush : public CombatTest {
protected:
    /// Places p2 so that p1's body box reaches `overlap` pixels into p2's.
    void overlapBy(int overlap) {
        // p1's body right edge is at 320; p2 faces left, its body starts 80 into the cell.
        p2.posX = 320 - overlap - 80;
    }
};

TEST_F(CombatBodyPush, SevenPixelsOnTheGroundPartByFourEach) {
    overlapBy(7);
    bodyPush(game, p1, p2);
    EXPECT_DOUBLE_EQ(p1.posX, 196);
    EXPECT_DOUBLE_EQ(p2.posX, 233 + 4);
    EXPECT_EQ(rectCross(bodyBox(game, p1), bodyBox(game, p2), 0, 0), crossApart);
}

TEST_F(CombatBodyPush, FivePixelsPartByTwoAndTheLeftPixelPushesNobody) {
    overlapBy(5);
    bodyPush(game, p1, p2);  // 2.5 rounds to 2
    EXPECT_DOUBLE_EQ(p1.posX, 198);
    EXPECT_DOUBLE_EQ(p2.posX, 237);
    bodyPush(game, p2, p1);  // 1 left: 0.5 rounds to 0
    EXPECT_DOUBLE_EQ(p1.posX, 198);
    EXPECT_DOUBLE_EQ(p2.posX, 237);
}

TEST_F(CombatBodyPush, TouchingBodiesAreNotMoved) {
    overlapBy(0);
    const double before2 = p2.posX;
    bodyPush(game, p1, p2);
    bodyPush(game, p2, p1);
    EXPECT_DOUBLE_EQ(p1.posX, 200);
    EXPECT_DOUBLE_EQ(p2.posX, before2);
}

TEST_F(CombatBodyPush, InTheAirOnePixelPerCallUnlessStateFifteen) {
    overlapBy(20);
    lift(p1, 50);
    bodyPush(game, p1, p2);
    EXPECT_DOUBLE_EQ(p1.posX, 199);
    EXPECT_DOUBLE_EQ(p2.posX, 221);
    bodyPush(game, p2, p1);
    EXPECT_DOUBLE_EQ(p1.posX, 198);
    EXPECT_DOUBLE_EQ(p2.posX, 222);

    // An art in state 15 (or -15) parts by half the overlap even in the air; only the first
    // fighter of the call counts.
    overlapBy(20);
    p1.posX = 200;
    p1.sTate = -15;
    bodyPush(game, p1, p2);
    EXPECT_DOUBLE_EQ(p1.posX, 190);
    EXPECT_DOUBLE_EQ(p2.posX, 230);
    p1.posX = 200;
    overlapBy(20);
    bodyPush(game, p2, p1);  // p2 is first and not in state 15: one pixel
    EXPECT_DOUBLE_EQ(p1.posX, 199);
}

TEST_F(CombatBodyPush, StateThirtyNeverPushesNorIsPushed) {
    overlapBy(30);
    const double before2 = p2.posX;
    p2.sTate = -30;
    bodyPush(game, p1, p2);
    bodyPush(game, p2, p1);
    p2.sTate = stStand;
    p1.sTate = 30;
    bodyPush(game, p1, p2);
    bodyPush(game, p2, p1);
    EXPECT_DOUBLE_EQ(p1.posX, 200);
    EXPECT_DOUBLE_EQ(p2.posX, before2);
}

TEST_F(CombatBodyPush, BodyBoxMirrorsTheInsetsAndRoundsHalves) {
    p1.posX = 200.5;
    game.battle.scrollX = -100;
    game.battle.scrollY = -1480;
    const Rect right = bodyBox(game, p1);
    EXPECT_EQ(right, (Rect{160, 260, 220, 500}));  // 160.5 and 220.5 go to the even side
    p1.dirStand = -1;
    const Rect left = bodyBox(game, p1);
    EXPECT_EQ(left.left, 180);   // 180.5
    EXPECT_EQ(left.right, 240);  // 240.5
}

using CombatMelee = CombatTest;

TEST_F(CombatMelee, AttacksMeetingInOneFrameBothLand) {
    p2.enableAction = false;  // no guard roll
    openAttack(p1, 3);
    openAttack(p2, 3);
    attackCheckBoth(game, p1, p2);
    EXPECT_EQ(p1.comboCount, 1);
    EXPECT_EQ(p2.comboCount, 1);
    EXPECT_EQ(p1.sTate, stHit);
    EXPECT_EQ(p2.sTate, stHit);
    EXPECT_EQ(p1.attackWasHit, 0);  // its hit reaction restarted its pattern
    EXPECT_EQ(p1.animPat, 340);
    EXPECT_EQ(p2.animPat, 340);
    EXPECT_LT(p1.viTality, 254);
    EXPECT_LT(p2.viTality, 254);
}

TEST_F(CombatMelee, ComputerGuardingInTheFirstTestTakesItsOwnAttackOut) {
    p2.cpuLevel = 10;
    openAttack(p1, 3);
    openAttack(p2, 3);
    game.random.script({rollOf(10)});  // 10 >= 10: ordinary guard
    attackCheckBoth(game, p1, p2);
    EXPECT_EQ(p2.animPat, 35);         // guarded standing
    EXPECT_EQ(p1.attackWasHit, 2);
    EXPECT_EQ(p2.ATFflag, 0);          // re-armed for its next setAttackFrame
    EXPECT_DOUBLE_EQ(p1.viTality, 254);
    EXPECT_EQ(p1.comboCount, 0);
}

TEST_F(CombatMelee, GuardRollThresholds) {
    struct Case {
        int16_t level, roll, number;
        bool airborne;
        int16_t gardable;
        int16_t state;   // expected defender state after the roll
        int16_t flag;    // expected defender ATFflag after the roll (was -1)
    };
    const Case cases[] = {
        {20, 5, 0, false, 0, stSpecialGuard, -1},  // 20 >= 5 + 15
        {20, 6, 0, false, 0, stStandGuard, 0},
        {20, 1, 6, false, 0, stStand, -1},          // 6 and 7 never special-guard...
        {20, 1, 7, false, 0, stStand, -1},
        {20, 6, 6, false, 0, stStandGuard, 0},      // ...but 6 guards normally
        {20, 6, 7, false, 0, stStand, -1},          // and 7 never does
        {15, 1, 0, false, 0, stStandGuard, 0},      // 15 never reaches the special guard
        {0, 1, 0, false, 0, stStand, -1},           // level 0 never guards
        {10, 11, 0, false, 0, stStand, -1},
        {10, 10, 0, false, 2, stStandGuard, 0},
        {10, 10, 0, false, 1, stCrouchGuard, 0},
        {10, 10, 0, false, 3, stStand, 0},          // no guard state, attack still dropped
        {10, 10, 0, true, 0, stStand, -1},          // airborne: no ordinary guard
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " roll " << c.roll
                                        << " number " << c.number << " type " << c.gardable);
        standUp(p2, 400, -1, false);
        p2.NUMBER = c.number;
        p2.cpuLevel = c.level;
        p2.ATFflag = -1;
        if (c.airborne) p2.floatorStand = true;
        openAttack(p1, 3, c.gardable);
        p1.ATFflag = 1;
        game.random.script({rollOf(c.roll)});
        EXPECT_TRUE(attackHitJudge(game, p1, p2));
        EXPECT_EQ(p2.sTate, c.state);
        EXPECT_EQ(p2.ATFflag, c.flag);
    }
}

TEST_F(CombatMelee, NoRollForTheHumanABusyComputerOrAClosedAttack) {
    openAttack(p2, 3);
    p1.cpuLevel = 20;
    game.random.script({rollOf(1), 0.99});
    attackHitJudge(game, p2, p1);  // p1 is the human: no roll
    EXPECT_EQ(p1.sTate, stStand);
    p2.ATFflag = 0;
    p2.cpuLevel = 20;
    attackHitJudge(game, p2, p1);  // closed attack: nothing at all
    p2.TPC = true;
    openAttack(p1, 3);
    attackHitJudge(game, p1, p2);  // in a typing combo
    p2.TPC = false;
    p2.enableAction = false;
    attackHitJudge(game, p1, p2);  // not free to act
    EXPECT_EQ(p2.sTate, stStand);
    // Neither scripted value was used: the next draw is still the first.
    EXPECT_DOUBLE_EQ(game.random.next(), rollOf(1));
}

TEST_F(CombatMelee, ArtsAndGettingUpAreNeverHitAndTheAttackStaysOpen) {
    p2.enableAction = false;
    openAttack(p1, 3);
    for (int16_t st : {int16_t{20}, int16_t{-20}}) {
        p2.sTate = st;
        attackCheckBoth(game, p1, p2);
        EXPECT_EQ(p1.ATFflag, 1);
        EXPECT_DOUBLE_EQ(p2.viTality, 254);
    }
    p2.sTate = -30;  // state 30 does not shield from melee
    EXPECT_TRUE(attackHitJudge(game, p1, p2));
}

TEST_F(CombatMelee, AttackBoxMustReachTheBody) {
    p2.enableAction = false;
    openAttack(p1, 3, 0, 20, 10, 169);  // right edge 479, body starts at 480
    EXPECT_FALSE(attackHitJudge(game, p1, p2));
    openAttack(p1, 3, 0, 20, 10, 170);  // touching
    EXPECT_TRUE(attackHitJudge(game, p1, p2));
}

TEST(CombatGardJudge, Table) {
    Character d;
    // gardableType, state, defender airborne, attacker airborne -> result
    struct Row {
        int16_t type, state;
        bool defAir, attAir;
        int16_t result;
    };
    const Row rows[] = {
        {0, 3, false, false, 1}, {0, 4, false, false, 1}, {0, 1, false, false, 0},
        {0, 25, false, false, 2},
        {1, 4, false, false, 1}, {1, 3, false, false, 0}, {1, 25, false, false, 2},
        {2, 3, false, false, 1}, {2, 4, false, false, 0}, {2, 25, false, false, 2},
        {3, 3, false, false, 0}, {3, 3, false, true, 3}, {3, 1, true, false, 3},
        {3, 1, true, true, 0},   {3, 25, false, false, 0}, {3, 25, false, true, 3},
        {4, 3, false, false, 0}, {4, 4, false, false, 0}, {4, 25, false, false, 2},
        {5, 3, false, false, 0}, {5, 25, false, false, 0},
        {9, 3, false, false, 0}, {9, 25, false, false, 2},
    };
    for (const Row& r : rows) {
        d.sTate = r.state;
        d.floatorStand = r.defAir;
        EXPECT_EQ(gardJudge(r.type, d, r.attAir), r.result)
            << "type " << r.type << " state " << r.state;
    }
}

TEST_F(CombatMelee, AirborneUnguardableOnAStandingFighterIsSpent) {
    p2.enableAction = false;
    lift(p1, 0);  // airborne flag only; the box stays where it is
    openAttack(p1, 3, 3);
    attackCheckBoth(game, p1, p2);
    EXPECT_EQ(p1.ATFflag, -1);
    EXPECT_DOUBLE_EQ(p2.viTality, 254);
    EXPECT_EQ(p2.comboCount, 0);

    lift(p2, 0);  // both airborne: it hits
    openAttack(p1, 3, 3);
    p1.ATFflag = 1;
    attackCheckBoth(game, p1, p2);
    EXPECT_EQ(p2.comboCount, 1);
}

TEST_F(CombatMelee, TypeFiveBreaksTheSpecialGuardOthersAreBlocked) {
    p2.enableAction = false;
    p2.sTate = stSpecialGuard;
    openAttack(p1, 3, 5);
    attackCheckBoth(game, p1, p2);
    EXPECT_EQ(p2.comboCount, 1);
    EXPECT_EQ(p1.attackWasHit, 1);

    standUp(p2, 400, -1, false);
    p2.enableAction = false;
    p2.sTate = stSpecialGuard;
    openAttack(p1, 3, 0);
    p1.ATFflag = 1;
    attackCheckBoth(game, p1, p2);
    EXPECT_EQ(p2.animPat, 390);
    EXPECT_EQ(p2.sTate, stRecover);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 10);
    EXPECT_DOUBLE_EQ(p2.viTality, 254);
    EXPECT_EQ(timesPlayed(26), 1);
}

TEST_F(CombatMelee, CollisionPhaseRunsPushesMeleeAndProjectiles) {
    p2.enableAction = false;
    p2.posX = 320 - 7 - 80;  // bodies overlap by 7
    openAttack(p1, 3);
    flyArts& fa = launchAt(p2, p1);
    collisionPhase(game, p1, p2);
    EXPECT_DOUBLE_EQ(p1.posX, 196);
    EXPECT_EQ(p2.comboCount, 1);  // melee
    EXPECT_EQ(p1.comboCount, 1);  // projectile
    EXPECT_FALSE(fa.Running);
}

}  // namespace
}  // namespace morvek::combat_test
