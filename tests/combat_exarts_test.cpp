// EX arts, the effect spawner, the dive-attack cap, option texts and the typing targets.

#include "combat_harness.h"

namespace morvek::combat_test {
namespace {

using CombatExArts = CombatTest;

TEST_F(CombatExArts, PaymentCases) {
    p1.spacornGauge = 30;  // not enough in the bar: a stock is broken into it
    p1.spacornCount = 1;
    EXPECT_TRUE(exArtsPay(p1));
    EXPECT_EQ(p1.spacornCount, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 80);

    p1.spacornGauge = 100;  // full stock: paying breaks the top stock
    p1.spacornCount = 3;
    EXPECT_TRUE(exArtsPay(p1));
    EXPECT_EQ(p1.spacornCount, 2);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 50);

    p1.spacornGauge = 60;  // enough in the bar below full stock
    p1.spacornCount = 1;
    EXPECT_TRUE(exArtsPay(p1));
    EXPECT_EQ(p1.spacornCount, 1);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 10);

    p1.spacornGauge = 10;  // nothing to pay with
    p1.spacornCount = 0;
    EXPECT_FALSE(exArtsPay(p1));
    EXPECT_EQ(p1.spacornCount, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 10);
}

TEST_F(CombatExArts, AGaugeExactlyAtTheCostPaysFromTheBar) {
    // Cost 50. Below a full stock the bar is emptied and the stocks stay.
    for (int16_t stocks : {int16_t{0}, int16_t{2}}) {
        p1.spacornGauge = 50;
        p1.spacornCount = stocks;
        EXPECT_TRUE(exArtsPay(p1)) << stocks;
        EXPECT_EQ(p1.spacornCount, stocks);
        EXPECT_DOUBLE_EQ(p1.spacornGauge, 0) << stocks;
    }
    // At a full stock the bar is the top stock: it breaks, and no other stock is broken into it.
    p1.spacornGauge = 50;
    p1.spacornCount = 3;
    EXPECT_TRUE(exArtsPay(p1));
    EXPECT_EQ(p1.spacornCount, 2);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);

    // One short of the cost: a stock is broken into the bar, or nothing is paid.
    p1.spacornGauge = 49;
    p1.spacornCount = 2;
    EXPECT_TRUE(exArtsPay(p1));
    EXPECT_EQ(p1.spacornCount, 1);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 99);
    p1.spacornGauge = 49;
    p1.spacornCount = 0;
    EXPECT_FALSE(exArtsPay(p1));
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 49);
}

TEST_F(CombatExArts, PlayerPaysOnlyWithLeftShiftHeld) {
    p1.spacornGauge = 80;
    exArtsSelect(game, p1, 120, 20);
    EXPECT_EQ(p1.animPat, 20);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 80);

    platform.holdKeysForTime({key::LeftShift}, 0, 1000);
    exArtsSelect(game, p1, 120, 20);
    EXPECT_EQ(p1.animPat, 120);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 30);
    exArtsSelect(game, p1, 120, 20);  // shift without enough gauge: the normal move
    EXPECT_EQ(p1.animPat, 20);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 30);
}

TEST_F(CombatExArts, ComputerTriesThePaymentOnlyOnADiceOfOne) {
    p2.spacornGauge = 80;
    game.random.script({0.2});  // dice(5) = 2
    cpuExArtsSelect(game, p2, 120, 20);
    EXPECT_EQ(p2.animPat, 20);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 80);
    game.random.script({0.19});  // dice(5) = 1
    cpuExArtsSelect(game, p2, 120, 20);
    EXPECT_EQ(p2.animPat, 120);
    EXPECT_DOUBLE_EQ(p2.spacornGauge, 30);
    game.random.script({0.0});
    cpuExArtsSelect(game, p2, 120, 20);  // a one, but nothing to pay with
    EXPECT_EQ(p2.animPat, 20);
}

