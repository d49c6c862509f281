// NANGIEF's moves: the key map of the selects, the typing-combo steps, the action script's
// steps, attack frames, grabs, holds, screw spins and slams, and the super arts' waves.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "moveset_fixture.h"

#include "battle/Character.h"
#include "battle/Dispatch.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "engine/DataTables.h"
#include "game/Game.h"
#include "battle/MoveSet.h"
#include "platform/HeadlessPlatform.h"
#include "platform/Keys.h"
#include "platform/Surface8.h"

using namespace morvek;

namespace {

constexpr int16_t kStand = kGroundLine - 70;  // NANGIEF's feet margin is 70

class NangiefMoves : public moveset_test::MoveSetTest {
protected:
    NangiefMoves() : MoveSetTest({.number = 2, .name = "nangief", .x1 = 300, .x2 = 600}) {}

    MoveSet& moves() { return moveSet(); }
    /// Starts a pattern and draws it once, as the frame does before the script runs.
    void enter(int16_t pattern) { startShown(pattern); }
    void act() { runAction(); }
    int runningShots() const { return running(p1); }
};

// ---- attack select ----------------------------------------------------------------------

struct SelectCase {
    int16_t key, facing;
    bool airborne;
    int16_t jumps;
    int16_t pattern;  // 0: nothing selected
    int16_t facingAfter;
    double slide;     // 0.5: untouched
    int16_t counter;  // -99: untouched
    double up;        // 2: untouched
};

const SelectCase kAttackCases[] = {
    // number and top rows: the catching jump, launch speed only with a jump left
    {1, 1, false, 0, 260, 1, -4, -99, 2},     {1, 1, false, 1, 260, 1, -4, -99, 10},
    {10, 1, false, 1, 260, 1, 10, -99, 10},   {10, -1, false, 1, 260, -1, 4, -99, 10},
    {16, 1, false, 1, 260, 1, 6, -99, 7},     {12, 1, false, 1, 260, 1, -2, -99, 7},
    {3, 1, false, 1, 530, 1, 0.5, -99, 5},    {15, 1, false, 1, 530, 1, 4, -99, 2},
    {13, 1, false, 1, 380, 1, 0.5, -99, 2},   {14, 1, false, 1, 200, 1, 0.5, -99, 2},
    {17, -1, false, 1, 200, -1, 0.5, -99, 2},
    // home row
    {21, 1, false, 1, 640, 1, 0.5, -99, 2},   {22, 1, false, 1, 590, 1, 0.5, -99, 2},
    {23, 1, false, 1, 0, 1, 0.5, -99, 2},     {24, 1, false, 1, 240, 1, 0.5, -99, 2},
    {27, -1, false, 1, 240, -1, 0.5, -99, 2}, {28, -1, false, 1, 0, -1, 0.5, -99, 2},
    {23, -1, false, 1, 650, -1, 0.5, 2, 2},   {25, 1, false, 1, 210, 1, 0.5, -99, 2},
    {26, 1, false, 1, 20, 1, 0.5, -99, 2},    {27, 1, false, 1, 650, 1, 0.5, 0, 2},
    {30, 1, false, 1, 650, 1, 0.5, 6, 2},
    // bottom row: turn-around attacks, body press in the air
    {31, 1, false, 1, 250, -1, 0.5, -99, 2},  {31, 1, true, 1, 220, -1, -5, -99, 3},
    {32, 1, false, 1, 270, -1, 0.5, -99, 2},  {32, 1, true, 1, 220, -1, -4, -99, 3},
    {33, 1, false, 1, 0, 1, 0.5, -99, 2},     {34, 1, false, 1, 270, 1, 0.5, -99, 2},
    {34, 1, true, 1, 220, 1, 4, -99, 3},      {35, 1, true, 1, 220, 1, 5, -99, 3},
    {36, 1, false, 1, 220, 1, 6, -99, 3},     {40, 1, false, 1, 220, 1, 10, -99, 3},
    {40, -1, false, 1, 250, 1, 0.5, -99, 2},  {31, -1, false, 1, 220, -1, -10, -99, 3},
    // keys off the grid
    {0, 1, false, 1, 0, 1, 0.5, -99, 2},      {41, 1, false, 1, 0, 1, 0.5, -99, 2},
};

TEST_F(NangiefMoves, AttackSelectFollowsTheKeyMapMirroredByFacing) {
    for (const SelectCase& k : kAttackCases) {
        SCOPED_TRACE(testing::Message() << "key " << k.key << " facing " << k.facing
                                        << (k.airborne ? " airborne" : ""));
        animChange(game, 0, p1);
        p1.posY = kStand;
        p1.dirStand = k.facing;
        p1.floatorStand = k.airborne;
        p1.airialJumpCount = k.jumps;
        p1.slideVector = 0.5;
        p1.counTer = -99;
        p1.upVector = 2;
        p1.fallVector = 3;
        moves().AttackSelect(game, p1, k.key);
        EXPECT_EQ(p1.animPat, k.pattern);
        EXPECT_EQ(p1.dirStand, k.facingAfter);
        EXPECT_EQ(p1.slideVector, k.slide);
        EXPECT_EQ(p1.counTer, k.counter);
        EXPECT_EQ(p1.upVector, k.up);
        const bool jumped = k.pattern == 260 && k.jumps > 0;
        EXPECT_EQ(p1.fallVector, jumped ? 0 : 3);
        EXPECT_EQ(p1.airialJumpCount, jumped ? 0 : k.jumps);
        EXPECT_EQ(p1.posY, k.pattern == 530 ? kStand - 10 : kStand);
    }
}

TEST_F(NangiefMoves, DynamiteIsTheExArtOnlyWithLeftShiftAndTheCost) {
    p1.spacornGauge = 150;  // EX cost 100
    moves().AttackSelect(game, p1, 26);
    EXPECT_EQ(p1.animPat, 20);
    platform.holdKeysForPresents({key::LeftShift}, 0, 1000);
    moves().AttackSelect(game, p1, 26);
    EXPECT_EQ(p1.animPat, 540);
    EXPECT_EQ(p1.spacornGauge, 50);
}

// ---- movement select --------------------------------------------------------------------

struct MoveCase {
    int16_t key, facing, jumps, pattern;
    double slide;      // 0.5: untouched
    int16_t counter;   // -99: untouched
    int16_t walkBack;  // 7: untouched
    double up;         // 2: untouched
};

const MoveCase kMoveCases[] = {
    {3, 1, 1, 150, 0, -99, 7, 14},     {3, 1, 0, 150, 0, -99, 7, 2},
    {8, -1, 1, 150, 0, -99, 7, 14},    {1, 1, 1, 130, -2, -99, 7, 14},
    {10, 1, 1, 130, 7, -99, 7, 14},    {11, 1, 1, 130, -2, -99, 7, 8},
    {20, -1, 1, 130, 2, -99, 7, 8},    {21, 1, 1, 70, -10, -99, 7, 2},
    {22, 1, 1, 100, 0.5, -10, 1, 2},   {23, 1, 1, 0, 0.5, -99, 7, 2},
    {24, 1, 1, 100, 0.5, 10, 0, 2},    {27, -1, 1, 100, 0.5, 10, 0, 2},
    {25, 1, 1, 75, 5, -99, 7, 2},      {29, 1, 1, 75, 9, -99, 7, 2},
    {30, 1, 1, 90, 0.5, 10, 7, 2},     {31, 1, 1, 70, -10, -99, 7, 2},
    {32, 1, 1, 70, -8, -99, 7, 2},     {33, 1, 1, 70, 0, -99, 7, 2},
    {34, 1, 1, 70, 8, -99, 7, 2},      {40, 1, 1, 70, 20, -99, 7, 2},
    // facing left the bottom row has its own, shorter hops
    {31, -1, 1, 70, -10, -99, 7, 2},   {34, -1, 1, 70, -7, -99, 7, 2},
    {38, -1, 1, 70, 0, -99, 7, 2},     {40, -1, 1, 70, 5, -99, 7, 2},
    {0, 1, 1, 0, 0.5, -99, 7, 2},
};

TEST_F(NangiefMoves, MoveSelectJumpsHopsWalksAndDashes) {
    for (const MoveCase& k : kMoveCases) {
        SCOPED_TRACE(testing::Message() << "key " << k.key << " facing " << k.facing);
        animChange(game, 0, p1);
        p1.dirStand = k.facing;
        p1.airialJumpCount = k.jumps;
        p1.slideVector = 0.5;
        p1.counTer = -99;
        p1.AorMflag = 7;
        p1.upVector = 2;
        moves().MoveSelect(game, p1, k.key);
        EXPECT_EQ(p1.animPat, k.pattern);
        EXPECT_EQ(p1.slideVector, k.slide);
        EXPECT_EQ(p1.counTer, k.counter);
        EXPECT_EQ(p1.AorMflag, k.walkBack);
        EXPECT_EQ(p1.upVector, k.up);
    }
}

// ---- typing-combo steps ------------------------------------------------------------------

TEST_F(NangiefMoves, FollowUpWordsByComboNumberAlone) {
    const int16_t cases[][2] = {{240, 740}, {500, 670}, {630, 610}, {730, 720}, {800, 810}, {999, 1}};
    for (const auto& k : cases) {
        for (int16_t word : {1, 5}) {
            SCOPED_TRACE(testing::Message() << "combo " << k[0] << " word " << word);
            animChange(game, 1, p1);
            p1.enableAction = true;
            p1.TPCNumber = k[0];
            p1.inputKeyNum = word;
            moves().TPCFollow(game, p1);
            EXPECT_EQ(p1.animPat, k[1]);
            EXPECT_FALSE(p1.enableAction);
        }
    }
}

TEST_F(NangiefMoves, SecondWordHopsBackOrRecoversFromTheAirHit) {
    p1.TPCNumber = 730;
    p1.dirStand = -1;
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_EQ(p1.slideVector, 10);  // backward while facing left
    EXPECT_EQ(timesPlayed(kNangiefVoice), 0);

    p1.TPCNumber = 310;
    p1.fallVector = 6;
    p1.slideVector = 3;
    moves().TPCSecond(game, p1);
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_EQ(p1.upVector, 5);
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.slideVector, 3);
    EXPECT_EQ(timesPlayed(kNangiefVoice), 2);  // every time, not once per pattern
}

