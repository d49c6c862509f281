#include <gtest/gtest.h>

#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/StateOfStage.h"
#include "engine/Basic.h"
#include "engine/DataTables.h"
#include "game/Game.h"
#include "screens/CharaSelect.h"
#include "screens/Ending.h"
#include "screens/Quotes.h"
#include "screens/Result.h"
#include "screens/VsScreen.h"
#include "screens_fixture.h"

namespace morvek {
namespace {

// ---- character select ---------------------------------------------------------------

struct ScreensCharaSelect : testing::ScreensFixture {
    CharaSelectScreen s;
    Character player;
    StateOfStage stage;

    void pass() { charaSelectPass(*game, s, player, stage); }
    /// A press of `k` in one pass, then two passes without keys: the store steps read no
    /// keys, so the key latch re-arms only in the pass after them.
    void press(uint8_t k) {
        holdNext({k});
        for (int i = 0; i < 3; ++i) pass();
    }
    void toFighterStep() {
        charaSelectBegin(*game, s);
        while (s.phase == selectphase::FadeIn) pass();
    }
};

TEST_F(ScreensCharaSelect, TheHiddenHonekawaAndEveryOptionLandInThePlayerAndTheStage) {
    stage.secretBetaBoy = true;
    stage.secretHonekawa = true;
    toFighterStep();
    for (int i = 0; i < 3; ++i) press(key::Right);
    press(key::Down);
    EXPECT_EQ(s.fighter, fighter::HiddenHonekawa);
    EXPECT_EQ(s.cursorX, 221);  // still on HONEKAWA's place
    press(key::Return);         // confirm, then the super art
    EXPECT_EQ(s.phase, selectphase::SuperArt);
    EXPECT_EQ(countAudio(AudioEvent::PlaySound, kHiddenHonekawaVoice), 1u);
    press(key::Down);
    press(key::Down);
    press(key::Down);  // already at the last art
    EXPECT_EQ(s.choice, 2);
    press(key::Return);
    EXPECT_EQ(player.spacornType, 2);
    EXPECT_EQ(s.phase, selectphase::Speed);
    press(key::Down);
    press(key::Return);  // NORMAL SPEED
    EXPECT_EQ(stage.gameSpeed, 26);
    press(key::Down);
    press(key::Return);  // EASY KEY
    EXPECT_EQ(game->engine.keyCount, kEasyKeyCount);
    EXPECT_TRUE(textShown("入力要求キーがアルファベット26文字のみになります。"));
    press(key::Down);
    press(key::Return);  // TPC SLOW ON
    while (!s.finished) pass();
    EXPECT_EQ(player.NUMBER, 9);
    EXPECT_EQ(player.charaname, "honekawa");
    EXPECT_TRUE(player.ReverseCharaFlag);
    EXPECT_TRUE(stage.TPCSlow);
    EXPECT_EQ(spacornNameFromNumber(player, 2), "星影円舞");
    EXPECT_TRUE(textShown("星影円舞"));
    EXPECT_EQ(platform.audioLog().back().kind, AudioEvent::StopMusic);
}

TEST_F(ScreensCharaSelect, LockedFightersCannotBeReachedAndTheEndsDoNotWrap) {
    toFighterStep();
    press(key::Left);
    EXPECT_EQ(s.fighter, 0);
    press(key::Down);
    EXPECT_EQ(s.fighter, 0);
    for (int i = 0; i < 3; ++i) press(key::Right);
    press(key::Down);
    EXPECT_EQ(s.fighter, 3);
    for (int i = 0; i < 4; ++i) press(key::Right);
    EXPECT_EQ(s.fighter, 5);
    EXPECT_EQ(s.cursorX, 433);
    EXPECT_EQ(countAudio(AudioEvent::PlaySound, kMenuSound), 5u);  // one per real move
}

TEST_F(ScreensCharaSelect, BetaBoyIsBelowMorvekboyOnceUnlockedAndTheKeysAreEdgeTriggered) {
    stage.secretBetaBoy = true;
    toFighterStep();
    // Down held for many passes moves once.
    const uint64_t n = platform.presentCount();
    platform.holdKeysForPresents({key::Down}, n, n + 10);
    for (int i = 0; i < 10; ++i) pass();
    EXPECT_EQ(s.fighter, fighter::Betaboy);
    EXPECT_EQ(s.portraitX, 640 - 20 * 10);  // restarted at 640 by the move, then sliding
    press(key::Right);
    EXPECT_EQ(s.fighter, fighter::Betaboy);
    press(key::Up);
    EXPECT_EQ(s.fighter, 0);
    EXPECT_EQ(s.portraitX, 640 - 20 * 3);
}

TEST_F(ScreensCharaSelect, PastTheFirstStageTheSpeedStepIsSkipped) {
    stage.stageNumber = 2;
    stage.speedSelect(2);
    toFighterStep();
    press(key::Return);
    press(key::Return);
    EXPECT_EQ(s.phase, selectphase::KeyMode);
    press(key::Space);
    EXPECT_EQ(s.phase, selectphase::SuperArt);
    press(key::Return);
    EXPECT_EQ(s.phase, selectphase::KeyMode);
    press(key::Return);  // NORMAL KEY
    press(key::Return);  // TPC SLOW OFF
    EXPECT_TRUE(s.finished);
    EXPECT_EQ(stage.gameSpeed, 22);
    EXPECT_EQ(game->engine.keyCount, kNormalKeyCount);
    EXPECT_FALSE(stage.TPCSlow);
    EXPECT_EQ(player.charaname, "morvekboy");
}

TEST_F(ScreensCharaSelect, F1InAnArcadeGameEndsTheSelectWithWhatWasChosen) {
    toFighterStep();
    press(key::Right);
    press(key::Return);  // GINZAMURAI
    holdNext({key::F1});
    pass();
    EXPECT_NE(game->engine.returnToTitle, kFalse);
    EXPECT_TRUE(s.leave);
    pass();
    EXPECT_TRUE(s.finished);
    EXPECT_EQ(player.charaname, "ginzamurai");
    EXPECT_EQ(platform.audioLog().back().kind, AudioEvent::StopMusic);
}

TEST_F(ScreensCharaSelect, ADownTapLandingBeforeAnyReadOfAPassMovesTheChoiceOnce) {
    for (uint64_t read = 0; read < 3; ++read) {
        SCOPED_TRACE(read);
        toFighterStep();
        press(key::Return);
        ASSERT_EQ(s.phase, selectphase::SuperArt);
        platform.clearLogs();
        const uint64_t before = platform.keyboardReads();
        pass();
        // The edge read's two while nothing is down, then the read after the present.
        ASSERT_EQ(platform.keyboardReads() - before, 3u);
        platform.tapKeyAfterReads(key::Down, platform.keyboardReads() + read);
        for (int i = 0; i < 3; ++i) pass();
        EXPECT_EQ(s.choice, 1);
        EXPECT_EQ(countAudio(AudioEvent::PlaySound, kChoiceSound), 1u);
    }
}

TEST(ScreensNames, SuperArtAndDisplayNames) {
    Character c;
    c.NUMBER = 3;
    EXPECT_EQ(spacornNameFromNumber(c, 2), "槍雷虎砲");
    c.ReverseCharaFlag = true;
    EXPECT_EQ(spacornNameFromNumber(c, 2), "星影円舞");
    c.NUMBER = 7;
    EXPECT_EQ(spacornNameFromNumber(c, 1), "ジャッジメント");
    c.NUMBER = 0;
    const std::string signature = spacornNameFromNumber(c, 0);
    EXPECT_FALSE(signature.empty());
    c.NUMBER = 8;
    EXPECT_EQ(spacornNameFromNumber(c, 0), signature);
    c.NUMBER = 10;
    EXPECT_EQ(spacornNameFromNumber(c, 0), "");
    EXPECT_EQ(charaDispNameFromNumber(6), "G O D");
    EXPECT_EQ(charaDispNameFromNumber(8), "BETABOY");
    EXPECT_EQ(charaDispNameFromNumber(9), "");
    EXPECT_EQ(charaDispNameFromNumber(10), "");
}

// ---- VS screen ----------------------------------------------------------------------

struct ScreensVs : testing::ScreensFixture {
    VsScreen s;
    Character p1, p2;
    StateOfStage stage;
    void SetUp() override {
        ScreensFixture::SetUp();
        platform.setPresentCostMs(10);
        p1.NUMBER = 0;
        p2.NUMBER = 2;
        p2.cpuLevel = 7;
        stage.stageNumber = 3;
        stage.gameSpeedMode = 1;
    }
    void pass() { vsScreenPass(*game, s, p1, p2, stage); }
};

TEST_F(ScreensVs, TheJingleIsTheBossOneOnlyAgainstGod) {
    EXPECT_EQ(vsJingleFor(7), 133);
    for (int16_t n : {0, 5, 6, 8}) EXPECT_EQ(vsJingleFor(n), 132);
    p2.NUMBER = 7;
    vsScreen(*game, p1, p2, stage);
    EXPECT_EQ(countAudio(AudioEvent::PlaySound, 133), 1u);
    EXPECT_EQ(countAudio(AudioEvent::PlaySound, 132), 0u);
    EXPECT_EQ(game->engine.shutterPosition, 320);  // left closed for the match
}

TEST_F(ScreensVs, EnterIsIgnoredForTwoSecondsAndTheScreenMovesOnAfterFour) {
    vsScreenBegin(*game, s);
    pass();
    EXPECT_EQ(s.leftX, -190);
    EXPECT_EQ(s.rightX, 530);
    while (s.phase == 1) pass();
    EXPECT_EQ(s.leftX, 10);
    EXPECT_EQ(s.rightX, 330);
    EXPECT_TRUE(textShown("VS"));  // the pass that ends the slide draws the texts
    const auto start = static_cast<uint64_t>(s.textsSince * 1000);
    // Enter pressed at 1 s and 1.9 s is not read.
    while (platform.ticksMs() < start + 1000) pass();
    holdNext({key::Return});
    pass();
    pass();
    EXPECT_EQ(s.phase, 2);
    while (s.phase == 2) pass();
    const uint64_t spent = platform.ticksMs() - start;
    EXPECT_GT(spent, 4000u);
    EXPECT_LT(spent, 4100u);
    while (!s.done) pass();
}

TEST_F(ScreensVs, EnterAfterTwoSecondsClosesTheShutterAndTheTextsShowTheMatch) {
    p2.NUMBER = 2;
    p2.spacornType = 0;  // a name of 12 characters
    p1.spacornType = 1;
    vsScreenBegin(*game, s);
    while (s.phase < 2) pass();
    const auto start = static_cast<uint64_t>(s.textsSince * 1000);
    platform.holdKeysForTime({key::Return}, start, start + 10000);
    while (s.phase == 2) pass();
    const uint64_t spent = platform.ticksMs() - start;
    EXPECT_GT(spent, 2000u);
    EXPECT_LT(spent, 2100u);
    const TextEvent* mine = findText("真・著作拳");
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->pointSize, 15);
    EXPECT_EQ(mine->x, 80);
    const TextEvent* theirs = findText("ブラックホールスクリュー");
    ASSERT_NE(theirs, nullptr);
    EXPECT_EQ(theirs->pointSize, 12);
    EXPECT_TRUE(textShown("STAGE 3"));
    EXPECT_TRUE(textShown("CPU LEVEL 7"));
    EXPECT_TRUE(textShown("NORMAL SPEED"));
    int shutterPasses = 0;
    while (!s.done) {
        pass();
        ++shutterPasses;
    }
    EXPECT_EQ(shutterPasses, 16 - 1);  // the pass leaving phase 2 took the first step
    EXPECT_EQ(countAudio(AudioEvent::PlaySound, 52), 1u);
}

TEST_F(ScreensVs, WaitEnterKeyReturnsOnEnterAndDrawsOnlyThePrompt) {
    tapEnterEveryOtherPass();
    waitEnterKey(*game);
    EXPECT_LE(platform.presentCount(), 3u);
    EXPECT_TRUE(platform.textLog().empty());
}

// ---- quotes -------------------------------------------------------------------------

TEST(ScreensQuotes, TableLookUpsSpecialLinesAndSizes) {
    EXPECT_EQ(winQuoteLines(1, 2, "").line1, "Son of a bitch!");
    EXPECT_EQ(winQuoteLines(1, 2, "").line2, "");
    for (int16_t n = 1; n <= 7; ++n) EXPECT_EQ(winQuoteLines(6, n, "").line1, "ハエテクル！");
    EXPECT_EQ(winQuoteLines(5, 2, "").line2, "時には護りを堅め的確な勝機に反撃することも重要だ。");
    for (int16_t n = 1; n <= 8; ++n) {
        EXPECT_EQ(winQuoteLines(0, n, "真・著作拳").line1, "これぞ　真・著作拳ッ！！");
        EXPECT_EQ(winQuoteLines(0, n, "真・著作拳").line2, "");
        EXPECT_EQ(winQuoteLines(4, n, "瞬刻殺").line1, "これぞ瞬刻殺！！");
    }
    EXPECT_EQ(winQuoteLines(1, 3, "瞬刻殺").line1, "ウリャア");  // only GOUDA's own art
    EXPECT_EQ(winQuoteLines(9, 1, "").line1, "");
    EXPECT_EQ(winQuoteLines(-1, 1, "").line1, "");
    EXPECT_EQ(winQuoteLines(3, 9, "").line1, "");
    EXPECT_EQ(winQuoteLines(6, 20, "").line1, "見事ッ・・・！");
    EXPECT_EQ(godSpeechLines(22).line2, "ノーマル以上の難易度に挑戦するのだ！");
    EXPECT_EQ(godSpeechLines(25).line1, "そこで私の真の姿を見せてやろう。");
    EXPECT_EQ(godSpeechLines(26).line1, "");
    // Sizes by length in characters (not bytes).
    EXPECT_EQ(quoteFontSize("時には護りを堅め的確な勝機に反撃することも重要だ。"), 9);  // 25
    EXPECT_EQ(quoteFontSize("隙が多いな。確かに攻めは基本だが、"), 13);                  // 17
    EXPECT_EQ(quoteFontSize("1234567890123456789"), 13);
    EXPECT_EQ(quoteFontSize("12345678901234567890"), 11);
    EXPECT_EQ(quoteFontSize("123456789012345678901234"), 11);
}

TEST_F(ScreensVs, QuotesAreDrawnInTheBalloonAtTheirSizes) {
    winQuoteSelect(*game, 5, 2, "");
    const TextEvent* a = findText("隙が多いな。確かに攻めは基本だが、");
    const TextEvent* b = findText("時には護りを堅め的確な勝機に反撃することも重要だ。");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->pointSize, 13);
    EXPECT_EQ(a->y, 350);
    EXPECT_EQ(b->pointSize, 9);
    EXPECT_EQ(b->y, 390);
    godFalseFormSpeech(*game, 21);
    const TextEvent* c = findText("真の力はこんなものではない。");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->y, 395);
    EXPECT_EQ(c->pointSize, 13);
}

