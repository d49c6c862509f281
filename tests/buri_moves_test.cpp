// BURI's action script, its attack and movement selects and typing-combo steps, and its
// three projectile kinds: launch point and box, shape and power, animation and lifetime.

#include "buri_fixture.h"
#include "battle/Collision.h"
#include "battle/Spacorn.h"
#include "engine/DataTables.h"
#include "platform/Surface8.h"

namespace morvek::buri_test {
namespace {

// ---- action script -------------------------------------------------------------------

class BuriActions : public BuriTest {};

TEST_F(BuriActions, GaugeGainsOneOnEveryFrameWhateverThePattern) {
    for (int16_t pattern : {0, 200, 390, 330}) {
        SCOPED_TRACE(pattern);
        p2.spacornGauge = 5;
        enter(pattern);
        act();
        EXPECT_DOUBLE_EQ(p2.spacornGauge, 6);
    }
}

TEST_F(BuriActions, BombLaunchesOnceOnTheFirstFrame) {
    p2.counTer = 0;
    p2.AorMflag = 0;
    enter(200);
    act();
    EXPECT_EQ(running(), 1);
    EXPECT_EQ(lastShot().FAType, 1);
    EXPECT_EQ(timesPlayed(kBombSound), 1);
    act();
    act();
    EXPECT_EQ(running(), 1);
    EXPECT_EQ(timesPlayed(kBombSound), 1);
}

TEST_F(BuriActions, LowFlightMovesRisesAndCountsDown) {
    p2.dirStand = -1;
    p2.posX = 300;
    p2.posY = 600;
    p2.counTer = 5;
    p2.fallVector = 4;
    enter(10);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 280);
    EXPECT_EQ(p2.posY, 597);
    EXPECT_DOUBLE_EQ(p2.fallVector, 0);
    EXPECT_EQ(p2.counTer, 4);
}

TEST_F(BuriActions, EndlessLowFlightCounterStopsAtTheBottomOfItsRange) {
    p2.counTer = -32768;
    enter(12);
    act();
    EXPECT_EQ(p2.counTer, -32768);
}

TEST_F(BuriActions, HighFlightDashesAndStopMoveAlongTheFacing) {
    p2.dirStand = 1;
    p2.posX = 300;
    p2.posY = 600;
    p2.counTer = 3;
    enter(16);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 320);
    EXPECT_EQ(p2.posY, 590);
    EXPECT_EQ(p2.counTer, 3);

    p2.slideVector = 7;
    enter(70);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 300);
    EXPECT_DOUBLE_EQ(p2.slideVector, 0);
    enter(73);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 280);
    enter(77);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 300);
    enter(430);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 304);
}

TEST_F(BuriActions, WalkDirectionComesFromTheCounter) {
    p2.dirStand = 1;
    p2.posX = 300;
    p2.counTer = 0;
    enter(100);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 303);
    for (int16_t c : {1, 5}) {
        p2.posX = 300;
        p2.counTer = c;
        enter(104);
        act();
        EXPECT_DOUBLE_EQ(p2.posX, 297);
    }
}

TEST_F(BuriActions, AirborneRiseTurnsIntoTheLoopOnceFalling) {
    p2.upVector = -5;
    p2.fallVector = 0;
    enter(131);
    act();
    EXPECT_EQ(p2.animPat, 135);
    p2.upVector = 5;
    enter(131);
    act();
    EXPECT_EQ(p2.animPat, 131);
}

TEST_F(BuriActions, AirHitOpensAComboOnlyWhenFreeAliveAndNotStunned) {
    p2.upVector = 0;
    p2.fallVector = 3;
    p2.KBTimer = 0;
    p2.viTality = 100;
    p2.stunSwitch = 0;
    enter(311);
    act();
    EXPECT_EQ(p2.animPat, 320);
    EXPECT_TRUE(p2.TPC);
    EXPECT_EQ(p2.TPCNumber, 310);

    struct Blocker {
        int16_t kb, stun;
        double vit;
    };
    for (Blocker b : {Blocker{1, 0, 100}, Blocker{0, 1, 100}, Blocker{0, 0, 0}}) {
        TPCEnd(game, p2);
        p2.TPCNumber = 0;
        p2.KBTimer = b.kb;
        p2.stunSwitch = b.stun;
        p2.viTality = b.vit;
        enter(311);
        act();
        EXPECT_EQ(p2.animPat, 320);
        EXPECT_FALSE(p2.TPC);
        EXPECT_EQ(p2.TPCNumber, 0);
    }

    p2.upVector = 5;  // still rising: nothing
    enter(310);
    act();
    EXPECT_EQ(p2.animPat, 310);
}

