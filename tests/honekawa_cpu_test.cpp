// HONEKAWA's computer opponent: the decision by facing, distance band and roll, the
// typing-combo step (the air-hit window in particular) and the super-art choice by type
// and distance, under scripted random draws.

#include <gtest/gtest.h>

#include <vector>

#include "moveset_fixture.h"

#include "battle/Character.h"
#include "battle/Roster.h"
#include "game/Game.h"
#include "movesets/Honekawa.h"
#include "platform/HeadlessPlatform.h"

using namespace morvek;

namespace {

constexpr double kSentinel = 0.123456;

/// The random value that makes Int(r * n + 1) come out as `v`.
double drawOf(int v, int n) { return (v - 1 + 0.5) / n; }

using SpyHonekawa = moveset_test::RecordingSpy<Honekawa>;

class HonekawaCpu : public ::testing::Test {
protected:
    HonekawaCpu() {
        platform.setRequireFiles(false);
        for (int i = 0; i < 60; ++i) platform.loadSound(i, "effect.wav");
        for (int i = 100; i < 157; ++i) platform.loadSound(i, "voice.wav");
        for (Character* c : {&human, &cpu}) {
            charaBaseSet(*c, "honekawa");
            c->posY = kGroundLine;
            c->viTality = 254;
            c->InitFlyArts();
            c->InitSplite();
        }
        cpu.airialJumpCount = 1;
        cpu.animPat = 1;  // no decision starts this
        cpu.counTer = -7;
        place(50);
    }

    /// The computer stands distX right of the opponent and dy above it, facing it.
    void place(double distX, int16_t dy = 0) {
        human.posX = 200;
        cpu.posX = 200 + distX;
        cpu.posY = static_cast<int16_t>(kGroundLine - dy);
        cpu.dirStand = -1;
        cpu.LeftOrRight = -1;
    }

    void think(int roll, std::vector<double> more = {}) {
        std::vector<double> draws{drawOf(roll, 20)};
        draws.insert(draws.end(), more.begin(), more.end());
        draws.push_back(kSentinel);
        game.random.script(draws);
        spy.CPUThink(game, cpu, human);
    }
    bool allDrawsUsed() { return game.random.next() == kSentinel; }

