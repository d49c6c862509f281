// NANGIEF's computer decisions: the decision table by distance band and roll, the
// typing-combo step and the super-art decision, under scripted random draws.

#include <vector>

#include "moveset_fixture.h"

#include "combat_harness.h"
#include "movesets/Nangief.h"

namespace morvek::combat_test {
namespace {

using SpyNangief = moveset_test::RecordingSpy<Nangief>;

class CpuNangief : public moveset_test::CpuDecisionTest<CombatTest, SpyNangief> {
protected:
    CpuNangief() {
        p2.NUMBER = 2;
        p2.airialJumpCount = 1;
        p2.animPat = 1;  // no decision starts this
        place(150);
    }
};

TEST_F(CpuNangief, FacingAwayActsOnlyWhenClose) {
    place(200);
    p2.dirStand = 1;  // back to the opponent
    for (int r = 1; r <= 20; ++r) think(r);
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_TRUE(spy.nothingCalled());
    EXPECT_TRUE(allDrawsUsed());

    place(199);
    p2.dirStand = 1;
    think(6);
    EXPECT_EQ(p2.animPat, 640);
    think(8);
    think(15);
    EXPECT_EQ(spy.attackKeys, (std::vector<int>{31, 40}));
    think(11, {0.0});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{21});
    p2.animPat = 1;
    think(10);
    think(13);
    EXPECT_EQ(p2.animPat, 1);
    think(12);
    EXPECT_EQ(p2.animPat, 20);
}

TEST_F(CpuNangief, FarAboveOrBelowDecidesBeforeTheHorizontalBands) {
    place(50, 200);  // distY exactly 200: not the close-range table
    think(1);
    EXPECT_EQ(p2.animPat, 1);
    think(12);  // the opponent stands: no key drawn
    EXPECT_TRUE(allDrawsUsed());
    EXPECT_TRUE(spy.nothingCalled());
    think(7);
    EXPECT_EQ(spy.spacorns, 1);
    p1.floatorStand = true;
    think(13, {0.5});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{11});
    think(20, {0.5});
    think(19, {0.99});
    EXPECT_EQ(spy.moveKeys, (std::vector<int>{11, 40}));
    p2.airialJumpCount = 0;
    think(20);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuNangief, CloseRangeGrabsAndStrikes) {
    place(99);
    think(3);  // the opponent is not attacking
    EXPECT_EQ(p2.animPat, 1);
    p1.sTate = stAttack;
    think(4);
    EXPECT_EQ(p2.animPat, 380);

    const int16_t direct[][2] = {{1, 270}, {2, 210}, {5, 240}, {14, 240}, {6, 590},
                                 {8, 250}, {10, 640}, {11, 200}};
    for (const auto& k : direct) {
        think(k[0]);
        EXPECT_EQ(p2.animPat, k[1]) << "roll " << k[0];
    }

    const int16_t y = p2.posY;
    think(9);
    EXPECT_EQ(p2.animPat, 530);
    EXPECT_EQ(p2.posY, y - 10);
    EXPECT_EQ(p2.upVector, 2);
    EXPECT_EQ(p2.slideVector, -4);  // forward, facing left

    p2.counTer = 5;
    think(13);
    EXPECT_EQ(p2.animPat, 650);
    EXPECT_EQ(p2.counTer, 0);

    think(12, {0.5});  // dice(5) = 3: the normal punch, nothing paid
    EXPECT_EQ(p2.animPat, 20);
    think(16, {0.0});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{31});
    for (int r = 17; r <= 20; ++r) think(r);
    EXPECT_EQ(spy.spacorns, 4);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuNangief, MiddleRangeFrom100) {
    place(100);
    think(1, {0.999});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{40});
    think(9);
    EXPECT_EQ(p2.animPat, 650);
    think(18, {0.0});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{11});
    p1.sTate = stHit;  // a reeling opponent is worth the super art
    think(19);
    EXPECT_EQ(spy.spacorns, 1);
    p2.animPat = 1;
    think(11);
    think(12);
    EXPECT_EQ(p2.animPat, 1);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuNangief, FarRangesDashAndHop) {
    place(250);
    think(3, {0.0});
    EXPECT_EQ(spy.attackKeys, std::vector<int>{1});
    EXPECT_EQ(p2.counTer, 12);
    think(5);
    EXPECT_EQ(p2.animPat, 90);
    EXPECT_EQ(p2.counTer, 10);
    think(2);
    EXPECT_EQ(p2.animPat, 250);

    place(400);
    p2.animPat = 1;
    for (int r : {1, 3, 7, 11, 20}) think(r);
    EXPECT_EQ(p2.animPat, 1);
    think(16, {0.0});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{31});
    think(6);
    EXPECT_EQ(p2.animPat, 90);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuNangief, AirRecoveryComboIsNeverTheBodyPressFromAfar) {
    p2.TPCNumber = 310;
    spy.distX = 150;  // as the last decision measured it
    p2.TPC = p2.enableAction = true;
    game.random.script({0.625, kSentinel});  // dice(8) = 6: the combo is dropped
    spy.CPUTPC(game, p2, p1);
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.enableAction);
    EXPECT_TRUE(spy.nothingCalled());
    EXPECT_TRUE(allDrawsUsed());

    p2.TPC = p2.enableAction = true;
    game.random.script({0.0, kSentinel});  // far: the hop
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.seconds, 1);
    EXPECT_FALSE(p2.TPC);
    EXPECT_TRUE(p2.enableAction);
    EXPECT_TRUE(allDrawsUsed());

    spy.distX = 50;
    game.random.script({0.0, 0.0, kSentinel});  // close, second dice 1: the body press
    spy.CPUTPC(game, p2, p1);
    EXPECT_EQ(spy.follows, 1);
    EXPECT_FALSE(p2.enableAction);
}

