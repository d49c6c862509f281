// MORVEKBOY's computer decisions: the decision table by distance band and roll, the
// typing-combo steps and the super-art decision, under scripted random draws.

#include <vector>

#include "moveset_fixture.h"

#include "combat_harness.h"
#include "movesets/Morvekboy.h"

namespace morvek::combat_test {
namespace {

using SpyMorvekboy = moveset_test::RecordingSpy<Morvekboy>;

class CpuMorvekboy : public moveset_test::CpuDecisionTest<CombatTest, SpyMorvekboy> {
protected:
    CpuMorvekboy() {
        p2.NUMBER = 0;
        p2.airialJumpCount = 2;
        p2.animPat = 1;  // no decision starts this
        place(150);
    }
};

TEST_F(CpuMorvekboy, FacingAwayTurnsWithABackFistOnlyWhenClose) {
    place(150);
    p2.dirStand = 1;  // back to the opponent
    think(5);
    EXPECT_EQ(p2.animPat, 780);
    EXPECT_EQ(p2.dirStand, -1);

    p2.animPat = 1;
    p2.dirStand = 1;
    place(250);
    p2.dirStand = 1;
    think(5);
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_EQ(p2.dirStand, 1);
    EXPECT_TRUE(allDrawsUsed());

    place(150);
    p2.dirStand = 1;
    think(20, {0.5});  // a jump in a random direction: key 11
    EXPECT_EQ(spy.moveKeys, std::vector<int>{11});
    p2.airialJumpCount = 0;
    think(20);  // no jump left: nothing, and no key drawn
    EXPECT_TRUE(allDrawsUsed());
    think(9);
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_EQ(spy.moveKeys.size(), 1u);
}

TEST_F(CpuMorvekboy, OpponentFarAboveOrBelow) {
    place(50, 200);
    think(10);  // distY exactly 200: the close-range table is not used
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_TRUE(spy.nothingCalled());
    think(2);
    EXPECT_EQ(p2.animPat, 250);
    lift(p2, 0);
    p2.slideVector = 0;
    think(3);
    EXPECT_EQ(p2.animPat, 280);
    EXPECT_DOUBLE_EQ(p2.slideVector, -2);
    think(18, {0.0});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{1});
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuMorvekboy, CloseRangeCells) {
    place(50);
    p1.sTate = stAttack;  // meets an attack with the special guard stance
    think(3);
    EXPECT_EQ(p2.animPat, 380);
    p2.animPat = 1;
    p1.sTate = stStand;
    think(4);
    EXPECT_EQ(p2.animPat, 1);

    think(13);
    EXPECT_EQ(p2.animPat, 650);
    EXPECT_EQ(p2.counTer, 2);
    think(5);
    EXPECT_EQ(p2.animPat, 240);
    think(17);  // standing opponent: the spin, not the super art
    EXPECT_EQ(p2.animPat, 240);
    EXPECT_EQ(spy.spacorns, 0);
    p1.sTate = stHit;
    think(18);
    EXPECT_EQ(spy.spacorns, 1);
    think(20);
    EXPECT_EQ(spy.spacorns, 2);

    p2.animPat = 1;
    think(15, {0.9999});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{20});
    think(16, {0.0});
    EXPECT_EQ(spy.attackKeys, (std::vector<int>{20, 31}));

    lift(p2, 0);
    p1.sTate = stStand;
    think(14);
    EXPECT_EQ(p2.animPat, 790);
    think(1);
    EXPECT_EQ(p2.animPat, 280);
    EXPECT_DOUBLE_EQ(p2.slideVector, -1);
    EXPECT_TRUE(allDrawsUsed());

    EXPECT_EQ(spy.cpuDist.distX, 50);
    EXPECT_EQ(spy.cpuDist.distY, 0);
}

