// GINZAMURAI's computer opponent under scripted draws: the distance bands and their exact
// edges, the facing test, the close-range special guard, the combo answers and the super
// art's choice between the clone and the giant spike.

#include "ginzamurai_fixture.h"

#include "engine/Basic.h"
#include "movesets/Ginzamurai.h"

namespace morvek::ginzamurai_test {
namespace {

using SpyGinzamurai = moveset_test::RecordingSpy<Ginzamurai>;

class GinzamuraiCpu : public moveset_test::CpuDecisionTest<GinzamuraiTest, SpyGinzamurai> {
protected:
    GinzamuraiCpu() {
        p2.animPat = 1;  // no decision starts this
        p2.counTer = -99;
        place(150);
    }
    void reset() {
        spy = SpyGinzamurai{};
        p2.animPat = 1;
        p2.counTer = -99;
    }
};

TEST_F(GinzamuraiCpu, DistanceBandEdgesBelongToTheWiderBand) {
    // r 12: 20 close, nothing at mid range, an attack 250-399, a jump from 400 on.
    place(99);
    think(12);
    EXPECT_EQ(p2.animPat, 20);
    reset();
    place(100);
    think(12);
    EXPECT_TRUE(spy.nothingCalled());
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_EQ(spy.distX, 100);
    reset();
    place(250);
    think(12, {0.5});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{11});
    reset();
    place(400);
    p2.airialJumpCount = 1;
    think(12, {0.99});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{20});
    EXPECT_TRUE(allDrawsUsed());
    reset();
    p2.airialJumpCount = 0;
    think(12);
    EXPECT_TRUE(spy.nothingCalled());
}

TEST_F(GinzamuraiCpu, CountedMovesGetTheirCounter) {
    place(300);
    think(3);
    EXPECT_EQ(p2.animPat, 650);
    EXPECT_EQ(p2.counTer, 12);
    reset();
    place(500);
    think(5);
    EXPECT_EQ(p2.animPat, 90);
    EXPECT_EQ(p2.counTer, 10);
    reset();
    place(120);
    think(9);
    EXPECT_EQ(p2.animPat, 650);
    EXPECT_EQ(p2.counTer, 5);
    reset();
    place(50);
    think(13);
    EXPECT_EQ(p2.animPat, 650);
    EXPECT_EQ(p2.counTer, 0);
}

TEST_F(GinzamuraiCpu, CloseSpecialGuardOnlyAgainstAnAttackingOpponent) {
    place(50);
    p1.sTate = stStand;
    think(3);
    think(4);
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_TRUE(spy.nothingCalled());
    p1.sTate = 0;
    think(4);
    EXPECT_EQ(p2.animPat, 380);
}

TEST_F(GinzamuraiCpu, ReelingOpponentDrawsTheSuperArt) {
    place(50);
    p1.sTate = stStand;
    think(17);
    EXPECT_EQ(p2.animPat, 240);
    EXPECT_EQ(spy.spacorns, 0);
    p1.sTate = stHit;
    think(18);
    EXPECT_EQ(spy.spacorns, 1);
    reset();
    place(200);
    think(18);
    EXPECT_EQ(spy.spacorns, 1);
    p1.sTate = stStand;
    think(18, {0.99});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{20});
}

TEST_F(GinzamuraiCpu, KeysAreDrawnFromTheirRanges) {
    place(50);
    think(16, {0.0});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{31});
    place(500);
    think(16, {0.99});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{40});
    place(300);
    think(7, {0.0});
    EXPECT_EQ(spy.moveKeys, (std::vector<int>{40, 21}));
    place(150);
    think(1, {0.99});
    EXPECT_EQ(spy.moveKeys, (std::vector<int>{40, 21, 40}));
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(GinzamuraiCpu, FarAboveOnlyJumps) {
    place(50, 200);
    p2.airialJumpCount = 1;
    for (int r = 1; r <= 18; ++r) think(r);
    EXPECT_TRUE(spy.nothingCalled());
    EXPECT_EQ(p2.animPat, 1);
    think(19, {0.99});
    think(20, {0.99});
    EXPECT_EQ(spy.moveKeys, (std::vector<int>{40, 20}));
    p2.airialJumpCount = 0;
    think(19);
    EXPECT_EQ(spy.moveKeys.size(), 2u);
    reset();
    place(50, 199);
    think(12);
    EXPECT_EQ(p2.animPat, 20);
}

