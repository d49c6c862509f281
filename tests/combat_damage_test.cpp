// Damage with its combo scaling, gauge gains, stun, EX chip, the human's score, the combo
// end at a neutral pose, and the combo bonus.

#include "combat_harness.h"

namespace morvek::combat_test {
namespace {

class CombatDamage : public CombatTest {
protected:
    CombatDamage() {
        setAttackPower(p1, 25, 16, 4, false, 18, 8, false);
        p1.spacornGaugeMax = 1000;  // keep gains visible as plain numbers
        p2.spacornGaugeMax = 1000;
    }
};

TEST_F(CombatDamage, FirstHitOfTheExample) {
    p2.comboCount = 1;
    damageJudge(game, p1, p2, true);
    EXPECT_NEAR(p2.viTality, 254 - 39.68, 1e-9);
    EXPECT_EQ(p2.OneHitDamage, 40);
    EXPECT_EQ(p2.TotalDamage, 40);
    EXPECT_EQ(p2.KBTimer, 30);
    // Gains: attacker (33 - 1) * 8 / 33 = 7.76 -> 8; defender Int(39.68 / 5) + 1 = 8.
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 8);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 8);
    // Stun 32 * 18 / 33 = 17.45 -> 17.
    EXPECT_DOUBLE_EQ(p2.stunGauge, 83);
}

TEST_F(CombatDamage, FifthHitIsScaledDown) {
    p2.comboCount = 5;
    damageJudge(game, p1, p2, true);
    EXPECT_NEAR(254 - p2.viTality, 18.4, 1e-9);
    EXPECT_EQ(p2.OneHitDamage, 18);
}

TEST_F(CombatDamage, AComboCountOfZeroCountsAsTheFirstHit) {
    damageJudge(game, p1, p2, true);
    EXPECT_EQ(p2.comboCount, 1);
    EXPECT_EQ(p2.OneHitDamage, 40);
}

TEST_F(CombatDamage, SmallHitsTakeOnePowerlessHitsTakeNothingAndDoNotCount) {
    setAttackPower(p1, 1, 0, 0, false, 0, 0, false);
    p2.comboCount = 1;
    damageJudge(game, p1, p2, true);
    EXPECT_DOUBLE_EQ(p2.viTality, 253);

    // Through the collision phase: the hit counts one, the powerless damage takes it back.
    standUp(p2, 400, -1, false);
    p2.enableAction = false;
    p2.comboCount = 2;
    openAttack(p1, 3);
    setAttackPower(p1, 0, 0, 0, false, 18, 8, false);
    attackCheckBoth(game, p1, p2);
    EXPECT_EQ(p2.comboCount, 2);
    EXPECT_DOUBLE_EQ(p2.viTality, 254);
    EXPECT_EQ(p2.OneHitDamage, 0);
}

TEST_F(CombatDamage, DamageIsCappedAtTheVitalityLeft) {
    p2.viTality = 10;
    p2.comboCount = 1;
    damageJudge(game, p1, p2, true);
    EXPECT_DOUBLE_EQ(p2.viTality, 0);
    EXPECT_EQ(p2.OneHitDamage, 10);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 3);  // Int(10 / 5) + 1
}

TEST_F(CombatDamage, GuardedHitsChipOnlyForExArtsWithoutAFloor) {
    setAttackPower(p1, 41, 0, 4, false, 18, 10, false);  // 40 points against defence 5
    p2.comboCount = 1;
    damageJudge(game, p1, p2, false);
    EXPECT_DOUBLE_EQ(p2.viTality, 254);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 2);  // 10 / 5
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 0);
    EXPECT_DOUBLE_EQ(p2.stunGauge, 100);
    EXPECT_EQ(p2.KBTimer, 30);

    p1.normalorEX = true;
    damageJudge(game, p1, p2, false);
    EXPECT_DOUBLE_EQ(p2.viTality, 252);
    p2.viTality = 1;
    damageJudge(game, p1, p2, false);
    EXPECT_DOUBLE_EQ(p2.viTality, -1);
    EXPECT_EQ(game.engine.gameScore, 0);  // no score for a guarded hit
}

TEST_F(CombatDamage, ACleanHitAfterAChipBelowZeroDoesNotHeal) {
    p2.viTality = -1;
    p2.comboCount = 1;
    damageJudge(game, p1, p2, true);
    EXPECT_DOUBLE_EQ(p2.viTality, -1);
    EXPECT_EQ(p2.OneHitDamage, 0);
}

TEST_F(CombatDamage, FromTheThirtyThirdHitNoGainAndAtMostOneStun) {
    p2.comboCount = 33;
    damageJudge(game, p1, p2, true);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);
    EXPECT_DOUBLE_EQ(p2.stunGauge, 100);
    p2.comboCount = 34;  // -18 / 33 rounds to -1: one point of stun
    damageJudge(game, p1, p2, true);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);
    EXPECT_DOUBLE_EQ(p2.stunGauge, 99);
    setAttackPower(p1, 25, 16, 4, false, 10, 8, false);
    p2.comboCount = 34;  // -10 / 33 rounds to 0
    damageJudge(game, p1, p2, true);
    EXPECT_DOUBLE_EQ(p2.stunGauge, 99);
}

