#include <gtest/gtest.h>

#include "battle/Character.h"
#include "game/Game.h"
#include "platform/HeadlessPlatform.h"

using namespace morvek;

namespace {

class BattleCharacter : public ::testing::Test {
protected:
    /// A running projectile with a frame at (x, y) of 50x50 and no insets.
    static void launchAt(flyArts& fa, int16_t x, int16_t y, int16_t strength) {
        fa.Running = true;
        fa.Force = true;
        fa.RunTimer = 30;
        fa.ATFleft = x;
        fa.ATFtop = y;
        fa.ATFright = static_cast<int16_t>(x + 50);
        fa.ATFbottom = static_cast<int16_t>(y + 50);
        fa.stRength = strength;
    }

    HeadlessPlatform platform;
    Game game{platform};
    Character me;
    Character enemy;
};

}  // namespace

TEST_F(BattleCharacter, ProjectileRingStartsAtOneAndWraps) {
    EXPECT_EQ(&me.returningOneFlyArts(), &me.flyArtsAt(1));
    EXPECT_EQ(me.FANumber, 1);
    for (int i = 2; i <= 99; ++i) me.returningOneFlyArts();
    EXPECT_EQ(me.FANumber, 99);
    EXPECT_EQ(&me.returningOneFlyArts(), &me.flyArtsAt(0));
    // No in-use check: a busy slot is handed out again.
    me.flyArtsAt(1).Running = true;
    flyArts& again = me.returningOneFlyArts();
    EXPECT_EQ(&again, &me.flyArtsAt(1));
    EXPECT_TRUE(again.Running);
}

TEST_F(BattleCharacter, EffectRingStartsAtOneAndWrapsAfterNine) {
    EXPECT_EQ(&me.returningOneSplite(), &me.spliteAt(1));
    for (int i = 2; i <= 9; ++i) me.returningOneSplite();
    EXPECT_EQ(&me.returningOneSplite(), &me.spliteAt(0));
    EXPECT_EQ(&me.returningOneSplite(), &me.spliteAt(1));
}

TEST_F(BattleCharacter, PoolsAreRebuiltButTheRingPositionCarriesOn) {
    for (int i = 0; i < 5; ++i) {
        me.returningOneFlyArts().Running = true;
        me.returningOneSplite().animPat = 7;
    }
    me.InitFlyArts();
    me.InitSplite();
    for (int i = 0; i < kFlyArtsPool; ++i) EXPECT_FALSE(me.flyArtsAt(i).Running);
    for (int i = 0; i < kSplitePool; ++i) EXPECT_EQ(me.spliteAt(i).animPat, 0);
    EXPECT_EQ(&me.returningOneFlyArts(), &me.flyArtsAt(6));
    EXPECT_EQ(&me.returningOneSplite(), &me.spliteAt(6));
}

TEST_F(BattleCharacter, CharaNameSetFromNumber) {
    const char* stems[] = {"morvekboy", "ginzamurai", "nangief", "honekawa", "gouda",
                           "interrupter", "buri", "god", "betaboy"};
    for (int16_t n = 0; n <= 8; ++n) {
        me.ReverseCharaFlag = true;
        me.CharaNameSetFromNumber(n);
        EXPECT_EQ(me.charaname, stems[n]);
        EXPECT_FALSE(me.ReverseCharaFlag);
    }
    me.CharaNameSetFromNumber(9);
    EXPECT_EQ(me.charaname, "honekawa");
    EXPECT_TRUE(me.ReverseCharaFlag);
    me.CharaNameSetFromNumber(10);
    EXPECT_EQ(me.charaname, "");
    EXPECT_FALSE(me.ReverseCharaFlag);
    me.CharaNameSetFromNumber(-1);
    EXPECT_EQ(me.charaname, "");
}

TEST_F(BattleCharacter, AxisRoundsHalvesToEvenAndPosMoveFollowsTheFacing) {
    me.posX = 250;
    me.Width = 200;
    EXPECT_EQ(me.characterAxis(), 350);
    me.Width = 199;
    me.posX = 0;
    EXPECT_EQ(me.characterAxis(), 100);  // 99.5
    me.posX = 1;
    EXPECT_EQ(me.characterAxis(), 100);  // 100.5

    me.posX = 100;
    me.posY = 50;
    me.dirStand = -1;
    me.posMove(30, -5);
    EXPECT_EQ(me.posX, 70);
    EXPECT_EQ(me.posY, 45);
    me.dirStand = 1;
    me.posMove(30, 0);
    EXPECT_EQ(me.posX, 100);
}

TEST_F(BattleCharacter, WinMarksLandInTheRoundsCounted) {
    me.winCount = 1;
    me.winMarkSet(2);
    me.winCount = 3;
    me.winMarkSet(5);
    EXPECT_EQ(me.returningHowtoWin(0), 0);
    EXPECT_EQ(me.returningHowtoWin(1), 2);
    EXPECT_EQ(me.returningHowtoWin(3), 5);
}