TEST_F(GinzamuraiCpu, OpponentBehindGetsTheTurnAboutSlash) {
    place(150);
    p2.dirStand = 1;  // facing away
    think(8);
    EXPECT_EQ(p2.animPat, 640);
    reset();
    think(9);
    think(10);
    EXPECT_TRUE(spy.nothingCalled());
    EXPECT_EQ(p2.animPat, 1);
    think(12);
    EXPECT_EQ(p2.animPat, 20);
    reset();
    place(200);
    p2.dirStand = 1;
    think(1);
    EXPECT_EQ(p2.animPat, 1);
}

TEST_F(GinzamuraiCpu, ComboAnswersContinueEveryComboButTheAirRecovery) {
    p2.TPC = true;
    p2.enableAction = true;
    p2.TPCNumber = 210;
    game.random.script({kSentinel});
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.follows, 1);
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.enableAction);
    EXPECT_TRUE(allDrawsUsed());

    // Air recovery, far away: choice 2 hops out and leaves the action open.
    p2.TPCNumber = 310;
    p2.TPC = true;
    p2.enableAction = true;
    spy.distX = 150;
    spy.distY = 0;
    game.random.script({0.1, kSentinel});
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.seconds, 1);
    EXPECT_FALSE(p2.TPC);
    EXPECT_TRUE(p2.enableAction);

    // Choice 3 lets the combo lapse.
    p2.TPC = true;
    game.random.script({0.9, kSentinel});
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.seconds, 1);
    EXPECT_EQ(spy.follows, 1);
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.enableAction);

    // Close by, choice 0: 弧月斬.
    spy.distX = 50;
    p2.TPC = true;
    game.random.script({0.1, 0.1, kSentinel});
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.follows, 2);
    EXPECT_TRUE(allDrawsUsed());
}

class GinzamuraiCpuSpacorn : public GinzamuraiCpu {
protected:
    Ginzamurai real;
};

TEST_F(GinzamuraiCpuSpacorn, CloneOnlyWhenNoneIsOutAndTheOpponentIsNear) {
    p2.spacornType = 2;
    p2.spacornCount = 0;
    place(100);
    real.CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.spacornNumber, 750);
    EXPECT_EQ(p2.animPat, 1);  // no stock: nothing starts
    p2.SPspacornTimer = 0.2f;
    real.CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.spacornNumber, 500);
    p2.SPspacornTimer = 0;
    place(200);
    real.CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.spacornNumber, 500);

    place(100);
    p2.spacornCount = 1;
    real.CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 750);
    EXPECT_EQ(p2.spacornCount, 0);
}

TEST_F(GinzamuraiCpuSpacorn, ReachOfTheOtherTypes) {
    p2.spacornType = 0;
    p2.spacornNumber = 630;
    p2.spacornCount = 2;
    place(150);
    real.CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 1);
    place(149);
    real.CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 630);

    p2.spacornType = 1;
    p2.spacornNumber = 720;
    animChange(game, 1, p2);
    place(239, 200);
    real.CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_EQ(real.distY, 200);
    place(239, 199);
    real.CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 720);

    p2.spacornType = 2;
    animChange(game, 1, p2);
    place(50, 200);
    real.CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.spacornNumber, 750);
    EXPECT_EQ(p2.animPat, 1);
}

}  // namespace
}  // namespace morvek::ginzamurai_test