TEST_F(CombatDamage, StunThenDizzyAtTheNextNeutralCheckThenAwake) {
    p2.stunGauge = 10;
    p2.comboCount = 1;
    damageJudge(game, p1, p2, true);
    EXPECT_DOUBLE_EQ(p2.stunGauge, 0);
    EXPECT_EQ(p2.stunSwitch, stunStunned);
    EXPECT_EQ(p1.SJSpoint, 3);

    neutralReturnCheck(game, p2);
    EXPECT_EQ(p2.animPat, kDizzy);
    EXPECT_EQ(p2.sTate, stHit);
    EXPECT_EQ(p2.stunSwitch, stunDizzy);
    EXPECT_EQ(timesPlayed(24), 1);
    EXPECT_EQ(p2.comboCount, 1);  // the combo goes on while dizzy

    neutralReturnCheck(game, p2);
    EXPECT_EQ(p2.stunSwitch, stunNormal);
    EXPECT_DOUBLE_EQ(p2.stunGauge, 100);
}

TEST_F(CombatDamage, DamageLockStopsEverything) {
    game.battle.damageLock = true;
    p1.PrimalPlayer = true;
    damageJudge(game, p1, p2, true);
    damageJudge(game, p1, p2, false);
    EXPECT_DOUBLE_EQ(p2.viTality, 254);
    EXPECT_EQ(p2.comboCount, 0);
    EXPECT_EQ(p2.KBTimer, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);
    EXPECT_EQ(game.engine.gameScore, 0);
}

TEST_F(CombatDamage, HumanScorePerHitByBands) {
    struct Band {
        int16_t v;
        int32_t points;
    };
    // v = pow1 + 2 pow2 + 3 pow3 + stun + spacorn; here pow1 carries it all.
    const Band bands[] = {{0, 100},   {29, 100}, {30, 200},  {59, 200}, {60, 300},
                          {99, 300},  {100, 500}, {150, 500}, {151, 900}};
    for (const Band& b : bands) {
        game.engine.gameScore = 0;
        setAttackPower(p1, b.v, 0, 0, false, 0, 0, false);
        hitScoreAdd(game, p1);
        EXPECT_EQ(game.engine.gameScore, b.points) << "v " << b.v;
    }
    // 10 + 2*5 + 3*5 + 5 + 5 = 45.
    game.engine.gameScore = 0;
    setAttackPower(p1, 10, 5, 5, false, 5, 5, false);
    hitScoreAdd(game, p1);
    EXPECT_EQ(game.engine.gameScore, 200);
    game.engine.gameScore = 0;
    p1.normalorEX = true;  // 67.5 rounds to 68
    hitScoreAdd(game, p1);
    EXPECT_EQ(game.engine.gameScore, 300);

    // Only the human's clean hits score.
    game.engine.gameScore = 0;
    p1.PrimalPlayer = true;
    damageJudge(game, p1, p2, true);
    EXPECT_EQ(game.engine.gameScore, 300);
    damageJudge(game, p2, p1, true);
    EXPECT_EQ(game.engine.gameScore, 300);
}

using CombatComboEnd = CombatDamage;

TEST_F(CombatComboEnd, ComboOfTwoOrMoreEndsWithAnUnhittableStateAndABonus) {
    p2.comboCount = 3;
    p2.TotalDamage = 120;
    p2.OneHitDamage = 30;
    p2.spAttacked = true;
    p2.enableAction = false;
    neutralReturnCheck(game, p2);
    EXPECT_EQ(p2.sTate, stSpecialArt);
    EXPECT_TRUE(p2.enableGard);
    EXPECT_TRUE(p2.enableAction);
    EXPECT_FALSE(p2.spAttacked);
    EXPECT_EQ(p2.comboCount, 0);
    EXPECT_EQ(p2.TotalDamage, 0);
    EXPECT_EQ(p2.OneHitDamage, 0);
    EXPECT_EQ(p2.SJSpoint, 0);  // the damage was cleared before the judge points
    // 1000 + 300 + 6000 (spacorn in the combo).
    EXPECT_EQ(game.battle.comboBonus.comboBonusValue, 7300);
    EXPECT_EQ(game.engine.gameScore, 7300);

    p2.comboCount = 1;
    neutralReturnCheck(game, p2);
    EXPECT_FALSE(p2.enableGard);
    EXPECT_EQ(p2.sTate, stSpecialArt);  // unchanged by a single hit
    EXPECT_EQ(game.engine.gameScore, 7300);
}