    HeadlessPlatform platform;
    Game game{platform};
    Character human;
    Character cpu;
    SpyHonekawa spy;
};

TEST_F(HonekawaCpu, BackTurnedActsOnlyWhenClose) {
    cpu.dirStand = 1;
    think(9);
    EXPECT_EQ(cpu.animPat, 1);
    EXPECT_TRUE(spy.nothingCalled());

    think(4);
    EXPECT_EQ(cpu.animPat, 640);
    think(12);  // 鉄山靠 keeps whatever counTer holds
    EXPECT_EQ(cpu.animPat, 650);
    EXPECT_EQ(cpu.counTer, -7);
    think(14);
    think(18);
    EXPECT_EQ(spy.attackKeys, (std::vector<int>{31, 40}));

    cpu.animPat = 1;
    place(250);
    cpu.dirStand = 1;
    think(4);
    EXPECT_EQ(cpu.animPat, 1);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(HonekawaCpu, JumpsOnlyWithAnAirJumpLeft) {
    cpu.dirStand = 1;
    cpu.airialJumpCount = 0;
    think(15);
    EXPECT_TRUE(spy.nothingCalled());
    EXPECT_TRUE(allDrawsUsed());  // a skipped action draws no key
    cpu.airialJumpCount = 1;
    think(15, {drawOf(40, 40)});
    EXPECT_EQ(spy.moveKeys, (std::vector<int>{40}));
}

TEST_F(HonekawaCpu, CloseRange) {
    human.sTate = 1;
    think(3);
    EXPECT_TRUE(spy.nothingCalled());
    EXPECT_EQ(cpu.animPat, 1);
    human.sTate = 0;
    think(3);
    EXPECT_EQ(cpu.animPat, 380);

    think(5, {drawOf(4, 5)});  // a dash of 4 more runs into the kick
    EXPECT_EQ(cpu.animPat, 120);
    EXPECT_EQ(cpu.counTer, 4);
    EXPECT_EQ(cpu.AorMflag, 1);

    cpu.floatorStand = true;
    think(8, {drawOf(6, 7)});
    EXPECT_EQ(cpu.animPat, 280);
    EXPECT_DOUBLE_EQ(cpu.slideVector, -6);
    think(9);
    EXPECT_EQ(cpu.animPat, 560);
    cpu.floatorStand = false;

    think(16, {drawOf(3, 10)});
    EXPECT_EQ(spy.attackKeys, (std::vector<int>{13}));
    human.sTate = -1;
    think(18);
    EXPECT_EQ(spy.spacorns, 1);
    human.sTate = 0;
    think(18);
    EXPECT_EQ(cpu.animPat, 240);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(HonekawaCpu, MiddleRangeAgainstAFallenOpponentGoesForTheSuperArt) {
    place(150);
    human.sTate = -40;
    think(14);
    EXPECT_EQ(spy.spacorns, 1);
    EXPECT_EQ(cpu.animPat, 1);
    human.sTate = 1;
    think(14);
    EXPECT_EQ(cpu.animPat, 240);
    think(9);
    EXPECT_EQ(cpu.animPat, 650);
    EXPECT_EQ(cpu.counTer, 5);
    think(19, {drawOf(10, 10)});
    EXPECT_EQ(spy.attackKeys, (std::vector<int>{20}));
}

TEST_F(HonekawaCpu, FarAndVeryFarAndAboveOrBelow) {
    place(300);
    think(5);
    EXPECT_EQ(cpu.animPat, 170);
    think(17, {drawOf(1, 10)});
    EXPECT_EQ(spy.moveKeys, (std::vector<int>{31}));
    place(500);
    think(20);
    EXPECT_EQ(spy.spacorns, 1);
    think(3);
    EXPECT_EQ(cpu.animPat, 580);

    place(50, 250);
    think(2);  // the dive only in the air
    EXPECT_EQ(cpu.animPat, 580);
    think(8);
    EXPECT_EQ(cpu.animPat, 650);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(HonekawaCpu, AirHitWindowHopsOutFromAfar) {
    cpu.TPC = true;
    cpu.TPCNumber = 310;
    cpu.enableAction = true;
    spy.distX = 150;
    spy.distY = 0;
    game.random.script({drawOf(5, 8), kSentinel});
    spy.CPUTPC(game, cpu, human);
    EXPECT_EQ(spy.seconds, 1);
    EXPECT_FALSE(cpu.TPC);
    EXPECT_TRUE(cpu.enableAction);
    EXPECT_TRUE(allDrawsUsed());

    cpu.TPC = true;
    game.random.script({drawOf(6, 8), kSentinel});  // lets the combo go
    spy.CPUTPC(game, cpu, human);
    EXPECT_EQ(spy.seconds, 1);
    EXPECT_EQ(spy.follows, 0);
    EXPECT_FALSE(cpu.enableAction);

    cpu.TPC = true;
    spy.distX = 50;
    game.random.script({drawOf(1, 8), drawOf(2, 8), kSentinel});  // kicks out
    spy.CPUTPC(game, cpu, human);
    EXPECT_EQ(spy.follows, 1);
}

TEST_F(HonekawaCpu, OtherWindowsAlwaysTakeTheNextMove) {
    cpu.TPC = true;
    cpu.enableAction = true;
    cpu.TPCNumber = 720;
    game.random.script({kSentinel});
    spy.CPUTPC(game, cpu, human);
    EXPECT_EQ(spy.follows, 1);
    EXPECT_FALSE(cpu.TPC);
    EXPECT_FALSE(cpu.enableAction);
    EXPECT_TRUE(allDrawsUsed());
}

TEST_F(HonekawaCpu, SuperArtByTypeAndDistance) {
    Honekawa moves;
    cpu.spacornCount = 1;
    cpu.spacornType = 2;
    place(99, 250);
    moves.CPUSpacorn(game, cpu, human);
    EXPECT_EQ(cpu.spacornNumber, 700);
    EXPECT_EQ(cpu.spacornCount, 1);
    EXPECT_EQ(cpu.animPat, 1);

    place(150);
    cpu.spacornNumber = 0;
    moves.CPUSpacorn(game, cpu, human);  // not the variant: nothing from afar
    EXPECT_EQ(cpu.spacornNumber, 0);
    cpu.ReverseCharaFlag = true;
    moves.CPUSpacorn(game, cpu, human);
    EXPECT_EQ(cpu.spacornNumber, 750);
    EXPECT_EQ(cpu.animPat, 750);
    EXPECT_EQ(cpu.spacornCount, 0);

    cpu.spacornCount = 1;
    cpu.spacornType = 0;
    cpu.spacornNumber = 500;
    place(160);
    moves.CPUSpacorn(game, cpu, human);
    EXPECT_EQ(cpu.spacornCount, 1);
    place(140);
    moves.CPUSpacorn(game, cpu, human);
    EXPECT_EQ(cpu.animPat, 500);
    EXPECT_EQ(moves.distX, 140);
}

}  // namespace