TEST_F(BuriActions, KnockDownWarpsAwayFromTheOpponentOnce) {
    p2.LeftOrRight = -1;
    p2.posX = 300;
    enter(370);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 400);
    EXPECT_EQ(timesPlayed(kWarpSound), 1);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 400);

    p2.viTality = 0;
    enter(370);
    act();
    EXPECT_DOUBLE_EQ(p2.posX, 400);
    EXPECT_EQ(timesPlayed(kWarpSound), 1);
}

TEST_F(BuriActions, SuperArtStagesLaunchCountAndCloseTheCombo) {
    enter(210);
    act();
    EXPECT_EQ(p2.TPCNumber, 210);

    enter(211);
    act();
    EXPECT_EQ(lastShot().FAType, 2);
    EXPECT_EQ(timesPlayed(kBlasterSound), 1);

    p2.counTer = 4;
    enter(214);
    act();
    EXPECT_EQ(p2.counTer, 3);

    p2.TPC = false;
    enter(215);
    act();
    EXPECT_FALSE(p2.TPC);
    p2.TPC = true;
    p2.tarGeting = true;
    act();
    EXPECT_FALSE(p2.TPC);
    EXPECT_FALSE(p2.tarGeting);

    p2.upVector = -8;
    p2.slideVector = 3;
    enter(220);
    act();
    EXPECT_EQ(timesPlayed(kRattleSound), 1);
    EXPECT_DOUBLE_EQ(p2.upVector, 0);
    EXPECT_DOUBLE_EQ(p2.slideVector, 0);

    p2.fallVector = 6;
    enter(221);
    act();
    EXPECT_EQ(lastShot().FAType, 3);
    EXPECT_EQ(timesPlayed(kMissileSound), 1);
    EXPECT_DOUBLE_EQ(p2.fallVector, 0);
    p2.fallVector = 6;
    act();  // later frames hold the fall but fire nothing more
    EXPECT_DOUBLE_EQ(p2.fallVector, 0);
    EXPECT_EQ(timesPlayed(kMissileSound), 1);

    p2.counTer = 0;
    enter(222);
    act();
    EXPECT_EQ(p2.counTer, -1);
}

TEST_F(BuriActions, WholeCastRunsThreeBurstsThenStands) {
    enter(210);
    int frames = 0;
    while (p2.animPat != 0 && frames < 200) {
        frame();
        ++frames;
    }
    EXPECT_EQ(p2.animPat, 0);
    int bursts = 0;
    for (int i = 0; i < 100; ++i)
        if (p2.flyArtsAt(i).FAType == 2 && p2.flyArtsAt(i).Running) ++bursts;
    EXPECT_EQ(bursts, 3);
    EXPECT_EQ(timesPlayed(kBlasterSound), 3);
}

TEST_F(BuriActions, NoPatternOpensAnAttackBox) {
    for (int16_t pattern = 0; pattern <= 950; ++pattern) {
        enter(pattern);
        p2.ATFleft = p2.ATFright = -1;
        frame();
        ASSERT_EQ(p2.ATFflag, 0) << pattern;
        ASSERT_EQ(p2.ATFleft, -1) << pattern;
        ASSERT_EQ(p2.ATFright, -1) << pattern;
    }
}

// ---- selects and typing combo -----------------------------------------------------------

class BuriSelects : public BuriTest {
protected:
    void attack(int16_t key, int16_t facing) {
        p2.dirStand = facing;
        moves().AttackSelect(game, p2, key);
    }
    void move(int16_t key, int16_t facing) {
        p2.dirStand = facing;
        moves().MoveSelect(game, p2, key);
    }
};

TEST_F(BuriSelects, AttackKeyAimsTheBombByRowAndColumn) {
    attack(25, 1);
    EXPECT_EQ(p2.animPat, 200);
    EXPECT_EQ(p2.AorMflag, 0);
    EXPECT_EQ(p2.counTer, 2);
    attack(25, -1);
    EXPECT_EQ(p2.counTer, 1);
    attack(1, 1);
    EXPECT_EQ(p2.AorMflag, 2);
    EXPECT_EQ(p2.counTer, -2);
    attack(40, 1);
    EXPECT_EQ(p2.AorMflag, -1);
    EXPECT_EQ(p2.counTer, 7);
    attack(40, -1);
    EXPECT_EQ(p2.counTer, -4);
    attack(14, 1);
    EXPECT_EQ(p2.AorMflag, 1);
    EXPECT_EQ(p2.counTer, 1);
}

