// G O D's projectiles: placement and hit boxes in both facings, the power of the harmful
// kinds, the bomb's single harmful frame, the frame table and the ring use.

#include "engine/Basic.h"
#include "engine/DataTables.h"
#include "god_fixture.h"

namespace morvek::god_test {
namespace {

class GodShots : public GodTest {
protected:
    flyArts& launch(int16_t kind) {
        moves().FlyArtsLaunch(game, p1, kind);
        return lastShot(p1);
    }
    Rect frame(flyArts& fa) {
        Rect r{-7, -7, -7, -7};
        moves().FlyArtsAnimPat(game, p1, r, fa);
        return r;
    }
    static constexpr int kCentre = 549;  // 300 + 498 / 2
};

TEST_F(GodShots, BombLandsCounTerCellsAheadAndAbove) {
    p1.counTer = 2;
    p1.AorMflag = 1;
    flyArts& fa = launch(1);
    EXPECT_EQ(fa.posX, kCentre + 128 - 50);
    EXPECT_EQ(fa.posY, kStand - 94);
    EXPECT_EQ(fa.ATFleft, fa.posX);
    EXPECT_EQ(fa.ATFright, fa.posX + 124);
    EXPECT_EQ(fa.ATFbottom, kStand - 94 + 124);
    EXPECT_FALSE(fa.Force);
    EXPECT_EQ(fa.stRength, -1);
    EXPECT_EQ(fa.RunTimer, 70);
    EXPECT_EQ(fa.animPat, 5);
    EXPECT_EQ(fa.ATFHitSound, kBombSound);
    EXPECT_EQ(fa.attackPow1st, 10);

    p1.dirStand = -1;
    flyArts& left = launch(1);
    EXPECT_EQ(left.posX, kCentre - 128 - 50);
    EXPECT_EQ(left.ATFright, left.posX);
    EXPECT_EQ(left.ATFleft, left.posX - 124);
}

TEST_F(GodShots, PillarStartsAtTheTopOfTheWorldAndReachesBelowTheGround) {
    flyArts& fa = launch(20);
    EXPECT_EQ(fa.posX, kCentre - 200);
    EXPECT_EQ(fa.posY, 0);
    EXPECT_EQ(fa.ATFtop, 0);
    EXPECT_EQ(fa.ATFbottom, 348 + 1550);
    EXPECT_EQ(fa.ATFright, fa.posX + 198 + 200);
    EXPECT_TRUE(fa.Force);
    EXPECT_EQ(fa.stRength, -1);
    EXPECT_EQ(fa.attackPow1st, 40);
    EXPECT_TRUE(fa.spacornORnot);
    EXPECT_TRUE(fa.drawOnChara);

    flyArts& wave = launch(25);
    EXPECT_EQ(wave.posX, kCentre - 400);
    EXPECT_EQ(wave.posY, 1700);
    EXPECT_EQ(wave.ATFbottom, 1700 + 198 + 50);
    EXPECT_EQ(wave.ATFright, wave.posX + 498 + 320);
    EXPECT_FALSE(wave.Force);
    EXPECT_EQ(wave.stRength, 0);
}

TEST_F(GodShots, BeamBoxesMirrorAboutTheCentre) {
    flyArts& right = launch(6);
    EXPECT_EQ(right.posX, kCentre + 120);
    EXPECT_EQ(right.posY, kStand + 80);
    EXPECT_EQ(right.ATFright, kCentre + 120 + 598 + 600);
    EXPECT_TRUE(right.Force);
    EXPECT_EQ(right.RunTimer, 4);
    EXPECT_EQ(right.controlX, 100);

    p1.dirStand = -1;
    flyArts& left = launch(7);
    EXPECT_EQ(left.posX, kCentre - 120 + 40);
    EXPECT_EQ(left.posY, kStand + 200);
    EXPECT_EQ(left.ATFright, left.posX);
    EXPECT_EQ(left.ATFleft, left.posX - 598 - 600);
}

TEST_F(GodShots, FlashesNeverHit) {
    for (int16_t kind : {2, 4, 5, 10, 11, 12, 15, 16}) {
        flyArts& fa = launch(kind);
        EXPECT_FALSE(fa.Force) << kind;
        EXPECT_EQ(fa.stRength, 0) << kind;
    }
    EXPECT_EQ(launch(16).posY, kStand - 120);
    EXPECT_EQ(launch(15).posX, kCentre + 20);
    EXPECT_EQ(launch(5).posY, kStand + 240);
}

TEST_F(GodShots, FistFlashAndGlowWriteNoPower) {
    for (int i = 0; i < kFlyArtsPool; ++i) p1.flyArtsAt(i).attackPow1st = 77;
    p1.normalorEX = false;
    flyArts& fa = launch(17);
    EXPECT_EQ(fa.attackPow1st, 77);  // kept from the pool element
    EXPECT_EQ(fa.eraseType, 2);
    EXPECT_FALSE(fa.Force);
    EXPECT_TRUE(p1.normalorEX);
    EXPECT_EQ(fa.posX, kCentre - 30);
    EXPECT_EQ(fa.Width, 398);

    flyArts& glow = launch(30);
    EXPECT_EQ(glow.attackPow1st, 77);
    EXPECT_EQ(glow.posY, kStand + 10);
    EXPECT_EQ(glow.ATFright, kCentre + 100 + 396);
}

TEST_F(GodShots, HalfPixelCentresRoundToEven) {
    p1.posX = 300.5;  // centre 549.5, + 100 = 649.5 -> 650
    EXPECT_EQ(launch(10).posX, 650);
    p1.posX = 302.5;  // 651.5 -> 652
    EXPECT_EQ(launch(10).posX, 652);
}

TEST_F(GodShots, EveryFrameLaunchTakesANewPoolElement) {
    const int16_t before = p1.FANumber;
    launch(10);
    launch(10);
    EXPECT_EQ(p1.FANumber, before + 2);
    EXPECT_EQ(lastShot(p1).RunTimer, 1);
}

TEST_F(GodShots, BombIsHarmfulForOneFrameAndEndsAt24) {
    flyArts& fa = launch(1);
    EXPECT_EQ(frame(fa), (Rect{901, 1801, 1025, 1925}));
    frame(fa);
    EXPECT_EQ(fa.animPat, 6);
    EXPECT_EQ(frame(fa), (Rect{1027, 1801, 1151, 1925}));
    frame(fa);
    frame(fa);  // 7, first showing
    EXPECT_EQ(fa.animPat, 7);
    EXPECT_FALSE(fa.Force);
    frame(fa);  // 7 steps on
    EXPECT_EQ(fa.animPat, 8);
    EXPECT_TRUE(fa.Force);
    frame(fa);
    EXPECT_FALSE(fa.Force);
    fa.animPat = 24;
    EXPECT_EQ(frame(fa), (Rect{1405, 2179, 1529, 2303}));
    EXPECT_FALSE(fa.Running);
}

TEST_F(GodShots, LoopingAndHeldFrames) {
    flyArts& blast = launch(2);
    blast.animPat = 34;
    EXPECT_EQ(frame(blast), (Rect{1405, 2305, 1529, 2429}));
    frame(blast);
    EXPECT_EQ(blast.animPat, 30);

    flyArts& streak = launch(10);
    for (int i = 0; i < 30; ++i) frame(streak);
    EXPECT_EQ(streak.animPat, 50);  // held
    EXPECT_EQ(frame(streak), (Rect{501, 1, 799, 149}));

    flyArts& wave = launch(25);
    wave.animPat = 97;
    frame(wave);
    frame(wave);
    EXPECT_EQ(wave.animPat, 95);

    flyArts& pillar = launch(20);
    pillar.animPat = 91;
    EXPECT_EQ(frame(pillar), (Rect{701, 1651, 899, 1999}));
}

TEST_F(GodShots, UnknownFrameLeavesTheRectangleAndBehaviourMovesNothing) {
    flyArts& fa = launch(10);
    fa.animPat = 45;
    EXPECT_EQ(frame(fa), (Rect{-7, -7, -7, -7}));
    EXPECT_EQ(fa.animPat, 45);
    const flyArts before = fa;
    moves().FAMorfizm(game, p1, fa);
    EXPECT_EQ(fa.ATFleft, before.ATFleft);
    EXPECT_EQ(fa.ATFtop, before.ATFtop);
    EXPECT_EQ(fa.ATFright, before.ATFright);
    EXPECT_EQ(fa.ATFbottom, before.ATFbottom);
    EXPECT_EQ(fa.posX, before.posX);
}

}  // namespace
}  // namespace morvek::god_test
