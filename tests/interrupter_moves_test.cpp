// INTERRUPTER's moves: the key map with its teleports and blinks for both facings, the
// typing-combo steps, and the action script's steps, attack frames and boss tricks.

#include "engine/DataTables.h"
#include "engine/Sound.h"
#include "interrupter_fixture.h"

namespace morvek::interrupter_test {
namespace {

class InterrupterMoves : public InterrupterTest {
protected:
    void attackKey(int16_t key) { moves().AttackSelect(game, p1, key); }
    void moveKey(int16_t key) { moves().MoveSelect(game, p1, key); }
    void word(int16_t combo, int16_t which) {
        p1.TPCNumber = combo;
        p1.inputKeyNum = which;
        moves().TPCFollow(game, p1);
    }
};

// ---- attack select ------------------------------------------------------------------

TEST_F(InterrupterMoves, UpperRowsTeleportToTheKeysColumn) {
    p1.posX = 500;
    attackKey(10);  // "0": the far column ahead
    EXPECT_EQ(p1.posY, kStand - 200);
    EXPECT_DOUBLE_EQ(p1.posX, 946);
    EXPECT_EQ(p1.animPat, 680);

    p1.dirStand = -1;
    p1.posX = 500;
    attackKey(1);
    EXPECT_DOUBLE_EQ(p1.posX, 54);
    p1.posX = 500;
    attackKey(10);
    EXPECT_DOUBLE_EQ(p1.posX, 628);

    p1.dirStand = -1;  // facing left, "Q" is the far column ahead
    p1.posX = 500;
    p1.posY = kStand;
    attackKey(11);
    EXPECT_EQ(p1.posY, kStand - 100);
    EXPECT_DOUBLE_EQ(p1.posX, 54);
    EXPECT_EQ(p1.animPat, 820);
}

TEST_F(InterrupterMoves, OwnColumnLiftsWithoutSidewaysMoveAndTopRowMiddleStaysPut) {
    p1.posX = 500;
    attackKey(3);
    EXPECT_EQ(p1.posY, kStand - 200);
    EXPECT_DOUBLE_EQ(p1.posX, 500);
    EXPECT_EQ(p1.animPat, 680);

    p1.posY = kStand;
    const int16_t inPlace[][3] = {{13, 1, 380}, {14, 1, 250}, {15, 1, 530},
                                  {18, -1, 380}, {17, -1, 250}, {16, -1, 530}};
    for (const auto& k : inPlace) {
        p1.dirStand = k[1];
        attackKey(k[0]);
        EXPECT_EQ(p1.animPat, k[2]) << k[0];
        EXPECT_EQ(p1.posY, kStand) << k[0];
        EXPECT_DOUBLE_EQ(p1.posX, 500) << k[0];
    }
}

TEST_F(InterrupterMoves, LowerRowsMirrorForTheFacing) {
    struct Case { int16_t key, facing; bool airborne; int16_t pattern, counter, facingAfter; };
    const Case cases[] = {
        {21, 1, false, 570, -9, 1},  {30, -1, false, 570, -9, -1}, {22, 1, false, 620, -9, 1},
        {24, 1, false, 500, -9, 1},  {27, -1, false, 500, -9, -1}, {26, 1, false, 650, -9, 1},
        {27, 1, false, 700, 2, 1},   {24, -1, false, 700, 2, -1},  {29, 1, false, 700, 4, 1},
        {30, 1, false, 550, -9, 1},  {21, -1, false, 550, -9, -1},
        {31, 1, false, 220, -9, -1}, {40, -1, false, 220, -9, 1},  {32, 1, false, 200, -9, -1},
        {34, 1, false, 200, -9, 1},  {34, 1, true, 210, -9, 1},    {35, 1, true, 230, -9, 1},
        {36, -1, true, 230, -9, -1}, {36, 1, false, 670, 0, 1},    {40, 1, false, 670, 4, 1},
        {31, -1, false, 670, 4, -1}, {39, -1, false, 200, -9, 1},
    };
    for (const Case& c : cases) {
        p1.animPat = 1;
        p1.counTer = -9;
        p1.dirStand = c.facing;
        p1.floatorStand = c.airborne;
        attackKey(c.key);
        EXPECT_EQ(p1.animPat, c.pattern) << c.key << " facing " << c.facing;
        EXPECT_EQ(p1.counTer, c.counter) << c.key;
        EXPECT_EQ(p1.dirStand, c.facingAfter) << c.key;
    }
}

TEST_F(InterrupterMoves, GuardKeysAndKeysOffTheGridDoNothing) {
    const int16_t none[][2] = {{23, 1}, {33, 1}, {28, -1}, {38, -1}, {0, 1}, {41, 1}};
    for (const auto& k : none) {
        p1.animPat = 1;
        p1.dirStand = k[1];
        attackKey(k[0]);
        EXPECT_EQ(p1.animPat, 1) << k[0];
        EXPECT_EQ(p1.dirStand, k[1]);
    }
}

// ---- movement select ----------------------------------------------------------------

TEST_F(InterrupterMoves, BottomRowBlinksToTheKeysColumn) {
    p1.posX = 500;
    moveKey(40);
    EXPECT_DOUBLE_EQ(p1.posX, 948);
    EXPECT_EQ(p1.posY, kStand - 50);
    EXPECT_EQ(p1.animPat, 140);
    EXPECT_EQ(timesPlayed(kWarpSound), 1);

    // The guard key's column: the blink happens on the spot.
    p1.posX = 500;
    p1.posY = kStand;
    moveKey(33);
    EXPECT_DOUBLE_EQ(p1.posX, 500);
    EXPECT_EQ(p1.posY, kStand - 50);
    EXPECT_EQ(p1.animPat, 140);
    EXPECT_EQ(timesPlayed(kWarpSound), 2);

    p1.dirStand = -1;
    p1.posX = 500;
    moveKey(31);
    EXPECT_DOUBLE_EQ(p1.posX, 52);
}

TEST_F(InterrupterMoves, MiddleRowBlinksForwardAndWalks) {
    p1.posX = 500;
    moveKey(27);  // J: four columns ahead
    EXPECT_DOUBLE_EQ(p1.posX, 756);
    EXPECT_EQ(p1.posY, kStand - 50);
    EXPECT_EQ(p1.animPat, 140);

    p1.dirStand = -1;
    p1.posX = 500;
    moveKey(25);  // G facing left: three columns ahead
    EXPECT_DOUBLE_EQ(p1.posX, 308);

    p1.slideVector = 0.5;
    moveKey(27);  // J facing left is the forward walk, without the push
    EXPECT_EQ(p1.animPat, 100);
    EXPECT_EQ(p1.counTer, 0);
    EXPECT_DOUBLE_EQ(p1.slideVector, 0.5);
    p1.dirStand = 1;
    moveKey(24);
    EXPECT_DOUBLE_EQ(p1.slideVector, 4);
    moveKey(22);
    EXPECT_EQ(p1.counTer, 1);
    moveKey(21);
    EXPECT_EQ(p1.animPat, 70);
    moveKey(25);
    EXPECT_EQ(p1.animPat, 90);
    moveKey(30);
    EXPECT_EQ(p1.animPat, 75);
}

TEST_F(InterrupterMoves, UpperRowsJumpAndSpendAnAirJump) {
    p1.airialJumpCount = 0;
    p1.upVector = 3;
    p1.fallVector = 4;
    moveKey(5);
    EXPECT_EQ(p1.posY, kStand - 200);
    EXPECT_EQ(timesPlayed(kWarpSound), 1);
    EXPECT_EQ(p1.animPat, 130);
    EXPECT_DOUBLE_EQ(p1.slideVector, 2);
    EXPECT_DOUBLE_EQ(p1.upVector, 3);
    EXPECT_DOUBLE_EQ(p1.fallVector, 4);

    p1.airialJumpCount = 2;
    p1.posY = kStand;
    moveKey(13);  // top row, own column: straight up, no lift
    EXPECT_EQ(p1.posY, kStand);
    EXPECT_EQ(p1.animPat, 150);
    EXPECT_DOUBLE_EQ(p1.upVector, 9);
    EXPECT_DOUBLE_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.airialJumpCount, 1);
    moveKey(1);
    EXPECT_DOUBLE_EQ(p1.upVector, 12);
    EXPECT_EQ(p1.animPat, 134);
    EXPECT_DOUBLE_EQ(p1.slideVector, -2);

