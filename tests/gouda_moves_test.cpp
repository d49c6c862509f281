// GOUDA's moves: the key map of the selects in both facings, the typing-combo steps, and
// the action script's attack frames, steps, sounds, grabs and finishing blow.

#include <vector>

#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "engine/DataTables.h"
#include "gouda_fixture.h"
#include "platform/Keys.h"

namespace morvek::gouda_test {
namespace {

class GoudaMoves : public GoudaTest {};

// ---- attack select ----------------------------------------------------------------------

struct SelectCase {
    int16_t key;
    int16_t facing;
    bool airborne;
    int16_t pattern;   // 0: nothing selected
    int16_t facingAfter;
    double slide;      // 0.5: untouched
    int16_t counter;   // -99: untouched
    double up;         // 2: untouched
};

const SelectCase kAttackCases[] = {
    // number row: 豪昇龍拳, drifting further towards the front
    {5, 1, false, 260, 1, 5, -99, 2},      {5, 1, true, 260, 1, 5, -99, 2},
    {6, -1, false, 260, -1, -5, -99, 2},   {1, 1, false, 260, 1, -4, -99, 2},
    {2, 1, false, 260, 1, -2, -99, 2},     {3, 1, false, 260, 1, 0, -99, 2},
    {10, 1, false, 260, 1, 10, -99, 2},    {10, -1, false, 260, -1, 4, -99, 2},
    // top row: the air spin, except three keys of the back side
    {11, 1, false, 770, 1, -4, -99, 10},   {12, 1, false, 770, 1, -2, -99, 10},
    {13, 1, false, 380, 1, 0.5, -99, 2},   {14, 1, false, 200, 1, 0.5, -99, 2},
    {15, 1, false, 530, 1, 0.5, -99, 2},   {16, 1, false, 770, 1, 6, -99, 10},
    {20, 1, false, 770, 1, 10, -99, 10},   {13, -1, false, 770, -1, -8, -99, 10},
    {18, -1, false, 380, -1, 0.5, -99, 2}, {17, -1, false, 200, -1, 0.5, -99, 2},
    {16, -1, false, 530, -1, 0.5, -99, 2}, {20, -1, false, 770, -1, 4, -99, 10},
    // home row
    {21, 1, false, 210, -1, 0.5, -99, 2},  {30, -1, false, 210, 1, 0.5, -99, 2},
    {22, 1, false, 590, 1, 0.5, -99, 2},   {29, -1, false, 590, -1, 0.5, -99, 2},
    {23, 1, false, 0, 1, 0.5, -99, 2},     {28, -1, false, 0, -1, 0.5, -99, 2},
    {24, 1, false, 240, 1, 0.5, -99, 2},   {24, 1, true, 790, 1, 0.5, -99, 2},
    {27, -1, true, 790, -1, 0.5, -99, 2},  {25, 1, false, 20, 1, 0.5, -99, 2},
    {26, -1, false, 20, -1, 0.5, -99, 2},  {26, 1, false, 210, 1, 0.5, -99, 2},
    {27, 1, false, 650, 1, 0.5, 2, 2},     {28, 1, false, 650, 1, 0.5, 5, 2},
    {29, 1, false, 650, 1, 0.5, 7, 2},     {22, -1, false, 650, -1, 0.5, 7, 2},
    {30, 1, false, 580, 1, 0.5, -99, 2},   {21, -1, false, 580, -1, 0.5, -99, 2},
    // bottom row
    {31, 1, true, 280, -1, -4, -99, 2},    {31, 1, false, 250, -1, 0.5, -99, 2},
    {32, 1, true, 280, -1, -2, -99, 2},    {32, 1, false, 270, -1, 0.5, -99, 2},
    {33, 1, false, 0, 1, 0.5, -99, 2},     {38, -1, true, 0, -1, 0.5, -99, 2},
    {34, 1, false, 270, 1, 0.5, -99, 2},   {34, 1, true, 280, 1, 2, -99, 2},
    {35, 1, false, 250, 1, 0.5, -99, 2},   {35, 1, true, 280, 1, 4, -99, 2},
    {36, 1, false, 220, 1, 0.5, 1, 2},     {39, 1, false, 220, 1, 0.5, 4, 2},
    {36, 1, true, 280, 1, 6, -99, 2},      {39, 1, true, 280, 1, 12, -99, 2},
    {35, -1, true, 280, -1, -6, -99, 2},   {32, -1, false, 220, -1, 0.5, 4, 2},
    {40, 1, false, 720, 1, 0.5, -99, 2},   {40, 1, true, 660, 1, 0.5, -99, 2},
    {31, -1, false, 720, -1, 0.5, -99, 2}, {40, -1, true, 280, 1, 4, -99, 2},
    // keys off the grid
    {0, 1, false, 0, 1, 0.5, -99, 2},      {41, 1, false, 0, 1, 0.5, -99, 2},
    {60, -1, true, 0, -1, 0.5, -99, 2},
};

TEST_F(GoudaMoves, AttackSelectFollowsTheKeyMapMirroredByFacing) {
    for (const SelectCase& k : kAttackCases) {
        SCOPED_TRACE(testing::Message() << "key " << k.key << " facing " << k.facing
                                        << (k.airborne ? " airborne" : ""));
        enter(0);
        p1.dirStand = k.facing;
        p1.floatorStand = k.airborne;
        p1.slideVector = 0.5;
        p1.counTer = -99;
        p1.upVector = 2;
        moves().AttackSelect(game, p1, k.key);
        EXPECT_EQ(p1.animPat, k.pattern);
        EXPECT_EQ(p1.dirStand, k.facingAfter);
        EXPECT_EQ(p1.slideVector, k.slide);
        EXPECT_EQ(p1.counTer, k.counter);
        EXPECT_EQ(p1.upVector, k.up);
    }
}

TEST_F(GoudaMoves, ExTackleNeedsLeftShiftAndTheCost) {
    p1.spacornGauge = 150;  // EX cost 120
    moves().AttackSelect(game, p1, 26);
    EXPECT_EQ(p1.animPat, 210);
    EXPECT_EQ(p1.spacornGauge, 150);

    platform.holdKeysForPresents({key::LeftShift}, 0, 1000);
    moves().AttackSelect(game, p1, 26);
    EXPECT_EQ(p1.animPat, 550);
    EXPECT_EQ(p1.spacornGauge, 30);

    moves().AttackSelect(game, p1, 26);  // 30 left and no stock: the plain tackle
    EXPECT_EQ(p1.animPat, 210);
}

// ---- movement select --------------------------------------------------------------------

struct MoveCase {
    int16_t key;
    int16_t facing;
    int16_t jumps;
    int16_t pattern;
    double slide;      // 0.5: untouched
    int16_t counter;   // -99: untouched
    int16_t walkFlag;  // 7: untouched
    double up, fall;   // 2, 3: untouched
    int16_t jumpsAfter;
};

const MoveCase kMoveCases[] = {
    {5, 1, 0, 130, 2, -99, 7, 2, 3, 0},      {5, 1, 2, 130, 2, -99, 7, 14, 0, 1},
    {3, 1, 2, 150, 0, -99, 7, 14, 0, 1},     {13, 1, 2, 150, 0, -99, 7, 8, 0, 1},
    {8, -1, 2, 150, 0, -99, 7, 14, 0, 1},    {18, -1, 1, 150, 0, -99, 7, 8, 0, 0},
    {11, 1, 2, 130, -2, -99, 7, 8, 0, 1},    {10, 1, 2, 130, 7, -99, 7, 14, 0, 1},
    {1, -1, 2, 130, -7, -99, 7, 14, 0, 1},   {20, -1, 2, 130, 2, -99, 7, 8, 0, 1},
    {21, 1, 2, 70, 0.5, -99, 7, 2, 3, 2},    {30, -1, 2, 70, 0.5, -99, 7, 2, 3, 2},
    {22, 1, 2, 100, 0.5, -10, 1, 2, 3, 2},   {23, 1, 2, 0, 0.5, -99, 7, 2, 3, 2},
    {28, -1, 2, 0, 0.5, -99, 7, 2, 3, 2},    {24, 1, 2, 100, 0.5, 10, 0, 2, 3, 2},
    {25, 1, 2, 90, 0.5, 0, 1, 2, 3, 2},      {27, 1, 2, 90, 0.5, 10, 1, 2, 3, 2},
    {29, 1, 2, 90, 0.5, 20, 1, 2, 3, 2},     {22, -1, 2, 90, 0.5, 20, 1, 2, 3, 2},
    {30, 1, 2, 110, 0.5, 10, 7, 2, 3, 2},    {21, -1, 2, 110, 0.5, 10, 7, 2, 3, 2},
    {31, 1, 2, 125, 0.5, 5, 7, 2, 3, 2},     {32, 1, 2, 125, 0.5, 4, 7, 2, 3, 2},
    {33, 1, 2, 120, 0.5, 5, 7, 2, 3, 2},     {34, 1, 2, 120, 0.5, 4, 7, 2, 3, 2},
    {36, 1, 2, 120, 0.5, 6, 7, 2, 3, 2},     {40, 1, 2, 120, 0.5, 10, 7, 2, 3, 2},
    {40, -1, 2, 125, 0.5, 5, 7, 2, 3, 2},    {31, -1, 2, 120, 0.5, 10, 7, 2, 3, 2},
    {0, 1, 2, 0, 0.5, -99, 7, 2, 3, 2},      {41, 1, 2, 0, 0.5, -99, 7, 2, 3, 2},
};

TEST_F(GoudaMoves, MoveSelectJumpsWalksHopsAndStepsByKeyPlace) {
    for (const MoveCase& k : kMoveCases) {
        SCOPED_TRACE(testing::Message() << "key " << k.key << " facing " << k.facing << " jumps "
                                        << k.jumps);
        enter(0);
        p1.dirStand = k.facing;
        p1.airialJumpCount = k.jumps;
        p1.slideVector = 0.5;
        p1.counTer = -99;
        p1.AorMflag = 7;
        p1.upVector = 2;
        p1.fallVector = 3;
        moves().MoveSelect(game, p1, k.key);
        EXPECT_EQ(p1.animPat, k.pattern);
        EXPECT_EQ(p1.slideVector, k.slide);
        EXPECT_EQ(p1.counTer, k.counter);
        EXPECT_EQ(p1.AorMflag, k.walkFlag);
        EXPECT_EQ(p1.upVector, k.up);
        EXPECT_EQ(p1.fallVector, k.fall);
        EXPECT_EQ(p1.airialJumpCount, k.jumpsAfter);
        EXPECT_EQ(p1.dirStand, k.facing);
    }
}

// ---- typing-combo steps -----------------------------------------------------------------

TEST_F(GoudaMoves, ComboFollowUpByTheStepNumberAlone) {
    struct Case {
        int16_t step, next;
    };
    const Case cases[] = {{230, 25},  {240, 230}, {500, 510}, {505, 520}, {530, 540},
                          {630, 820}, {730, 740}, {765, 750}, {780, 20},  {790, 800},
                          {800, 810}, {840, 850}, {900, 910}, {0, 1},     {610, 1}};
    for (const Case& k : cases) {
        for (int16_t word : {1, 3, 8}) {
            SCOPED_TRACE(testing::Message() << "step " << k.step << " word " << word);
            enter(1);
            p1.TPCNumber = k.step;
            p1.inputKeyNum = word;
            p1.enableAction = true;
            moves().TPCFollow(game, p1);
            EXPECT_EQ(p1.animPat, k.next);
            EXPECT_FALSE(p1.enableAction);
        }
    }
}

TEST_F(GoudaMoves, AirRecoveryComboRisesOrHopsBack) {
    p1.dirStand = -1;
    p1.TPCNumber = 310;
    moves().TPCFollow(game, p1);
    EXPECT_EQ(p1.animPat, 260);
    EXPECT_EQ(p1.slideVector, -4);
    EXPECT_TRUE(p1.enableAction);  // back in a neutral state after the check

    p1.slideVector = 0.5;
    p1.fallVector = 9;
    p1.upVector = 0;
    p1.enableAction = false;
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_EQ(p1.slideVector, 0.5);
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.upVector, 5);
    EXPECT_TRUE(p1.enableAction);
}

TEST_F(GoudaMoves, SecondWordStepsBackAwayFromTheFacing) {
    for (int16_t facing : {1, -1}) {
        p1.dirStand = facing;
        p1.TPCNumber = 790;
        p1.upVector = 3;
        moves().TPCSecond(game, p1);
        EXPECT_EQ(p1.animPat, 70);
        EXPECT_EQ(p1.slideVector, -10 * facing);
        EXPECT_EQ(p1.upVector, 3);
    }
}

// ---- action script: attack frames -------------------------------------------------------

TEST_F(GoudaMoves, AttackBoxesLieInFrontOrBehindByTheTable) {
    struct Case {
        int16_t pattern, facing, left, right, top, type, gardable, pow1, stun;
    };
    // GOUDA at posX 400, Width 199: body centre 499.5; some patterns step before the box.
    const Case cases[] = {
        {22, 1, 510, 590, 70, 3, 0, 35, 18},     {22, -1, 410, 490, 70, 3, 0, 35, 18},
        {211, 1, 538, 568, 70, 7, 0, 15, 20},    {211, -1, 432, 462, 70, 7, 0, 15, 20},
        {251, -1, 400, 470, 150, 2, 1, 20, 10},  {540, 1, 514, 544, 60, 3, 2, 10, 5},
        {603, 1, 400, 580, 20, 2, 5, 30, 12},    {603, -1, 420, 600, 20, 2, 5, 30, 12},
        {652, 1, 420, 480, 80, 2, 0, 20, 8},     {654, -1, 430, 490, 80, 2, 0, 20, 8},
        {591, 1, 510, 550, 100, 5, 3, 0, 0},     {911, -1, 450, 490, 100, 5, 3, 0, 0},
        {812, 1, 510, 590, 100, 2, 0, 10, 8},    {926, -1, 430, 490, 80, 2, 0, 0, 0},
        {262, 1, 480, 530, 10, 2, 0, 25, 18},    {760, -1, 470, 520, 10, 2, 0, 5, 18},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "pattern " << k.pattern << " facing " << k.facing);
        place(p1, 400, k.facing, true);
        enter(k.pattern);
        act();
        EXPECT_EQ(p1.ATFflag, 1);
        EXPECT_EQ(p1.ATFleft, k.left);
        EXPECT_EQ(p1.ATFright, k.right);
        EXPECT_EQ(p1.ATFtop, kGround + k.top);
        EXPECT_EQ(p1.ATFtype, k.type);
        EXPECT_EQ(p1.gardableType, k.gardable);
        EXPECT_EQ(p1.attackPow1st, k.pow1);
        EXPECT_EQ(p1.stunPoint, k.stun);
    }
}

