// INTERRUPTER's projectiles: launch placement and boxes, the animation's boxes and ends,
// and the per-frame behaviour of each kind (re-arming orbs, shells that stop on a hit,
// drifting and falling missiles that burst, the barrier, the pulsing fields).

#include "engine/Basic.h"
#include "engine/DataTables.h"
#include "interrupter_fixture.h"

namespace morvek::interrupter_test {
namespace {

class InterrupterShots : public InterrupterTest {
protected:
    flyArts& launch(int16_t kind) {
        moves().FlyArtsLaunch(game, p1, kind);
        return lastShot(p1);
    }
    void morph(flyArts& fa) { moves().FAMorfizm(game, p1, fa); }
    /// One frame of the projectile as the pool runs it: behaviour, then the count-down.
    void age(flyArts& fa) {
        morph(fa);
        fa.RunTimer = cint16(fa.RunTimer - 1);
        if (fa.RunTimer == 0) {
            fa.Running = false;
            fa.Force = false;
        }
    }
    Rect frame(flyArts& fa) {
        Rect r{-7, -7, -7, -7};
        moves().FlyArtsAnimPat(game, p1, r, fa);
        return r;
    }
};

TEST_F(InterrupterShots, KindHeHasNotTakesNoSlotOfTheRing) {
    const int16_t before = p1.FANumber;
    for (int16_t kind : {0, 9, 12, 14, 17}) moves().FlyArtsLaunch(game, p1, kind);
    EXPECT_EQ(p1.FANumber, before);
    for (int i = 0; i < kFlyArtsPool; ++i) EXPECT_FALSE(p1.flyArtsAt(static_cast<int16_t>(i)).Running);
}

TEST_F(InterrupterShots, OrbLaunchesAheadOfHisCentre) {
    flyArts& fa = launch(1);  // centre 399.5 rounds to 400
    EXPECT_TRUE(fa.Running);
    EXPECT_TRUE(fa.Force);
    EXPECT_EQ(fa.FAType, 1);
    EXPECT_EQ(fa.posX, 350);
    EXPECT_EQ(fa.posY, kStand);
    EXPECT_EQ(fa.ATFleft, 350);
    EXPECT_EQ(fa.ATFright, 548);
    EXPECT_EQ(fa.ATFbottom, kStand + 198);
    EXPECT_EQ(fa.RunTimer, 30);
    EXPECT_EQ(fa.genericCounter, 9);
    EXPECT_EQ(fa.stRength, -1);
    EXPECT_EQ(fa.eraseType, 2);
    EXPECT_EQ(fa.AttackLeft, 30);
    EXPECT_TRUE(fa.normalorEX);
}

TEST_F(InterrupterShots, CutLandsFurtherOutForEveryUnitOfCounTer) {
    p1.counTer = 2;
    flyArts& right = launch(10);
    EXPECT_EQ(right.posX, 627);  // 300 + 199 + 128
    EXPECT_EQ(right.posY, kStand + 60);
    EXPECT_EQ(right.ATFright, 627 + 98);  // the box is 100 smaller than the picture

    p1.dirStand = -1;
    flyArts& left = launch(10);
    EXPECT_EQ(left.posX, 172);
    EXPECT_EQ(left.ATFright, 172);
    EXPECT_EQ(left.ATFleft, 74);
    EXPECT_EQ(left.attackPow1st, 12);
    EXPECT_EQ(left.stunPoint, 20);
}

TEST_F(InterrupterShots, ShellsOneToAHeightAndFlashesAtTheCentre) {
    EXPECT_EQ(launch(3).posY, kStand - 20);
    EXPECT_EQ(launch(5).posY, kStand + 10);
    flyArts& shell = launch(7);
    EXPECT_EQ(shell.posY, kStand + 50);
    EXPECT_EQ(shell.posX, 300);
    EXPECT_EQ(shell.ATFHitSound, 16);
    EXPECT_TRUE(shell.spacornORnot);
    flyArts& flash = launch(4);
    EXPECT_EQ(flash.posX, 400);
    EXPECT_FALSE(flash.Force);
    EXPECT_EQ(flash.animPat, 20);
}

TEST_F(InterrupterShots, FallingMissileLandsAtARandomDistance) {
    game.random.script({0.35});  // dice(10) = 4: 30 pixels on
    flyArts& fa = launch(13);
    EXPECT_EQ(fa.posX, 430);
    EXPECT_EQ(fa.posY, kStand + 150);
    EXPECT_FALSE(fa.Force);
    EXPECT_EQ(fa.ATFvectorY, 2);
    EXPECT_EQ(fa.ATFright, 430 + 48);
}

TEST_F(InterrupterShots, AnimationWidensTheFlashAndEndsIt) {
    flyArts& fa = launch(2);
    const Rect r = frame(fa);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 2401);
    EXPECT_EQ(r.right, 199);
    EXPECT_EQ(fa.ATFright, fa.ATFleft + 299);  // box A: half a picture and 200
    frame(fa);
    EXPECT_EQ(fa.animPat, 11);
    frame(fa);
    EXPECT_EQ(fa.ATFright, fa.ATFleft + 398);  // box B
    fa.animPat = 12;
    frame(fa);
    EXPECT_FALSE(fa.Running);

