// GOUDA's projectiles: launch point, box, shape and power of each kind in both facings,
// the per-frame behaviour, the sprite frames and the lifetimes, and the action-script
// patterns that launch them.

#include <vector>

#include "battle/FlyArts.h"
#include "engine/DataTables.h"
#include "gouda_fixture.h"
#include "platform/Surface8.h"

namespace morvek::gouda_test {
namespace {

class GoudaShots : public GoudaTest {
protected:
    GoudaShots() {
        p1.posX = 300;  // body centre 399.5
        p1.posY = 1000;
    }
    flyArts& launch(int16_t kind, int16_t facing) {
        p1.dirStand = facing;
        moves().FlyArtsLaunch(game, p1, kind);
        return lastShot();
    }
    void behave(flyArts& fa) { moves().FAMorfizm(game, p1, fa); }
    Rect draw(flyArts& fa) {
        Rect r{-7, -7, -7, -7};
        moves().FlyArtsAnimPat(game, p1, r, fa);
        return r;
    }
    /// One frame of the battle's projectile pass: drawn, moved, timer down.
    void pass() { p1.drawFlyArts(game, sheet); }

    Surface8 sheet{8, 8};
};

struct LaunchCase {
    int16_t kind, facing;
    int16_t left, top, right, bottom;  // the box in world coordinates
    int16_t posX;
};

TEST_F(GoudaShots, LaunchPointAndBoxByKindAndFacing) {
    const LaunchCase cases[] = {
        {1, 1, 440, 1065, 488, 1113, 440},     {1, -1, 312, 1065, 360, 1113, 360},
        {2, 1, 414, 1140, 462, 1178, 414},     {2, -1, 336, 1140, 384, 1178, 384},
        {3, 1, 360, 1200, 558, 1398, 360},     {3, -1, 232, 1200, 430, 1398, 430},
        {4, 1, 420, 1000, 588, 1168, 420},     {4, -1, 212, 1000, 380, 1168, 380},
        {5, 1, 440, 1075, 488, 1123, 440},     {6, -1, 352, 1065, 400, 1113, 400},
        {7, 1, 420, 1030, 588, 1198, 420},     {8, 1, -200, 700, 848, 1348, -200},
        {8, -1, -48, 700, 1000, 1348, 1000},
    };
    for (const LaunchCase& k : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << k.kind << " facing " << k.facing);
        flyArts& fa = launch(k.kind, k.facing);
        EXPECT_TRUE(fa.Running);
        EXPECT_EQ(fa.FAType, k.kind);
        EXPECT_EQ(fa.dirStand, k.facing);
        EXPECT_EQ(fa.posX, k.posX);
        EXPECT_EQ(fa.posY, k.top);
        EXPECT_EQ(fa.ATFleft, k.left);
        EXPECT_EQ(fa.ATFtop, k.top);
        EXPECT_EQ(fa.ATFright, k.right);
        EXPECT_EQ(fa.ATFbottom, k.bottom);
    }
}

TEST_F(GoudaShots, ShapeAndPowerByKind) {
    flyArts& shot = launch(1, 1);
    EXPECT_EQ(shot.RunTimer, 140);
    EXPECT_EQ(shot.animPat, 5);
    EXPECT_EQ(shot.ATFtype, 3);
    EXPECT_EQ(shot.controlY, -55);
    EXPECT_EQ(shot.attackPow1st, 8);
    EXPECT_EQ(shot.attackPow2nd, 10);
    EXPECT_EQ(shot.stunPoint, 5);
    EXPECT_EQ(shot.spacornPoint, 10);
    EXPECT_EQ(shot.eraseType, 2);
    EXPECT_TRUE(shot.Force);
    EXPECT_TRUE(shot.normalorEX);
    EXPECT_FALSE(shot.spacornORnot);

    flyArts& wide = launch(4, 1);
    EXPECT_EQ(wide.ATFtype, 7);
    EXPECT_EQ(wide.ATEzoomY, 120);
    EXPECT_EQ(wide.AttackLeft, 50);
    EXPECT_EQ(wide.AttackTop, 30);
    EXPECT_EQ(wide.ATFvectorX, 5);
    EXPECT_EQ(wide.ATFvectorY, 1);
    EXPECT_EQ(wide.attackPow1st, 25);
    EXPECT_TRUE(wide.spacornORnot);

    flyArts& aura = launch(3, 1);
    EXPECT_FALSE(aura.Force);
    EXPECT_EQ(aura.eraseType, 1);
    EXPECT_EQ(aura.Width, 198);
    EXPECT_EQ(aura.RunTimer, 70);

    flyArts& tremble = launch(6, 1);
    EXPECT_TRUE(tremble.drawOnChara);
    EXPECT_EQ(tremble.animPat, 40);
    EXPECT_EQ(tremble.ATEanimPat, 45);
    EXPECT_EQ(tremble.RunTimer, 70);

    flyArts& backdrop = launch(8, 1);
    EXPECT_FALSE(backdrop.Force);
    EXPECT_EQ(backdrop.RunTimer, 1);
    EXPECT_EQ(backdrop.animPat, 50);
}

TEST_F(GoudaShots, UnknownKindTakesASlotAndKeepsItsOldSize) {
    flyArts& next = p1.flyArtsAt((p1.FANumber + 1) % 100);
    next.posX = 50;
    next.posY = 60;
    next.Width = 10;
    next.Height = 20;
    flyArts& fa = launch(9, 1);
    EXPECT_EQ(&fa, &next);
    EXPECT_TRUE(fa.Running);
    EXPECT_EQ(fa.FAType, 9);
    EXPECT_EQ(fa.ATFleft, 50);
    EXPECT_EQ(fa.ATFright, 60);
    EXPECT_EQ(fa.ATFtop, 60);
    EXPECT_EQ(fa.ATFbottom, 80);
}

TEST_F(GoudaShots, ShotsFlyByKindAndFadeOnceSpent) {
    struct Case {
        int16_t kind, facing, dx, dy;
    };
    for (Case k : {Case{1, 1, 10, 0}, Case{1, -1, -10, 0}, Case{2, -1, -15, 0}, Case{4, 1, 15, 0},
                   Case{5, 1, 10, 5}, Case{7, -1, -10, 5}}) {
        SCOPED_TRACE(testing::Message() << "kind " << k.kind << " facing " << k.facing);
        flyArts& fa = launch(k.kind, k.facing);
        const flyArts before = fa;
        behave(fa);
        EXPECT_EQ(fa.ATFleft, before.ATFleft + k.dx);
        EXPECT_EQ(fa.ATFright, before.ATFright + k.dx);
        EXPECT_EQ(fa.ATFtop, before.ATFtop + k.dy);
        EXPECT_EQ(fa.ATFbottom, before.ATFbottom + k.dy);
        EXPECT_EQ(fa.posX, before.posX);  // the launch point stays
        EXPECT_EQ(fa.animPat, 5);

        fa.Force = false;  // it hit
        behave(fa);
        EXPECT_EQ(fa.animPat, 35);
        EXPECT_EQ(fa.FAType, 0);
        const int16_t left = fa.ATFleft;
        behave(fa);  // no longer moves
        EXPECT_EQ(fa.ATFleft, left);
    }
}

TEST_F(GoudaShots, DivingShotsStopHittingBelowTheFloorLine) {
    for (int16_t kind : {5, 7}) {
        SCOPED_TRACE(kind);
        flyArts& fa = launch(kind, 1);
        fa.ATFbottom = 1890;
        behave(fa);
        behave(fa);  // exactly 1900: still hits
        EXPECT_EQ(fa.ATFbottom, 1900);
        EXPECT_TRUE(fa.Force);
        EXPECT_EQ(fa.FAType, kind);
        behave(fa);
        EXPECT_FALSE(fa.Force);
        EXPECT_EQ(fa.animPat, 35);
        EXPECT_EQ(fa.FAType, 0);
    }
}

TEST_F(GoudaShots, AuraFollowsGoudaUpAndDownOnly) {
    flyArts& fa = launch(3, 1);
    p1.posX = 700;
    p1.posY = 900;
    behave(fa);
    EXPECT_EQ(fa.ATFtop, 940);
    EXPECT_EQ(fa.ATFbottom, 1140);
    EXPECT_EQ(fa.ATFleft, 360);
    EXPECT_EQ(fa.ATFright, 558);
}

TEST_F(GoudaShots, TremblingPictureMovesEachEdgeByItsOwnDraw) {
    flyArts& fa = launch(6, 1);
    const flyArts before = fa;
    game.random.script({0.0, 0.999, 0.5, 0.02});
    behave(fa);
    EXPECT_EQ(fa.ATFleft, before.ATFleft - 25);
    EXPECT_EQ(fa.ATFright, before.ATFright + 24);
    EXPECT_EQ(fa.ATFtop, before.ATFtop);
    EXPECT_EQ(fa.ATFbottom, before.ATFbottom - 24);
}

TEST_F(GoudaShots, FlightFramesLoopEveryEightPictures) {
    flyArts& fa = launch(1, 1);
    const Rect first = draw(fa);
    EXPECT_EQ(first.left, 1201);
    EXPECT_EQ(first.top, 1);
    EXPECT_EQ(first.right, 1249);
    EXPECT_EQ(first.bottom, 49);
    draw(fa);
    EXPECT_EQ(fa.animPat, 5);
    draw(fa);  // held for two extra draws
    EXPECT_EQ(fa.animPat, 6);
    for (int i = 0; i < 3 * 7; ++i) draw(fa);
    EXPECT_EQ(fa.animPat, 5);  // 12 steps back to 5
    EXPECT_TRUE(fa.Running);

    fa.animPat = 30;  // not a frame of the sheet: nothing written
    const Rect none = draw(fa);
    EXPECT_EQ(none.left, -7);
    EXPECT_EQ(fa.animPat, 30);
}

TEST_F(GoudaShots, FadeOutAndAuraEndTheProjectileOnTheirLastFrame) {
    flyArts& shot = launch(1, 1);
    shot.animPat = 35;
    for (int i = 0; i < 12; ++i) draw(shot);
    EXPECT_EQ(shot.animPat, 39);
    EXPECT_TRUE(shot.Running);
    const Rect last = draw(shot);
    EXPECT_EQ(last.left, 1351);
    EXPECT_EQ(last.top, 101);
    EXPECT_FALSE(shot.Running);

    flyArts& aura = launch(3, 1);
    for (int i = 0; i < 12; ++i) draw(aura);
    EXPECT_EQ(aura.animPat, 21);
    EXPECT_TRUE(aura.Running);
    const Rect end = draw(aura);
    EXPECT_EQ(end.left, 601);
    EXPECT_EQ(end.top, 2401);
    EXPECT_EQ(end.right, 799);
    EXPECT_FALSE(aura.Running);

    flyArts& still = launch(6, 1);
    for (int i = 0; i < 10; ++i) draw(still);
    EXPECT_EQ(still.animPat, 40);
}

TEST_F(GoudaShots, LifetimesInTheBattlesProjectilePass) {
    flyArts& aura = launch(3, 1);
    for (int f = 0; f < 12; ++f) pass();
    EXPECT_TRUE(aura.Running);
    pass();  // pattern 21, long before the timer of 70
    EXPECT_FALSE(aura.Running);
    EXPECT_GT(aura.RunTimer, 50);

    flyArts& backdrop = launch(8, 1);
    pass();
    EXPECT_FALSE(backdrop.Running);

    flyArts& tremble = launch(6, -1);
    for (int f = 0; f < 69; ++f) pass();
    EXPECT_TRUE(tremble.Running);
    pass();
    EXPECT_FALSE(tremble.Running);
}

TEST_F(GoudaShots, ScriptLaunchesOncePerPatternOrEveryFrame) {
    struct Case {
        int16_t pattern;
        int16_t kind;
        int perThreeFrames;
    };
    const Case cases[] = {{582, 1, 1}, {723, 2, 1}, {502, 3, 1}, {513, 4, 1}, {661, 5, 1},
                          {741, 6, 3}, {523, 7, 1}, {922, 8, 3},  {926, 8, 3}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.pattern);
        p1.InitFlyArts();
        enter(k.pattern);
        for (int f = 0; f < 3; ++f) act();
        EXPECT_EQ(running(), k.perThreeFrames);
        EXPECT_EQ(lastShot().FAType, k.kind);
    }
}

TEST_F(GoudaShots, AirShotPushesGoudaBackOnce) {
    p1.floatorStand = true;
    p1.dirStand = -1;
    enter(582);
    act();
    EXPECT_EQ(p1.slideVector, 2);
    EXPECT_EQ(p1.upVector, 2);
    EXPECT_EQ(p1.fallVector, 0);
    EXPECT_EQ(timesPlayed(kRattleSound), 1);
}

}  // namespace
}  // namespace morvek::gouda_test