TEST_F(GoudaMoves, GoudaPunchOpensItsBoxOnlyOnItsActivePatternAndStepsOnce) {
    for (int16_t facing : {1, -1}) {
        SCOPED_TRACE(facing);
        place(p1, 400, facing, true);
        platform.clearLogs();
        moves().AttackSelect(game, p1, facing == 1 ? 25 : 26);
        ASSERT_EQ(p1.animPat, 20);
        int active = 0;
        for (int f = 0; f < 40 && !(active > 0 && p1.animPat == 0); ++f) {
            frame();
            if (p1.animPat == 22) {
                ++active;
                EXPECT_EQ(p1.ATFflag, 1);
                EXPECT_EQ(p1.ATFHitSound, 14);
                EXPECT_EQ(p1.ATFvectorX, 10);
                EXPECT_EQ(p1.ATFvectorY, 4);
                EXPECT_EQ(p1.attackPow2nd, 6);
                EXPECT_FALSE(p1.normalorEX);
            } else {
                EXPECT_EQ(p1.ATFflag, 0) << "pattern " << p1.animPat;
            }
        }
        EXPECT_EQ(active, 3);                 // hold 2: three frames
        EXPECT_EQ(p1.posX, 400 + 16 * facing);  // the lunge happens once
        EXPECT_EQ(timesPlayed(kSwingSound), 1);
    }
}

