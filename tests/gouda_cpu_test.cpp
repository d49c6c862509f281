// GOUDA's computer decisions: the decision table by distance band and roll (with its air
// moves), the typing-combo step with fresh distances and the super-art decision, under
// scripted random draws.

#include <vector>

#include "moveset_fixture.h"

#include "combat_harness.h"
#include "movesets/Gouda.h"

namespace morvek::combat_test {
namespace {

using SpyGouda = moveset_test::RecordingSpy<Gouda>;

constexpr int16_t kUntouched = 1;  // a pattern no decision starts

/// What a roll should do: a pattern (with counTer or slide), or a recorded call.
struct Expect {
    int roll;
    int16_t pattern = kUntouched;
    int16_t counter = -99;
    double slide = 0.5;
    std::vector<int> attackKeys{};
    std::vector<int> moveKeys{};
    int spacorns = 0;
};

class CpuGouda : public moveset_test::CpuDecisionTest<CombatTest, SpyGouda> {
protected:
    CpuGouda() {
        p2.NUMBER = 4;
        p2.airialJumpCount = 2;
        p2.animPat = kUntouched;
        place(150);
    }

    void reset() {
        spy = SpyGouda{};
        p2.animPat = kUntouched;
        p2.counTer = -99;
        p2.slideVector = 0.5;
    }

