// MORVEKBOY's moves: the key map of the selects, the typing-combo steps, the action
// script's attack frames, steps, sounds and combo hooks, and the six projectile kinds.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "moveset_fixture.h"

#include "battle/Character.h"
#include "battle/Collision.h"
#include "battle/Dispatch.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "engine/DataTables.h"
#include "game/Game.h"
#include "battle/MoveSet.h"
#include "platform/HeadlessPlatform.h"
#include "platform/Keys.h"

using namespace morvek;

namespace {

constexpr int16_t kGround = kGroundLine;  // MORVEKBOY's cell has no bottom margin

class MorvekboyMoves : public moveset_test::MoveSetTest {
protected:
    MorvekboyMoves()
        : MoveSetTest({.number = 0, .name = "morvekboy", .x1 = 300, .x2 = 500, .standState = true}) {}

    MoveSet& moves() { return moveSet(); }
    void enter(int16_t pattern) { start(pattern); }
    void act() { runAction(); }
    /// One frame of both fighters as the battle frame runs them after the collisions:
    /// drawn (pattern table), then stepped and acted.
    void frame() { stepBoth(); }
    flyArts& lastShot() { return MoveSetTest::lastShot(p1); }
};

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
    // number row: the rising art, drifting by column
    {1, 1, false, 260, 1, -4, -99, 2},     {3, 1, false, 260, 1, 0, -99, 2},
    {10, 1, false, 260, 1, 10, -99, 2},    {1, -1, false, 260, -1, -10, -99, 2},
    // top row
    {12, 1, false, 770, 1, -2, -99, 10},   {13, 1, false, 380, 1, 0.5, -99, 2},
    {14, 1, false, 200, 1, 0.5, -99, 2},   {15, 1, false, 530, 1, 0.5, -99, 2},
    {20, 1, false, 770, 1, 10, -99, 10},   {12, -1, false, 770, -1, -9, -99, 10},
    {18, -1, false, 380, -1, 0.5, -99, 2},
    // home row
    {21, 1, false, 780, -1, 0.5, -99, 2},  {22, 1, false, 590, 1, 0.5, -99, 2},
    {23, 1, false, 0, 1, 0.5, -99, 2},     {24, 1, false, 240, 1, 0.5, -99, 2},
    {24, 1, true, 790, 1, 0.5, -99, 2},    {25, 1, false, 20, 1, 0.5, -99, 2},
    {26, 1, false, 210, 1, 0.5, -99, 2},   {27, 1, false, 650, 1, 0.5, 2, 2},
    {28, 1, false, 650, 1, 0.5, 5, 2},     {29, 1, false, 650, 1, 0.5, 7, 2},
    {30, 1, false, 580, 1, 0.5, -99, 2},   {26, -1, false, 20, -1, 0.5, -99, 2},
    {30, -1, false, 780, 1, 0.5, -99, 2},  {21, -1, false, 580, -1, 0.5, -99, 2},
    {28, -1, false, 0, -1, 0.5, -99, 2},
    // bottom row
    {31, 1, false, 250, -1, 0.5, -99, 2},  {31, 1, true, 280, -1, -2, -99, 2},
    {32, 1, false, 270, -1, 0.5, -99, 2},  {32, 1, true, 280, -1, -1, -99, 2},
    {33, 1, false, 0, 1, 0.5, -99, 2},     {34, 1, false, 270, 1, 0.5, -99, 2},
    {34, 1, true, 280, 1, 1, -99, 2},      {35, 1, true, 280, 1, 2, -99, 2},
    {36, 1, false, 220, 1, 0.5, 1, 2},     {36, 1, true, 280, 1, 3, -99, 2},
    {39, 1, false, 220, 1, 0.5, 4, 2},     {39, 1, true, 280, 1, 6, -99, 2},
    {40, 1, false, 720, 1, 0.5, -99, 2},   {40, 1, true, 280, 1, 7, -99, 2},
    {39, -1, false, 270, 1, 0.5, -99, 2},  {39, -1, true, 280, 1, 1, -99, 2},
    {38, -1, false, 0, -1, 0.5, -99, 2},
    // keys off the grid
    {0, 1, false, 0, 1, 0.5, -99, 2},      {41, 1, false, 0, 1, 0.5, -99, 2},
    {50, 1, false, 0, 1, 0.5, -99, 2},
};