TEST_F(GoudaMoves, AirTackleDrivesTheVictimDownOnTheGroundUp) {
    enter(211);
    act();
    EXPECT_EQ(p1.ATFvectorY, 2);
    enter(211);
    p1.floatorStand = true;
    act();
    EXPECT_EQ(p1.ATFvectorY, -5);
    EXPECT_EQ(p1.ATFvectorX, 20);
    EXPECT_EQ(p1.attackPow2nd, 20);
    EXPECT_TRUE(p1.normalorEX);
}

TEST_F(GoudaMoves, DiveHitsHarderWithTheFallAndCapsAt80) {
    struct Case {
        double fallBefore;
        int16_t pow1, hitSound, effect, spark;
    };
    const Case cases[] = {
        {0, 0, 11, 10, 0},       {10, 5, 11, 10, 10},  {24.6, 31, 11, 10, 25},
        {24.8, 31, 14, 15, 25},  {40, 80, 14, 15, 40},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.fallBefore);
        enter(282);
        p1.fallVector = k.fallBefore;
        p1.upVector = 7;
        act();
        EXPECT_DOUBLE_EQ(p1.fallVector, k.fallBefore + 0.3);
        EXPECT_DOUBLE_EQ(p1.upVector, 0.01);
        EXPECT_EQ(p1.attackPow1st, k.pow1);
        EXPECT_EQ(p1.ATFHitSound, k.hitSound);
        EXPECT_EQ(p1.ATEanimPat, k.effect);
        EXPECT_EQ(p1.ATEzoomX, k.spark);
        EXPECT_EQ(p1.ATEzoomY, k.spark);
        EXPECT_EQ(p1.gardableType, 2);
        EXPECT_EQ(p1.spacornPoint, 15);
    }
}