// ---- ordinary patterns -------------------------------------------------------------------

TEST_F(NangiefMoves, PunchRecoilStepsBack32ThenTwo) {
    for (int16_t pattern : {25, 545}) {
        for (int16_t facing : {1, -1}) {
            SCOPED_TRACE(testing::Message() << pattern << " facing " << facing);
            p1.dirStand = facing;
            p1.posX = 300;
            enter(pattern);
            act();
            EXPECT_EQ(p1.posX, 300 - 32 * facing);
            act();
            EXPECT_EQ(p1.posX, 300 - 34 * facing);
        }
    }
}

struct BoxCase {
    int16_t pattern, facing, left, right, top, type, sound, gardable, pow1, pow3;
};
// Fighter at posX 300, Width 300: body centre 450.
const BoxCase kBoxes[] = {
    {23, 1, 480, 580, 100, 2, 17, 0, 20, 15},   {23, -1, 320, 420, 100, 2, 17, 0, 20, 15},
    {251, 1, 450, 580, 220, 2, 19, 1, 20, 3},   {251, -1, 320, 450, 220, 2, 19, 1, 20, 3},
    {642, 1, 330, 570, 80, 2, 14, 0, 24, 1},    {642, -1, 330, 570, 80, 2, 14, 0, 24, 1},
    {721, 1, 320, 720, -100, 5, 50, 5, 0, 0},   {741, -1, 350, 430, 100, 5, 48, 5, 0, 0},
    {850, 1, 350, 550, 100, 2, 17, 5, 15, 60},  {532, -1, 390, 450, 100, 2, 14, 0, 5, 1},
};

