// BURI's computer opponent: the roll table, the facing test, the distance-bound super art
// of spacorn type 2, and the typing-combo step that fires the beam.

#include "buri_fixture.h"
#include "battle/CpuTick.h"
#include "engine/DataTables.h"
#include "movesets/Buri.h"

namespace morvek::buri_test {
namespace {

class BuriCpu : public BuriTest {
protected:
    BuriCpu() {
        p2.posX = 500;
        p2.dirStand = -1;
        p2.LeftOrRight = -1;
        p2.spacornCount = 1;
        enter(0);
    }
    Buri& buriMoves() { return dynamic_cast<Buri&>(moves()); }
    /// Puts the opponent's centre `dist` pixels left of BURI's.
    void opponentAt(int dist) { p1.posX = p2.posX + p2.Width / 2.0 - p1.Width / 2.0 - dist; }
    void think(std::vector<double> rolls) {
        game.random.script(std::move(rolls));
        moves().CPUThink(game, p2, p1);
    }
    /// The r of the roll Int(Rnd * 20 + 1).
    static double rollOf(int r) { return (r - 1) / 20.0; }
};

TEST_F(BuriCpu, FacingAwayDoesNothingButStillMeasures) {
    opponentAt(300);
    p2.dirStand = 1;
    p2.LeftOrRight = -1;
    for (int r : {1, 11, 20}) {
        SCOPED_TRACE(r);
        buriMoves().distX = 0;
        buriMoves().distY = -1;
        think({rollOf(r), 0.5});
        EXPECT_EQ(p2.animPat, 0);
        EXPECT_EQ(buriMoves().distX, 300);
        EXPECT_EQ(buriMoves().distY, distanceY(p2, p1));
        EXPECT_NE(buriMoves().distY, -1);
    }
}

TEST_F(BuriCpu, LowRollsBombARandomGridPlaceAtAnyDistance) {
    for (int dist : {50, 400}) {
        SCOPED_TRACE(dist);
        enter(0);
        opponentAt(dist);
        think({rollOf(1), 0.6});  // key Int(0.6 * 40 + 1) = 25
        EXPECT_EQ(p2.animPat, 200);
        EXPECT_EQ(p2.AorMflag, 0);
        EXPECT_EQ(p2.counTer, 1);  // column 5 facing left
    }
    enter(0);
    think({rollOf(10), 0.999});  // key 40
    EXPECT_EQ(p2.animPat, 200);
    EXPECT_EQ(p2.AorMflag, -1);
    EXPECT_EQ(p2.counTer, -4);
}

TEST_F(BuriCpu, MiddleRollsWarpAlongTheBottomRow) {
    opponentAt(200);
    enter(50);
    think({rollOf(11), 0.0});  // key 31: seven columns left of the guard column
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_DOUBLE_EQ(p2.posX, 500 - 448);
    EXPECT_EQ(timesPlayed(kWarpSound), 1);

    p2.posX = 500;
    enter(50);
    think({rollOf(15), 0.75});  // key 38: the guard column, no warp
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_DOUBLE_EQ(p2.posX, 500);
}

TEST_F(BuriCpu, RollsSixteenToNineteenDoNothing) {
    for (int dist : {10, 500}) {
        for (int r = 16; r <= 19; ++r) {
            SCOPED_TRACE(r);
            opponentAt(dist);
            enter(50);
            think({rollOf(r), 0.0});
            EXPECT_EQ(p2.animPat, 50);
            EXPECT_EQ(p2.spacornCount, 1);
        }
    }
}

TEST_F(BuriCpu, TopRollTriesTheSuperArtByItsType) {
    p2.spacornType = 2;
    opponentAt(100);
    think({rollOf(20)});
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_EQ(p2.spacornCount, 1);
    opponentAt(99);
    think({rollOf(20)});
    EXPECT_EQ(p2.animPat, 210);
    EXPECT_TRUE(p2.spacornSwitch);
    EXPECT_EQ(p2.spacornCount, 0);

    for (int16_t type : {0, 1}) {
        SCOPED_TRACE(type);
        enter(0);
        p2.spacornCount = 1;
        p2.spacornType = type;
        opponentAt(400);
        think({rollOf(20)});
        EXPECT_EQ(p2.animPat, 210);
    }
}

TEST_F(BuriCpu, SuperArtNeedsAStock) {
    p2.spacornCount = 0;
    opponentAt(50);
    think({rollOf(20)});
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_FALSE(p2.spacornSwitch);
}

TEST_F(BuriCpu, SpacornDecisionReadsTheLastMeasuredDistance) {
    p2.spacornType = 2;
    opponentAt(20);
    buriMoves().distX = 150;  // as the last decision left it
    moves().CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 0);
    buriMoves().distX = 20;
    moves().CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 210);

    enter(0);
    p2.spacornCount = 1;
    p2.spacornType = 3;
    moves().CPUSpacorn(game, p2, p1);
    EXPECT_EQ(p2.animPat, 0);
}

TEST_F(BuriCpu, ComboStepFiresTheBeamOnlyDuringTheFirstStage) {
    enter(212);
    p2.TPC = true;
    p2.enableAction = true;
    p2.TPCNumber = 210;
    moves().CPUTPC(game, p2, p1);
    EXPECT_EQ(p2.animPat, 220);
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.enableAction);

    enter(320);
    p2.TPC = true;
    p2.enableAction = true;
    p2.TPCNumber = 310;
    moves().CPUTPC(game, p2, p1);
    EXPECT_EQ(p2.animPat, 320);
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.enableAction);
}

}  // namespace
}  // namespace morvek::buri_test