TEST_F(GoudaMoves, FinisherBlowsScatterTheirSparksAtRandom) {
    enter(924);
    game.random.script({0.0, 0.999, 0.5, 0.25});
    act();
    EXPECT_EQ(p1.controlX, -50);
    EXPECT_EQ(p1.controlY, -1);
    EXPECT_EQ(p1.ATEzoomX, 50);
    EXPECT_EQ(p1.ATEzoomY, 25);
    EXPECT_EQ(p1.attackPow1st, 0);
    EXPECT_EQ(lastShot().FAType, 8);

    enter(925);
    game.random.script({0.0, 0.999, 0.5, 0.25});
    p1.comboCount = 3;
    act();
    EXPECT_EQ(p1.controlX, 0);
    EXPECT_EQ(p1.controlY, 99);
    EXPECT_EQ(p1.comboCount, 4);
}

// ---- action script: grabs and the finishing blow ----------------------------------------

TEST_F(GoudaMoves, GrabsCatchOnlyOnACleanHit) {
    struct Case {
        int16_t reach, hold;
    };
    for (Case g : {Case{591, 600}, Case{911, 920}}) {
        SCOPED_TRACE(g.reach);
        enter(g.reach);
        p1.attackWasHit = 2;  // guarded
        act();
        EXPECT_EQ(p1.animPat, g.reach);
        p1.attackWasHit = 1;
        act();
        EXPECT_EQ(p1.animPat, g.hold);
    }
}