TEST_F(NangiefMoves, AttackFramesLieByTheTableInBothFacings) {
    for (const BoxCase& k : kBoxes) {
        SCOPED_TRACE(testing::Message() << k.pattern << " facing " << k.facing);
        p1.posX = 300;
        p1.posY = kStand;
        p1.dirStand = k.facing;
        enter(k.pattern);
        act();
        EXPECT_EQ(p1.ATFflag, 1);
        EXPECT_EQ(p1.ATFleft, k.left);
        EXPECT_EQ(p1.ATFright, k.right);
        EXPECT_EQ(p1.ATFtop, kStand + k.top);
        EXPECT_EQ(p1.ATFtype, k.type);
        EXPECT_EQ(p1.ATFHitSound, k.sound);
        EXPECT_EQ(p1.gardableType, k.gardable);
        EXPECT_EQ(p1.attackPow1st, k.pow1);
        EXPECT_EQ(p1.attackPow3rd, k.pow3);
    }
}

TEST_F(NangiefMoves, TargetGrabFollowsTheTypingCursor) {
    p1.targetX = 100;
    p1.targetY = 20;
    enter(611);
    act();  // boxX 100 - 125 = -25
    EXPECT_EQ(p1.ATFleft, 425);
    EXPECT_EQ(p1.ATFright, 535);
    EXPECT_EQ(p1.ATFtop, kStand + 50);
    p1.dirStand = -1;
    enter(611);
    act();  // boxX 75 - 100 = -25, mirrored
    EXPECT_EQ(p1.ATFleft, 365);
    EXPECT_EQ(p1.ATFright, 475);
}