TEST_F(CombatExArts, FlashOncePerPattern) {
    for (int frame = 0; frame < 10; ++frame) exArtsEffect(game, p1, p2);
    EXPECT_EQ(timesPlayed(57), 1);
    EXPECT_EQ(p1.SpliteNumber, 1);
    const Splite& sp = lastSplite(p1);
    EXPECT_EQ(sp.animPat, 65);
    EXPECT_EQ(sp.posX, cint16(200 + 100 - 200 / 3.0));  // a third of the width behind
    EXPECT_EQ(sp.posY, kGroundY - 75);
    EXPECT_EQ(sp.Width, 300);
    EXPECT_EQ(sp.Height, 400);
    animChange(game, 121, p1);
    exArtsEffect(game, p1, p2);
    EXPECT_EQ(timesPlayed(57), 2);
}

TEST_F(CombatExArts, EffectSpawnPlacement) {
    p1.posX = 100;
    attackEffectSet(p1, 7, 40, -5, 20, 30);
    attackEffectSpawn(p2, p1);
    EXPECT_EQ(lastSplite(p1).posX, 160);
    EXPECT_EQ(lastSplite(p1).posY, kGroundY - 5);
    EXPECT_EQ(lastSplite(p1).Width, 120);
    EXPECT_EQ(lastSplite(p1).Height, 130);
    EXPECT_EQ(lastSplite(p1).animPat, 7);
    p1.dirStand = -1;
    attackEffectSpawn(p2, p1);
    EXPECT_EQ(lastSplite(p1).posX, 240);
    EXPECT_EQ(lastSplite(p1).dirStand, -1);
    EXPECT_EQ(p2.SpliteNumber, 0);  // the other fighter's ring is untouched
    // The ring hands out its ten sprites in turn.
    for (int i = 0; i < 8; ++i) attackEffectSpawn(p2, p1);
    EXPECT_EQ(p1.SpliteNumber, 0);
}

TEST(CombatSmallServices, FallAttackPowCapAndOptionTexts) {
    int16_t v = 80;
    EXPECT_EQ(fallAttackPowCap(v), 80);
    v = 81;
    EXPECT_EQ(fallAttackPowCap(v), 80);
    EXPECT_EQ(v, 80);
    v = -3;
    EXPECT_EQ(fallAttackPowCap(v), -3);

    EXPECT_EQ(difficultyText(0), "EASY");
    EXPECT_EQ(difficultyText(10), "NORMAL");
    EXPECT_EQ(difficultyText(20), "HARD");
    EXPECT_EQ(difficultyText(5), "");
    EXPECT_EQ(speedModeText(0), "EASY SLOW");
    EXPECT_EQ(speedModeText(1), "NORMAL SPEED");
    EXPECT_EQ(speedModeText(2), "FAST HARD");
    EXPECT_EQ(speedModeText(3), "");
    EXPECT_EQ(keyModeText(40), "NORMAL KEY");
    EXPECT_EQ(keyModeText(26), "EASY KEY");
    EXPECT_EQ(onOffText(kTrue), "ON");
    EXPECT_EQ(onOffText(1), "OFF");
    EXPECT_EQ(onOffText(0), "OFF");
}

TEST(CombatTargets, KeyboardPositionToLetter) {
    EXPECT_EQ(keyNumToLetterNum(1), 28);   // "1"
    EXPECT_EQ(keyNumToLetterNum(9), 36);   // "9"
    EXPECT_EQ(keyNumToLetterNum(10), 27);  // "0"
    EXPECT_EQ(keyNumToLetterNum(11), 17);  // Q
    EXPECT_EQ(keyNumToLetterNum(20), 16);  // P
    EXPECT_EQ(keyNumToLetterNum(21), 1);   // A
    EXPECT_EQ(keyNumToLetterNum(23), 4);   // D
    EXPECT_EQ(keyNumToLetterNum(25), 7);   // G
    EXPECT_EQ(keyNumToLetterNum(30), 37);  // ;
    EXPECT_EQ(keyNumToLetterNum(31), 26);  // Z
    EXPECT_EQ(keyNumToLetterNum(35), 2);   // B
    EXPECT_EQ(keyNumToLetterNum(38), 38);  // ,
    EXPECT_EQ(keyNumToLetterNum(40), 40);  // /
    for (int16_t other : {int16_t{0}, int16_t{41}, int16_t{50}, int16_t{60}, int16_t{-1}})
        EXPECT_EQ(keyNumToLetterNum(other), 0);
    // The forty keys give the forty letters, each once.
    std::vector<int16_t> all;
    for (int16_t k = 1; k <= 40; ++k) all.push_back(keyNumToLetterNum(k));
    std::sort(all.begin(), all.end());
    for (int16_t i = 0; i < 40; ++i) EXPECT_EQ(all[static_cast<size_t>(i)], i + 1);
}