TEST_F(GoudaMoves, CaughtOpponentHoldsGoudaAgainstItAndTheThrowNeedsItHeld) {
    for (int16_t facing : {1, -1}) {
        place(p1, 100, facing, true);
        p2.posX = 500;  // centre 599.5
        enter(600);
        act();
        EXPECT_DOUBLE_EQ(p1.posX + p1.Width / 2.0, 599.5 - 10 * facing);
    }
    enter(601);
    p2.sTate = -1;
    act();
    EXPECT_EQ(p1.animPat, 601);
    p2.sTate = -30;
    act();
    EXPECT_EQ(p1.animPat, 602);

    enter(921);
    act();
    EXPECT_EQ(p1.animPat, 922);
}

TEST_F(GoudaMoves, FinishingBlowTakesVitalityByDefenceOnce) {
    struct Case {
        int16_t defence;
        double damage;
    };
    const Case cases[] = {{0, 256}, {1, 221}, {2, 186}, {3, 151}, {4, 135}, {20, 135}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.defence);
        platform.clearLogs();
        p2.difensiBle = k.defence;
        p2.viTality = 100;
        p1.spacornHit = false;
        enter(927);
        act();
        act();
        EXPECT_DOUBLE_EQ(p2.viTality, 100 - k.damage);  // not clamped at 0
        EXPECT_TRUE(p1.spacornHit);
        EXPECT_EQ(timesPlayed(144), 1);
    }
}

TEST_F(GoudaMoves, RushChainsOnlyWhenItsBlowsConnect) {
    enter(611);
    p1.attackWasHit = 2;
    act();
    EXPECT_EQ(p1.animPat, 611);  // a guarded blow ends the art
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.animPat, 820);

    enter(825);
    act();
    EXPECT_EQ(p1.animPat, 825);
    p1.attackWasHit = 2;  // any touch carries on
    act();
    EXPECT_EQ(p1.animPat, 830);
    enter(833);
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.animPat, 840);
    enter(841);
    act();
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 840);
}

// ---- action script: combos, movement, arcs ----------------------------------------------