TEST_F(NangiefMoves, LariatCountsItsSpinsAndBodyPressLands) {
    enter(640);
    act();
    EXPECT_EQ(p1.counTer, 8);
    enter(644);
    act();
    act();
    EXPECT_EQ(p1.counTer, 6);

    p1.posY = 1500;
    enter(220);
    p1.upVector = 5;
    p1.fallVector = 4;
    act();
    EXPECT_EQ(p1.animPat, 220);
    p1.fallVector = 6;
    act();
    EXPECT_EQ(p1.animPat, 221);
    show(p1);
    act();
    EXPECT_EQ(p1.animPat, 221);
    EXPECT_EQ(timesPlayed(kUryaaVoice), 1);
    p1.posY = kStand;
    act();
    EXPECT_EQ(p1.animPat, 222);
}

TEST_F(NangiefMoves, AirHitOffersTheRecoveryComboPastTheTop) {
    enter(311);
    p1.upVector = 5;
    p1.fallVector = 3;
    act();
    EXPECT_EQ(p1.animPat, 311);
    p1.fallVector = 6;
    act();
    EXPECT_EQ(p1.animPat, 320);
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 310);

    p1.TPC = false;
    p1.TPCNumber = 0;
    p1.KBTimer = 4;  // still knocked back: no combo
    enter(312);
    act();
    EXPECT_EQ(p1.animPat, 320);
    EXPECT_FALSE(p1.TPC);
}

// ---- grabs and throws --------------------------------------------------------------------

TEST_F(NangiefMoves, CatchOnlyReachesAnAirborneOpponentAndFallingWins) {
    enter(262);
    p1.upVector = 10;
    p1.fallVector = 2;
    act();
    EXPECT_EQ(p1.ATFflag, 0);  // opponent on the ground: no box
    p2.floatorStand = true;
    act();
    EXPECT_EQ(p1.ATFflag, 1);
    EXPECT_EQ(p1.attackPow1st + p1.attackPow2nd + p1.attackPow3rd + p1.stunPoint, 0);
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.animPat, 780);  // still rising: caught

    enter(672);
    p1.attackWasHit = 1;
    p1.fallVector = 12;  // past the top: the falling pose wins
    act();
    EXPECT_EQ(p1.animPat, 135);
    EXPECT_EQ(p1.posY, kStand - 10);
}

TEST_F(NangiefMoves, BackdropTurnsTheFighterAroundOnContact) {
    enter(590);
    p1.attackWasHit = 2;  // guarded
    act();
    EXPECT_EQ(p1.animPat, 590);
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.animPat, 600);
    EXPECT_EQ(p1.dirStand, -1);
    show(p1);
    act();  // held 30 behind along the new facing
    EXPECT_EQ(p2.posX, 330);
    EXPECT_EQ(p2.posY, kStand + 30 - 70);
    enter(601);
    act();
    EXPECT_EQ(p2.posX, 200);
    EXPECT_EQ(p2.animPat, 420);
    p2.animTimer = 3;
    act();
    EXPECT_EQ(p2.animTimer, 0);  // restarted every frame
}