using CombatTargetLetters = CombatTest;

TEST_F(CombatTargetLetters, EightDistinctLettersWithinTheKeyCount) {
    for (int16_t keys : {kEasyKeyCount, kNormalKeyCount, int16_t{8}}) {
        game.engine.keyCount = keys;
        for (int draw = 0; draw < 200; ++draw) {
            randomTargetSet(game, 0);
            const auto& l = game.battle.targetLetters;
            for (size_t i = 0; i < 8; ++i) {
                ASSERT_GE(l[i], 1);
                ASSERT_LE(l[i], keys);
                for (size_t j = i + 1; j < 8; ++j) ASSERT_NE(l[i], l[j]);
            }
        }
    }
}

TEST_F(CombatTargetLetters, AKeyCountBelowEightDrawsFromForty) {
    game.engine.keyCount = 0;
    randomTargetSet(game, 0);  // must finish
    const auto& l = game.battle.targetLetters;
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_GE(l[i], 1);
        EXPECT_LE(l[i], kNormalKeyCount);
        for (size_t j = i + 1; j < 8; ++j) EXPECT_NE(l[i], l[j]);
    }
}

TEST_F(CombatTargetLetters, DrawsInSlotOrderAndRedrawsUntilDistinct) {
    game.battle.targetLetters = {1, 2, 3, 4, 5, 6, 7, 8};
    // Slot 1 draws 3 (taken by slot 3), then 9. Slots 2-8 draw 10..16.
    std::vector<double> script{2.5 / 40, 8.5 / 40};
    for (int i = 9; i < 16; ++i) script.push_back(i / 40.0 + 0.001);
    game.random.script(script);
    randomTargetSet(game, 0);
    EXPECT_EQ(game.battle.targetLetters,
              (std::array<int16_t, 8>{9, 10, 11, 12, 13, 14, 15, 16}));

    // A single slot: only that letter changes.
    game.random.script({8.5 / 40, 19.5 / 40});  // 9 clashes with slot 1, then 20
    randomTargetSet(game, 5);
    EXPECT_EQ(game.battle.targetLetters,
              (std::array<int16_t, 8>{9, 10, 11, 12, 20, 14, 15, 16}));
}

TEST_F(CombatTargetLetters, OpenAndCloseTargeting) {
    p1.sTate = stStand;
    targetingOnOff(game, p1, targetOpen, 25);  // "G": column 5, third row
    EXPECT_TRUE(p1.tarGeting);
    EXPECT_EQ(p1.animPat, 50);
    EXPECT_EQ(displayedPalette(), 2);
    EXPECT_EQ(sounds(), (std::vector<int>{6}));
    EXPECT_EQ(p1.targetX, 202);
    EXPECT_EQ(p1.targetY, 60);

    p1.dirStand = -1;
    targetingOnOff(game, p1, targetOpen, 1);
    EXPECT_EQ(p1.targetX, -384);
    EXPECT_EQ(p1.targetY, -68);
    targetingOnOff(game, p1, targetOpen, 40);
    EXPECT_EQ(p1.targetX, 192);
    EXPECT_EQ(p1.targetY, 124);
    targetingOnOff(game, p1, targetOpen, 50);  // not a grid key: the frame stays
    EXPECT_EQ(p1.targetX, 192);

    p1.sTate = stTargetStance;
    p1.TPC = p1.MultiTPC = p1.word3rdDisp = p1.word8thDisp = true;
    targetingOnOff(game, p1, targetCancel, 0);
    EXPECT_FALSE(p1.tarGeting || p1.TPC || p1.MultiTPC || p1.word3rdDisp || p1.word8thDisp);
    EXPECT_EQ(p1.animPat, 55);
    EXPECT_EQ(displayedPalette(), 1);

    targetingOnOff(game, p1, targetMiss, 0);
    EXPECT_EQ(p1.animPat, 60);
    animChange(game, 7, p1);
    targetingOnOff(game, p1, targetDone, 0);
    EXPECT_EQ(p1.animPat, 7);
}

}  // namespace
}  // namespace morvek::combat_test