    /// Each roll as a fresh decision, with 0.5 for any key drawn.
    void checkRolls(const std::vector<Expect>& rolls, bool airborne) {
        for (const Expect& e : rolls) {
            SCOPED_TRACE(testing::Message() << "roll " << e.roll);
            reset();
            p2.floatorStand = airborne;
            p2.dirStand = -1;
            think(e.roll, {0.5});
            EXPECT_EQ(p2.animPat, e.pattern);
            EXPECT_EQ(p2.counTer, e.counter);
            EXPECT_EQ(p2.slideVector, e.slide);
            EXPECT_EQ(spy.attackKeys, e.attackKeys);
            EXPECT_EQ(spy.moveKeys, e.moveKeys);
            EXPECT_EQ(spy.spacorns, e.spacorns);
        }
    }

};


TEST_F(CpuGouda, FacingAwayTacklesAndTurnsOnlyWhenClose) {
    place(150);
    p2.dirStand = 1;
    think(8);
    EXPECT_EQ(p2.animPat, 210);
    EXPECT_EQ(p2.dirStand, -1);

    reset();
    place(200);
    p2.dirStand = 1;
    think(1);
    EXPECT_EQ(p2.animPat, kUntouched);
    EXPECT_EQ(p2.dirStand, 1);
    EXPECT_TRUE(allDrawsUsed());

    place(150, 200);  // too far below
    p2.dirStand = 1;
    think(1);
    EXPECT_EQ(p2.animPat, kUntouched);

    place(150);
    p2.dirStand = 1;
    think(20, {0.5});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{11});
    p2.airialJumpCount = 0;
    think(20);  // no jump left: no key drawn
    EXPECT_TRUE(allDrawsUsed());
    think(9);
    EXPECT_EQ(p2.animPat, kUntouched);
    EXPECT_EQ(spy.moveKeys.size(), 1u);
}

TEST_F(CpuGouda, FarAboveOrBelowPicksAirArtsByItsOwnFooting) {
    place(50, 250);  // the vertical distance decides even when close across
    think(2);
    EXPECT_EQ(p2.animPat, 250);

    reset();
    p2.floatorStand = true;
    p2.dirStand = -1;
    think(3);
    EXPECT_EQ(p2.animPat, 280);
    EXPECT_EQ(p2.slideVector, -2);

    for (int r : {5, 9}) {
        reset();
        p2.floatorStand = false;
        think(r);  // on the ground nothing
        EXPECT_EQ(p2.animPat, kUntouched) << r;
        EXPECT_TRUE(allDrawsUsed());
        p2.floatorStand = true;
        think(r);
        EXPECT_EQ(p2.animPat, 660) << r;
    }

    reset();
    p2.floatorStand = false;
    think(4);
    think(17);
    EXPECT_EQ(p2.animPat, kUntouched);
    EXPECT_TRUE(spy.nothingCalled());
    think(18, {0.5});
    EXPECT_EQ(spy.moveKeys, std::vector<int>{11});
}

TEST_F(CpuGouda, CloseRangeOnTheGround) {
    place(50);
    const std::vector<Expect> rolls = {
        {1, 270},  {5, 240},  {6, 590},  {7, 590},  {8, 250},  {9, 530},  {10, 720},
        {11, 200}, {12, 20},  {13, 650, 2}, {14, 240},
        {15, kUntouched, -99, 0.5, {11}},  {16, kUntouched, -99, 0.5, {36}},
        {17, 240}, {20, kUntouched, -99, 0.5, {}, {}, 1},
    };
    checkRolls(rolls, false);
}

TEST_F(CpuGouda, CloseRangeInTheAir) {
    place(50);
    p2.dirStand = -1;
    const std::vector<Expect> rolls = {
        {1, 280, -99, -1}, {8, 280, -99, -2}, {5, 790}, {14, 790}, {19, 790}, {9, 530},
    };
    checkRolls(rolls, true);
}

TEST_F(CpuGouda, CloseRangeAnswersTheOpponentsState) {
    place(50);
    p1.sTate = stStand;
    think(3);
    think(4);
    EXPECT_EQ(p2.animPat, kUntouched);  // nothing to guard against

    p1.sTate = stAttack;
    think(4);
    EXPECT_EQ(p2.animPat, 380);

    reset();
    p1.sTate = stHit;  // reeling: worth the super art
    think(18);
    EXPECT_EQ(spy.spacorns, 1);
    EXPECT_EQ(p2.animPat, kUntouched);
}

TEST_F(CpuGouda, TackleIsExOnlyWhenTheDiceAndGaugeAllow) {
    place(50);
    p2.ExArtsConsumption = 120;
    p2.spacornGauge = 150;
    think(2, {0.5});  // dice(5) = 3: the plain tackle, nothing paid
    EXPECT_EQ(p2.animPat, 210);
    EXPECT_EQ(p2.spacornGauge, 150);

    think(2, {0.1});  // dice(5) = 1
    EXPECT_EQ(p2.animPat, 550);
    EXPECT_EQ(p2.spacornGauge, 30);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(CpuGouda, MiddleRange) {
    place(200);
    const std::vector<Expect> rolls = {
        {1, kUntouched, -99, 0.5, {}, {21}}, {4, kUntouched, -99, 0.5, {11}},
        {7, kUntouched, -99, 0.5, {11}},     {11, kUntouched},
        {12, kUntouched},                    {13, 580},
        {14, kUntouched, -99, 0.5, {36}},    {18, kUntouched, -99, 0.5, {36}},
        {16, 720},                           {17, 720},
        {19, kUntouched, -99, 0.5, {}, {}, 1}, {20, kUntouched, -99, 0.5, {}, {11}},
    };
    checkRolls(rolls, false);
}

TEST_F(CpuGouda, FarRange) {
    place(300);
    const std::vector<Expect> rolls = {
        {1, 580},  {2, 580},  {3, 650, 12}, {4, 90, 10}, {6, 90, 10},
        {7, kUntouched, -99, 0.5, {}, {31}},  {12, kUntouched, -99, 0.5, {11}},
        {16, kUntouched, -99, 0.5, {36}},     {19, kUntouched, -99, 0.5, {}, {}, 1},
        {20, 720},
    };
    checkRolls(rolls, false);
}

TEST_F(CpuGouda, VeryFarRange) {
    place(400);
    const std::vector<Expect> rolls = {
        {3, 580},  {5, 90, 10}, {7, kUntouched}, {11, kUntouched},
        {12, kUntouched, -99, 0.5, {}, {11}}, {18, kUntouched, -99, 0.5, {}, {36}},
        {19, kUntouched, -99, 0.5, {}, {}, 1}, {20, kUntouched},
    };
    checkRolls(rolls, false);

    p2.airialJumpCount = 0;
    reset();
    think(13);
    EXPECT_TRUE(spy.nothingCalled());
    EXPECT_TRUE(allDrawsUsed());
}

// ---- typing-combo step --------------------------------------------------------------------

TEST_F(CpuGouda, AirRecoveryComboChoosesByFreshDistances) {
    struct Case {
        double distX;
        std::vector<double> draws;
        int follows, seconds;
        bool actionAfter;
    };
    const Case cases[] = {
        {50, {0.1, 0.1}, 1, 0, false},   // choice 0: the rising follow-up
        {50, {0.1, 0.5}, 0, 1, true},    // choice 1: the hop back
        {150, {0.1}, 0, 1, true},        // choice 2: too far for the follow-up
        {50, {0.9}, 0, 0, false},        // choice 3: dropped
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.distX);
        reset();
        place(k.distX);
        spy.distX = 10;  // stale: the step measures again
        p2.TPC = true;
        p2.enableAction = true;
        p2.TPCNumber = 310;
        std::vector<double> draws = k.draws;
        draws.push_back(kSentinel);
        game.random.script(draws);
        spy.CPUTPC(game, p2, p1);
        EXPECT_EQ(spy.distX, k.distX);
        EXPECT_EQ(spy.follows, k.follows);
        EXPECT_EQ(spy.seconds, k.seconds);
        EXPECT_FALSE(p2.TPC);
        EXPECT_EQ(p2.enableAction, k.actionAfter);
        EXPECT_TRUE(allDrawsUsed());
    }
}

TEST_F(CpuGouda, OtherCombosAlwaysTypeTheFollowUp) {
    for (int16_t step : {790, 530, 0}) {
        reset();
        p2.TPC = true;
        p2.enableAction = true;
        p2.TPCNumber = step;
        game.random.script({kSentinel});
        spy.CPUTPC(game, p2, p1);
        EXPECT_EQ(spy.follows, 1);
        EXPECT_FALSE(p2.TPC);
        EXPECT_FALSE(p2.enableAction);
        EXPECT_TRUE(allDrawsUsed());
    }
}

// ---- super-art decision -------------------------------------------------------------------

class CpuGoudaSpacorn : public CpuGouda {
protected:
    CpuGoudaSpacorn() {
        p2.spacornNumber = 630;
        p2.spacornNumber2 = 900;
        p2.spacornGaugeMax = 200;
        p2.spacornCountMax = 2;
        p2.spacornCount = 1;
        p2.spacornGauge = 50;
    }
    void decide(std::vector<double> draws = {}) {
        draws.push_back(kSentinel);
        game.random.script(draws);
        gouda.CPUSpacorn(game, p2, p1);
    }
    Gouda gouda;
};

TEST_F(CpuGoudaSpacorn, FireDistanceBySpacornType) {
    struct Case {
        int16_t type;
        double distX;
        bool fires;
    };
    const Case cases[] = {{0, 149, true},  {0, 150, false}, {2, 199, true},
                          {2, 200, false}, {3, 10, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "type " << k.type << " distX " << k.distX);
        place(k.distX);
        p2.animPat = kUntouched;
        p2.spacornType = k.type;
        p2.spacornCount = 1;
        decide();
        EXPECT_EQ(p2.animPat, k.fires ? 630 : kUntouched);
        EXPECT_EQ(p2.spacornCount, k.fires ? 0 : 1);
        EXPECT_EQ(gouda.distX, k.distX);
        EXPECT_TRUE(allDrawsUsed());
    }
}

TEST_F(CpuGoudaSpacorn, TypeOneAlwaysFiresTheStanceOrTheDash) {
    p2.spacornType = 1;
    place(600);
    decide({0.2});  // Int(0.6 + 1) = 1: one time in three the dash
    EXPECT_EQ(p2.spacornNumber, 765);
    EXPECT_EQ(p2.animPat, 765);
    EXPECT_TRUE(allDrawsUsed());

    p2.spacornCount = 1;
    decide({0.34});  // 2: the energy stance
    EXPECT_EQ(p2.spacornNumber, 500);
    EXPECT_EQ(p2.animPat, 500);
}

TEST_F(CpuGoudaSpacorn, SecondArtUsesBothStocksCloseAndOnTheGround) {
    place(120);
    p2.spacornType = 0;
    p2.spacornCount = 2;
    decide();
    EXPECT_EQ(p2.animPat, 900);
    EXPECT_EQ(p2.spacornCount, 0);

    p2.animPat = kUntouched;
    p2.spacornCount = 2;
    lift(p1);  // the opponent in the air: the first art, one stock
    place(120);
    decide();
    EXPECT_EQ(p2.animPat, 630);
    EXPECT_EQ(p2.spacornCount, 1);
}

TEST_F(CpuGoudaSpacorn, SecondArtStockIsTakenEvenWithoutFiring) {
    place(100);
    p2.spacornType = 3;  // never fires
    p2.spacornCount = 2;
    p2.spacornGauge = 50;
    decide();
    EXPECT_EQ(p2.animPat, kUntouched);
    EXPECT_EQ(p2.spacornCount, 1);
    EXPECT_EQ(p2.spacornGauge, -150);
}

}  // namespace
}  // namespace morvek::combat_test