TEST_F(GoudaMoves, ChainOpenersOpenTheirComboWhenTheyConnect) {
    struct Case {
        int16_t pattern;
        int16_t close;  // 0: the move closes no combo itself
    };
    for (Case k : {Case{231, 234}, Case{241, 245}, Case{791, 793}, Case{801, 0}}) {
        SCOPED_TRACE(k.pattern);
        p1.TPC = false;
        p1.TPCNumber = 0;
        enter(k.pattern);
        act();
        EXPECT_FALSE(p1.TPC);
        p1.attackWasHit = 2;  // a guarded blow is enough
        act();
        EXPECT_TRUE(p1.TPC);
        EXPECT_EQ(p1.TPCNumber, k.pattern - 1);
        if (k.close != 0) {
            enter(k.close);
            act();
            EXPECT_FALSE(p1.TPC);
        }
    }
}

TEST_F(GoudaMoves, HopMovesOnlyWhenTheKeyAskedForIt) {
    enter(92);
    p1.AorMflag = 0;
    p1.slideVector = 3;
    act();
    EXPECT_EQ(p1.posX, 400);
    EXPECT_EQ(p1.slideVector, 0);
    p1.AorMflag = 1;
    p1.dirStand = -1;
    act();
    EXPECT_EQ(p1.posX, 388);
}

TEST_F(GoudaMoves, WalkAndStepsMoveByTheirFlagAndFacing) {
    struct Case {
        int16_t pattern, facing, flag;
        double dx;
    };
    const Case cases[] = {{100, 1, 0, 3},   {102, 1, 1, -3},  {103, -1, 0, -3}, {112, -1, 0, -12},
                          {121, 1, 0, 8},   {126, 1, 0, -8},  {72, 1, 0, -12},  {71, -1, 0, 6},
                          {451, 1, 0, -2},  {430, -1, 0, -4}, {551, -1, 0, -24}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.pattern);
        enter(k.pattern);
        p1.posX = 400;
        p1.dirStand = k.facing;
        p1.AorMflag = k.flag;
        act();
        EXPECT_DOUBLE_EQ(p1.posX, 400 + k.dx);
    }
}

TEST_F(GoudaMoves, UppercutsSetTheirArcOnceThenDescend) {
    enter(262);
    act();
    EXPECT_EQ(p1.upVector, 10);
    EXPECT_EQ(p1.fallVector, 0);
    p1.upVector = 4;  // the physics slowed the rise
    p1.fallVector = 3;
    act();  // the arc is not set again
    EXPECT_EQ(p1.animPat, 262);
    EXPECT_EQ(p1.upVector, 4);
    p1.fallVector = 5;
    act();
    EXPECT_EQ(p1.animPat, 265);
    act();
    EXPECT_EQ(p1.posY, kGround + 3);

    enter(760);
    p1.dirStand = -1;
    act();
    EXPECT_EQ(p1.slideVector, -2);
    EXPECT_EQ(p1.upVector, 10);
}

TEST_F(GoudaMoves, KnockedUpFighterFallsAndOffersARecoveryCombo) {
    enter(311);
    p1.upVector = 5;
    p1.fallVector = 2;
    act();  // still rising: no recovery yet
    EXPECT_EQ(p1.animPat, 311);
    EXPECT_FALSE(p1.TPC);
    p1.fallVector = 6;
    act();  // the top is passed: the fall and the combo start on the same frame
    EXPECT_EQ(p1.animPat, 320);
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 310);

    TPCEnd(game, p1);
    enter(312);
    p1.fallVector = 6;
    p1.stunSwitch = 1;  // stunned: no combo
    act();
    EXPECT_EQ(p1.animPat, 320);
    EXPECT_FALSE(p1.TPC);
}

TEST_F(GoudaMoves, EachSoundPlaysOncePerPatternEntry) {
    for (int16_t pattern : {200, 476, 740, 22}) {
        enter(pattern);
        for (int i = 0; i < 3; ++i) act();
    }
    EXPECT_EQ(timesPlayed(kDoryaaVoice), 1);
    EXPECT_EQ(timesPlayed(141), 1);
    EXPECT_EQ(timesPlayed(143), 1);
    EXPECT_EQ(timesPlayed(kSwingSound), 1);
}

TEST_F(GoudaMoves, EnergyStanceInTheAirSwitchesToItsAirForm) {
    p1.floatorStand = true;
    enter(500);
    act();
    EXPECT_EQ(p1.animPat, 505);
    EXPECT_EQ(lastShot().FAType, 3);
    EXPECT_EQ(timesPlayed(kPowerSound), 1);
    enter(506);
    act();
    EXPECT_EQ(p1.TPCNumber, 505);
}

}  // namespace
}  // namespace morvek::gouda_test
