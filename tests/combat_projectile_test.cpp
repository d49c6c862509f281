// Projectiles: launch set-up, animation step, hit, guard, special guard, erasure, clash,
// damage and score.

#include "combat_harness.h"
#include "engine/DataTables.h"

namespace morvek::combat_test {
namespace {

using CombatProjectile = CombatTest;

TEST_F(CombatProjectile, LaunchProtocolSetsOnlyWhatEachStepOwns) {
    p1.artsName = "男パンチ";
    flyArts& fa = p1.returningOneFlyArts();
    EXPECT_EQ(&fa, &p1.flyArtsAt(1));  // the first launch of a fresh ring
    fa.RunTimer = 7;
    fa.Force = true;
    fa.animCounter = 5;
    fa.stRength = -1;
    fa.ATFvectorX = 9;
    fa.genericCounter = 3;
    p1.dirStand = -1;
    flyArtsStart(game, fa, p1);
    EXPECT_TRUE(fa.Running);
    EXPECT_EQ(fa.dirStand, -1);
    EXPECT_EQ(fa.animCounter, 0);
    EXPECT_EQ(fa.stRength, 0);
    EXPECT_EQ(fa.ATFvectorX, 0);
    EXPECT_EQ(fa.genericCounter, 0);
    EXPECT_EQ(fa.RunTimer, 7);  // left to the set-up calls
    EXPECT_TRUE(fa.Force);
    EXPECT_EQ(p1.artsFAName, "男パンチ");

    flyArtsFrameSet(fa, 100.5, 80, 3, 60, 2, 11, 12, 20, 30, 10.5, 1, 2, 3, 4, 30, -10);
    EXPECT_EQ(fa.Width, 100);    // halves to even
    EXPECT_EQ(fa.setLenge, 10);
}

TEST_F(CombatProjectile, AnimationStepHoldsAndFreezes) {
    flyArts& fa = launchAt(p1, p2);
    fa.animPat = 1;
    Rect src{};
    std::vector<int16_t> shown;
    for (int i = 0; i < 7; ++i) {
        flyArtsAnimStep(game, src, fa, p1, 40, 60, 2, -1);
        shown.push_back(fa.animPat);
    }
    // A pattern is shown for holdFrames + 1 = 3 frames.
    EXPECT_EQ(shown, (std::vector<int16_t>{1, 1, 2, 2, 2, 3, 3}));
    EXPECT_EQ(src, (Rect{40, 60, 140, 140}));

    game.battle.freezeFlag = true;
    src = Rect{};
    for (int i = 0; i < 10; ++i) flyArtsAnimStep(game, src, fa, p1, 0, 0, 2, -1);
    EXPECT_EQ(fa.animPat, 3);
    EXPECT_EQ(src, (Rect{0, 0, 100, 80}));  // the cell is still written
    game.battle.freezeFlag = false;

    fa.animCounter = 0;
    for (int i = 0; i < 3; ++i) flyArtsAnimStep(game, src, fa, p1, 0, 0, 0, 2);
    EXPECT_EQ(fa.animPat, 3 - 6);  // a positive step goes back (a loop)
    for (int i = 0; i < 3; ++i) flyArtsAnimStep(game, src, fa, p1, 0, 0, 0, 0);
    EXPECT_EQ(fa.animPat, -3);
}

TEST_F(CombatProjectile, CleanHitOnTheComputer) {
    p2.enableAction = false;
    p2.stunSwitch = stunDizzy;
    flyArts& fa = launchAt(p1, p2, 3, 1);
    fa.spacornORnot = true;
    flyArtsHitJudge(game, p1, p2, fa);
    EXPECT_TRUE(p1.FAwasHit);
    EXPECT_TRUE(p1.spacornHit);
    EXPECT_EQ(p1.attackWasHit, 1);
    EXPECT_EQ(p2.animPat, kStandingHit);
    EXPECT_EQ(p2.sTate, stHit);
    EXPECT_EQ(p2.comboCount, 1);
    EXPECT_EQ(p2.nockLenge, 20);
    EXPECT_TRUE(p2.spAttacked);
    EXPECT_EQ(p2.stunSwitch, stunNormal);  // woken from dizzy
    EXPECT_NEAR(p2.viTality, 254 - 39.68, 1e-9);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);  // projectiles give no gauge
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 0);
    EXPECT_EQ(game.engine.gameScore, 500);  // 25 + 16 + 4 + 18 + 8 = 71
    EXPECT_EQ(sounds(), (std::vector<int>{11}));
    EXPECT_FALSE(fa.Running);  // eraseType 1
    // Effect on the target, in the target's ring: drawOnChara, facing right.
    const Splite& sp = lastSplite(p2);
    EXPECT_EQ(sp.animPat, 12);
    EXPECT_EQ(sp.posX, 400 + 100 - 30);
    EXPECT_EQ(sp.posY, kGroundY + 10);
    EXPECT_EQ(sp.Width, 100);
    EXPECT_EQ(sp.Height, 100);
    EXPECT_EQ(sp.dirStand, 1);
}

