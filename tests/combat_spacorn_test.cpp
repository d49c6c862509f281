// Typing combos and the spacorn: gauge and stocks, the super-art keys and their costs,
// the computer's start, the per-frame timers, the flash and the ring.

#include "combat_harness.h"
#include "engine/DataTables.h"

namespace morvek::combat_test {
namespace {

using CombatSpacornGauge = CombatTest;

TEST_F(CombatSpacornGauge, GainCarriesIntoTheNextStock) {
    p1.spacornGauge = 90;
    spacornGaugeAdd(game, p1, 30);
    EXPECT_EQ(p1.spacornCount, 1);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 20);
    EXPECT_EQ(timesPlayed(25), 1);
}

TEST_F(CombatSpacornGauge, FullStockHoldsAFullBar) {
    p1.spacornGauge = 90;
    p1.spacornCount = 2;
    spacornGaugeAdd(game, p1, 30);
    EXPECT_EQ(p1.spacornCount, 3);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 100);
    spacornGaugeAdd(game, p1, 30);
    EXPECT_EQ(p1.spacornCount, 3);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 100);
    EXPECT_EQ(timesPlayed(25), 1);
}

TEST_F(CombatSpacornGauge, AtMostOneStockPerCall) {
    spacornGaugeAdd(game, p1, 250);
    EXPECT_EQ(p1.spacornCount, 1);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 100);  // clamped: the rest is lost
    spacornGaugeAdd(game, p1, 0);            // the full bar becomes the next stock
    EXPECT_EQ(p1.spacornCount, 2);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);
    EXPECT_EQ(timesPlayed(25), 2);
}

TEST_F(CombatSpacornGauge, NegativeGainIsIgnoredAndZeroesTheCallersValue) {
    p1.spacornGauge = 40;
    double gain = -12.5;
    spacornGaugeAdd(game, p1, gain);
    EXPECT_DOUBLE_EQ(gain, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 40);
    double positive = 12.5;
    spacornGaugeAdd(game, p1, positive);
    EXPECT_DOUBLE_EQ(positive, 12.5);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 52.5);
}

class CombatSuperArt : public CombatTest {
protected:
    CombatSuperArt() {
        p1.spacornNumber = 700;
        p1.spacornNumber2 = 720;
    }
};

TEST_F(CombatSuperArt, ReturnAtFullStockBreaksTheBar) {
    p1.spacornCount = 3;
    p1.spacornGauge = 100;
    p1.dirStand = -1;  // facing away: the start turns it round
    p1.word5thDisp = true;
    p1.MultiTPC = true;
    spacornStart(game, p1, p2, p1.spacornNumber);
    EXPECT_EQ(p1.spacornCount, 2);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);
    EXPECT_EQ(p1.animPat, 700);
    EXPECT_EQ(p1.dirStand, 1);
    EXPECT_EQ(p1.sTate, stSpecialArt);
    EXPECT_TRUE(p1.TPC);
    EXPECT_TRUE(p1.tarGeting);
    EXPECT_TRUE(p1.enableAction);
    EXPECT_FALSE(p1.MultiTPC);
    EXPECT_FALSE(p1.word5thDisp);
    EXPECT_TRUE(p1.spacornSwitch);
    EXPECT_EQ(p1.spacornCircle, 20);
    EXPECT_EQ(displayedPalette(), 3);
    EXPECT_EQ(sounds(), (std::vector<int>{kSuperSound}));
    // Effect 60, 50 px behind the body centre, sized 200 x 200.
    const Splite& sp = lastSplite(p1);
    EXPECT_EQ(sp.animPat, 60);
    EXPECT_EQ(sp.posX, 200 + 100 - 50);
    EXPECT_EQ(sp.posY, kGroundY);
    EXPECT_EQ(sp.Width, 200);
    EXPECT_EQ(sp.Height, 200);
    // Eight distinct fresh letters.
    const auto& letters = game.battle.targetLetters;
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_GE(letters[i], 1);
        for (size_t j = i + 1; j < 8; ++j) EXPECT_NE(letters[i], letters[j]);
    }
}

TEST_F(CombatSuperArt, ReturnBelowFullStockKeepsThePartialFill) {
    p1.spacornCount = 2;
    p1.spacornGauge = 40;
    spacornStart(game, p1, p2, p1.spacornNumber);
    EXPECT_EQ(p1.spacornCount, 1);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 40);
}

TEST_F(CombatSuperArt, TheComputerTouchesNeitherPaletteNorLetters) {
    p2.spacornNumber = 700;
    p2.spacornCount = 1;
    game.battle.targetLetters.fill(9);
    spacornStart(game, p2, p1, p2.spacornNumber);
    EXPECT_EQ(p2.animPat, 700);
    EXPECT_EQ(p2.dirStand, -1);
    EXPECT_EQ(game.battle.targetLetters[0], 9);
    EXPECT_EQ(displayedPalette(), 0);
}