TEST_F(MorvekboyMoves, AttackSelectFollowsTheKeyMapMirroredByFacing) {
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

TEST_F(MorvekboyMoves, ExArtNeedsLeftShiftAndTheCost) {
    p1.spacornGauge = 100;  // EX cost 60
    moves().AttackSelect(game, p1, 30);
    EXPECT_EQ(p1.animPat, 580);
    EXPECT_EQ(p1.spacornGauge, 100);

    platform.holdKeysForPresents({key::LeftShift}, 0, 1000);
    moves().AttackSelect(game, p1, 30);
    EXPECT_EQ(p1.animPat, 570);
    EXPECT_EQ(p1.spacornGauge, 40);

    moves().AttackSelect(game, p1, 30);  // 40 left, no stock: the normal shot
    EXPECT_EQ(p1.animPat, 580);
    EXPECT_EQ(p1.spacornGauge, 40);
}

// ---- movement select --------------------------------------------------------------------

struct MoveCase {
    int16_t key;
    int16_t facing;
    int16_t jumps;
    int16_t pattern;
    double slide;      // 0.5: untouched
    int16_t counter;   // -99: untouched
    int16_t walkBack;  // 7: untouched
    double up, fall;   // 2, 3: untouched
    int16_t jumpsAfter;
};

const MoveCase kMoveCases[] = {
    {3, 1, 2, 150, 0, -99, 7, 14, 0, 1},     {3, 1, 0, 150, 0, -99, 7, 2, 3, 0},
    {11, 1, 2, 130, -2, -99, 7, 8, 0, 1},    {10, 1, 1, 130, 7, -99, 7, 14, 0, 0},
    {13, 1, 2, 150, 0, -99, 7, 8, 0, 1},     {1, -1, 2, 130, -7, -99, 7, 14, 0, 1},
    {8, -1, 2, 150, 0, -99, 7, 14, 0, 1},
    {21, 1, 2, 70, -10, -99, 7, 2, 3, 2},    {22, 1, 2, 100, 0.5, -10, 1, 2, 3, 2},
    {23, 1, 2, 0, 0.5, -99, 7, 2, 3, 2},     {24, 1, 2, 100, 0.5, 10, 0, 2, 3, 2},
    {25, 1, 2, 120, 0.5, 3, 7, 2, 3, 2},     {26, 1, 2, 75, 6, -99, 7, 2, 3, 2},
    {29, 1, 2, 75, 9, -99, 7, 2, 3, 2},      {30, 1, 2, 90, 0.5, 10, 7, 2, 3, 2},
    {29, -1, 2, 100, 0.5, -10, 1, 2, 3, 2},  {28, -1, 2, 0, 0.5, -99, 7, 2, 3, 2},
    {30, -1, 2, 70, 10, -99, 7, 2, 3, 2},    {21, -1, 2, 90, 0.5, 10, 7, 2, 3, 2},
    {31, 1, 2, 125, 0.5, 5, 7, 2, 3, 2},     {32, 1, 2, 125, 0.5, 4, 7, 2, 3, 2},
    {33, 1, 2, 120, 0.5, 5, 7, 2, 3, 2},     {34, 1, 2, 120, 0.5, 4, 7, 2, 3, 2},
    {40, 1, 2, 120, 0.5, 10, 7, 2, 3, 2},    {38, -1, 2, 120, 0.5, 5, 7, 2, 3, 2},
    {0, 1, 2, 0, 0.5, -99, 7, 2, 3, 2},
};

TEST_F(MorvekboyMoves, MoveSelectJumpsWalksAndRunsByKeyPlace) {
    for (const MoveCase& k : kMoveCases) {
        SCOPED_TRACE(testing::Message() << "key " << k.key << " facing " << k.facing
                                        << " jumps " << k.jumps);
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
        EXPECT_EQ(p1.dirStand, k.facing);
        EXPECT_EQ(p1.slideVector, k.slide);
        EXPECT_EQ(p1.counTer, k.counter);
        EXPECT_EQ(p1.AorMflag, k.walkBack);
        EXPECT_EQ(p1.upVector, k.up);
        EXPECT_EQ(p1.fallVector, k.fall);
        EXPECT_EQ(p1.airialJumpCount, k.jumpsAfter);
    }
}

// ---- typing-combo steps ------------------------------------------------------------------

TEST_F(MorvekboyMoves, ComboFollowUpByOpenerAndWord) {
    struct Case {
        int16_t opener, word, pattern;  // pattern 1: nothing follows
    };
    const Case cases[] = {
        {210, 1, 780}, {210, 6, 780}, {240, 1, 760}, {240, 3, 750}, {240, 5, 1},
        {500, 1, 510}, {530, 4, 540}, {630, 1, 610}, {660, 1, 665}, {730, 1, 735},
        {735, 8, 740}, {780, 1, 20},  {790, 1, 800}, {800, 3, 810}, {820, 1, 840},
        {820, 3, 850}, {820, 5, 870}, {820, 8, 900}, {999, 1, 1},   {0, 1, 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "opener " << k.opener << " word " << k.word);
        enter(1);
        p1.enableAction = true;
        p1.TPCNumber = k.opener;
        p1.inputKeyNum = k.word;
        moves().TPCFollow(game, p1);
        EXPECT_EQ(p1.animPat, k.pattern);
        EXPECT_FALSE(p1.enableAction);
    }
}

TEST_F(MorvekboyMoves, AirRecoveryComboRisesOrHopsBack) {
    p1.dirStand = -1;
    p1.TPCNumber = 310;
    moves().TPCFollow(game, p1);
    EXPECT_EQ(p1.animPat, 260);
    EXPECT_EQ(p1.slideVector, -4);

    p1.upVector = 0;
    p1.fallVector = 6;
    p1.slideVector = 3;
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_EQ(p1.upVector, 5);
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.slideVector, 3);
    EXPECT_EQ(timesPlayed(kAtata3Voice), 1);
}