    p1.dirStand = -1;
    moveKey(11);  // facing left "Q" is the far column ahead
    EXPECT_EQ(p1.animPat, 130);
    EXPECT_DOUBLE_EQ(p1.slideVector, -7);
}

// ---- typing combos ----------------------------------------------------------------------

TEST_F(InterrupterMoves, ComboWordsChooseTheFollowUp) {
    const int16_t steps[][3] = {{240, 1, 520}, {510, 5, 240}, {530, 1, 540}, {610, 1, 590},
                                {610, 3, 600}, {610, 4, 580}, {620, 1, 630}, {650, 1, 660},
                                {680, 1, 690}, {730, 1, 720}, {740, 1, 750}, {800, 1, 810},
                                {820, 1, 830}, {840, 1, 850}, {860, 1, 870}};
    for (const auto& s : steps) {
        p1.animPat = 1;
        word(s[0], s[1]);
        EXPECT_EQ(p1.animPat, s[2]) << s[0] << "/" << s[1];
    }
    p1.animPat = 1;
    word(610, 2);
    EXPECT_EQ(p1.animPat, 1);
    word(999, 1);
    EXPECT_EQ(p1.animPat, 1);
}

TEST_F(InterrupterMoves, SpiralWordsTeleportOnlyTheWayHeFaces) {
    p1.posX = 500;
    word(780, 3);  // facing right: word 3 only renews the stance
    EXPECT_EQ(p1.animPat, 780);
    EXPECT_DOUBLE_EQ(p1.posX, 500);
    EXPECT_EQ(timesPlayed(kWarpSound), 0);
    word(780, 4);
    EXPECT_DOUBLE_EQ(p1.posX, 600);
    EXPECT_EQ(timesPlayed(kWarpSound), 1);
    p1.dirStand = -1;
    word(780, 3);
    EXPECT_DOUBLE_EQ(p1.posX, 500);
    word(780, 1);
    EXPECT_EQ(p1.animPat, 790);
    EXPECT_EQ(timesPlayed(kWarpSound), 3);
}

TEST_F(InterrupterMoves, SecondWordBacksOffAndEndsTheAirRecovery) {
    p1.TPCNumber = 240;
    p1.upVector = 7;
    moves().TPCSecond(game, p1);
    EXPECT_EQ(p1.animPat, 70);
    EXPECT_DOUBLE_EQ(p1.upVector, 7);
    EXPECT_EQ(timesPlayed(kHaVoice), 0);

    p1.TPCNumber = 310;
    p1.fallVector = 6;
    moves().TPCSecond(game, p1);
    EXPECT_DOUBLE_EQ(p1.upVector, 5);
    EXPECT_DOUBLE_EQ(p1.fallVector, 0);
    EXPECT_EQ(timesPlayed(kHaVoice), 1);
    EXPECT_TRUE(p1.enableAction);  // back in control

    word(310, 1);
    EXPECT_EQ(p1.animPat, 710);
}

// ---- action script ------------------------------------------------------------------

TEST_F(InterrupterMoves, TheComputersGaugeFillsEveryFrame) {
    moves().AnimAction(game, p2, p1);
    moves().AnimAction(game, p2, p1);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 2);
    act();
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);
}