TEST_F(BattleCharacter, StageInitClearsGaugesAndCounts) {
    me.spacornGauge = 120.5;
    me.spacornPoint = 4;
    me.spacornCount = 2;
    me.MaxComboCount = 30;
    me.SJSpoint = 44;
    me.tarGeting = true;
    me.viTality = 100;
    me.stageInit();
    EXPECT_EQ(me.spacornGauge, 0);
    EXPECT_EQ(me.spacornPoint, 0);
    EXPECT_EQ(me.spacornCount, 0);
    EXPECT_EQ(me.MaxComboCount, 0);
    EXPECT_EQ(me.SJSpoint, 0);
    EXPECT_FALSE(me.tarGeting);
    EXPECT_EQ(me.viTality, 100);
}

TEST_F(BattleCharacter, ClashTakesForceUnlessTheStrengthIsMinusOne) {
    struct Case {
        int16_t mine, theirs;
        bool mineKeeps, theirsKeeps;
    };
    const Case cases[] = {{0, 0, false, false}, {-1, 0, true, false}, {0, -1, false, true},
                          {-1, -1, true, true}, {3, 2, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mine << " vs " << c.theirs);
        me.InitFlyArts();
        enemy.InitFlyArts();
        flyArts& mine = me.flyArtsAt(4);
        flyArts& theirs = enemy.flyArtsAt(7);
        launchAt(mine, 100, 100, c.mine);
        launchAt(theirs, 150, 150, c.theirs);  // touching corners overlap
        me.flyArtsCrossing(game, theirs);
        EXPECT_EQ(mine.Force, c.mineKeeps);
        EXPECT_EQ(theirs.Force, c.theirsKeeps);
        EXPECT_TRUE(mine.Running);  // a clash never ends a projectile
        EXPECT_TRUE(theirs.Running);
    }
}

TEST_F(BattleCharacter, ClashBoxesUseTheInsetsAndSkipHarmlessProjectiles) {
    flyArts& mine = me.flyArtsAt(0);
    flyArts& theirs = enemy.flyArtsAt(0);
    launchAt(mine, 100, 100, 0);
    launchAt(theirs, 151, 100, 0);  // one pixel apart
    me.flyArtsCrossing(game, theirs);
    EXPECT_TRUE(mine.Force);
    EXPECT_TRUE(theirs.Force);

    launchAt(theirs, 140, 100, 0);
    theirs.AttackLeft = 11;  // the box starts at 151
    me.flyArtsCrossing(game, theirs);
    EXPECT_TRUE(theirs.Force);

    theirs.AttackLeft = 0;
    mine.Force = false;  // a projectile without force does not clash
    me.flyArtsCrossing(game, theirs);
    EXPECT_TRUE(theirs.Force);
}

TEST_F(BattleCharacter, ProjectilesAgeInTheirDrawingUnlessFrozen) {
    const Surface8 sheet;
    me.NUMBER = 9;  // no move set: the projectile only ages
    flyArts& a = me.flyArtsAt(3);
    flyArts& b = me.flyArtsAt(50);
    launchAt(a, 0, 0, 0);
    launchAt(b, 0, 0, 0);
    a.RunTimer = 1;
    b.RunTimer = 2;

    game.battle.freezeFlag = true;
    me.drawFlyArts(game, sheet);
    EXPECT_EQ(a.RunTimer, 1);
    EXPECT_TRUE(a.Running);

    game.battle.freezeFlag = false;
    me.drawFlyArts(game, sheet);
    EXPECT_EQ(a.RunTimer, 0);
    EXPECT_FALSE(a.Running);
    EXPECT_FALSE(a.Force);
    EXPECT_EQ(b.RunTimer, 1);
    EXPECT_TRUE(b.Running);

    // A timer already below zero ends the projectile too, frozen or not.
    b.RunTimer = -4;
    game.battle.freezeFlag = true;
    me.drawFlyArts(game, sheet);
    EXPECT_FALSE(b.Running);
}

TEST_F(BattleCharacter, ProjectileSlotsOfFighterThreeAndUnknownNumbersDoNothing) {
    flyArts& fa = me.flyArtsAt(2);
    launchAt(fa, 10, 20, 0);
    for (int16_t number : {int16_t{3}, int16_t{9}, int16_t{-1}}) {
        enemy.NUMBER = number;
        Rect src{1, 2, 3, 4};
        me.FlyArtsAnimPat(game, enemy, src, fa);
        me.FAMorfizm(game, enemy, fa);
        EXPECT_EQ(src, (Rect{1, 2, 3, 4}));
        EXPECT_TRUE(fa.Running);
        EXPECT_EQ(fa.RunTimer, 30);
        EXPECT_EQ(fa.ATFleft, 10);
    }
}
