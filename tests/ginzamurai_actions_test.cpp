// GINZAMURAI's action script: the attack frames (both facings), launches, combo openings
// and closings, the air-hit recovery, the turn-about slash, and the clone, whose servant
// runs only the attack-frame part.

#include "ginzamurai_fixture.h"

#include "battle/Servants.h"
#include "engine/DataTables.h"

namespace morvek::ginzamurai_test {
namespace {

using GinzamuraiActions = GinzamuraiTest;

constexpr int16_t kTop = kGroundLine - 70;  // posY of a standing GINZAMURAI
constexpr int16_t kCentre = 300 + 150;      // player 1's body centre (scroll 0)

TEST_F(GinzamuraiActions, SlashFrameIsPlacedFromTheCentreInBothFacings) {
    enter(21);
    act();
    EXPECT_EQ(p1.ATFtype, 3);
    EXPECT_EQ(p1.ATFleft, kCentre);
    EXPECT_EQ(p1.ATFright, kCentre + 280);
    EXPECT_EQ(p1.ATFtop, kTop + 120);
    EXPECT_EQ(p1.ATFbottom, kTop + 245);
    EXPECT_EQ(p1.attackPow1st, 15);
    EXPECT_EQ(p1.stunPoint, 8);
    EXPECT_EQ(p1.spacornPoint, 17);
    EXPECT_FALSE(p1.normalorEX);
    EXPECT_FALSE(p1.spacornHit);

    p1.dirStand = -1;
    enter(21);
    act();
    EXPECT_EQ(p1.ATFleft, kCentre - 280);
    EXPECT_EQ(p1.ATFright, kCentre);
}

TEST_F(GinzamuraiActions, NegativeBoxStartsBehindTheCentre) {
    // 燕返し steps 15 forward before its frame opens.
    enter(201);
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 315);
    EXPECT_EQ(p1.ATFtype, 8);
    EXPECT_EQ(p1.ATFleft, kCentre + 15 - 40);
    EXPECT_EQ(p1.ATFright, kCentre + 15 + 110);
    p1.dirStand = -1;
    enter(201);
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 300);
    EXPECT_EQ(p1.ATFleft, kCentre - 110);
    EXPECT_EQ(p1.ATFright, kCentre + 40);
}

TEST_F(GinzamuraiActions, GrabDealsDamageOnlyAtTheThrow) {
    enter(590);
    act();
    EXPECT_EQ(p1.gardableType, 3);
    EXPECT_EQ(p1.attackPow1st, 0);
    enter(602);
    act();
    EXPECT_EQ(p1.gardableType, 5);
    EXPECT_EQ(p1.attackPow1st, 0);
    enter(604);
    act();
    EXPECT_EQ(p1.gardableType, 5);
    EXPECT_EQ(p1.ATFtype, 2);
    EXPECT_EQ(p1.attackPow1st, 30);
    EXPECT_EQ(p1.stunPoint, 12);

    enter(590);
    p1.attackWasHit = 2;  // guarded: no catch
    act();
    EXPECT_EQ(p1.animPat, 590);
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.animPat, 600);
}

TEST_F(GinzamuraiActions, NeckSlashTrailsEveryFrameUntilItConnects) {
    enter(211);
    act();
    act();
    act();
    EXPECT_EQ(runningTypes(p1), (std::vector<int16_t>{2, 2, 2}));
    EXPECT_FALSE(p1.TPC);
    p1.attackWasHit = 1;
    act();
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 210);
    EXPECT_EQ(running(p1), 3);  // the opened combo stops the launches
    act();
    EXPECT_EQ(running(p1), 3);
    enter(214);
    act();
    EXPECT_FALSE(p1.TPC);
}

TEST_F(GinzamuraiActions, WideSlashesLaunchOnEveryFrame) {
    enter(532);
    act();
    act();
    EXPECT_EQ(runningTypes(p1), (std::vector<int16_t>{6, 6}));
    enter(710);
    act();
    act();
    act();
    EXPECT_EQ(running(p1), 5);
    enter(730);
    act();
    act();
    EXPECT_EQ(runningTypes(p1), (std::vector<int16_t>{6, 6, 6, 6, 6, 9, 10, 9, 10}));
    EXPECT_EQ(timesPlayed(kWhiffSound), 1);
}

TEST_F(GinzamuraiActions, OnceStepsWithASoundRunOnTheFirstFrameOnly) {
    enter(21);
    act();
    act();
    EXPECT_EQ(running(p1), 1);
    EXPECT_EQ(timesPlayed(kSwingSound), 1);
    enter(581);
    act();
    act();
    EXPECT_EQ(running(p1), 2);
    EXPECT_EQ(lastShot(p1).FAType, 1);
}