TEST_F(InterrupterMoves, DiveAttackFollowsTheFallSpeed) {
    enter(211);
    p1.fallVector = 40;
    p1.upVector = 10;
    act();
    EXPECT_EQ(p1.ATFflag, 1);
    EXPECT_EQ(p1.attackPow1st, 80);
    EXPECT_EQ(p1.ATFHitSound, 14);
    EXPECT_EQ(p1.ATEanimPat, 15);
    EXPECT_EQ(p1.ATEzoomX, 40);
    EXPECT_EQ(p1.ATFvectorY, -30);
    EXPECT_EQ(timesPlayed(kHaVoice), 1);

    p1.fallVector = 20;
    act();
    EXPECT_EQ(p1.attackPow1st, 20);
    EXPECT_EQ(p1.ATFHitSound, 11);
    EXPECT_EQ(p1.ATEanimPat, 10);
    EXPECT_EQ(timesPlayed(kHaVoice), 1);
}

TEST_F(InterrupterMoves, AttackFramesFacingEitherWay) {
    enter(221);  // "水面蹴り": box 30 ahead of the centre, 70 wide
    act();
    EXPECT_EQ(p1.ATFtype, 2);
    EXPECT_EQ(p1.ATFleft, 430);  // centre 399.5 + 30, rounded half to even
    EXPECT_EQ(p1.ATFright, 500);
    EXPECT_EQ(p1.ATFtop, kStand + 150);
    EXPECT_EQ(p1.attackPow1st, 20);
    EXPECT_EQ(p1.stunPoint, 5);

    p1.dirStand = -1;
    enter(571);  // "闇鎌" strikes behind him
    act();
    EXPECT_EQ(p1.ATFleft, 444);  // centre 403.5 after the step, box from 40 to 100 behind
    EXPECT_EQ(p1.ATFright, 504);
    EXPECT_DOUBLE_EQ(p1.posX, 304);
}