    fa.animPat = 99;
    const Rect untouched = frame(fa);
    EXPECT_EQ(untouched.left, -7);

    flyArts& field = launch(15);
    field.Force = false;
    frame(field);
    EXPECT_TRUE(field.Force);
}

TEST_F(InterrupterShots, OrbHitsAtMostTenTimes) {
    flyArts& fa = launch(1);
    int hits = 0;
    while (fa.Running) {
        if (fa.Force) {  // it touches the opponent on every frame
            ++hits;
            fa.Force = false;
        }
        age(fa);
    }
    EXPECT_EQ(hits, 10);
}

TEST_F(InterrupterShots, OrbFliesAndShrinks) {
    flyArts& fa = launch(1);
    morph(fa);
    EXPECT_EQ(fa.ATFleft, 372);
    EXPECT_EQ(fa.ATFright, 566);
    EXPECT_EQ(fa.ATFtop, kStand + 2);
    EXPECT_EQ(fa.ATFbottom, kStand + 196);
}

TEST_F(InterrupterShots, ShellStopsWhereItHit) {
    flyArts& fa = launch(3);
    EXPECT_EQ(fa.ATFleft, 300);
    morph(fa);
    EXPECT_EQ(fa.ATFleft, 350);
    fa.Force = false;
    morph(fa);
    morph(fa);
    EXPECT_EQ(fa.ATFleft, 350);
    EXPECT_EQ(fa.RunTimer, 40);  // it stays until its time is up
}

TEST_F(InterrupterShots, DriftingMissileReadsTheOwnersCounterEveryFrame) {
    flyArts& fa = launch(8);
    const int16_t x = fa.ATFleft;
    p1.counTer = 0;
    age(fa);
    EXPECT_EQ(fa.ATFleft, x + 10);
    EXPECT_EQ(fa.ATFtop, kStand + 50);  // RunTimer 170: no fall yet
    p1.counTer = 2;
    age(fa);
    EXPECT_EQ(fa.ATFleft, x + 30);
    EXPECT_EQ(fa.ATFtop, kStand + 51);
}

TEST_F(InterrupterShots, DriftingMissileBurstsOnContactAndOnTheGround) {
    flyArts& touched = launch(8);
    const int16_t left = touched.ATFleft;
    const int16_t top = touched.ATFtop;
    touched.Force = false;
    morph(touched);  // the small burst starts narrowing and rising in the same frame
    EXPECT_EQ(touched.FAType, 9);
    EXPECT_EQ(touched.animPat, 30);
    EXPECT_EQ(touched.ATFleft, left + 10 + 1);
    EXPECT_EQ(touched.ATFtop, top - 75);

    platform.clearLogs();
    flyArts& fa = launch(8);
    fa.ATFtop = 1800;
    fa.ATFbottom = 1890;
    fa.RunTimer = 159;  // falls 11: past the ground
    const int16_t l = fa.ATFleft, r = fa.ATFright;
    morph(fa);
    EXPECT_EQ(fa.FAType, 9);
    EXPECT_EQ(fa.animPat, 35);
    EXPECT_EQ(fa.ATFtype, 2);
    EXPECT_TRUE(fa.Force);
    EXPECT_EQ(fa.attackPow1st, 30);
    EXPECT_EQ(fa.attackPow2nd, 10);
    EXPECT_EQ(fa.AttackTop, 100);
    EXPECT_EQ(fa.ATFleft, l + 10 - 70);
    EXPECT_EQ(fa.ATFright, r + 10 + 30);
    EXPECT_EQ(fa.ATFtop, 1811 - 190);
    EXPECT_EQ(fa.ATFbottom, 1901 + 10);
    EXPECT_EQ(timesPlayed(33), 1);
    morph(fa);  // the explosion now narrows and rises
    EXPECT_EQ(fa.ATFtop, 1621 - 75);
}

TEST_F(InterrupterShots, FallingMissileThatNeverReachesTheGroundEndsQuietly) {
    p1.posY = -20000;
    flyArts& fa = launch(13);
    while (fa.Running) age(fa);
    EXPECT_EQ(fa.FAType, 13);
    EXPECT_LT(fa.ATFbottom, 1900);
    EXPECT_EQ(timesPlayed(kMissileSound), 0);

    p1.posY = kStand;
    flyArts& hits = launch(13);
    hits.RunTimer = 100;
    morph(hits);
    EXPECT_EQ(hits.FAType, 9);
    EXPECT_TRUE(hits.Force);
    EXPECT_EQ(timesPlayed(kMissileSound), 1);
}

TEST_F(InterrupterShots, BarrierFollowsHim) {
    flyArts& fa = launch(11);
    for (double x : {300.0, 420.5, 100.0}) {
        p1.posX = x;
        p1.posY = cint16(kStand - x / 10);
        age(fa);
        EXPECT_EQ(fa.ATFleft, cint16(x));
        EXPECT_EQ(fa.ATFright, cint16(x) + 200);
        EXPECT_EQ(fa.ATFtop, p1.posY);
        EXPECT_EQ(fa.ATFbottom, p1.posY + 200);
    }
}

TEST_F(InterrupterShots, InfinityGrowsThenCollapses) {
    flyArts& fa = launch(15);
    const int16_t l = fa.ATFleft, t = fa.ATFtop;
    morph(fa);
    EXPECT_EQ(fa.ATFleft, l - 3);
    EXPECT_EQ(fa.ATFtop, t - 3);
    fa.RunTimer = 40;
    morph(fa);
    EXPECT_EQ(fa.ATFleft, l - 3 + 8);
}

TEST_F(InterrupterShots, DistortionHitsOncePerTurnOfItsPulse) {
    flyArts& fa = launch(16);
    for (int16_t pat : {40, 41, 42, 43}) {
        for (int16_t counter : {0, 1}) {
            fa.animPat = pat;
            fa.animCounter = counter;
            morph(fa);
            EXPECT_EQ(fa.Force, pat == 40 && counter == 0) << pat << "/" << counter;
        }
    }
    const int16_t l = fa.ATFleft;
    fa.RunTimer = 150;
    morph(fa);
    EXPECT_EQ(fa.ATFleft, l + 2);
    fa.RunTimer = 165;
    morph(fa);
    EXPECT_EQ(fa.ATFleft, l + 3);
    fa.RunTimer = 100;
    morph(fa);
    EXPECT_EQ(fa.ATFleft, l + 3);
}

}  // namespace
}  // namespace morvek::interrupter_test