TEST_F(CpuMorvekboy, MiddleRangeStartsAtExactly100) {
    place(100);
    think(2, {0.5});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{21});
    think(7, {0.0});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{1});
    think(14, {0.9999});
    EXPECT_EQ(spy.attackKeys, (std::vector<int>{1, 40}));
    think(11);
    EXPECT_EQ(p2.animPat, 1);
    think(8);
    EXPECT_EQ(p2.animPat, 210);
    place(249);
    think(16);
    EXPECT_EQ(p2.animPat, 720);
    think(19);
    EXPECT_EQ(spy.spacorns, 1);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuMorvekboy, FarRangesDashAndShoot) {
    place(250);
    think(3);
    EXPECT_EQ(p2.animPat, 650);
    EXPECT_EQ(p2.counTer, 12);
    place(399);
    think(6);
    EXPECT_EQ(p2.animPat, 90);
    EXPECT_EQ(p2.counTer, 10);
    think(7, {0.0});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{21});
    think(20);
    EXPECT_EQ(p2.animPat, 720);

    place(400);
    p2.animPat = 1;
    think(7);
    EXPECT_EQ(p2.animPat, 1);
    think(12, {0.9999});
    EXPECT_EQ(spy.moveKeys, (std::vector<int>{21, 20}));
    think(16, {0.0});
    EXPECT_EQ(spy.moveKeys, (std::vector<int>{21, 20, 31}));
    think(20);
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuMorvekboy, ExChoicePaysOnlyOnItsOwnDice) {
    p2.spacornGauge = 80;
    place(300);
    think(1, {0.5});  // dice(5) = 3: the plain shot
    EXPECT_EQ(p2.animPat, 580);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 80);
    place(500);
    think(3, {0.0});  // dice(5) = 1: the EX art, paid
    EXPECT_EQ(p2.animPat, 570);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 30);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuMorvekboy, ComboFrom310ByTheSharedChoice) {
    p2.TPC = true;
    p2.TPCNumber = 310;
    p2.enableAction = true;
    place(50);
    game.random.script({0.625, kSentinel});  // 3: lets the combo go
    spy.CPUTPC(game, p2, p1);
    EXPECT_TRUE(spy.nothingCalled());
    EXPECT_FALSE(p2.enableAction);
    EXPECT_FALSE(p2.TPC);

    p2.TPC = true;
    p2.enableAction = true;
    game.random.script({0.0, 0.0, kSentinel});  // 0: the follow-up
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.followWords.size(), 1u);
    EXPECT_FALSE(p2.enableAction);
    EXPECT_FALSE(p2.TPC);

    place(150);  // far: 2, the second word
    p2.TPC = true;
    p2.enableAction = true;
    game.random.script({0.0, kSentinel});
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.seconds, 1);
    EXPECT_TRUE(p2.enableAction);
    EXPECT_FALSE(p2.TPC);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuMorvekboy, ComboWordsPickedByTheComputer) {
    p2.TPC = true;
    p2.enableAction = true;
    p2.TPCNumber = 820;  // seven follow-ups; the combo stays open
    game.random.script({0.0, 0.5, 0.9999, kSentinel});
    for (int i = 0; i < 3; ++i) spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.followWords, (std::vector<int>{1, 5, 8}));
    EXPECT_TRUE(p2.TPC);
    EXPECT_TRUE(p2.enableAction);

    spy.followWords.clear();
    p2.TPCNumber = 240;  // word 1 or 3, then the end
    game.random.script({0.5, kSentinel});
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.followWords, std::vector<int>{3});
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.enableAction);

    spy.followWords.clear();
    p2.TPC = true;
    p2.enableAction = true;
    p2.TPCNumber = 780;  // any other opener: the current word, then the end
    p2.inputKeyNum = 4;
    game.random.script({kSentinel});
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.followWords, std::vector<int>{4});
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.enableAction);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuMorvekboy, ComboFrom820PlaysTheChosenFollowUp) {
    Morvekboy real;
    p2.TPC = true;
    p2.TPCNumber = 820;
    game.random.script({0.5});  // word 5
    real.CPUTPC(game, p2, p1);
    EXPECT_EQ(p2.animPat, 870);
    EXPECT_TRUE(p2.TPC);
}

TEST_F(CpuMorvekboy, SuperArtDecisionBySpacornType) {
    Morvekboy real;
    auto fires = [&](int16_t type, double distX, int16_t dy, bool airborne) {
        place(distX, dy);
        p2.floatorStand = airborne;
        p2.spacornType = type;
        p2.spacornNumber = 630;
        p2.spacornCount = 1;
        p2.spacornSwitch = false;
        p2.animPat = 1;
        real.CPUSpacorn(game, p2, p1);
        return p2.spacornSwitch;
    };
    EXPECT_TRUE(fires(0, 149, 199, false));
    EXPECT_FALSE(fires(0, 150, 0, false));
    EXPECT_FALSE(fires(0, 0, 199, true));  // never in the air
    EXPECT_FALSE(fires(0, 0, 200, false));
    EXPECT_TRUE(fires(1, 99, 500, true));
    EXPECT_FALSE(fires(1, 100, 0, false));
    EXPECT_TRUE(fires(2, 1000, 1000, true));
    EXPECT_FALSE(fires(3, 0, 0, false));
    EXPECT_EQ(real.cpuDist.distX, 0);
}

}  // namespace
}  // namespace morvek::combat_test