TEST_F(InterrupterMoves, ComboOpensOnlyAfterAHit) {
    enter(241);
    act();
    EXPECT_FALSE(p1.TPC);
    EXPECT_FALSE(p1.enableAction);
    p1.attackWasHit = 1;
    act();
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 240);
    EXPECT_TRUE(p1.enableAction);
    enter(243);
    act();
    EXPECT_FALSE(p1.TPC);
}

TEST_F(InterrupterMoves, KnockDownTeleportsAwayFromTheOpponent) {
    enter(370);
    act();
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 200);
    EXPECT_EQ(timesPlayed(kWarpSound), 1);
    p1.viTality = 0;
    enter(370);
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 200);
}

TEST_F(InterrupterMoves, MeteorStrikeLiftsOnlyAHeldOpponent) {
    p2.sTate = stStand;
    enter(641);
    act();
    EXPECT_EQ(p1.animPat, 0);
    EXPECT_EQ(p2.posY, kStand);

    enter(641);
    p2.sTate = -30;
    act();
    EXPECT_EQ(p1.posY, -300);
    EXPECT_EQ(p2.posY, -300);
    EXPECT_EQ(p2.animPat, 420);
    EXPECT_EQ(p1.counTer, 0);
    EXPECT_EQ(timesPlayed(kWarpSound), 1);
}

TEST_F(InterrupterMoves, MeteorSlamBouncesTwiceThenEnds) {
    enter(642);
    p1.posY = 1000;
    p1.counTer = 0;
    act();  // still high: only gravity
    EXPECT_DOUBLE_EQ(p1.fallVector, 0.21);
    EXPECT_DOUBLE_EQ(p2.fallVector, 0.21);
    EXPECT_EQ(p1.ATFflag, 0);

    p1.posY = 1700;
    act();  // the silent first bounce
    EXPECT_EQ(p1.ATFflag, 1);
    EXPECT_EQ(p1.counTer, 1);
    EXPECT_DOUBLE_EQ(p1.upVector, 5);
    EXPECT_DOUBLE_EQ(p2.upVector, 8);
    EXPECT_DOUBLE_EQ(p1.fallVector, 0);
    EXPECT_EQ(timesPlayed(kHeavyBlowSound), 0);
    act();  // the second impact with its sound, then the landing pose
    EXPECT_EQ(timesPlayed(kHeavyBlowSound), 1);
    EXPECT_EQ(p1.animPat, 150);
}