TEST_F(BuriSelects, AttackKeyOffTheGridStillBombsWithTheOldAim) {
    p2.AorMflag = 1;
    p2.counTer = 3;
    for (int16_t key : {0, 41, -3}) {
        enter(0);
        attack(key, 1);
        EXPECT_EQ(p2.animPat, 200);
        EXPECT_EQ(p2.AorMflag, 1);
        EXPECT_EQ(p2.counTer, 3);
    }
}

TEST_F(BuriSelects, BottomRowWarpsInScreenDirection) {
    const struct {
        int16_t key, facing;
        double dx;
    } warps[] = {{33, 1, 0}, {31, 1, -128}, {40, 1, 448}, {31, -1, -448}, {40, -1, 128}, {38, -1, 0}};
    for (const auto& w : warps) {
        SCOPED_TRACE(w.key * w.facing);
        platform.clearLogs();
        p2.posX = 500;
        enter(50);
        move(w.key, w.facing);
        EXPECT_EQ(p2.animPat, 0);
        EXPECT_EQ(timesPlayed(kWarpSound), 1);
        EXPECT_DOUBLE_EQ(p2.posX, 500 + w.dx);
    }
}

TEST_F(BuriSelects, FlightsTakeTheirLoopsFromTheDistanceToTheGuardColumn) {
    p2.counTer = 9;
    move(13, 1);
    EXPECT_EQ(p2.animPat, 10);
    EXPECT_EQ(p2.counTer, 9);
    move(11, 1);
    EXPECT_EQ(p2.counTer, 1);
    move(20, 1);
    EXPECT_EQ(p2.counTer, 6);
    move(1, -1);
    EXPECT_EQ(p2.animPat, 15);
    EXPECT_EQ(p2.counTer, 6);
    p2.counTer = 9;
    move(8, -1);
    EXPECT_EQ(p2.animPat, 15);
    EXPECT_EQ(p2.counTer, 9);
}

TEST_F(BuriSelects, MiddleRowDashesAndWalksAroundTheGuardColumn) {
    enter(50);
    move(23, 1);
    EXPECT_EQ(p2.animPat, 50);
    move(21, 1);
    EXPECT_EQ(p2.animPat, 70);
    p2.slideVector = 4;
    move(22, 1);
    EXPECT_EQ(p2.animPat, 100);
    EXPECT_EQ(p2.counTer, 1);
    EXPECT_DOUBLE_EQ(p2.slideVector, 0);
    move(24, 1);
    EXPECT_EQ(p2.counTer, 0);
    move(30, 1);
    EXPECT_EQ(p2.animPat, 75);
    EXPECT_EQ(p2.counTer, 6);
    move(25, 1);
    EXPECT_EQ(p2.counTer, 1);

    move(30, -1);
    EXPECT_EQ(p2.animPat, 70);
    move(21, -1);
    EXPECT_EQ(p2.animPat, 75);
    EXPECT_EQ(p2.counTer, 6);
    move(29, -1);
    EXPECT_EQ(p2.animPat, 100);
    EXPECT_EQ(p2.counTer, 1);
    move(27, -1);
    EXPECT_EQ(p2.counTer, 0);
    enter(50);
    move(28, -1);
    EXPECT_EQ(p2.animPat, 50);
}

TEST_F(BuriSelects, MovementKeyOffTheGridDoesNothing) {
    enter(50);
    p2.posX = 500;
    move(0, 1);
    move(41, -1);
    EXPECT_EQ(p2.animPat, 50);
    EXPECT_DOUBLE_EQ(p2.posX, 500);
    EXPECT_EQ(timesPlayed(kWarpSound), 0);
}

TEST_F(BuriSelects, OnlyTheFirstStageOfTheSuperArtChainsIntoTheBeam) {
    for (int16_t number : {310, 0}) {
        enter(211);
        p2.TPCNumber = number;
        moves().TPCFollow(game, p2);
        EXPECT_EQ(p2.animPat, 211);
    }
    p2.TPCNumber = 210;
    moves().TPCSecond(game, p2);
    EXPECT_EQ(p2.animPat, 211);
    moves().TPCFollow(game, p2);
    EXPECT_EQ(p2.animPat, 220);
}

// ---- projectiles ---------------------------------------------------------------------