TEST_F(CombatProjectile, EffectAtTheProjectileWhenNotDrawnOnTheFighter) {
    p2.enableAction = false;
    flyArts& fa = launchAt(p2, p1);  // p2 faces left
    fa.drawOnChara = false;
    flyArtsHitJudge(game, p2, p1, fa);
    const Splite& sp = lastSplite(p1);
    EXPECT_EQ(sp.posX, fa.ATFleft + 50 + 30);
    EXPECT_EQ(sp.posY, fa.posY + 10);
    EXPECT_EQ(sp.dirStand, -1);
    EXPECT_EQ(game.engine.gameScore, 0);  // the computer's hits score nothing
    EXPECT_FALSE(p1.tarGeting);
}

TEST_F(CombatProjectile, GuardedByKeyEvenForTheHuman) {
    p1.sTate = stStandGuard;
    flyArts& fa = launchAt(p2, p1, 3, 2);
    flyArtsHitJudge(game, p2, p1, fa);
    EXPECT_EQ(p1.animPat, kStandGuardHit);
    EXPECT_EQ(p1.nockLenge, 13);
    EXPECT_EQ(p1.gardFixTime, 10);
    EXPECT_FALSE(p1.enableAction);
    EXPECT_EQ(p1.KBTimer, 30);
    EXPECT_DOUBLE_EQ(p1.viTality, 254);
    EXPECT_EQ(p2.attackWasHit, 2);
    EXPECT_EQ(fa.ATEanimPat, kGuardSpark);  // the projectile keeps the guard spark
    EXPECT_EQ(lastSplite(p1).animPat, kGuardSpark);
    EXPECT_EQ(sounds(), (std::vector<int>{kGuardSound}));
    EXPECT_TRUE(fa.Running);  // eraseType 2: flies on without Force
    EXPECT_FALSE(fa.Force);

    p1.sTate = stCrouchGuard;
    fa.Force = true;
    fa.normalorEX = true;  // EX: chip 40 / 20
    fa.attackPow1st = 41;
    fa.attackPow2nd = 0;
    p1.comboCount = 0;
    flyArtsHitJudge(game, p2, p1, fa);
    EXPECT_EQ(p1.animPat, kCrouchGuardHit);
    EXPECT_DOUBLE_EQ(p1.viTality, 252);
}