TEST_F(CombatSuperArt, CtrlCosts) {
    // Any fighter: the second art, one stock.
    p1.spacornCount = 1;
    p1.spacornGauge = 30;
    spacornCtrlKeyStart(game, p1, p2);
    EXPECT_EQ(p1.animPat, 720);
    EXPECT_EQ(p1.spacornCount, 0);

    // NANGIEF: only with its first super-art type and two stocks.
    standUp(p1, 200, 1, true);
    p1.NUMBER = 2;
    p1.spacornNumber2 = 720;
    p1.spacornType = 1;
    p1.spacornCount = 2;
    spacornCtrlKeyStart(game, p1, p2);
    EXPECT_EQ(p1.spacornCount, 2);
    p1.spacornType = 0;
    p1.spacornCount = 1;
    spacornCtrlKeyStart(game, p1, p2);
    EXPECT_EQ(p1.spacornCount, 1);
    EXPECT_EQ(p1.animPat, 0);
    p1.spacornCount = 3;
    p1.spacornGauge = 100;
    spacornCtrlKeyStart(game, p1, p2);
    EXPECT_EQ(p1.spacornCount, 1);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);  // the extra stock takes the bar, the art none

    // GOUDA with two stocks of three and gauge 30: stocks 0, gauge -70.
    standUp(p1, 200, 1, true);
    p1.NUMBER = 4;
    p1.spacornNumber2 = 720;
    p1.spacornCount = 2;
    p1.spacornGauge = 30;
    spacornCtrlKeyStart(game, p1, p2);
    EXPECT_EQ(p1.spacornCount, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, -70);
    EXPECT_EQ(p1.animPat, 720);
}

TEST_F(CombatSuperArt, AnArtWithoutAPatternDoesNothing) {
    for (int16_t number : {int16_t{0}, int16_t{4}}) {
        standUp(p1, 200, 1, true);
        p1.NUMBER = number;
        p1.spacornCount = 3;
        p1.spacornGauge = 100;
        p1.spacornNumber2 = 0;
        platform.clearLogs();
        spacornCtrlKeyStart(game, p1, p2);
        spacornStart(game, p1, p2, 0);
        EXPECT_EQ(p1.spacornCount, 3);
        EXPECT_DOUBLE_EQ(p1.spacornGauge, 100);
        EXPECT_FALSE(p1.TPC);
        EXPECT_FALSE(p1.spacornSwitch);
        EXPECT_TRUE(sounds().empty());
        EXPECT_EQ(displayedPalette(), 0);
    }
    p2.spacornCount = 1;
    p2.spacornNumber = 0;
    cpuSpacornStart(game, p2, p1, 0);
    p2.spacornNumber = 700;
    cpuSpacornStart(game, p2, p1, 2);  // an unknown kind has no pattern
    EXPECT_EQ(p2.spacornCount, 1);
    EXPECT_EQ(p2.spacornCircle, 0);
}

TEST_F(CombatSuperArt, F12Costs) {
    p1.NUMBER = 4;  // GOUDA
    p1.spacornCount = 1;
    p1.spacornType = 0;
    spacornF12KeyStart(game, p1, p2);
    EXPECT_EQ(p1.spacornCount, 1);
    p1.spacornType = 1;
    spacornF12KeyStart(game, p1, p2);
    EXPECT_EQ(p1.spacornCount, 0);
    EXPECT_EQ(p1.animPat, 765);

    standUp(p1, 200, 1, true);
    p1.NUMBER = 5;  // INTERRUPTER
    p1.spacornCount = 1;
    spacornF12KeyStart(game, p1, p2);
    EXPECT_EQ(p1.spacornCount, 1);
    EXPECT_EQ(p1.animPat, 0);
    p1.spacornCount = 2;
    p1.spacornGauge = 50;
    spacornF12KeyStart(game, p1, p2);
    EXPECT_EQ(p1.spacornCount, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, -50);
    EXPECT_EQ(p1.animPat, 860);

    standUp(p1, 200, 1, true);  // anyone else: nothing
    p1.spacornCount = 3;
    p1.spacornType = 1;
    spacornF12KeyStart(game, p1, p2);
    EXPECT_EQ(p1.spacornCount, 3);
}

TEST_F(CombatSuperArt, TheComputerAlwaysPaysOneStock) {
    p2.NUMBER = 2;  // NANGIEF's second art costs the player two
    p2.spacornNumber = 700;
    p2.spacornNumber2 = 720;
    p2.spacornCount = 2;
    cpuSpacornStart(game, p2, p1, 1);
    EXPECT_EQ(p2.spacornCount, 1);
    EXPECT_EQ(p2.animPat, 720);
    EXPECT_EQ(p2.spacornCircle, 20);
    p2.spacornCount = 0;
    animChange(game, 1, p2);
    cpuSpacornStart(game, p2, p1, 0);
    EXPECT_EQ(p2.animPat, 1);
}

using CombatTypingCombo = CombatTest;