TEST_F(MorvekboyMoves, SecondWordStepsBackAwayFromTheFacing) {
    p1.TPCNumber = 820;
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_EQ(p1.slideVector, -10);
    p1.dirStand = -1;
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.slideVector, 10);
    EXPECT_EQ(soundsPlayed(), 0);
}

// ---- attack frames -----------------------------------------------------------------------

TEST_F(MorvekboyMoves, PunchOpensItsAttackFrameOnlyOnItsActivePattern) {
    for (int16_t facing : {1, -1}) {
        SCOPED_TRACE(facing);
        place(p1, 300, facing, true);
        platform.clearLogs();
        moves().AttackSelect(game, p1, facing == 1 ? 25 : 26);
        ASSERT_EQ(p1.animPat, 20);

        std::vector<int16_t> seen;
        int activeFrames = 0;
        for (int f = 0; f < 30 && (seen.empty() || p1.animPat != 0); ++f) {
            frame();
            seen.push_back(p1.animPat);
            if (p1.animPat == 21) {
                ++activeFrames;
                ASSERT_EQ(p1.ATFflag, 1);
                // Three 5-pixel steps of 20 before the box: centre 414.5 or 384.5.
                EXPECT_EQ(p1.ATFleft, facing == 1 ? 424 : 314);
                EXPECT_EQ(p1.ATFright, facing == 1 ? 484 : 374);
                EXPECT_EQ(p1.ATFtop, kGround + 70);
                EXPECT_EQ(p1.ATFbottom, kGround + 100);
                EXPECT_EQ(p1.ATFtype, 2);
                EXPECT_EQ(p1.ATFHitSound, 14);
                EXPECT_EQ(p1.ATFvectorX, 30);
                EXPECT_EQ(p1.ATFvectorY, 4);
                EXPECT_EQ(p1.setLenge, 20);
                EXPECT_EQ(p1.attackPow1st, 25);
                EXPECT_EQ(p1.attackPow2nd, 16);
                EXPECT_EQ(p1.attackPow3rd, 4);
                EXPECT_EQ(p1.stunPoint, 18);
                EXPECT_EQ(p1.spacornPoint, 8);
                EXPECT_FALSE(p1.normalorEX);
            } else {
                EXPECT_EQ(p1.ATFflag, 0) << "pattern " << p1.animPat;
            }
        }
        EXPECT_EQ(activeFrames, 3);
        EXPECT_EQ(seen.front(), 20);
        EXPECT_EQ(seen.back(), 0);
        EXPECT_EQ(timesPlayed(kAtaaVoice), 1);
        EXPECT_EQ(timesPlayed(kSwingSound), 1);
    }
}

TEST_F(MorvekboyMoves, AttackBoxesLieInFrontOrBehindByTheTable) {
    struct Case {
        int16_t pattern, facing, left, right, top, type, gardable, pow1;
    };
    // Fighter at posX 400, Width 199: body centre 499.5.
    const Case cases[] = {
        {772, 1, 420, 480, 100, 2, 0, 20},  {772, -1, 520, 580, 100, 2, 0, 20},
        {774, 1, 510, 570, 100, 2, 0, 20},  {774, -1, 430, 490, 100, 2, 0, 20},
        {602, 1, 400, 580, 20, 7, 5, 30},   {602, -1, 420, 600, 20, 7, 5, 30},
        {201, 1, 500, 560, 60, 8, 0, 10},   {591, 1, 510, 550, 100, 2, 3, 0},
        {251, -1, 400, 470, 150, 2, 1, 2},  {541, 1, 510, 570, 60, 3, 2, 10},
        {911, 1, 510, 570, 70, 2, 0, 35},   {871, -1, 430, 460, 100, 3, 0, 18},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "pattern " << k.pattern << " facing " << k.facing);
        place(p1, 400, k.facing, true);
        enter(k.pattern);
        p1.spacornTimer = 50;  // keeps the super art's blows from ending at once
        act();
        EXPECT_EQ(p1.animPat, k.pattern);
        EXPECT_EQ(p1.ATFflag, 1);
        EXPECT_EQ(p1.ATFleft, k.left);
        EXPECT_EQ(p1.ATFright, k.right);
        EXPECT_EQ(p1.ATFtop, kGround + k.top);
        EXPECT_EQ(p1.ATFtype, k.type);
        EXPECT_EQ(p1.gardableType, k.gardable);
        EXPECT_EQ(p1.attackPow1st, k.pow1);
    }
}