TEST_F(GinzamuraiActions, AirHitOffersARecoveryOnlyToALiveSteadyFighter) {
    enter(311);
    p1.upVector = 5;
    p1.fallVector = 1;
    act();
    EXPECT_EQ(p1.animPat, 311);  // still rising

    p1.upVector = 1;
    p1.fallVector = 2;
    act();
    EXPECT_EQ(p1.animPat, 320);
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 310);

    struct Case { int16_t kb, stun; double vitality; };
    for (const Case k : {Case{3, 0, 100}, Case{0, 1, 100}, Case{0, 2, 100}, Case{0, 0, 0}}) {
        place(p1, 300, 1, true);
        p1.TPC = false;
        p1.TPCNumber = 0;
        enter(310);
        p1.KBTimer = k.kb;
        p1.stunSwitch = k.stun;
        p1.viTality = k.vitality;
        p1.upVector = 0;
        p1.fallVector = 3;
        act();
        EXPECT_EQ(p1.animPat, 320);
        EXPECT_FALSE(p1.TPC);
        EXPECT_EQ(p1.TPCNumber, 0);
    }
}

TEST_F(GinzamuraiActions, TurnAboutSlashFlipsOnceAndBack) {
    enter(641);
    act();
    act();
    EXPECT_EQ(p1.dirStand, -1);
    enter(642);
    act();
    EXPECT_EQ(p1.ATFright, kCentre);  // the slash lands behind the first facing
    EXPECT_EQ(lastShot(p1).FAType, 4);
    enter(644);
    act();
    act();
    EXPECT_EQ(p1.dirStand, 1);
}

TEST_F(GinzamuraiActions, MovementsStepEveryFrame) {
    enter(100);
    p1.AorMflag = 1;
    act();
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 294);
    EXPECT_EQ(timesPlayed(kStepSound), 1);
    p1.AorMflag = 0;
    enter(101);
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 297);
    p1.dirStand = -1;
    enter(90);
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 287);
    enter(450);
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 289);
    EXPECT_FALSE(p1.enableAction);
    EXPECT_FALSE(p1.enableGard);
    enter(70);
    act();
    EXPECT_EQ(p1.upVector, 2);
    enter(75);
    act();
    EXPECT_EQ(p1.upVector, 4);
}

TEST_F(GinzamuraiActions, StrokingSlashCombosIntoCrossOrBackIntoTheSweep) {
    enter(531);
    act();
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 740);
    enter(532);
    act();
    EXPECT_EQ(p1.TPCNumber, 740);
    p1.attackWasHit = 1;
    act();
    EXPECT_EQ(p1.TPCNumber, 530);
    enter(533);
    act();
    EXPECT_TRUE(p1.TPC);  // a hit keeps the combo open for 斬り払い

    p1.TPCNumber = 740;
    enter(533);
    act();
    EXPECT_FALSE(p1.TPC);
}

TEST_F(GinzamuraiActions, OpeningsNumberTheirCombosAndLastFramesCloseThem) {
    for (int16_t opening : {500, 630, 720, 750}) {
        enter(opening);
        act();
        EXPECT_EQ(p1.TPCNumber, opening);
    }
    for (int16_t last : {24, 214, 501, 535, 631, 721, 744, 751}) {
        p1.TPC = true;
        enter(last);
        act();
        EXPECT_FALSE(p1.TPC) << last;
    }
}

TEST_F(GinzamuraiActions, ClonePeriodMakesEveryBlowASuperArtHit) {
    p1.SPspacornTimer = 10;
    enter(21);
    act();
    EXPECT_TRUE(p1.spacornHit);
    enter(271);
    act();
    EXPECT_TRUE(p1.spacornHit);
    p1.SPspacornTimer = 0;
    enter(271);
    act();
    EXPECT_FALSE(p1.spacornHit);
}

TEST_F(GinzamuraiActions, CloneArtCreatesTheServantAndStartsThePeriod) {
    p1.upVector = 6;
    p1.fallVector = 2;
    enter(755);
    act();
    ServantSide& side = servantSideOf(game, p1);
    ASSERT_TRUE(side.servantSlots[0].has_value());
    EXPECT_FALSE(side.servantSlots[1].has_value());  // one clone only
    EXPECT_FLOAT_EQ(p1.SPspacornTimer, static_cast<float>(p1.spacornGaugeMax));
    EXPECT_EQ(p1.upVector, 0);
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.ATFtype, 10);
    EXPECT_EQ(p1.attackPow3rd, 10);
    EXPECT_TRUE(p1.spacornHit);
    EXPECT_EQ(timesPlayed(kBloodSound), 1);
    EXPECT_EQ(p1.ATFleft, kCentre - 80);
}

TEST_F(GinzamuraiActions, ServantRunsOnlyTheAttackFrames) {
    enter(755);
    act();
    Character& clone = *servantSideOf(game, p1).servantSlots[0];
    clone.animPat = 630;
    clone.TPCNumber = 0;
    servantAnimAttackDispatch(game, clone);
    EXPECT_EQ(clone.TPCNumber, 630);
    clone.TPC = true;
    clone.animPat = 631;
    servantAnimAttackDispatch(game, clone);
    EXPECT_FALSE(clone.TPC);

    clone.animPat = 21;
    clone.ATFflag = 0;
    const double x = clone.posX;
    servantAnimAttackDispatch(game, clone);
    EXPECT_EQ(clone.ATFtype, 3);
    EXPECT_EQ(running(clone), 0);  // never launches
    clone.animPat = 90;
    servantAnimAttackDispatch(game, clone);
    EXPECT_DOUBLE_EQ(clone.posX, x);  // never moves
}

}  // namespace
}  // namespace morvek::ginzamurai_test