TEST_F(CombatTypingCombo, OpensOncePerPattern) {
    p1.enableAction = false;
    TPCStart(game, p1);
    EXPECT_TRUE(p1.TPC);
    EXPECT_TRUE(p1.tarGeting);
    EXPECT_TRUE(p1.enableAction);
    EXPECT_TRUE(p1.wavSndFlag);
    EXPECT_EQ(displayedPalette(), 2);
    const auto first = game.battle.targetLetters;

    TPCEnd(game, p1);
    EXPECT_EQ(displayedPalette(), 1);
    TPCStart(game, p1);  // same pattern: nothing
    EXPECT_FALSE(p1.TPC);
    EXPECT_EQ(game.battle.targetLetters, first);
    EXPECT_EQ(displayedPalette(), 1);

    animChange(game, 30, p1);
    TPCStart(game, p1);
    EXPECT_TRUE(p1.TPC);
    EXPECT_NE(game.battle.targetLetters, first);
}

TEST_F(CombatTypingCombo, EndClosesEverything) {
    p2.TPC = p2.tarGeting = p2.enableAction = p2.MultiTPC = true;
    p2.word3rdDisp = p2.word4thDisp = p2.word5thDisp = true;
    p2.word6thDisp = p2.word7thDisp = p2.word8thDisp = true;
    TPCEnd(game, p2);
    EXPECT_FALSE(p2.TPC || p2.tarGeting || p2.enableAction || p2.MultiTPC);
    EXPECT_FALSE(p2.word3rdDisp || p2.word4thDisp || p2.word5thDisp || p2.word6thDisp ||
                 p2.word7thDisp || p2.word8thDisp);
    EXPECT_EQ(displayedPalette(), 0);  // the computer leaves the palette alone
}

using CombatSpacornTimers = CombatTest;

TEST_F(CombatSpacornTimers, TimersCountDownToZero) {
    p1.spacornTimer = 2;
    p1.KBTimer = 1;
    spacornTimerTick(game, p1);
    EXPECT_EQ(p1.spacornTimer, 1);
    EXPECT_EQ(p1.KBTimer, 0);
    spacornTimerTick(game, p1);
    spacornTimerTick(game, p1);
    EXPECT_EQ(p1.spacornTimer, 0);
    EXPECT_EQ(p1.KBTimer, 0);
}

TEST_F(CombatSpacornTimers, FlashFillsOneFrameAndTheRingGrowsFromZero) {
    Surface8& bb = game.engine.backBuffer;
    game.battle.scrollX = -100;
    game.battle.scrollY = -1480;
    // Ring centre: 200 - 100 + 100 + 10 = 210 across, 1700 - 1480 + 150 = 370 down.
    const int cx = 210, cy = kGroundY - 1480 + 150;
    p1.spacornSwitch = true;
    p1.spacornCircle = 20;
    spacornTimerTick(game, p1);
    EXPECT_FALSE(p1.spacornSwitch);
    EXPECT_EQ(p1.spacornCircle, 19);
    EXPECT_EQ(bb.at(0, 0), 255);
    EXPECT_EQ(bb.at(cx, cy), 253);  // radius 0
    EXPECT_EQ(bb.at(cx + 20, cy), 255);

    bb.fill(0);
    spacornTimerTick(game, p1);  // radius 20
    EXPECT_EQ(bb.at(0, 0), 0);
    EXPECT_EQ(bb.at(cx + 20, cy), 253);
    EXPECT_EQ(bb.at(cx, cy - 20), 253);
    EXPECT_EQ(bb.at(cx, cy), 0);
    EXPECT_EQ(bb.at(cx - 10 + 20, cy), 0);  // centred 10 px ahead of the body centre

    for (int i = 0; i < 18; ++i) spacornTimerTick(game, p1);
    EXPECT_EQ(p1.spacornCircle, 0);
    bb.fill(0);
    spacornTimerTick(game, p1);  // the ring is over: nothing drawn
    EXPECT_EQ(bb.at(cx + 380, cy), 0);

    // The last ring had radius 380.
    p1.spacornCircle = 1;
    spacornTimerTick(game, p1);
    EXPECT_EQ(bb.at(cx, cy + 380), 253);
    EXPECT_EQ(bb.at(cx, cy + 360), 0);
}

TEST_F(CombatSpacornTimers, SuperArtModeTimerRunsByTheFightersRate) {
    const std::pair<int16_t, double> rates[] = {{0, 0.5}, {1, 0.36}, {3, 0.3}, {8, 0.5},
                                                {2, 0.0}, {7, 0.0}};
    for (auto [number, rate] : rates) {
        p1.NUMBER = number;
        p1.SPspacornTimer = 10.0f;
        spacornTimerTick(game, p1);
        EXPECT_EQ(p1.SPspacornTimer, static_cast<float>(10.0 - rate)) << "number " << number;
    }
    p1.NUMBER = 1;
    p1.SPspacornTimer = 0.2f;
    spacornTimerTick(game, p1);
    EXPECT_LT(p1.SPspacornTimer, 0.0f);  // may end below zero
    const float below = p1.SPspacornTimer;
    spacornTimerTick(game, p1);
    EXPECT_EQ(p1.SPspacornTimer, below);
}

}  // namespace
}  // namespace morvek::combat_test