TEST_F(CombatComboEnd, KnockedOutFighterKeepsItsComboAndGetsTheJudgePoints) {
    const std::pair<int16_t, int16_t> points[] = {{49, 0}, {50, 1}, {100, 1},
                                                  {101, 4}, {150, 4}, {151, 9}};
    for (auto [total, judge] : points) {
        standUp(p2, 400, -1, false);
        p2.viTality = 0;
        p2.comboCount = 4;
        p2.TotalDamage = total;
        p2.stunSwitch = stunStunned;
        p2.stunGauge = 0;
        neutralReturnCheck(game, p2);
        EXPECT_EQ(p2.SJSpoint, judge) << "total " << total;
        EXPECT_EQ(p2.comboCount, 4);
        EXPECT_EQ(p2.animPat, kKnockedOut);
        EXPECT_FALSE(p2.enableAction);
        EXPECT_EQ(p2.stunSwitch, stunNormal);  // no dizzy for a knocked-out fighter
        EXPECT_DOUBLE_EQ(p2.stunGauge, 100);
    }
    EXPECT_EQ(game.engine.gameScore, 0);
}

TEST_F(CombatComboEnd, BonusFormula) {
    struct Case {
        int16_t hits;
        bool spacorn, finish;
        int32_t bonus;
    };
    const Case cases[] = {
        {2, false, false, 1200},
        {4, false, false, 1600},
        {6, false, false, 2000},
        {11, false, false, 3600},
        {21, false, false, 6000},
        {31, false, false, 8700},
        {41, false, false, 12700},
        {51, false, false, 16400},   // 13700 * 1.2 = 16440
        {101, false, false, 33700},  // 18700 * 1.2 * 1.5 = 33660
        {2, false, true, 4400},      // 1200 * 1.2 + 3000 = 4440
        {2, true, false, 7200},
        {2, true, true, 31600},      // 7200 * 1.2 + 3000 + 20000 = 31640
    };
    for (const Case& c : cases) {
        game.engine.gameScore = 0;
        p2.comboCount = c.hits;
        p2.spAttacked = c.spacorn;
        comboBonusCalc(game, p2, c.finish);
        EXPECT_EQ(game.battle.comboBonus.comboBonusValue, c.bonus) << "hits " << c.hits;
        EXPECT_EQ(game.engine.gameScore, c.bonus);
        EXPECT_EQ(game.battle.comboBonus.comboBonusHits, c.hits);
        EXPECT_EQ(game.battle.comboBonus.comboBonusFinish, c.finish);
        EXPECT_EQ(game.battle.comboBonus.comboBonusSpacorn, c.spacorn);
        EXPECT_EQ(game.battle.comboBonus.comboBonusTimer, 1);
    }
}

TEST_F(CombatComboEnd, NoBonusOutsideTheArcadeForTheHumanOrForOneHit) {
    p2.comboCount = 5;
    game.engine.playMode = PlayMode::Training;
    comboBonusCalc(game, p2, false);
    game.engine.playMode = PlayMode::Arcade;
    p1.PrimalPlayer = true;
    p1.comboCount = 5;
    comboBonusCalc(game, p1, false);
    p2.comboCount = 1;
    comboBonusCalc(game, p2, true);
    EXPECT_EQ(game.engine.gameScore, 0);
    EXPECT_EQ(game.battle.comboBonus.comboBonusTimer, 0);
}

TEST_F(CombatComboEnd, BonusTextSlidesInAndShowsSixtyFrames) {
    p2.comboCount = 2;
    p2.spAttacked = true;
    comboBonusCalc(game, p2, true);
    platform.clearLogs();
    drawComboBonus(game);
    ASSERT_EQ(platform.textLog().size(), 3u);
    const auto& log = platform.textLog();
    EXPECT_EQ(log[0].text, "2");
    EXPECT_EQ(log[0].x, 2 * 10 - 200 + 20);
    EXPECT_EQ(log[0].y, 232);
    EXPECT_EQ(log[0].colour, (Rgb{0, 128, 255}));
    EXPECT_EQ(log[1].text, "  HIT SPACORN FINISH");
    EXPECT_EQ(log[1].x, -180 + 40);
    EXPECT_EQ(log[2].text, "31600");
    EXPECT_EQ(log[2].x, -180 + 120 - 60);
    EXPECT_EQ(log[2].y, 250);
    EXPECT_EQ(log[2].colour, (Rgb{0, 255, 128}));
    for (int i = 0; i < 18; ++i) drawComboBonus(game);  // timer 20: x reaches 0
    EXPECT_EQ(platform.textLog().back().x, 120 - 60);
    for (int i = 0; i < 40; ++i) drawComboBonus(game);  // timer 60
    EXPECT_EQ(game.battle.comboBonus.comboBonusTimer, 60);
    platform.clearLogs();
    drawComboBonus(game);  // 61 -> 0, still drawn this frame
    EXPECT_EQ(game.battle.comboBonus.comboBonusTimer, 0);
    EXPECT_EQ(platform.textLog().size(), 3u);
    platform.clearLogs();
    drawComboBonus(game);
    EXPECT_TRUE(platform.textLog().empty());
}

}  // namespace
}  // namespace morvek::combat_test
