// G O D's action script: the gauge that fills by itself, movement, the rise of the super
// art, the three arts' attack frames and the once-per-pattern launches and sounds.

#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "engine/DataTables.h"
#include "god_fixture.h"

namespace morvek::god_test {
namespace {

class GodActions : public GodTest {
protected:
    void SetUp() override {
        p1.spacornGauge = 0;
        p1.spacornCount = 0;
    }
};

TEST_F(GodActions, GaugeGrowsEveryFrameWhateverThePattern) {
    for (int16_t p : {0, 300, 541, 420}) {
        p1.spacornGauge = 10;
        enter(p);
        act();
        EXPECT_DOUBLE_EQ(p1.spacornGauge, 10.3) << p;
    }
}

TEST_F(GodActions, RiseStartsTheSuperArtOnceHighEnough) {
    enter(530);
    p1.TPC = true;
    p1.tarGeting = true;
    p1.posY = -399;
    p1.fallVector = 4;
    p1.slideVector = 2;
    act();
    EXPECT_EQ(p1.posY, -459);
    EXPECT_EQ(p1.animPat, 530);
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(p1.slideVector, 0);
    EXPECT_FALSE(p1.TPC);
    EXPECT_FALSE(p1.tarGeting);

    p1.posY = -400;
    act();
    EXPECT_EQ(p1.animPat, 535);
    EXPECT_EQ(p1.posY, -400);
}

TEST_F(GodActions, SuperArtFiresOnceCountsAndRisesBackToStand) {
    enter(536);
    act();
    act();
    EXPECT_EQ(running(p1), 2);  // pillar and ground wave, once
    EXPECT_EQ(timesPlayed(kMissileSound), 1);
    enter(537);
    p1.counTer = 5;
    act();
    EXPECT_EQ(p1.counTer, 4);
    enter(538);
    p1.posY = -380;
    act();
    EXPECT_EQ(p1.posY, -440);
    act();
    EXPECT_EQ(p1.animPat, 0);
}

TEST_F(GodActions, FistIsWeakerInTheAir) {
    enter(522);
    act();
    EXPECT_EQ(p1.attackPow3rd, 300);
    EXPECT_EQ(timesPlayed(kHeavyBlowSound), 1);
    EXPECT_EQ(timesPlayed(kSwingSound), 0);
    EXPECT_EQ(p1.gardableType, 4);
    EXPECT_EQ(p1.ATFtype, 2);

    enter(522);
    p1.floatorStand = true;
    act();
    EXPECT_EQ(p1.attackPow3rd, 100);
    EXPECT_EQ(timesPlayed(kSwingSound), 1);
    act();
    EXPECT_EQ(timesPlayed(kSwingSound), 1);  // once per pattern
}

TEST_F(GodActions, AttackBoxesFollowTheFacing) {
    game.battle.scrollX = -100;
    game.battle.scrollY = -1000;
    enter(501);
    act();
    // centre 300 + 249 - 100 = 449
    EXPECT_EQ(p1.ATFleft, 449 + 160);
    EXPECT_EQ(p1.ATFright, 449 + 360);
    EXPECT_EQ(p1.ATFtop, kStand - 1000 + 280);
    EXPECT_EQ(p1.ATFbottom, kStand - 1000 + 380);
    EXPECT_EQ(p1.ATFtype, 1);
    EXPECT_EQ(p1.ATFflag, 1);
    EXPECT_EQ(p1.attackPow3rd, 20);
    EXPECT_EQ(p1.stunPoint, 18);
    EXPECT_TRUE(p1.normalorEX);

    p1.dirStand = -1;
    enter(511);
    act();
    EXPECT_EQ(p1.ATFleft, 449 - 320);
    EXPECT_EQ(p1.ATFright, 449 - 160);
    EXPECT_EQ(p1.ATFtype, 2);
    EXPECT_EQ(p1.ATFvectorX, 20);
}

TEST_F(GodActions, FingertipLaunchesItsStreakEveryFrame) {
    enter(500);
    act();
    act();
    EXPECT_EQ(running(p1), 2);
    EXPECT_EQ(timesPlayed(136), 1);
    enter(501);
    act();
    EXPECT_EQ(lastShot(p1).FAType, 10);
    EXPECT_EQ(p1.ATFflag, 1);
}

TEST_F(GodActions, BombAndBlastsAreLaunchedOncePerPattern) {
    enter(200);
    act();
    act();
    EXPECT_EQ(running(p1), 1);
    EXPECT_EQ(lastShot(p1).FAType, 1);
    EXPECT_EQ(timesPlayed(kBombSound), 1);
    enter(211);
    act();
    act();
    EXPECT_EQ(running(p1), 4);
    EXPECT_EQ(timesPlayed(kBlasterSound), 1);
}

TEST_F(GodActions, FirstJudgementMarksTheComboAndClosesIt) {
    enter(210);
    act();
    EXPECT_EQ(p1.TPCNumber, 210);
    enter(214);
    p1.counTer = 3;
    act();
    EXPECT_EQ(p1.counTer, 2);
    enter(215);
    p1.TPC = true;
    p1.tarGeting = true;
    act();
    EXPECT_FALSE(p1.TPC);
    EXPECT_FALSE(p1.tarGeting);
}

TEST_F(GodActions, SecondJudgementHoldsTheFighterAndFiresThreeBeams) {
    enter(220);
    p1.upVector = 5;
    p1.slideVector = 3;
    act();
    EXPECT_EQ(p1.upVector, 0);
    EXPECT_EQ(p1.slideVector, 0);
    EXPECT_EQ(timesPlayed(kRattleSound), 1);
    enter(221);
    p1.fallVector = 7;
    act();
    p1.fallVector = 7;
    act();
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(running(p1), 3);
    EXPECT_EQ(timesPlayed(kMissileSound), 1);
}

TEST_F(GodActions, AirHitTurnsIntoAFallThatOpensACombo) {
    enter(311);
    p1.upVector = 5;
    p1.fallVector = 2;
    act();
    EXPECT_EQ(p1.animPat, 311);
    p1.fallVector = 6;
    act();
    EXPECT_EQ(p1.animPat, 320);
    EXPECT_TRUE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 310);

