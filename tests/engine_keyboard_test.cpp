#include <gtest/gtest.h>

#include "game/Game.h"
#include "engine/GenericObject.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/System.h"
#include "engine_fixture.h"
#include "platform/HeadlessPlatform.h"

namespace morvek {
namespace {

using testing::EngineFixture;

struct EngineKeyboard : EngineFixture {
    int16_t readWith(std::vector<uint8_t> keys) {
        platform.clearKeyScript();
        platform.holdKeysForTime(std::move(keys), 0, 1000000);
        return inkeyRead(*game);
    }
};

TEST_F(EngineKeyboard, CodesByPositionAndTheLastKeyInTableOrderWins) {
    EXPECT_EQ(readWith({0x02}), 1);   // number row 1
    EXPECT_EQ(readWith({0x0B}), 10);  // 0
    EXPECT_EQ(readWith({0x10}), 11);  // Q
    EXPECT_EQ(readWith({0x27}), 30);  // ;
    EXPECT_EQ(readWith({0x35}), 40);  // /
    EXPECT_EQ(readWith({0x22, 0x23}), 26);  // G and H: H
    EXPECT_EQ(readWith({0x10, 0x02}), 11);  // Q and 1: Q
    EXPECT_EQ(readWith({0x39, 0x1E}), 50);  // Space beats a letter
    EXPECT_EQ(readWith({0x39, 0x2C, 0x35}), 50);
    EXPECT_EQ(readWith({0x1C, 0x39}), 60);  // Return beats Space
    EXPECT_EQ(readWith({0x58}), 61);
    EXPECT_EQ(readWith({0x1D}), 65);
    EXPECT_EQ(readWith({0x9D}), 65);
    EXPECT_EQ(readWith({0xCD, 0xC8}), 74);  // Right beats Up
    EXPECT_EQ(readWith({0xD0}), 72);
    EXPECT_EQ(readWith({0xCB}), 73);
}

TEST_F(EngineKeyboard, KeysOutsideTheTableGiveNothing) {
    EXPECT_EQ(readWith({}), 0);
    EXPECT_EQ(readWith({0x0F}), 0);                   // Tab
    EXPECT_EQ(readWith({key::LeftShift}), 0);
    EXPECT_EQ(readWith({0x38}), 0);                   // Alt
    EXPECT_EQ(readWith({0x0E}), 0);                   // Backspace
    EXPECT_EQ(readWith({0x3C}), 0);                   // F2
    game->engine.playMode = PlayMode::Title;                        // F1 does nothing in the title
    EXPECT_EQ(readWith({key::F1}), 0);
    EXPECT_EQ(readWith({key::Keypad8}), 0);
}

TEST_F(EngineKeyboard, EdgeGivesOneCodePerPressAndRearmsOnlyWhenAllKeysAreUp) {
    platform.holdKeysForTime({0x1E}, 0, 10);          // A held
    platform.holdKeysForTime({0x1E, 0x39}, 10, 20);   // Space joins while A is held
    platform.holdKeysForTime({0x39}, 30, 40);         // Space alone after a release
    std::vector<int16_t> codes;
    for (uint64_t t = 0; t < 45; t += 5) {
        platform.setNow(t);
        codes.push_back(inkeyEdge(*game));
    }
    EXPECT_EQ(codes, (std::vector<int16_t>{21, 0, 0, 0, 0, 0, 50, 0, 0}));
}

TEST_F(EngineKeyboard, EdgeSeesATapOnceAndReadsTwoOrThreeTimes) {
    const uint64_t before = platform.keyboardReads();
    inkeyEdge(*game);
    EXPECT_EQ(platform.keyboardReads() - before, 2u);  // nothing down: two reads
    // Pressed and released since the last pump, as after a stall: every read until the
    // next pump sees it.
    platform.tapKeyWithinPump(0x1C);
    uint64_t reads = platform.keyboardReads();
    EXPECT_EQ(inkeyEdge(*game), 60);
    EXPECT_EQ(platform.keyboardReads() - reads, 3u);
    EXPECT_EQ(inkeyEdge(*game), 0);  // still down before the pump: one code per press
    platform.pumpEvents();
    // It came after the pass's first read (the two reads above), so the next pass sees it
    // whole: still down, still no second code.
    EXPECT_EQ(inkeyEdge(*game), 0);
    EXPECT_EQ(game->engine.keyLatch, kTrue);
    platform.pumpEvents();
    EXPECT_EQ(inkeyEdge(*game), 0);
    EXPECT_EQ(game->engine.keyLatch, kFalse);  // the tap is over: re-armed
    platform.holdKeysForTime({0x1C}, 0, 1000000);
    reads = platform.keyboardReads();
    EXPECT_EQ(inkeyEdge(*game), 60);
    EXPECT_EQ(platform.keyboardReads() - reads, 3u);
    EXPECT_EQ(game->engine.keyLatch, kTrue);
}

TEST_F(EngineKeyboard, EscapeEndsTheGameFromEveryReader) {
    platform.holdKeysForTime({key::Escape, 0x1E}, 0, 1000000);
    EXPECT_THROW(inkeyRead(*game), GameExitRequest);
    EXPECT_THROW(inkeyEdge(*game), GameExitRequest);
    game->engine.keyLatch = kTrue;
    EXPECT_THROW(inkeyEdge(*game), GameExitRequest);
    // Shift's own read has no side effects.
    EXPECT_FALSE(shiftKeyDown(*game));
}

TEST_F(EngineKeyboard, ShiftIsLeftShiftOnly) {
    EXPECT_FALSE(shiftKeyDown(*game));
    platform.holdKeysForTime({0x36}, 0, 1000000);  // right Shift
    EXPECT_FALSE(shiftKeyDown(*game));
    platform.holdKeysForTime({key::LeftShift}, 0, 1000000);
    EXPECT_TRUE(shiftKeyDown(*game));
}

TEST_F(EngineKeyboard, DebugPaletteKeysStayInRangeAndWaitForTheNextApply) {
    EngineState& e = game->engine;
    e.paletteEditIndex = 255;
    readWith({key::Keypad8});
    EXPECT_EQ(e.paletteEditIndex, 255);
    readWith({key::Keypad2});
    EXPECT_EQ(e.paletteEditIndex, 254);
    e.paletteEditIndex = 0;
    readWith({key::Keypad2});
    EXPECT_EQ(e.paletteEditIndex, 0);
    e.paletteEditIndex = 29;
    readWith({key::Keypad4});
    EXPECT_EQ(e.workPalette[29].r, 0);
    EXPECT_EQ(platform.displayPalette()[29].r, 255);  // not applied by the read
    readWith({key::Keypad6});
    EXPECT_EQ(e.workPalette[29].r, 255);
}

TEST_F(EngineKeyboard, FOneByPlayMode) {
    EngineState& e = game->engine;
    platform.holdKeysForTime({key::F1}, 0, 1000000);
    for (PlayMode mode : {PlayMode::Title, PlayMode::Pause}) {
        e.playMode = mode;
        inkeyRead(*game);
        EXPECT_EQ(e.playMode, mode);
        EXPECT_EQ(platform.presentCount(), 0u);
        EXPECT_EQ(e.returnToTitle, kFalse);
    }
    e.playMode = PlayMode::Training;  // training match: only the pause request
    inkeyRead(*game);
    EXPECT_EQ(e.playMode, PlayMode::Pause);
    EXPECT_EQ(platform.presentCount(), 0u);
    EXPECT_EQ(e.returnToTitle, kFalse);
    EXPECT_EQ(platform.displayPalette()[254], (Rgb{220, 220, 220}));
}

void expectFOneAbortsTheMatch(EngineKeyboard& t, PlayMode mode) {
    EngineState& e = t.game->engine;
    e.playMode = mode;
    e.backBuffer.fill(33);
    t.platform.holdKeysForTime({key::F1}, 0, 1000000);
    std::vector<Rgb> seen;
    t.platform.onPresent([&](uint64_t) { seen.push_back(t.platform.displayPalette()[254]); });
    inkeyRead(*t.game);
    t.platform.onPresent(nullptr);
    // 255 / 6: 43 changing calls and the one that finds black, each presented, then the
    // cleared screen.
    ASSERT_EQ(seen.size(), 45u);
    EXPECT_EQ(seen[0], (Rgb{214, 214, 214}));
    EXPECT_EQ(seen[1], (Rgb{208, 208, 208}));
    EXPECT_EQ(seen[44], (Rgb{0, 0, 0}));
    EXPECT_EQ(e.returnToTitle, kTrue);
    EXPECT_EQ(e.playMode, mode);
    EXPECT_EQ(t.events(AudioEvent::StopMusic).size(), 1u);
    EXPECT_EQ(t.platform.lastFrame().at(320, 240), 0);
}

TEST_F(EngineKeyboard, FOneInAnArcadeMatchFadesStopsMusicAndAborts) {
    expectFOneAbortsTheMatch(*this, PlayMode::Arcade);
}

TEST_F(EngineKeyboard, FOneInTheTutorialFadesStopsMusicAndAborts) {
    expectFOneAbortsTheMatch(*this, PlayMode::Tutorial);
}

TEST_F(EngineKeyboard, FOneHeldRunsOnEveryReadOfAnEdgeCall) {
    EngineState& e = game->engine;
    e.playMode = PlayMode::Arcade;
    platform.holdKeysForTime({key::F1, 0x1E}, 0, 1000000);
    inkeyEdge(*game);
    // The first read fades (45 presents); the second and third find black at once
    // (one fade call and the cleared screen each).
    EXPECT_EQ(platform.presentCount(), 45u + 2u + 2u);
    EXPECT_EQ(events(AudioEvent::StopMusic).size(), 3u);
}

TEST(EngineTiming, WaitsRunOnTheMonotonicClock) {
    HeadlessPlatform platform;
    Game game(platform);
    platform.setNow(1000);
    frameStart(game);
    platform.setNow(1010);
    frameWait(game, 26);
    EXPECT_EQ(platform.ticksMs(), 1026u);
    frameStart(game);
    platform.setNow(1100);  // a frame that took longer than its period
    frameWait(game, 26);
    EXPECT_EQ(platform.ticksMs(), 1100u);
    frameWait(game, 0);
    EXPECT_EQ(platform.ticksMs(), 1100u);
    waitMs(game, 0);
    EXPECT_EQ(platform.ticksMs(), 1100u);
    waitMs(game, 15);
    EXPECT_EQ(platform.ticksMs(), 1115u);
    sleepMs(game, 80);
    EXPECT_EQ(platform.ticksMs(), 1195u);
}

TEST(EngineTiming, CountersWrapAtN) {
    genericObject g;
    for (int i = 0; i < 9; ++i) g.timerCounting(10);
    EXPECT_EQ(g.frameCount, 9);
    g.timerCounting(10);
    EXPECT_EQ(g.frameCount, 0);
}

TEST(EngineText, VersionMakesFontsOnePointLargerAndStyleIsReadAtEachDraw) {
    HeadlessPlatform platform;
    Game game(platform);
    textFontSet(game, 10, RGB(255, 0, 255));
    drawText(game, 1, 2, "a");
    winVersionGet(game);
    EXPECT_EQ(game.engine.isNT5, 1);
    textFontSet(game, 10, RGB(255, 0, 255));
    textFontItalicSet(game, true);
    drawText(game, 1, 2, "b");
    textFontItalicSet(game, false);  // no new textFontSet: still upright from now on
    drawText(game, 1, 2, "c");
    const auto& log = platform.textLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].pointSize, 10);
    EXPECT_EQ(log[1].pointSize, 11);
    EXPECT_TRUE(log[1].italic);
    EXPECT_FALSE(log[2].italic);
    EXPECT_EQ(log[2].colour, (Rgb{255, 0, 255}));
}

}  // namespace
}  // namespace morvek