class BuriShots : public BuriTest {
protected:
    BuriShots() {
        p2.posX = 300;
        p2.posY = 600;
    }
    flyArts& launch(int16_t kind, int16_t facing) {
        p2.dirStand = facing;
        moves().FlyArtsLaunch(game, p2, kind);
        return lastShot();
    }
    Rect draw(flyArts& fa) {
        Rect r{-7, -7, -7, -7};
        moves().FlyArtsAnimPat(game, p2, r, fa);
        return r;
    }
    Surface8 sheet{8, 8};
};

TEST_F(BuriShots, BombIsPlacedOnTheGridWithHalvesToEven) {
    p2.counTer = 2;
    p2.AorMflag = 1;
    flyArts& fa = launch(1, 1);
    EXPECT_TRUE(fa.Running);
    EXPECT_EQ(fa.FAType, 1);
    EXPECT_EQ(fa.posX, 402);
    EXPECT_EQ(fa.posY, 506);
    EXPECT_EQ(fa.ATFleft, 402);
    EXPECT_EQ(fa.ATFright, 526);
    EXPECT_EQ(fa.ATFtop, 506);
    EXPECT_EQ(fa.ATFbottom, 630);
    EXPECT_EQ(fa.stRength, -1);

    p2.counTer = 3;
    p2.AorMflag = 2;
    flyArts& left = launch(1, -1);
    EXPECT_EQ(left.posX, 82);
    EXPECT_EQ(left.posY, 442);
    EXPECT_EQ(left.ATFleft, -42);
    EXPECT_EQ(left.ATFright, 82);
}

TEST_F(BuriShots, BurstSitsOnBuriAndBeamReachesFarAhead) {
    flyArts& burst = launch(2, 1);
    EXPECT_EQ(burst.posX, 324);  // 324.5 goes to the even neighbour
    EXPECT_EQ(burst.posY, 570);
    EXPECT_EQ(burst.stRength, 0);
    EXPECT_EQ(burst.ATFright, 448);

    flyArts& left = launch(3, -1);
    EXPECT_EQ(left.posX, 340);
    EXPECT_EQ(left.posY, 525);
    EXPECT_EQ(left.ATFleft, -858);
    EXPECT_EQ(left.ATFright, 340);
    EXPECT_EQ(left.ATFbottom, 723);
    EXPECT_EQ(left.stRength, -1);

    flyArts& right = launch(3, 1);
    EXPECT_EQ(right.posX, 300);
    EXPECT_EQ(right.ATFleft, 300);
    EXPECT_EQ(right.ATFright, 1498);
}

TEST_F(BuriShots, ShapeAndPowerOfEachKind) {
    flyArts& bomb = launch(1, 1);
    EXPECT_EQ(bomb.Width, 124);
    EXPECT_EQ(bomb.animPat, 5);
    EXPECT_EQ(bomb.RunTimer, 70);
    EXPECT_EQ(bomb.ATFtype, 2);
    EXPECT_EQ(bomb.ATFHitSound, kBombSound);
    EXPECT_EQ(bomb.ATEzoomX, -30);
    EXPECT_EQ(bomb.setLenge, 20);
    EXPECT_EQ(bomb.AttackLeft, 5);
    EXPECT_EQ(bomb.attackPow1st, 10);
    EXPECT_EQ(bomb.attackPow3rd, 10);
    EXPECT_EQ(bomb.eraseType, 2);
    EXPECT_FALSE(bomb.Force);
    EXPECT_TRUE(bomb.normalorEX);
    EXPECT_FALSE(bomb.drawOnChara);

    flyArts& burst = launch(2, 1);
    EXPECT_EQ(burst.animPat, 30);
    EXPECT_FALSE(burst.Force);

    flyArts& beam = launch(3, 1);
    EXPECT_EQ(beam.Width, 598);
    EXPECT_EQ(beam.Height, 198);
    EXPECT_EQ(beam.RunTimer, 4);
    EXPECT_EQ(beam.ATFtype, 3);
    EXPECT_EQ(beam.ATFHitSound, 19);
    EXPECT_EQ(beam.controlX, 100);
    EXPECT_EQ(beam.controlY, -30);
    EXPECT_EQ(beam.AttackLeft, 0);
    EXPECT_EQ(beam.attackPow1st, 40);
    EXPECT_EQ(beam.attackPow2nd, 0);
    EXPECT_TRUE(beam.Force);
    EXPECT_TRUE(beam.drawOnChara);
    EXPECT_TRUE(beam.spacornORnot);
    EXPECT_EQ(p2.artsFAName, p2.artsName);
}