TEST_F(NangiefMoves, ScrewGrabNeedsTheHeldStateThenLiftsBoth) {
    enter(741);
    p1.attackWasHit = 1;
    p2.sTate = stHit;
    act();
    EXPECT_EQ(p1.animPat, 741);
    p2.sTate = -30;
    p1.fallVector = 0.5;
    act();
    EXPECT_EQ(p1.animPat, 750);
    EXPECT_EQ(p1.posY, kStand - 10);
    EXPECT_EQ(p1.upVector, 15);
    EXPECT_EQ(p2.upVector, 15);
    EXPECT_EQ(p2.fallVector, 0.5);
    EXPECT_EQ(p2.posX, 300);  // centred on the fighter
    EXPECT_EQ(p2.posY, kStand - 10);

    enter(721);
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.animPat, 750);
    EXPECT_EQ(p2.animPat, 410);
}

TEST_F(NangiefMoves, SpinCirclesTheOpponentAndEndsInTheScrewSlam) {
    p2.posX = 501;  // spin centre 501 + 150 - 150
    const int16_t around[4] = {0, 50, 0, -50};
    for (int16_t k = 0; k < 4; ++k) {
        enter(static_cast<int16_t>(760 + k));
        p1.posY = 1400;
        p1.fallVector = 1;
        p1.upVector = 4;
        act();
        EXPECT_EQ(p1.posX, 501 + around[k]);
        EXPECT_EQ(p1.fallVector, 2);
        EXPECT_EQ(p2.fallVector, 2);
        EXPECT_EQ(p2.upVector, 4);
    }
    for (const char* name : {"ブラックホールスクリュー", "セクハラスクリュー"}) {
        SCOPED_TRACE(name);
        enter(762);
        p1.artsName = name;
        p1.posY = 1601;
        act();
        EXPECT_EQ(p1.animPat, 770);
        EXPECT_EQ(p1.posY, 1600);
        EXPECT_EQ(p1.upVector, 3);
        EXPECT_EQ(p1.fallVector, 0);
        EXPECT_EQ(p1.ATFflag, 1);
        const bool super = std::string(name) == "ブラックホールスクリュー";
        EXPECT_EQ(p1.attackPow3rd, super ? 50 : 30);
        EXPECT_EQ(p1.spacornPoint, super ? 0 : 40);
        EXPECT_EQ(p1.spacornHit, super);
    }
}

TEST_F(NangiefMoves, RisingSpinsHandOverAtTheTop) {
    enter(750);
    p1.upVector = 10;
    p1.fallVector = 11;
    act();
    EXPECT_EQ(p1.animPat, 760);
    EXPECT_EQ(p2.animPat, 420);
    EXPECT_EQ(timesPlayed(kSwingSound), 1);

    p2.TPC = true;
    p2.enableAction = true;
    enter(831);
    p1.upVector = 10;
    p1.fallVector = 5;
    act();
    EXPECT_DOUBLE_EQ(p1.fallVector, 5.3);
    EXPECT_FALSE(p2.enableAction);
    EXPECT_TRUE(p2.TPC);
    p1.fallVector = 10;
    act();
    EXPECT_EQ(p1.animPat, 840);
    EXPECT_FALSE(p2.TPC);

    enter(842);
    p1.posY = kStand;
    p1.fallVector = 5;
    act();
    EXPECT_EQ(p1.animPat, 850);
    EXPECT_EQ(p1.upVector, 3);
    EXPECT_EQ(p1.fallVector, 0);
}

TEST_F(NangiefMoves, BackdropSlamByStateAndName) {
    struct Case {
        const char* name;
        bool airborne;
        int16_t type, pow1;
        bool spHit;
    };
    const Case cases[] = {
        {"スーパーナイスキャッチ", false, 7, 30, true},
        {"バックドロップ", false, 2, 30, false},
        {"スーパーナイスキャッチ", true, 2, 0, false},
    };
    for (const Case& k : cases) {
        enter(602);
        p1.artsName = k.name;
        p1.floatorStand = k.airborne;
        act();
        EXPECT_EQ(p1.ATFtype, k.type);
        EXPECT_EQ(p1.attackPow1st, k.pow1);
        EXPECT_EQ(p1.spacornHit, k.spHit);
    }
}

TEST_F(NangiefMoves, FinalSlamSendsTheOpponentFlyingEveryFrame) {
    p2.posY = kStand;
    enter(850);
    act();
    act();
    EXPECT_EQ(p1.ATFflag, 1);
    EXPECT_EQ(p2.animPat, 310);
    EXPECT_EQ(p2.posY, kStand - 20);
}