TEST_F(MorvekboyMoves, DiveKickHitsHarderWithTheFallAndCapsAt80) {
    struct Case {
        double fallBefore;
        int16_t pow1, hitSound, effect, size;
    };
    const Case cases[] = {{4.8, 1, 11, 10, 5}, {24.6, 30, 11, 10, 25}, {30, 45, 14, 15, 30},
                          {41, 80, 14, 15, 41}, {45, 80, 14, 15, 45}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.fallBefore);
        enter(282);
        p1.upVector = 3;
        p1.fallVector = k.fallBefore;
        act();
        EXPECT_DOUBLE_EQ(p1.fallVector, k.fallBefore + 0.2);
        EXPECT_EQ(p1.upVector, 0.01);
        EXPECT_EQ(p1.attackPow1st, k.pow1);
        EXPECT_EQ(p1.ATFHitSound, k.hitSound);
        EXPECT_EQ(p1.ATEanimPat, k.effect);
        EXPECT_EQ(p1.ATEzoomX, k.size);
        EXPECT_EQ(p1.ATEzoomY, k.size);
        EXPECT_EQ(p1.ATFtype, 3);
        EXPECT_EQ(p1.gardableType, 2);
        EXPECT_EQ(p1.attackPow2nd, 2);
        EXPECT_EQ(p1.stunPoint, 10);
        EXPECT_EQ(p1.spacornPoint, 15);
    }
}

TEST_F(MorvekboyMoves, SuperArtModeCapsTheLaterPowerParts) {
    enter(665);
    act();
    EXPECT_EQ(p1.SPspacornTimer, 270.0f);  // the type-0 gauge
    EXPECT_EQ(p1.counTer, 10);
    EXPECT_EQ(p1.ATFtype, 10);
    EXPECT_EQ(p1.attackPow3rd, 3);  // 10 in the table, capped by the mode
    EXPECT_EQ(p1.sPeed, 0);
    EXPECT_EQ(p1.sPeedEffect, 1);
    EXPECT_TRUE(p1.spacornHit);
}

// ---- steps, sounds and combo hooks --------------------------------------------------------

TEST_F(MorvekboyMoves, StepsGrowInTheSuperArtMode) {
    struct Case {
        int16_t pattern, facing;
        bool mode;
        double moved;
    };
    const Case cases[] = {
        {90, 1, false, 12},  {90, 1, true, 20},   {90, -1, true, -20},  {70, 1, false, -12},
        {70, 1, true, -16},  {450, 1, false, -2}, {450, 1, true, -2},   {610, 1, true, 20},
        {910, -1, true, -5}, {650, 1, true, 32},  {430, -1, false, -4},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "pattern " << k.pattern << " facing " << k.facing
                                        << (k.mode ? " in the mode" : ""));
        place(p1, 400, k.facing, true);
        p1.SPspacornTimer = k.mode ? 10.0f : 0.0f;
        p1.sPeedEffect = k.mode ? 1 : 0;
        enter(k.pattern);
        act();
        EXPECT_EQ(p1.posX, 400 + k.moved);
    }
}

TEST_F(MorvekboyMoves, WalkDirectionComesFromTheWalkFlag) {
    enter(101);
    p1.AorMflag = 0;
    act();
    EXPECT_EQ(p1.posX, 303);
    p1.AorMflag = 1;
    act();
    act();
    EXPECT_EQ(p1.posX, 297);
}

TEST_F(MorvekboyMoves, PunchTurnsIntoItsAirVersionAfterTheStep) {
    enter(20);
    act();
    EXPECT_EQ(p1.animPat, 20);
    p1.floatorStand = true;
    act();
    EXPECT_EQ(p1.posX, 310);
    EXPECT_EQ(p1.animPat, 25);
    act();  // 25 itself does nothing but the mode
    EXPECT_EQ(p1.posX, 310);
    EXPECT_EQ(p1.sPeed, 3);
}