    TPCEnd(game, p1);
    p1.TPCNumber = 0;
    enter(310);
    p1.KBTimer = 3;  // knocked back: no combo
    act();
    EXPECT_EQ(p1.animPat, 320);
    EXPECT_FALSE(p1.TPC);
    EXPECT_EQ(p1.TPCNumber, 0);
}

TEST_F(GodActions, KnockdownFallJumpsAwayOnlyWhileAlive) {
    enter(370);
    act();
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 200);  // opponent to the right: 100 to the left, once
    EXPECT_EQ(timesPlayed(kWarpSound), 1);

    enter(370);
    p1.viTality = 0;
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 200);
    EXPECT_EQ(timesPlayed(kWarpSound), 1);
}

TEST_F(GodActions, StepsWalksAndDashesMoveAlongTheFacing) {
    enter(70);
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 280);
    EXPECT_EQ(timesPlayed(135), 1);
    enter(76);
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 292);
    enter(100);
    p1.counTer = 1;  // walking backwards
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 289);
    p1.counTer = 0;
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 292);
    p1.dirStand = -1;
    enter(15);
    p1.fallVector = 3;
    act();
    EXPECT_DOUBLE_EQ(p1.posX, 272);
    EXPECT_EQ(p1.posY, kStand - 10);
    EXPECT_EQ(p1.fallVector, 0);
    enter(130);
    p1.counTer = -2;
    act();
    EXPECT_DOUBLE_EQ(p1.slideVector, 2);
}

TEST_F(GodActions, SpeechPosesLaunchTheirGlowEveryFrame) {
    enter(542);
    act();
    act();
    act();
    EXPECT_EQ(running(p1), 3);
    EXPECT_EQ(lastShot(p1).FAType, 30);
}

}  // namespace
}  // namespace morvek::god_test