// ---- result screen ------------------------------------------------------------------

struct ScreensResult : testing::ScreensFixture {
    ResultScreen s;
    Character p1, p2;
    StateOfStage stage;
    void SetUp() override {
        ScreensFixture::SetUp();
        stage.stageNumber = 1;
        p1.NUMBER = 0;
        p2.NUMBER = 1;
        p2.cpuLevel = 5;
    }
    /// Player 1 wins 2-0 with the given vitality left in each round.
    void winTwoNil(double v1, double v2) {
        p1.winCount = 1;
        p1.viTality = v1;
        stage.roundRecording(p1);
        p1.winCount = 2;
        p1.viTality = v2;
        stage.roundRecording(p1);
        p2.winCount = 0;
    }
    void lose() {
        p1.winCount = 1;
        p2.winCount = 2;
    }
    void pass() { winnerDispPass(*game, s, p1, p2, stage); }
    /// A press of `k` in one pass, then two passes without keys.
    void press(uint8_t k) {
        holdNext({k});
        for (int i = 0; i < 3; ++i) pass();
    }
};

TEST_F(ScreensResult, APerfectTwoNilWinAddsVitalityPerfectsAndComplete) {
    winTwoNil(254, 254);
    const WinBonuses b = winBonusesOf(p1, p2, stage);
    EXPECT_EQ(b.vitality, 20000);
    EXPECT_EQ(b.perfects, 2);
    EXPECT_EQ(b.completeBonus, 10000);
    EXPECT_EQ(b.total(), 20000 + 60000 + 10000);
    game->engine.gameScore = 5000;
    tapEnterEveryOtherPass();
    EXPECT_EQ(winnerDispMain(*game, p1, p2, stage), nextstep::NextOpponent);
    EXPECT_EQ(game->engine.gameScore, 95000);
    EXPECT_TRUE(textShown(" × 2"));
    EXPECT_TRUE(textShown("COMPLETE"));
    const TextEvent* perfect = findText("60000");
    ASSERT_NE(perfect, nullptr);
    EXPECT_EQ(perfect->x, 630 - 13 * 6);
    const TextEvent* combo = findText("0");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->x, 604);
    EXPECT_EQ(countAudio(AudioEvent::PlayMusic, kWinTune), 1u);
}

