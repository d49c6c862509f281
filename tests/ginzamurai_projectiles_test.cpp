// GINZAMURAI's projectiles: launch place and box in both facings, the sword trails that
// never hit, the lightning's flicker, the wind blades' alternating frames, the scattered
// volley and the flight of the spikes.

#include "ginzamurai_fixture.h"

namespace morvek::ginzamurai_test {
namespace {

using GinzamuraiProjectiles = GinzamuraiTest;

constexpr int16_t kTop = kGroundLine - 70;
constexpr int16_t kCentre = 450;

flyArts& launched(MoveSet& m, Game& game, Character& c, int16_t kind) {
    m.FlyArtsLaunch(game, c, kind);
    return c.flyArtsAt(c.FANumber);
}

void expectBox(const flyArts& fa, int16_t l, int16_t t, int16_t r, int16_t b) {
    EXPECT_EQ(fa.ATFleft, l);
    EXPECT_EQ(fa.ATFtop, t);
    EXPECT_EQ(fa.ATFright, r);
    EXPECT_EQ(fa.ATFbottom, b);
}

TEST_F(GinzamuraiProjectiles, KindHeHasNotTakesNoSlotOfTheRing) {
    const int16_t before = p1.FANumber;
    for (int16_t kind : {0, 13, -1}) moves().FlyArtsLaunch(game, p1, kind);
    EXPECT_EQ(p1.FANumber, before);
    for (int i = 0; i < kFlyArtsPool; ++i) EXPECT_FALSE(p1.flyArtsAt(static_cast<int16_t>(i)).Running);
}

TEST_F(GinzamuraiProjectiles, LightningBoxCoversTheSkyAboveTheOpponent) {
    flyArts& fa = launched(moves(), game, p1, 8);
    EXPECT_TRUE(fa.Running);
    EXPECT_EQ(fa.FAType, 8);
    EXPECT_EQ(fa.posX, kCentre - 250);
    EXPECT_EQ(fa.posY, kTop - 750);
    expectBox(fa, 200, kTop - 750, 689, kTop - 750 + 1098);
    EXPECT_EQ(fa.ATFright - fa.ATFleft, 489);
    EXPECT_EQ(fa.stRength, -1);
    EXPECT_EQ(fa.eraseType, 0);
    EXPECT_TRUE(fa.drawOnChara);
    EXPECT_EQ(fa.attackPow1st, 40);
    EXPECT_EQ(fa.RunTimer, 70);

    p1.dirStand = -1;
    flyArts& left = launched(moves(), game, p1, 8);
    EXPECT_EQ(left.posX, kCentre + 250);
    EXPECT_EQ(left.ATFright, kCentre + 250);
    EXPECT_EQ(left.ATFleft, kCentre + 250 - 489);
}

TEST_F(GinzamuraiProjectiles, BoxExtensionReachesTowardTheFacing) {
    flyArts& right = launched(moves(), game, p1, 3);
    EXPECT_EQ(right.posX, kCentre - 100);
    expectBox(right, 350, kTop + 90, 350 + 298 + 100, kTop + 90 + 98 + 50);
    p1.dirStand = -1;
    flyArts& left = launched(moves(), game, p1, 3);
    EXPECT_EQ(left.posX, kCentre + 100);
    expectBox(left, 550 - 398, kTop + 90, 550, kTop + 90 + 148);
}

TEST_F(GinzamuraiProjectiles, SwordTrailsNeverHit) {
    for (int16_t kind : {2, 3, 4, 5, 6, 11}) {
        flyArts& fa = launched(moves(), game, p1, kind);
        EXPECT_TRUE(fa.Running) << kind;
        EXPECT_FALSE(fa.Force) << kind;
        EXPECT_EQ(fa.stRength, 0) << kind;
    }
    for (int16_t kind : {1, 7, 8, 9, 10, 12}) {
        EXPECT_TRUE(launched(moves(), game, p1, kind).Force) << kind;
    }
}

TEST_F(GinzamuraiProjectiles, GiantSpikeFliesAndOutlastsClashes) {
    flyArts& fa = launched(moves(), game, p1, 7);
    EXPECT_EQ(fa.ATFvectorX, 5);
    EXPECT_EQ(fa.ATFvectorY, 3);
    EXPECT_EQ(fa.stRength, -1);
    EXPECT_TRUE(fa.spacornORnot);
    expectBox(fa, 400, kTop + 30, 400 + 38 + 250, kTop + 30 + 18 + 200);
    moves().FAMorfizm(game, p1, fa);
    expectBox(fa, 420, kTop + 30, 708, kTop + 248);
    fa.Force = false;
    moves().FAMorfizm(game, p1, fa);
    EXPECT_TRUE(fa.Running);
}

TEST_F(GinzamuraiProjectiles, SpikeThatLostItsForceEndsAtItsNextStep) {
    p1.dirStand = -1;
    flyArts& fa = launched(moves(), game, p1, 1);
    EXPECT_EQ(fa.posX, kCentre + 50);
    EXPECT_EQ(fa.posY, kTop + 170);
    const int16_t l = fa.ATFleft, t = fa.ATFtop;
    moves().FAMorfizm(game, p1, fa);
    EXPECT_EQ(fa.ATFleft, l - 50);
    EXPECT_EQ(fa.ATFtop, t);
    EXPECT_TRUE(fa.Running);
    fa.Force = false;
    moves().FAMorfizm(game, p1, fa);
    EXPECT_FALSE(fa.Running);
}

TEST_F(GinzamuraiProjectiles, VolleySpikesScatterInFrontOfTheCentre) {
    game.random.script({0.0, 0.99, 0.99, 0.0});
    flyArts& near = launched(moves(), game, p1, 12);
    EXPECT_EQ(near.posX, kCentre + 29);
    EXPECT_EQ(near.posY, kTop + 190);
    p1.dirStand = -1;
    flyArts& far = launched(moves(), game, p1, 12);
    EXPECT_EQ(far.posX, kCentre);
    EXPECT_EQ(far.posY, kTop + 151);
    EXPECT_EQ(far.ATFright, kCentre);
    EXPECT_EQ(far.attackPow1st, 17);
    EXPECT_EQ(far.eraseType, 1);
}

TEST_F(GinzamuraiProjectiles, WindBladesMoveAndTurnBetweenWideAndTall) {
    flyArts& fa = launched(moves(), game, p1, 9);
    EXPECT_EQ(fa.animPat, 45);
    const int16_t l = fa.ATFleft;
    moves().FAMorfizm(game, p1, fa);
    EXPECT_EQ(fa.ATFleft, l + 30);
    Rect r;
    moves().FlyArtsAnimPat(game, p1, r, fa);
    EXPECT_EQ(fa.Width, 298);
    EXPECT_EQ(fa.Height, 98);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 2301);
    for (int i = 0; i < 4; ++i) moves().FlyArtsAnimPat(game, p1, r, fa);
    EXPECT_EQ(fa.animPat, 46);
    moves().FlyArtsAnimPat(game, p1, r, fa);
    EXPECT_EQ(fa.Width, 198);
    EXPECT_EQ(fa.Height, 298);
    EXPECT_EQ(r.top, 2401);
    for (int i = 0; i < 4; ++i) moves().FlyArtsAnimPat(game, p1, r, fa);
    EXPECT_EQ(fa.animPat, 45);
}

TEST_F(GinzamuraiProjectiles, LightningFlickersBetweenStrikingAndNot) {
    flyArts& fa = launched(moves(), game, p1, 8);
    Rect r;
    std::vector<int> force;
    std::vector<int16_t> pats;
    for (int i = 0; i < 13; ++i) {
        moves().FlyArtsAnimPat(game, p1, r, fa);
        force.push_back(fa.Force ? 1 : 0);
        pats.push_back(fa.animPat);
    }
    EXPECT_EQ(pats, (std::vector<int16_t>{35, 35, 36, 36, 37, 37, 38, 38, 39, 39, 36, 36, 37}));
    EXPECT_EQ(force, (std::vector<int>{1, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0}));
}

TEST_F(GinzamuraiProjectiles, TrailsEndWithTheirLastFrameAndSpikesShowOneFrame) {
    flyArts& trail = launched(moves(), game, p1, 2);
    Rect r;
    for (int i = 0; i < 3; ++i) moves().FlyArtsAnimPat(game, p1, r, trail);
    EXPECT_TRUE(trail.Running);
    EXPECT_EQ(trail.animPat, 11);
    moves().FlyArtsAnimPat(game, p1, r, trail);
    EXPECT_FALSE(trail.Running);

    flyArts& spike = launched(moves(), game, p1, 1);
    for (int i = 0; i < 40; ++i) moves().FlyArtsAnimPat(game, p1, r, spike);
    EXPECT_EQ(spike.animPat, 5);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 2701);
    EXPECT_EQ(r.right, 39);
    EXPECT_EQ(r.bottom, 2719);
}

TEST_F(GinzamuraiProjectiles, RingReusesTheOldestSlotAfterAHundredLaunches) {
    for (int i = 0; i < 100; ++i) moves().FlyArtsLaunch(game, p1, 1);
    const int16_t slot = p1.FANumber;
    moves().FlyArtsLaunch(game, p1, 3);
    EXPECT_EQ(p1.FANumber, (slot + 1) % 100);
    EXPECT_EQ(running(p1), 100);
}

}  // namespace
}  // namespace morvek::ginzamurai_test