TEST_F(MorvekboyMoves, GrabThrowsOnlyOnACleanHit) {
    enter(591);
    act();
    EXPECT_EQ(p1.animPat, 591);
    p1.attackWasHit = 2;  // guarded
    act();
    EXPECT_EQ(p1.animPat, 591);
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.animPat, 600);
    EXPECT_EQ(p1.attackWasHit, 0);

    enter(611);
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.animPat, 820);

    // The type-1 super art goes on into its typed follow-up even when guarded.
    enter(736);
    act();
    EXPECT_EQ(p1.animPat, 736);
    p1.attackWasHit = 2;
    act();
    EXPECT_EQ(p1.animPat, 737);
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 735);
}

TEST_F(MorvekboyMoves, SuperArtPauseEndsWithTheTimerOrTheOpponent) {
    enter(830);
    p1.spacornTimer = 5;
    act();
    EXPECT_EQ(p1.animPat, 830);
    p1.spacornTimer = 0;
    act();
    EXPECT_EQ(p1.animPat, 910);

    enter(830);
    p1.spacornTimer = 5;
    p2.viTality = 0;
    act();
    EXPECT_EQ(p1.animPat, 910);

    enter(851);
    p1.spacornTimer = 0;
    act();
    EXPECT_EQ(p1.animPat, 910);
}

TEST_F(MorvekboyMoves, SuperArtFollowUpShowsAllEightWords) {
    enter(824);
    act();
    EXPECT_TRUE(p1.TPC);
    EXPECT_TRUE(p1.tarGeting);
    EXPECT_TRUE(p1.MultiTPC);
    EXPECT_EQ(p1.spacornTimer, 200);
    EXPECT_EQ(p1.TPCNumber, 820);
    EXPECT_TRUE(p1.word3rdDisp && p1.word4thDisp && p1.word5thDisp && p1.word6thDisp &&
                p1.word7thDisp && p1.word8thDisp);
    const int16_t pos[6][2] = {{p1.word3rdPosX, p1.word3rdPosY}, {p1.word4thPosX, p1.word4thPosY},
                               {p1.word5thPosX, p1.word5thPosY}, {p1.word6thPosX, p1.word6thPosY},
                               {p1.word7thPosX, p1.word7thPosY}, {p1.word8thPosX, p1.word8thPosY}};
    const int16_t want[6][2] = {{-10, -40}, {-40, 10}, {80, 80}, {0, 40}, {30, -70}, {-50, -100}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pos[i][0], want[i][0]) << "word " << i + 3;
        EXPECT_EQ(pos[i][1], want[i][1]) << "word " << i + 3;
    }
}

TEST_F(MorvekboyMoves, ElbowOpensItsComboOnlyWhenItConnects) {
    enter(211);
    p1.enableAction = true;
    act();
    EXPECT_FALSE(p1.TPC);
    EXPECT_FALSE(p1.enableAction);  // not targeting: locked

    p1.attackWasHit = 2;  // a guarded elbow also chains
    act();
    EXPECT_TRUE(p1.TPC);
    EXPECT_TRUE(p1.enableAction);
    EXPECT_EQ(p1.TPCNumber, 210);

    enter(214);
    act();
    EXPECT_FALSE(p1.TPC);
    EXPECT_FALSE(p1.tarGeting);
}

TEST_F(MorvekboyMoves, HitOrGuardLetsTheNextMoveBeTypedEarly) {
    for (int16_t pattern : {201, 541, 761, 812}) {
        for (int16_t outcome : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << "pattern " << pattern << " outcome " << outcome);
            enter(pattern);
            p1.enableAction = false;
            p1.attackWasHit = outcome;
            act();
            EXPECT_EQ(p1.enableAction, outcome != 0);
        }
    }
    // While the typing frame is up the elbow's later patterns leave the fighter free.
    enter(212);
    p1.tarGeting = true;
    p1.enableAction = true;
    act();
    EXPECT_TRUE(p1.enableAction);
}

TEST_F(MorvekboyMoves, SpinningPalmOffersAThirdWordOnAHit) {
    enter(240);
    act();
    EXPECT_FALSE(p1.TPC);
    p1.attackWasHit = 1;
    act();
    EXPECT_TRUE(p1.TPC);
    EXPECT_TRUE(p1.MultiTPC);
    EXPECT_TRUE(p1.word3rdDisp);
    EXPECT_EQ(p1.word3rdPosX, 30);
    EXPECT_EQ(p1.word3rdPosY, 30);
    EXPECT_EQ(p1.TPCNumber, 240);
    EXPECT_EQ(p1.spacornTimer, 10);

    enter(750);  // the rib punch takes the third word away again
    act();
    EXPECT_FALSE(p1.MultiTPC);
    EXPECT_FALSE(p1.word3rdDisp);
}