TEST_F(CombatProjectile, ComputerRollsEveryFrameAndAlwaysPicksTheStandingGuard) {
    p2.cpuLevel = 10;
    flyArts& fa = launchAt(p1, p2, 3, 0);
    fa.posX = fa.ATFleft = 1000;  // far from the body: no contact, still a roll
    fa.ATFright = 1020;
    game.random.script({rollOf(10)});
    flyArtsHitJudge(game, p1, p2, fa);
    EXPECT_EQ(p2.sTate, stStandGuard);
    EXPECT_EQ(p2.animPat, 0);  // only the state changes
    EXPECT_EQ(p1.attackWasHit, 0);

    placeOver(fa, p2);
    p2.sTate = stStand;
    game.random.script({rollOf(10)});
    flyArtsHitJudge(game, p1, p2, fa);
    EXPECT_EQ(p2.animPat, kStandGuardHit);
    EXPECT_EQ(p1.attackWasHit, 2);
}

TEST_F(CombatProjectile, SpecialGuard) {
    p2.cpuLevel = 20;
    p2.spacornGauge = 5;
    flyArts& fa = launchAt(p1, p2, 3, 1);
    game.random.script({rollOf(5)});
    flyArtsHitJudge(game, p1, p2, fa);
    EXPECT_EQ(p2.animPat, 390);
    EXPECT_EQ(p2.sTate, stRecover);
    EXPECT_TRUE(p2.enableAction);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 15);
    EXPECT_DOUBLE_EQ(p2.viTality, 254);
    EXPECT_EQ(p2.KBTimer, 0);
    EXPECT_EQ(sounds(), (std::vector<int>{26}));
    // The blocking flash in the defender's own ring: effect 35, 50 px behind, 200 x 200.
    const Splite& sp = lastSplite(p2);
    EXPECT_EQ(sp.animPat, 35);
    EXPECT_EQ(sp.posX, 400 + 100 + 50);
    EXPECT_EQ(sp.Width, 200);
    EXPECT_FALSE(fa.Running);

    // Fighters 6 and 7 never special-guard.
    for (int16_t number : {int16_t{6}, int16_t{7}}) {
        standUp(p2, 400, -1, false);
        p2.NUMBER = number;
        p2.cpuLevel = 20;
        flyArts& next = launchAt(p1, p2, 3, 1);
        game.random.script({rollOf(5)});
        flyArtsHitJudge(game, p1, p2, next);
        EXPECT_EQ(p2.comboCount, 1) << "number " << number;
    }
}

TEST_F(CombatProjectile, SpecialGuardInTheAirSlowsTheFall) {
    lift(p2);
    p2.upVector = 9;
    p2.fallVector = 4;
    p2.slideVector = -6;
    blockingReaction(game, p2, p1);
    EXPECT_DOUBLE_EQ(p2.upVector, 3);
    EXPECT_DOUBLE_EQ(p2.fallVector, 0);
    EXPECT_DOUBLE_EQ(p2.slideVector, -3);
}

TEST_F(CombatProjectile, ArtsAndGettingUpPassThrough) {
    p2.enableAction = false;
    for (int16_t st : {int16_t{20}, int16_t{-20}}) {
        p2.sTate = st;
        flyArts& fa = launchAt(p1, p2, 3, 1);
        flyArtsHitJudge(game, p1, p2, fa);
        EXPECT_TRUE(fa.Running);
        EXPECT_TRUE(fa.Force);
        EXPECT_FALSE(p1.FAwasHit);
        EXPECT_EQ(p2.comboCount, 0);
    }
}

TEST_F(CombatProjectile, EraseTypeZeroHitsEveryFrame) {
    p2.enableAction = false;
    flyArts& fa = launchAt(p1, p2, 6, 0);
    for (int frame = 1; frame <= 3; ++frame) {
        p1.HitCheckFlyArts(game, p2);
        EXPECT_EQ(p2.comboCount, frame);
    }
    EXPECT_TRUE(fa.Running);
    EXPECT_TRUE(fa.Force);
}