TEST_F(ScreensResult, ARoundLostMeansNoCompleteAndNoPerfectLines) {
    stage.maxRoundCount = 1;  // five rounds: three wins
    p1.winCount = 1;
    p1.viTality = 127;
    stage.roundRecording(p1);
    p1.winCount = 2;
    stage.roundRecording(p1);
    p1.winCount = 3;
    stage.roundRecording(p1);
    p2.winCount = 1;
    const WinBonuses b = winBonusesOf(p1, p2, stage);
    EXPECT_EQ(b.vitality, 15000);
    EXPECT_EQ(b.perfects, 0);
    EXPECT_FALSE(b.complete);
    tapEnterEveryOtherPass();
    EXPECT_EQ(winnerDispMain(*game, p1, p2, stage), nextstep::NextOpponent);
    EXPECT_FALSE(textShown("COMPLETE"));
    EXPECT_FALSE(textShown("PERFECT"));
    // A 3-0 in five rounds is worth 20000 for COMPLETE.
    p2.winCount = 0;
    EXPECT_EQ(winBonusesOf(p1, p2, stage).completeBonus, 20000);
}

TEST_F(ScreensResult, TheContinueMenuCostsOnePointAndBarsTheHiddenStage) {
    struct Case {
        int downs;
        int16_t result;
        int32_t cost;
    };
    for (const Case c : {Case{0, 0, 1}, Case{1, 1, 1}, Case{2, 3, 0}, Case{5, 3, 0}}) {
        lose();
        stage.NoContinue = true;
        game->engine.gameScore = 300;
        ASSERT_TRUE(winnerDispBegin(*game, s, p1, p2, stage));
        while (s.obj.GUIcount != resultphase::Quote) pass();
        press(key::Return);
        EXPECT_EQ(s.obj.GUIcount, resultphase::PortraitSlide);
        while (s.obj.GUIcount == resultphase::PortraitSlide) pass();
        EXPECT_EQ(s.portraitX, 20);
        pass();  // the slide read no keys: the menu's first pass re-arms the key latch
        for (int i = 0; i < c.downs; ++i) press(key::Down);
        press(key::Return);
        ASSERT_NE(s.obj.loopFlag, kFalse);
        EXPECT_EQ(winnerDispEnd(*game, s, stage), c.result);
        EXPECT_EQ(game->engine.gameScore, 300 + c.cost);
        EXPECT_FALSE(stage.NoContinue);
    }
    EXPECT_TRUE(textShown("CONTINUE?"));
    EXPECT_TRUE(textShown("キャラ、スパコーンを変えてもう一度"));
    EXPECT_EQ(countAudio(AudioEvent::PlaySound, kFightVoice), 1u);
    EXPECT_EQ(countAudio(AudioEvent::PlaySound, 134), 2u);
}