TEST_F(MorvekboyMoves, LaunchedFighterOffersARecoveryCombo) {
    enter(311);
    p1.upVector = 2;
    p1.fallVector = 1;
    p1.KBTimer = 5;  // just damaged
    act();
    EXPECT_EQ(p1.animPat, 311);
    EXPECT_FALSE(p1.TPC);

    p1.KBTimer = 0;  // still rising: the combo waits for the top of the flight
    act();
    EXPECT_EQ(p1.animPat, 311);
    EXPECT_FALSE(p1.TPC);

    p1.fallVector = 3;
    p1.KBTimer = 0;
    act();
    EXPECT_EQ(p1.animPat, 320);
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 310);

    enter(310);
    p1.TPC = false;
    p1.stunSwitch = 1;
    act();
    EXPECT_FALSE(p1.TPC);
}

TEST_F(MorvekboyMoves, RisingArtsSetTheirArcOnceThenDescend) {
    enter(261);
    act();
    EXPECT_EQ(p1.upVector, 10);
    EXPECT_EQ(p1.fallVector, 0);
    p1.upVector = 4;
    p1.fallVector = 5;
    act();  // the arc is not set again; falling now
    EXPECT_EQ(p1.animPat, 265);
    act();
    EXPECT_EQ(p1.posY, kGround + 3);

    enter(745);
    p1.dirStand = -1;
    p1.TPC = true;
    act();
    EXPECT_EQ(p1.upVector, 10);
    EXPECT_EQ(p1.slideVector, -3);
    EXPECT_FALSE(p1.TPC);
    EXPECT_EQ(timesPlayed(120), 1);
}

TEST_F(MorvekboyMoves, EachSoundPlaysOncePerPatternEntry) {
    // ホームランパンチ: 124 on the wind-up, 2 on the blow, over its whole run.
    moves().AttackSelect(game, p1, 14);
    for (int f = 0; f < 40 && !(f > 0 && p1.animPat == 0); ++f) frame();
    EXPECT_EQ(p1.animPat, 0);
    EXPECT_EQ(timesPlayed(kAtata2Voice), 1);
    EXPECT_EQ(timesPlayed(kSwingSound), 1);

    // Entering the pattern again plays it again.
    enter(200);
    act();
    act();
    EXPECT_EQ(timesPlayed(kAtata2Voice), 2);
}

TEST_F(MorvekboyMoves, PatternWithoutEntryOnlyRunsTheSuperArtMode) {
    for (int16_t pattern : {1, 22, 25, 80}) {
        SCOPED_TRACE(pattern);
        enter(pattern);
        p1.sPeed = 7;
        p1.sPeedEffect = 1;
        act();
        EXPECT_EQ(p1.posX, 300);
        EXPECT_EQ(p1.animPat, pattern);
        EXPECT_EQ(p1.sPeed, 3);
        EXPECT_EQ(p1.sPeedEffect, 0);
        EXPECT_EQ(soundsPlayed(), 0);
    }
}

// ---- projectiles -------------------------------------------------------------------------

class MorvekboyShots : public MorvekboyMoves {
protected:
    MorvekboyShots() {
        p1.Width = 200;
        p1.posY = 1000;
    }
    flyArts& launch(int16_t kind, int16_t facing, double posX = 300) {
        p1.dirStand = facing;
        p1.posX = posX;
        moves().FlyArtsLaunch(game, p1, kind);
        return lastShot();
    }
    void behave(flyArts& fa) { moves().FAMorfizm(game, p1, fa); }
};

TEST_F(MorvekboyShots, StunShotLeavesAheadOfTheBodyAndFlies) {
    flyArts& fa = launch(1, 1);
    EXPECT_TRUE(fa.Running);
    EXPECT_EQ(fa.FAType, 1);
    EXPECT_EQ(fa.posX, 440);
    EXPECT_EQ(fa.posY, 1085);
    EXPECT_EQ(fa.ATFleft, 440);
    EXPECT_EQ(fa.ATFright, 488);
    EXPECT_EQ(fa.ATFtop, 1085);
    EXPECT_EQ(fa.ATFbottom, 1133);
    EXPECT_EQ(fa.RunTimer, 120);
    EXPECT_EQ(fa.animPat, 5);
    EXPECT_EQ(fa.attackPow1st, 8);
    EXPECT_EQ(fa.attackPow2nd, 10);
    EXPECT_EQ(fa.stunPoint, 15);
    EXPECT_EQ(fa.eraseType, 2);
    EXPECT_TRUE(fa.Force);
    EXPECT_TRUE(fa.normalorEX);
    behave(fa);
    EXPECT_EQ(fa.ATFleft, 450);
    EXPECT_EQ(fa.ATFright, 498);
    EXPECT_EQ(fa.posX, 440);

    flyArts& left = launch(1, -1);
    EXPECT_EQ(left.posX, 360);
    EXPECT_EQ(left.ATFright, 360);
    EXPECT_EQ(left.ATFleft, 312);
    behave(left);
    EXPECT_EQ(left.ATFleft, 302);
    EXPECT_EQ(left.ATFright, 350);
}