TEST_F(InterrupterMoves, CannonadeFiresItsPairOnlyOnTheSoundFrame) {
    enter(580);
    p1.spacornTimer = 5;
    act();
    act();
    EXPECT_EQ(running(p1), 2);
    EXPECT_EQ(p1.animPat, 580);
    p1.spacornTimer = 0;
    act();
    EXPECT_EQ(p1.animPat, 613);
    EXPECT_EQ(running(p1), 2);
}

TEST_F(InterrupterMoves, BarrierHangsAndPushesTowardTheOpponentsFeet) {
    enter(710);
    p1.posY = kStand - 100;
    p1.upVector = 4;
    p1.fallVector = 2;
    act();
    act();
    EXPECT_EQ(p1.ATFvectorY, -15);
    EXPECT_EQ(p1.ATFvectorX, 30);
    EXPECT_TRUE(p1.normalorEX);
    EXPECT_EQ(running(p1), 1);
    EXPECT_EQ(lastShot(p1).FAType, 11);
    EXPECT_DOUBLE_EQ(p1.upVector, 0);
    EXPECT_DOUBLE_EQ(p1.fallVector, 0);
    p1.posY = kStand;
    act();
    EXPECT_EQ(p1.ATFvectorY, 15);
}

TEST_F(InterrupterMoves, SpiralStrikesFromTheSideHeIsOn) {
    enter(780);
    p1.posX = 700;  // right of the opponent while facing right
    act();
    EXPECT_EQ(p1.dirStand, -1);
    EXPECT_EQ(p1.animPat, 770);
    EXPECT_EQ(p1.posY, kStand + 50);
    EXPECT_EQ(p1.TPCNumber, 780);
    EXPECT_TRUE(p1.word3rdDisp);
    EXPECT_EQ(p1.word3rdPosX, 30);

    enter(780);  // facing left, still right of it
    act();
    EXPECT_EQ(p1.animPat, 760);
    enter(780);
    p1.posX = 100;
    act();
    EXPECT_EQ(p1.dirStand, 1);
    EXPECT_EQ(p1.animPat, 770);
}

TEST_F(InterrupterMoves, GoumaFuujinkenCatchesOnlyOnTheGround) {
    enter(871);
    p2.floatorStand = true;
    act();
    EXPECT_EQ(p1.ATFflag, 0);
    p2.floatorStand = false;
    act();
    EXPECT_EQ(p1.ATFflag, 1);
    EXPECT_EQ(p1.ATFtype, 5);
}

TEST_F(InterrupterMoves, GoumaFuujinkenFreezesBeforeAFinishingBlow) {
    auto caught = [&](int16_t defence, double vitality) {
        enter(871);
        p1.posX = 300;
        p1.attackWasHit = 1;
        p2.sTate = -30;
        p2.difensiBle = defence;
        p2.viTality = vitality;
        act();
    };
    caught(0, 254);  // threshold 256: always the freeze
    EXPECT_EQ(p1.animPat, 879);
    EXPECT_EQ(p1.ABSStop, 500);
    EXPECT_EQ(countAudio(AudioEvent::StopMusic), 1);
    EXPECT_DOUBLE_EQ(p1.posX, 340);

    caught(4, 136);  // threshold held at 135
    EXPECT_EQ(p1.animPat, 876);
    caught(4, 135);
    EXPECT_EQ(p1.animPat, 879);
    caught(2, 187);  // 256 - 70
    EXPECT_EQ(p1.animPat, 876);
}

TEST_F(InterrupterMoves, FinishingPoseRestartsTheTuneEveryFrame) {
    for (int i = 0; i < 18; ++i) platform.loadMusic(i, "tune.mid");
    enter(884);
    p2.viTality = 0;
    act();
    act();
    act();
    EXPECT_EQ(countAudio(AudioEvent::PlayMusic), 3);
    EXPECT_EQ(p1.animPat, 884);
    p2.viTality = 10;
    act();
    EXPECT_EQ(p1.animPat, 0);
}

}  // namespace
}  // namespace morvek::interrupter_test