TEST_F(CpuNangief, OtherCombosTypeTheFollowUpAtOnce) {
    for (int16_t combo : {240, 500, 630, 730, 800, 0}) {
        p2.TPCNumber = combo;
        p2.TPC = p2.enableAction = true;
        game.random.script({kSentinel});
        spy.CPUTPC(game, p2, p1);
        EXPECT_FALSE(p2.TPC);
        EXPECT_FALSE(p2.enableAction);
        EXPECT_TRUE(allDrawsUsed());
    }
    EXPECT_EQ(spy.follows, 6);
    EXPECT_EQ(spy.seconds, 0);
}

TEST_F(CpuNangief, SuperArtByTypeDistanceAndStock) {
    Nangief real;
    auto fire = [&](int16_t type, double distX, int16_t stock) {
        place(distX);
        p2.animPat = 1;
        p2.spacornType = type;
        p2.spacornNumber = 630;
        p2.spacornNumber2 = 730;
        p2.spacornCount = stock;
        p2.spacornGauge = 0;
        p2.targetX = p2.targetY = 0;
        game.random.script({0.5, 0.5, kSentinel});
        real.CPUSpacorn(game, p2, p1);
        return p2.animPat;
    };
    EXPECT_EQ(fire(0, 249, 1), 630);
    EXPECT_EQ(p2.targetX, -110);  // 11 x 10 ahead, facing left
    EXPECT_EQ(p2.targetY, 60);
    EXPECT_EQ(p2.spacornCount, 0);
    EXPECT_EQ(real.distX, 249);

    EXPECT_EQ(fire(0, 0, 2), 730);  // the second art costs two stocks in all
    EXPECT_EQ(p2.spacornCount, 0);

    EXPECT_EQ(fire(0, 250, 2), 1);
    EXPECT_EQ(p2.targetX, 0);
    EXPECT_EQ(game.random.next(), 0.5);  // no target drawn
    EXPECT_EQ(fire(1, 199, 1), 630);
    EXPECT_EQ(fire(1, 200, 1), 1);
    EXPECT_EQ(fire(2, 99, 1), 630);
    EXPECT_EQ(fire(2, 100, 1), 1);
    EXPECT_EQ(fire(3, 0, 1), 1);
    EXPECT_EQ(fire(0, 0, 0), 1);  // no stock: nothing starts
}

}  // namespace
}  // namespace morvek::combat_test