TEST_F(MorvekboyShots, BeamReachesAcrossTheStageAndFollowsTheFighter) {
    flyArts& fa = launch(4, -1);
    EXPECT_EQ(fa.posX, 385);
    EXPECT_EQ(fa.ATFright, 385);
    EXPECT_EQ(fa.ATFleft, -913);
    EXPECT_EQ(fa.posY, 975);
    EXPECT_EQ(fa.ATFbottom, 975 + 198);
    EXPECT_EQ(fa.ATFvectorX, 5);
    EXPECT_EQ(fa.ATFvectorY, 1);
    EXPECT_EQ(fa.stRength, -1);
    EXPECT_EQ(fa.RunTimer, 4);
    EXPECT_EQ(fa.ATFtype, 7);
    EXPECT_TRUE(fa.spacornORnot);
    EXPECT_TRUE(fa.drawOnChara);

    flyArts& right = launch(4, 1);
    EXPECT_EQ(right.posX, 415);
    EXPECT_EQ(right.ATFleft, 415);
    EXPECT_EQ(right.ATFright, 415 + 598 + 700);

    p1.posY = 900;
    behave(right);
    EXPECT_EQ(right.ATFtop, 875);
    EXPECT_EQ(right.ATFbottom, 1075);
    EXPECT_EQ(right.ATFleft, 415);
}

TEST_F(MorvekboyShots, SpentShotsBurstAndTheBurstShotRearmsOnce) {
    flyArts& ground = launch(2, 1);
    EXPECT_EQ(ground.posX, 415);
    EXPECT_EQ(ground.posY, 1100);
    EXPECT_EQ(ground.ATFbottom, 1100 + 48 - 10);
    EXPECT_EQ(ground.attackPow1st, 20);
    behave(ground);
    EXPECT_EQ(ground.ATFleft, 430);
    ground.Force = false;
    behave(ground);
    EXPECT_EQ(ground.animPat, 35);
    EXPECT_EQ(ground.FAType, 0);
    behave(ground);
    EXPECT_EQ(ground.ATFleft, 445);  // moved in the frame it burst, then no more

    flyArts& burst = launch(6, 1);
    EXPECT_EQ(burst.posX, 440);
    EXPECT_EQ(burst.posY, 1060);
    EXPECT_EQ(burst.ATFright, 440 + 88);
    EXPECT_EQ(burst.ATFbottom, 1060 + 88);
    EXPECT_EQ(burst.attackPow2nd, 14);
    EXPECT_EQ(burst.ATEzoomX, 40);
    behave(burst);
    EXPECT_EQ(burst.ATFleft, 455);
    burst.Force = false;  // first contact
    behave(burst);
    EXPECT_TRUE(burst.Force);
    EXPECT_EQ(burst.FAType, 1);
    behave(burst);
    EXPECT_EQ(burst.ATFleft, 480);  // on at the ordinary shot's 10 a frame
    burst.Force = false;  // second contact
    behave(burst);
    EXPECT_EQ(burst.animPat, 35);
    EXPECT_EQ(burst.FAType, 0);
}

TEST_F(MorvekboyShots, FlashAndAuraCannotHitAndFollowTheFighter) {
    flyArts& flash = launch(3, -1);
    EXPECT_EQ(flash.posX, 500);
    EXPECT_EQ(flash.ATFleft, 302);
    EXPECT_FALSE(flash.Force);
    EXPECT_EQ(flash.eraseType, 1);
    p1.posY = 950;
    behave(flash);
    EXPECT_EQ(flash.ATFtop, 950);
    EXPECT_EQ(flash.ATFbottom, 1150);

    flyArts& aura = launch(5, 1);
    EXPECT_EQ(aura.posX, 350);
    EXPECT_EQ(aura.posY, 1000);
    EXPECT_FALSE(aura.Force);
    EXPECT_EQ(aura.RunTimer, 1000);
    p1.SPspacornTimer = 0.5f;
    p1.posX = 310.5;
    behave(aura);
    EXPECT_TRUE(aura.Running);
    EXPECT_EQ(aura.ATFleft, 330);
    EXPECT_EQ(aura.ATFright, 490);
    EXPECT_EQ(aura.ATFtop, 1000);
    EXPECT_EQ(aura.ATFbottom, 1150);
    p1.SPspacornTimer = 0;
    behave(aura);
    EXPECT_FALSE(aura.Running);
}

