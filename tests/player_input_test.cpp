// Player 1's typing in a match: opening the letter frame, the red and blue words, the extra
// words of a combo, the input miss, Space, the guard keys, the super-art keys, the latch.

#include <set>

#include "battle/Dispatch.h"
#include "battle/Mechanics.h"
#include "battle/PlayerInput.h"
#include "engine/DataTables.h"
#include "loop_fixture.h"
#include "platform/Surface8.h"

namespace morvek::loop_test {
namespace {

struct PlayerInputTest : MatchFixture {
    void SetUp() override {
        MatchFixture::SetUp();
        // Player 1 standing, free to act, facing player 2 on its right.
        p1.enableAction = true;
        p1.sTate = stStand;
        p1.dirStand = 1;
        p1.LeftOrRight = 1;
        b.typingFlashFrames = 0;
        b.openingKey = 0;
        b.keyHeld = false;
    }
    int16_t& flash() { return b.typingFlashFrames; }
    /// One keyboard frame of player 1 with `key` down (0: nothing down).
    void judge(int16_t key) {
        if (key != 0) tapKey(key);
        PressKeyJudge(game, flash());
    }
    void openWith(int16_t key) {
        judge(key);
        ASSERT_TRUE(p1.tarGeting);
        judge(0);  // release: clears the latch
    }
};

TEST_F(PlayerInputTest, TargetKeyOpensFrameWithSoundAndEightDistinctLetters) {
    judge(25);  // "G"
    EXPECT_TRUE(p1.tarGeting);
    EXPECT_EQ(soundsPlayed(6), 1);
    EXPECT_EQ(p1.animPat, 50);  // targeting stance from standing
    EXPECT_TRUE(paletteShown(e.targetPalette));
    std::set<int16_t> letters(b.targetLetters.begin(), b.targetLetters.end());
    EXPECT_EQ(letters.size(), 8u);
    for (int16_t l : letters) {
        EXPECT_GE(l, 1);
        EXPECT_LE(l, kNormalKeyCount);
    }
    // The frame stands at the key's place: column 5, home row, facing right.
    EXPECT_EQ(p1.targetX, 202);
    EXPECT_EQ(p1.targetY, 60);
    EXPECT_EQ(b.openingKey, 25);
    EXPECT_TRUE(b.keyHeld);
}

TEST_F(PlayerInputTest, EasyKeysNeverOfferDigitsOrPunctuation) {
    e.keyCount = kEasyKeyCount;
    for (int i = 0; i < 50; ++i) {
        judge(25);
        for (int16_t l : b.targetLetters) EXPECT_LE(l, kEasyKeyCount);
        judge(keycode::Space);
        judge(0);
    }
}

TEST_F(PlayerInputTest, RedLetterSelectsAttackByOpeningKey) {
    openWith(25);  // "G": MORVEKBOY's home-row column 5 is pattern 20
    tapLetter(b.targetLetters[0]);
    PressKeyJudge(game, flash());
    EXPECT_EQ(p1.animPat, 20);
    EXPECT_FALSE(p1.tarGeting);
    EXPECT_FALSE(p1.enableAction);
    EXPECT_EQ(b.hitSlot, 1);
    EXPECT_EQ(flash(), kWordFlashFrames);
    EXPECT_TRUE(paletteShown(e.workPalette));
}

TEST_F(PlayerInputTest, FacingLeftTheMirroredKeyGivesTheSameAttack) {
    p1.dirStand = -1;
    p1.LeftOrRight = -1;
    openWith(26);  // "H": column 6 mirrored to 5
    EXPECT_EQ(p1.targetX, -384 + 64 * 5);
    tapLetter(b.targetLetters[0]);
    PressKeyJudge(game, flash());
    EXPECT_EQ(p1.animPat, 20);
}

TEST_F(PlayerInputTest, BlueLetterSelectsMovementAndCloses) {
    openWith(25);
    tapLetter(b.targetLetters[1]);
    PressKeyJudge(game, flash());
    EXPECT_EQ(p1.animPat, 120);  // home-row column 5: low run, length 3
    EXPECT_EQ(p1.counTer, 3);
    EXPECT_FALSE(p1.tarGeting);
    EXPECT_EQ(b.hitSlot, 2);
    EXPECT_EQ(flash(), kWordFlashFrames);
}

TEST_F(PlayerInputTest, WrongLetterIsInputMiss) {
    openWith(25);
    int16_t wrong = 1;
    while (wrong == b.targetLetters[0] || wrong == b.targetLetters[1]) ++wrong;
    tapLetter(wrong);
    PressKeyJudge(game, flash());
    EXPECT_EQ(p1.animPat, kInputMissPattern);
    EXPECT_FALSE(p1.enableAction);
    EXPECT_FALSE(p1.tarGeting);
    EXPECT_EQ(b.hitSlot, -wrong);
    EXPECT_EQ(flash(), kMissFlashFrames);
    EXPECT_TRUE(paletteShown(e.workPalette));
}

TEST_F(PlayerInputTest, HiddenExtraWordIsAMissAndShownOneContinuesTheCombo) {
    openWith(25);
    p1.TPC = true;
    p1.MultiTPC = true;
    p1.TPCNumber = 820;  // opener whose follow-ups are chosen by the word typed
    p1.word5thDisp = true;
    tapLetter(b.targetLetters[4]);
    PressKeyJudge(game, flash());
    EXPECT_EQ(p1.inputKeyNum, 5);
    EXPECT_EQ(p1.animPat, 870);
    EXPECT_EQ(b.hitSlot, 5);
    EXPECT_EQ(flash(), kWordFlashFrames);
    EXPECT_TRUE(p1.tarGeting);  // the frame stays open for the rest of the combo

    judge(0);
    p1.enableAction = true;
    tapLetter(b.targetLetters[5]);  // word 6 is not shown
    PressKeyJudge(game, flash());
    EXPECT_EQ(b.hitSlot, -b.targetLetters[5]);
    EXPECT_EQ(flash(), kMissFlashFrames);
}

TEST_F(PlayerInputTest, RedWordInComboIsFollowUpAndMultiComboKeepsFrameOpen) {
    openWith(25);
    p1.TPC = true;
    p1.MultiTPC = true;
    p1.TPCNumber = 820;
    tapLetter(b.targetLetters[0]);
    PressKeyJudge(game, flash());
    EXPECT_EQ(p1.inputKeyNum, 1);
    EXPECT_EQ(p1.animPat, 840);
    EXPECT_TRUE(p1.tarGeting);
}

TEST_F(PlayerInputTest, SpaceCancelsAndStopsDash) {
    openWith(25);
    p1.sTate = stTargetStance;
    judge(keycode::Space);
    EXPECT_FALSE(p1.tarGeting);
    EXPECT_EQ(p1.animPat, 55);
    EXPECT_EQ(flash(), 0);  // no miss

    judge(0);
    p1.sTate = stDash;
    judge(keycode::Space);
    EXPECT_EQ(p1.animPat, kDashStopPattern);
}

TEST_F(PlayerInputTest, GuardStartsOnSecondHeldFrame) {
    holdKey(23, 2);  // "D", held over two reads
    PressKeyJudge(game, flash());
    EXPECT_FALSE(p1.tarGeting);  // a guard key of the facing opens nothing
    EXPECT_EQ(p1.sTate, stStand);
    EXPECT_EQ(b.openingKey, 23);
    platform.present(e.backBuffer);  // next frame, key still held
    PressKeyJudge(game, flash());
    EXPECT_EQ(p1.sTate, stStandGuard);
    EXPECT_EQ(p1.animPat, 30);
}

TEST_F(PlayerInputTest, GuardKeysFollowFacingForTargetingAndSideForGuard) {
    // Facing left, "D" is an ordinary target key and "K" guards.
    p1.dirStand = -1;
    p1.LeftOrRight = -1;
    judge(23);
    EXPECT_TRUE(p1.tarGeting);
    judge(keycode::Space);
    judge(0);
    judge(28);
    EXPECT_FALSE(p1.tarGeting);

    // A fighter that may not act guards at once with the key of the opponent's side.
    judge(0);
    p1.enableAction = false;
    p1.dirStand = 1;
    p1.LeftOrRight = 1;
    judge(33);  // "C": crouching guard
    EXPECT_EQ(p1.sTate, stCrouchGuard);
    EXPECT_EQ(p1.animPat, 40);

    // No guard once player 1 is out of vitality.
    judge(0);
    p1.sTate = stStand;
    p1.viTality = 0;
    animChange(game, 0, p1);
    judge(23);
    EXPECT_EQ(p1.sTate, stStand);
}

TEST_F(PlayerInputTest, GuardKeyOfTheNewSideTurnsAFighterFacingAway) {
    struct Case {
        int16_t side;  // where the opponent stands after crossing over
        int16_t key;
        FighterState guard;
        int16_t pattern;
    };
    const Case cases[] = {{1, 23, stStandGuard, 30},
                          {1, 33, stCrouchGuard, 40},
                          {-1, 28, stStandGuard, 30},
                          {-1, 38, stCrouchGuard, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        // Guarding while the opponent jumps over: the facing step leaves a guard as it is.
        animChange(game, c.pattern, p1);
        p1.sTate = c.guard;
        p1.dirStand = static_cast<int16_t>(-c.side);
        p1.posX = 500;
        p2.posX = 500 + 300 * c.side;
        faceAndStunRecover(game, p1, p2);
        ASSERT_EQ(p1.LeftOrRight, c.side);
        ASSERT_EQ(p1.dirStand, -c.side);

        holdKey(c.key, 2);
        PressKeyJudge(game, flash());
        platform.present(e.backBuffer);
        PressKeyJudge(game, flash());
        EXPECT_EQ(p1.dirStand, c.side);
        EXPECT_EQ(p1.sTate, c.guard);
        EXPECT_EQ(p1.animPat, c.pattern);
        EXPECT_FALSE(p1.tarGeting);  // the frame the first press opened is closed
        platform.present(e.backBuffer);
        judge(0);
    }
}

TEST_F(PlayerInputTest, HeldKeyActsOnce) {
    holdKey(25, 3);
    PressKeyJudge(game, flash());
    ASSERT_TRUE(p1.tarGeting);
    const auto letters = b.targetLetters;
    for (int i = 0; i < 2; ++i) {
        platform.present(e.backBuffer);
        PressKeyJudge(game, flash());
    }
    // The held "G" neither matched nor missed, and drew no new letters.
    EXPECT_TRUE(p1.tarGeting);
    EXPECT_EQ(flash(), 0);
    EXPECT_EQ(b.targetLetters, letters);
    EXPECT_EQ(soundsPlayed(6), 1);
    platform.present(e.backBuffer);
    judge(0);
    EXPECT_FALSE(b.keyHeld);
}

TEST_F(PlayerInputTest, ALetterTappedBetweenTwoReadsOfAFrameIsTypedOnceInTheNext) {
    // A match frame ends with a present and one more pump.
    auto endFrame = [&] {
        platform.present(e.backBuffer);
        platform.pumpEvents();
    };
    endFrame();
    // It lands after the player's own read, before a later one of the same frame (the EX
    // art's Shift).
    platform.tapKeyAfterReads(scanOfKey(25), platform.keyboardReads() + 1);
    PressKeyJudge(game, flash());
    shiftKeyDown(game);
    EXPECT_FALSE(p1.tarGeting);
    endFrame();
    PressKeyJudge(game, flash());  // "G" opens the frame
    ASSERT_TRUE(p1.tarGeting);
    const auto letters = b.targetLetters;
    endFrame();
    PressKeyJudge(game, flash());
    EXPECT_FALSE(b.keyHeld);  // the tap is over
    EXPECT_EQ(flash(), 0);     // and was not judged as a letter in the frame
    EXPECT_EQ(b.targetLetters, letters);
    EXPECT_EQ(soundsPlayed(6), 1);
}

TEST_F(PlayerInputTest, SuperArtKeysNeedStockUnhurtAndFreshPress) {
    p2.posX = 500;
    p1.spacornNumber = 610;
    judge(keycode::Enter);
    EXPECT_EQ(soundsPlayed(kSuperSound), 0);  // no stock
    judge(0);

    p1.spacornCount = 1;
    p1.sTate = stHit;
    judge(keycode::Enter);
    EXPECT_EQ(soundsPlayed(kSuperSound), 0);  // hurt
    judge(0);

    p1.sTate = stStand;
    judge(25);  // another key in the frame before: latched
    tapKey(keycode::Enter);
    PressKeyJudge(game, flash());
    EXPECT_EQ(soundsPlayed(kSuperSound), 0);
    judge(0);

    judge(keycode::Enter);
    EXPECT_EQ(soundsPlayed(kSuperSound), 1);
    EXPECT_EQ(p1.animPat, 610);
}

TEST_F(PlayerInputTest, SuperArtStartsOutOfAnAttack) {
    openWith(25);
    tapLetter(b.targetLetters[0]);
    PressKeyJudge(game, flash());  // the punch, pattern 20
    judge(0);
    Rect cell{};
    animPatternDispatch(game, cell, p1);  // the table marks the punch an attack
    ASSERT_EQ(p1.sTate, stAttack);
    ASSERT_FALSE(p1.enableAction);
    p2.posX = p1.posX + 300;
    p1.spacornCount = 1;  // MORVEKBOY's first set holds one stock of 270
    p1.spacornGauge = 270;
    platform.clearLogs();

    judge(keycode::Enter);
    EXPECT_EQ(p1.animPat, 630);
    EXPECT_EQ(p1.sTate, stSpecialArt);
    EXPECT_EQ(p1.spacornCount, 0);
    EXPECT_DOUBLE_EQ(p1.spacornGauge, 0);
    EXPECT_TRUE(p1.enableAction);
    EXPECT_TRUE(p1.TPC);
    EXPECT_TRUE(p1.tarGeting);
    EXPECT_EQ(soundsPlayed(22), 1);
}

}  // namespace
}  // namespace morvek::loop_test