TEST_F(ScreensResult, TheJudgeLevelIsRecordedEvenAfterALoss) {
    lose();
    p2.NUMBER = 4;
    tapEnterEveryOtherPass();
    const uint8_t expected = StateOfStage(stage).SimpleJudgeSystem(*game, p1, p2);
    winnerDispMain(*game, p1, p2, stage);
    EXPECT_EQ(stage.enemyNumberOfStage(1), 4);
    EXPECT_EQ(stage.judgeLevelOfStage(1), expected);
}

TEST_F(ScreensResult, BeatingTheSmallFinalBossShowsItsSpeechInSilenceAndEndsTheGame) {
    winTwoNil(200, 200);
    p2.NUMBER = 6;
    stage.checkCounter = ladderstage::Buri;
    stage.NoContinue = true;
    ASSERT_TRUE(winnerDispBegin(*game, s, p1, p2, stage));
    EXPECT_EQ(s.portrait, 6);
    while (s.obj.GUIcount != resultphase::Quote) pass();
    pass();
    EXPECT_TRUE(textShown("見事ッ・・・！"));
    tapEnterEveryOtherPass();
    while (s.obj.loopFlag == kFalse) pass();
    EXPECT_EQ(s.quote, 23);
    EXPECT_EQ(winnerDispEnd(*game, s, stage), nextstep::ScoreScreen);
    EXPECT_FALSE(stage.NoContinue);
    for (const char* line : {"見事ッ・・・！", "だが、今の私は仮の姿。", "ノーマルスピード以上、かつ、",
                             "そこで私の真の姿を見せてやろう。"})
        EXPECT_TRUE(textShown(line)) << line;
    EXPECT_EQ(countAudio(AudioEvent::PlayMusic, kWinTune), 1u);
    EXPECT_EQ(platform.audioLog().back().kind, AudioEvent::StopMusic);
    for (const AudioEvent& ev : platform.audioLog())
        if (ev.kind == AudioEvent::PlayMusic) {
            EXPECT_LT(ev.atPresent, 1u);  // the win tune is stopped before the first page
        }
}