TEST_F(BuriShots, BombIsHarmfulOnlyBetweenLeavingCellSevenAndTheNextDraw) {
    flyArts& fa = launch(1, 1);
    bool sawForce = false;
    int draws = 0;
    while (fa.Running && draws < 100) {
        const int16_t before = fa.animPat;
        const Rect r = draw(fa);
        ++draws;
        const int i = before - 5;
        EXPECT_EQ(r.left, 901 + 126 * (i % 5));
        EXPECT_EQ(r.top, 1801 + 126 * (i / 5));
        EXPECT_EQ(r.right, r.left + 124);
        if (before == 7 && fa.animPat == 8) {
            EXPECT_TRUE(fa.Force);
            sawForce = true;
        } else {
            EXPECT_FALSE(fa.Force) << "cell " << before;
        }
    }
    EXPECT_TRUE(sawForce);
    EXPECT_FALSE(fa.Running);
    EXPECT_EQ(draws, 2 * 19 + 1);  // two draws per cell 5-23, ended on the first at 24
}

TEST_F(BuriShots, BurstLoopsFiveCellsAndIsNeverHarmful) {
    flyArts& fa = launch(2, 1);
    for (int n = 0; n < 70; ++n) {
        p2.drawFlyArts(game, sheet);
        EXPECT_FALSE(fa.Force);
        if (fa.Running) {
            EXPECT_GE(fa.animPat, 30);
            EXPECT_LE(fa.animPat, 34);
        }
    }
    EXPECT_FALSE(fa.Running);  // lives exactly its 70 frames
    fa.animPat = 34;
    fa.animCounter = 1;
    const Rect r = draw(fa);
    EXPECT_EQ(r.left, 901 + 126 * 4);
    EXPECT_EQ(r.top, 2305);
    EXPECT_EQ(fa.animPat, 30);
}

TEST_F(BuriShots, BeamFlickersBetweenItsTwoCellsForFourFrames) {
    flyArts& fa = launch(3, 1);
    Rect r = draw(fa);
    EXPECT_EQ(r.left, 501);
    EXPECT_EQ(r.top, 801);
    draw(fa);
    EXPECT_EQ(fa.animPat, 41);
    r = draw(fa);
    EXPECT_EQ(r.left, 501);
    EXPECT_EQ(r.top, 1001);
    EXPECT_EQ(r.bottom, 1001 + 198);
    draw(fa);
    EXPECT_EQ(fa.animPat, 40);

    flyArts& again = launch(3, 1);
    for (int n = 0; n < 4; ++n) p2.drawFlyArts(game, sheet);
    EXPECT_FALSE(again.Running);
}

TEST_F(BuriShots, UnknownFramesLeaveTheRectangleAndNothingMoves) {
    flyArts& fa = launch(1, 1);
    fa.animPat = 50;
    const Rect r = draw(fa);
    EXPECT_EQ(r.left, -7);
    EXPECT_EQ(r.bottom, -7);

    flyArts& beam = launch(3, -1);
    const flyArts copy = beam;
    moves().FAMorfizm(game, p2, beam);
    EXPECT_EQ(beam.ATFleft, copy.ATFleft);
    EXPECT_EQ(beam.ATFright, copy.ATFright);
    EXPECT_EQ(beam.posX, copy.posX);
    EXPECT_EQ(beam.posY, copy.posY);
}

}  // namespace
}  // namespace morvek::buri_test

namespace morvek::buri_test {
namespace {

class BuriBombHits : public BuriTest {};

TEST_F(BuriBombHits, AimedBombHurtsTheOpponentOnceWhenItBursts) {
    // Facing left, key 35 ("B"): one column ahead, one row below: right over MORVEKBOY.
    p2.dirStand = -1;
    moves().AttackSelect(game, p2, 35);
    Surface8 sheet{8, 8};
    int hurtAt = -1;
    int hurts = 0;
    double before = p1.viTality;
    for (int f = 0; f < 80; ++f) {
        show();
        animTimerCount(game, p2);
        animActionDispatch(game, p2, p1);
        p2.drawFlyArts(game, sheet);
        collisionPhase(game, p1, p2);
        if (p1.viTality < before) {
            ++hurts;
            if (hurtAt < 0) hurtAt = f;
            before = p1.viTality;
        }
    }
    EXPECT_EQ(hurts, 1);
    // Launched on frame 0 and first drawn then: cells 5 and 6 take two draws each, and
    // the bomb becomes harmful on the draw that leaves cell 7.
    EXPECT_EQ(hurtAt, 5);
    EXPECT_TRUE(p2.FAwasHit);
}

}  // namespace
}  // namespace morvek::buri_test