TEST_F(NangiefMoves, CatchHeldOverheadFallsHeavierAndSlamsOnLanding) {
    p1.posY = 1500;
    enter(512);
    p1.fallVector = 1;
    act();
    EXPECT_DOUBLE_EQ(p1.fallVector, 1.8);
    EXPECT_EQ(p2.posX, 300);
    EXPECT_EQ(p2.posY, 1500 + 30 - 70);
    EXPECT_EQ(p1.animPat, 512);
    p1.posY = kStand;
    act();
    EXPECT_EQ(p1.animPat, 520);
}

// ---- super arts and their waves -----------------------------------------------------------

TEST_F(NangiefMoves, FirstSuperArtLeavesTwoSmallWavesOnce) {
    p1.targetX = 74;
    p1.targetY = 60;
    p1.TPC = true;
    enter(630);
    act();
    act();
    EXPECT_EQ(runningShots(), 2);
    EXPECT_FALSE(p1.TPC);
    EXPECT_EQ(timesPlayed(kPowerSound), 1);

    const flyArts& atTarget = p1.flyArtsAt(p1.FANumber);
    const flyArts& atFeet = p1.flyArtsAt(p1.FANumber - 1);
    EXPECT_EQ(atFeet.FAType, 1);
    EXPECT_EQ(atFeet.animPat, 40);
    EXPECT_EQ(atFeet.RunTimer, 15);
    EXPECT_FALSE(atFeet.Force);
    EXPECT_EQ(atFeet.stRength, -1);
    EXPECT_EQ(atFeet.ATFleft, 435);
    EXPECT_EQ(atFeet.ATFright, 483);
    EXPECT_EQ(atFeet.ATFtop, kStand + 138);
    EXPECT_EQ(atFeet.ATFbottom, kStand + 186);
    EXPECT_EQ(atTarget.FAType, 3);
    EXPECT_EQ(atTarget.animPat, 35);
    EXPECT_EQ(atTarget.posX, 424);
    EXPECT_EQ(atTarget.posY, kStand + 127);  // 60 + 66.7, rounded

    // Both stand still and are gone after 15 frames.
    Surface8 sheet(8, 8);
    for (int f = 0; f < 14; ++f) p1.drawFlyArts(game, sheet);
    EXPECT_EQ(runningShots(), 2);
    EXPECT_EQ(atFeet.ATFleft, 435);
    p1.drawFlyArts(game, sheet);
    EXPECT_EQ(runningShots(), 0);
}

TEST_F(NangiefMoves, WavesFacingLeftAndTheHugeWave) {
    p1.dirStand = -1;
    moves().FlyArtsLaunch(game, p1, 1);
    const flyArts& small = p1.flyArtsAt(p1.FANumber);
    EXPECT_EQ(small.posX, 465);
    EXPECT_EQ(small.ATFleft, 417);
    EXPECT_EQ(small.ATFright, 465);

    p1.dirStand = 1;
    enter(732);
    act();
    const flyArts& huge = p1.flyArtsAt(p1.FANumber);
    EXPECT_EQ(huge.FAType, 5);
    EXPECT_EQ(huge.RunTimer, 35);
    EXPECT_EQ(huge.posY, kStand - 191);
    EXPECT_EQ(huge.ATFright - huge.ATFleft, 548);
    EXPECT_EQ(huge.ATFbottom - huge.ATFtop, 548);
    EXPECT_TRUE(p1.TPC);
    EXPECT_TRUE(p1.tarGeting);
}

TEST_F(NangiefMoves, WaveAnimationCyclesFourPictures) {
    moves().FlyArtsLaunch(game, p1, 2);
    flyArts& fa = p1.flyArtsAt(p1.FANumber);
    const int16_t lefts[] = {601, 751, 601, 751};
    const int16_t tops[] = {2101, 2101, 2251, 2251};
    for (int picture = 0; picture < 8; ++picture) {
        for (int shown = 0; shown < 3; ++shown) {
            Rect r;
            moves().FlyArtsAnimPat(game, p1, r, fa);
            EXPECT_EQ(r.left, lefts[picture % 4]);
            EXPECT_EQ(r.top, tops[picture % 4]);
            EXPECT_EQ(r.right, r.left + 148);
        }
    }
    EXPECT_EQ(fa.animPat, 40);
}

}  // namespace