TEST_F(ScreensResult, BeatingGodRunsTheEndingAndReturnsToTheScoreScreen) {
    winTwoNil(254, 100);
    p2.NUMBER = 7;
    stage.checkCounter = ladderstage::GodDefeated;
    game->engine.gameScore = 0;
    tapEnterEveryOtherPass();
    EXPECT_EQ(winnerDispMain(*game, p1, p2, stage), nextstep::ScoreScreen);
    EXPECT_TRUE(textShown("F　I　N"));
    EXPECT_FALSE(textShown("WIN"));
    EXPECT_GT(game->engine.gameScore, 0);  // the match bonuses are in
    EXPECT_EQ(countAudio(AudioEvent::PlayMusic, kEndingTune), 1u);
}

TEST_F(ScreensResult, OnlyAWinOverBetaBoyUnlocksIt) {
    p2.NUMBER = fighter::Betaboy;
    lose();
    // Through the loss to the continue menu and its last item.
    platform.onPresent([this](uint64_t k) {
        if (k % 2 == 0)
            platform.holdKeysForPresents({s.obj.GUIcount == resultphase::ContinueMenu && s.cursor < 2
                                              ? key::Down
                                              : key::Return},
                                         k, k + 1);
    });
    ASSERT_TRUE(winnerDispBegin(*game, s, p1, p2, stage));
    while (s.obj.loopFlag == kFalse) pass();
    EXPECT_FALSE(stage.secretBetaBoy);
    EXPECT_FALSE(scoreExists());

    p1.winCount = 2;
    p2.winCount = 0;
    tapEnterEveryOtherPass();
    EXPECT_EQ(winnerDispMain(*game, p1, p2, stage), nextstep::NextOpponent);
    EXPECT_TRUE(stage.secretBetaBoy);
    EXPECT_EQ(scoreContents().substr(175), "36925");
}