TEST_F(CombatProjectile, ClashesTakeForceExceptFromStrengthMinusOne) {
    p2.enableAction = false;
    flyArts& mine = launchAt(p1, p2, 3, 0);
    flyArts& theirs = launchAt(p2, p1, 3, 0);
    // Meet in mid-air, away from both bodies.
    for (flyArts* fa : {&mine, &theirs}) {
        fa->ATFleft = 700;
        fa->ATFright = 720;
        fa->ATFtop = 100;
        fa->ATFbottom = 120;
    }
    mine.stRength = -1;
    p1.HitCheckFlyArts(game, p2);
    EXPECT_TRUE(mine.Force);
    EXPECT_FALSE(theirs.Force);

    // A projectile that has just hit (and ended) still clashes in the same frame.
    flyArts& hitter = launchAt(p1, p2, 3, 1);
    flyArts& other = launchAt(p2, p1, 3, 0);
    other.ATFleft = hitter.ATFleft;
    other.ATFright = hitter.ATFright;
    other.ATFtop = hitter.ATFtop;
    other.ATFbottom = hitter.ATFbottom;
    mine.Running = false;
    p1.HitCheckFlyArts(game, p2);
    EXPECT_EQ(p2.comboCount, 1);
    EXPECT_FALSE(hitter.Running);
    EXPECT_FALSE(other.Force);
}

TEST_F(CombatProjectile, KnockBackByType) {
    struct Case {
        int16_t type;
        bool air;
        int16_t pattern;
    };
    const Case cases[] = {
        {1, false, 300}, {1, true, 300},  {2, false, 310}, {3, false, 340}, {3, true, 340},
        {4, false, 340}, {4, true, 310},  {5, false, 0},   {6, true, 0},    {7, false, 340},
        {7, true, 310},  {9, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << (c.air ? " air" : ""));
        standUp(p2, 400, -1, false);
        p2.upVector = 7;
        p2.slideVector = 2;
        p2.fallVector = 12;
        if (c.air) lift(p2);
        flyArts& fa = launchAt(p1, p2, c.type, 1);
        fa.ATFvectorX = 5;
        fa.ATFvectorY = 6;
        flyArtsKnockBack(game, p2, fa);
        EXPECT_EQ(p2.animPat, c.pattern);
        if (c.type == 4 && c.air) {
            EXPECT_DOUBLE_EQ(p2.upVector, 0);  // the projectile's never-set motion
            EXPECT_DOUBLE_EQ(p2.slideVector, 0);
            EXPECT_DOUBLE_EQ(p2.fallVector, 0);
        }
        if (c.type == 7 && c.air) {
            EXPECT_DOUBLE_EQ(p2.upVector, 6);
            EXPECT_DOUBLE_EQ(p2.slideVector, 5);
            EXPECT_DOUBLE_EQ(p2.fallVector, 0);
        }
        if (c.type == 2) {
            EXPECT_DOUBLE_EQ(p2.upVector, 13);
            EXPECT_DOUBLE_EQ(p2.slideVector, 7);
            EXPECT_DOUBLE_EQ(p2.fallVector, 12);
        }
    }
    // Crouching posture, the final boss, the floor.
    standUp(p2, 400, -1, false);
    p2.sTate = stCrouchGuard;
    flyArts& fa = launchAt(p1, p2, 3, 1);
    flyArtsKnockBack(game, p2, fa);
    EXPECT_EQ(p2.animPat, kCrouchingHit);
    standUp(p2, 400, -1, false);
    p2.NUMBER = 7;
    fa.ATFtype = 4;
    flyArtsKnockBack(game, p2, fa);
    EXPECT_EQ(p2.animPat, 310);
    standUp(p2, 400, -1, false);
    p2.sTate = stFloorHit;
    flyArtsKnockBack(game, p2, fa);
    EXPECT_EQ(p2.animPat, kKnockdownFall);
    standUp(p2, 400, -1, false);
    p2.sTate = stLyingDown;  // unlike melee, only the floor-hit state falls into 370
    fa.ATFtype = 6;
    flyArtsKnockBack(game, p2, fa);
    EXPECT_EQ(p2.animPat, 0);
}