TEST_F(MorvekboyShots, AnimationHoldsLoopsAndEnds) {
    flyArts& fa = launch(1, 1);
    fa.animPat = 12;
    Rect r;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(fa.animPat, 12) << "drawn " << i;
        moves().FlyArtsAnimPat(game, p1, r, fa);
    }
    EXPECT_EQ(fa.animPat, 5);
    EXPECT_EQ(r, (Rect{1351, 51, 1399, 99}));

    fa.animPat = 54;
    fa.Width = 98;
    fa.animCounter = 0;
    for (int i = 0; i < 6; ++i) moves().FlyArtsAnimPat(game, p1, r, fa);
    EXPECT_EQ(fa.animPat, 50);

    for (int16_t last : {21, 39}) {
        fa.animPat = last;
        fa.Running = true;
        moves().FlyArtsAnimPat(game, p1, r, fa);
        EXPECT_FALSE(fa.Running) << last;
    }

    fa.Running = true;
    fa.animPat = 40;
    fa.animCounter = 1;
    Rect untouched{7, 7, 7, 7};
    moves().FlyArtsAnimPat(game, p1, untouched, fa);
    EXPECT_EQ(untouched, (Rect{7, 7, 7, 7}));
    EXPECT_EQ(fa.animPat, 40);
    EXPECT_EQ(fa.animCounter, 1);
    EXPECT_TRUE(fa.Running);
}

TEST_F(MorvekboyShots, ScriptLaunchesOncePerPatternEntry) {
    enter(582);
    act();
    act();
    act();
    EXPECT_EQ(p1.FANumber, 1);
    EXPECT_EQ(lastShot().FAType, 1);
    EXPECT_EQ(timesPlayed(kRattleSound), 1);

    enter(502);  // the beam's charge repeats silently
    act();
    act();
    enter(502);
    act();
    EXPECT_EQ(p1.FANumber, 3);
    EXPECT_EQ(lastShot().FAType, 3);
    EXPECT_EQ(soundsPlayed(), 1);

    enter(511);
    p1.fallVector = 2;
    act();
    EXPECT_EQ(lastShot().FAType, 4);
    EXPECT_EQ(timesPlayed(kMissileSound), 1);
    p1.fallVector = 2;
    act();
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.FANumber, 4);

    enter(665);
    act();
    act();
    EXPECT_EQ(p1.FANumber, 5);
    EXPECT_EQ(lastShot().FAType, 5);
}

// ---- a typed attack meeting the opponent -----------------------------------------------------

class MorvekboyContact : public MorvekboyMoves {
protected:
    /// A battle frame without input or physics: collisions, then drawing and scripts.
    void battleFrame() {
        collisionPhase(game, p1, p2);
        frame();
    }
};

TEST_F(MorvekboyContact, PunchLandsInTheFrameAfterItsBoxOpens) {
    place(p2, 400, -1, false);  // a passive computer (cpuLevel 0 never guards)
    moves().AttackSelect(game, p1, 25);
    int opened = -1, landed = -1;
    int16_t reaction = 0;
    for (int f = 0; f < 12; ++f) {
        battleFrame();
        if (opened < 0 && p1.ATFflag == 1) opened = f;
        if (landed < 0 && p2.sTate < 0) {
            landed = f;
            reaction = p2.animPat;
        }
    }
    ASSERT_GE(opened, 0);
    EXPECT_EQ(landed, opened + 1);
    EXPECT_EQ(p1.attackWasHit, 0);  // the punch has moved on to its recovery
    EXPECT_LT(p2.viTality, 254);
    EXPECT_EQ(reaction, 310);  // a launching blow
}

TEST_F(MorvekboyContact, CleanGrabTurnsIntoTheThrow) {
    place(p2, 370, -1, false);  // within the short reach of the grab
    moves().AttackSelect(game, p1, 22);
    ASSERT_EQ(p1.animPat, 590);
    bool threw = false;
    for (int f = 0; f < 20 && !threw; ++f) {
        battleFrame();
        threw = p1.animPat >= 600 && p1.animPat <= 603;
    }
    EXPECT_TRUE(threw);
    EXPECT_EQ(p2.viTality, 254);  // the grab itself does no damage
}

}  // namespace