// ---- ending -------------------------------------------------------------------------

TEST_F(ScreensVs, TheEndingTakesSevenPressesAndAHeldEnterCountsOnce) {
    EndingScreen e;
    endingBegin(*game, e);
    const uint64_t n = platform.presentCount();
    platform.holdKeysForPresents({key::Return}, n, n + 20);
    for (int i = 0; i < 20; ++i) endingPass(*game, e);
    EXPECT_EQ(e.page, 1);
    int presses = 1;
    while (!e.done) {
        holdNext({key::Return});
        endingPass(*game, e);
        endingPass(*game, e);
        if (!e.done) ++presses;
    }
    EXPECT_EQ(presses, 7);
    EXPECT_EQ(e.page, kEndingLastPage);
    endingEnd(*game, e);
    EXPECT_TRUE(textShown("ゲームクリアおめでとうございます。"));
    EXPECT_TRUE(textShown("F　I　N"));
    EXPECT_EQ(countAudio(AudioEvent::PlayMusic, kEndingTune), 1u);
    EXPECT_EQ(platform.audioLog().back().kind, AudioEvent::StopMusic);
    EXPECT_EQ(platform.lastFrame().at(320, 240), 0);
    EXPECT_EQ(platform.lastFrame().at(560, 420), 0);  // no prompt on the last frame
}

}  // namespace
}  // namespace morvek