using CombatProjectileDamage = CombatTest;

TEST_F(CombatProjectileDamage, Examples) {
    flyArts fa;
    // Powerless: no damage and the combo is not counted.
    p1.comboCount = 3;
    flyArtsDamage(game, fa, p1, true);
    EXPECT_EQ(p1.comboCount, 2);
    EXPECT_DOUBLE_EQ(p1.viTality, 254);
    EXPECT_EQ(game.engine.gameScore, 0);
    EXPECT_EQ(p1.KBTimer, 30);

    // (10, 0, 0) against defence 5, combo 0: c becomes 1, damage 5.
    standUp(p2, 400, -1, false);
    fa.attackPow1st = 10;
    flyArtsDamage(game, fa, p2, true);
    EXPECT_EQ(p2.comboCount, 1);
    EXPECT_DOUBLE_EQ(p2.viTality, 249);
    EXPECT_EQ(game.engine.gameScore, 100);

    // Vitality 3 and damage 5: vitality 0, one-hit damage 3.
    p2.viTality = 3;
    flyArtsDamage(game, fa, p2, true);
    EXPECT_DOUBLE_EQ(p2.viTality, 0);
    EXPECT_EQ(p2.OneHitDamage, 3);

    // Already below zero from a chip: no heal.
    p2.viTality = -0.5;
    flyArtsDamage(game, fa, p2, true);
    EXPECT_DOUBLE_EQ(p2.viTality, -0.5);

    // Guarded: only the EX chip, no floor.
    p2.viTality = 0.1;
    flyArtsDamage(game, fa, p2, false);
    EXPECT_DOUBLE_EQ(p2.viTality, 0.1);
    fa.normalorEX = true;
    flyArtsDamage(game, fa, p2, false);
    EXPECT_DOUBLE_EQ(p2.viTality, 0.1 - 5 / 20.0);

    // Stun scaled like melee; a stun below zero stuns.
    standUp(p2, 400, -1, false);
    p2.stunGauge = 10;
    fa.stunPoint = 18;
    flyArtsDamage(game, fa, p2, true);
    EXPECT_DOUBLE_EQ(p2.stunGauge, 0);
    EXPECT_EQ(p2.stunSwitch, stunStunned);
    EXPECT_EQ(p1.SJSpoint, 0);  // no judge points from a projectile

    // The human hit by the computer's projectile scores nothing.
    game.engine.gameScore = 0;
    fa.attackPow1st = 10;
    flyArtsDamage(game, fa, p1, true);
    EXPECT_EQ(game.engine.gameScore, 0);

    // damageLock: nothing.
    game.battle.damageLock = true;
    standUp(p2, 400, -1, false);
    flyArtsDamage(game, fa, p2, true);
    EXPECT_EQ(p2.KBTimer, 0);
    EXPECT_EQ(p2.comboCount, 0);
}

TEST_F(CombatProjectileDamage, ScoreBands) {
    const std::pair<int16_t, int32_t> bands[] = {{0, 100},   {24, 100}, {25, 200}, {34, 200},
                                                 {35, 300},  {44, 300}, {45, 400}, {60, 400},
                                                 {61, 500},  {71, 500}, {-1, 500}};
    for (auto [sum, points] : bands) {
        flyArts fa;
        fa.attackPow1st = sum;
        game.engine.gameScore = 0;
        flyArtsScore(game, fa);
        EXPECT_EQ(game.engine.gameScore, points) << "sum " << sum;
    }
    flyArts fa;  // the parts are not weighted and an EX projectile earns no extra
    fa.attackPow3rd = 20;
    fa.stunPoint = 10;
    fa.normalorEX = true;
    game.engine.gameScore = 0;
    flyArtsScore(game, fa);
    EXPECT_EQ(game.engine.gameScore, 200);
}

}  // namespace
}  // namespace morvek::combat_test
