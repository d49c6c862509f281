// The battle loop: the order of a frame as the other modules rely on it, the frame time,
// the end of a match, and whole matches played from the keyboard.

#include <cstdlib>
#include <string>

#include "battle/Mechanics.h"
#include "battle/PlayerInput.h"
#include "engine/DataTables.h"
#include "engine_fixture.h"
#include "loop_fixture.h"

namespace morvek::loop_test {
namespace {

struct BattleLoopTest : MatchFixture {
    /// Stands the fighters `gap` pixels apart (left edges), player 1 on the left.
    void closeIn(double gap) {
        p1.posX = p2.posX - gap;
        battleFrame(game);
    }
    /// One frame of a simple player: close in with forward hops, then punch ("G", red).
    void playerTypes() {
        if (b.keyHeld) return;  // let the last key go first
        if (p1.tarGeting) {
            const bool far = std::abs(p2.characterAxis() - p1.characterAxis()) > 110;
            tapLetter(b.targetLetters[far ? 1 : 0]);
        } else if (p1.enableAction) {
            const bool far = std::abs(p2.characterAxis() - p1.characterAxis()) > 110;
            tapKey(far ? (p1.dirStand == 1 ? 26 : 25) : (p1.dirStand == 1 ? 25 : 26));
        }
    }
};

TEST_F(BattleLoopTest, AttackOpenedInAFrameIsTestedInTheNext) {
    skipIntro();
    closeIn(90);
    ASSERT_TRUE(p1.enableAction);
    tapKey(25);
    battleFrame(game);
    ASSERT_TRUE(p1.tarGeting);
    battleFrame(game);  // a frame with no key clears the latch
    tapLetter(b.targetLetters[0]);
    // Frames until the action script opens the attack box.
    int frame = 0;
    while (p1.ATFflag != 1 && frame < 40) {
        battleFrame(game);
        ++frame;
        ASSERT_EQ(p2.viTality, 254) << "hit before the box was opened";
    }
    ASSERT_EQ(p1.ATFflag, 1);
    EXPECT_EQ(p1.animPat / 10, 2);  // the punch's patterns
    EXPECT_EQ(p2.viTality, 254);    // opened in the action phase, after the collisions
    p2.viTality = 1;                // this hit will knock player 2 out
    battleFrame(game);
    EXPECT_LE(p2.viTality, 0);
    // The judge ran before the collisions: it sees the KO only in the following frame.
    EXPECT_FALSE(stage.roundFinish);
    battleFrame(game);
    EXPECT_TRUE(stage.roundFinish);
    EXPECT_EQ(p1.winCount, 1);
}

TEST_F(BattleLoopTest, FrameTimeIsGameSpeedPlusSlowdowns) {
    const uint64_t t0 = platform.ticksMs();
    battleFrame(game);
    EXPECT_EQ(platform.ticksMs() - t0, 26u);

    p1.zoomCount = 12;
    EXPECT_EQ(battleFrameMs(game), 38);
    p1.zoomCount = 0;
    stage.TPCSlow = true;
    EXPECT_EQ(battleFrameMs(game), 26);  // only while typing a combo
    p1.TPC = true;
    EXPECT_EQ(battleFrameMs(game), 26 + kTypingComboSlowMs);
    stage.gameSpeed = 22;
    EXPECT_EQ(battleFrameMs(game), 29);
}

TEST_F(BattleLoopTest, FreezeHoldsAnimationAndScripts) {
    skipIntro();
    battleFrame(game);
    b.freezeFlag = true;
    const int16_t t1 = p1.animTimer;
    const int16_t t2 = p2.animTimer;
    battleFrame(game);
    EXPECT_EQ(p1.animTimer, t1);
    EXPECT_EQ(p2.animTimer, t2);
    b.freezeFlag = false;
    battleFrame(game);
    EXPECT_NE(p1.animTimer, t1);
}

TEST_F(BattleLoopTest, AbortEndsMatchAfterThatFrameOnCleared) {
    for (PlayMode mode : {PlayMode::Arcade, PlayMode::Training, PlayMode::Tutorial}) {
        e.playMode = mode;
        e.returnToTitle = kFalse;
        EXPECT_FALSE(battleFrame(game));
        e.returnToTitle = kTrue;
        const uint64_t presents = platform.presentCount();
        EXPECT_TRUE(battleFrame(game));
        EXPECT_EQ(platform.presentCount(), presents + 2);
        EXPECT_TRUE(screenIs(kMatchEndColour));
    }
}

TEST_F(BattleLoopTest, TutorialRunsNoJudge) {
    e.playMode = PlayMode::Tutorial;
    p2.viTality = 0;
    for (int i = 0; i < 60; ++i) EXPECT_FALSE(battleFrame(game));
    EXPECT_EQ(stage.wholeTimer, 0);
    EXPECT_EQ(stage.roundTimer, 9999);
    EXPECT_FALSE(stage.roundFinish);
}

TEST_F(BattleLoopTest, LastRoundEndsMatchOnCleared) {
    p1.winCount = 1;
    p2.viTality = 0;
    battleLoop(game);
    EXPECT_EQ(p1.winCount, 2);
    EXPECT_TRUE(screenIs(kMatchEndColour));
    // The round was decided in the first frame and the match ended at its round change.
    EXPECT_EQ(stage.roundCount, 1);
    EXPECT_EQ(stage.changeTimer, 0);
}

TEST_F(BattleLoopTest, TypedMatchAgainstStandingComputerIsWon) {
    int frames = 0;
    bool over = false;
    int16_t rounds = 0;
    while (!over && frames < 20000) {
        playerTypes();
        over = battleFrame(game);
        ++frames;
        if (stage.roundCount != rounds) {
            rounds = stage.roundCount;
            EXPECT_EQ(p1.winCount, rounds) << "round " << rounds << " not won by a KO";
        }
    }
    ASSERT_TRUE(over);
    EXPECT_EQ(p1.winCount, 2);
    EXPECT_EQ(p2.winCount, 0);
    EXPECT_EQ(stage.roundCount, 2);
    EXPECT_GT(soundsPlayed(6), 10);  // targeting opened again and again
    EXPECT_GT(p1.SJSpoint + p1.MaxComboCount, -1);
    EXPECT_TRUE(screenIs(kMatchEndColour));
}

TEST_F(BattleLoopTest, TimeOversDecideMatchAndEqualVitalityAwardsNobody) {
    stage.MaxRoundTime = 200;  // 100 frames a round
    battleRoundInit(game);
    int frames = 0;
    bool over = false;
    int16_t rounds = 0;
    while (!over && frames < 5000) {
        // Round 1 ends level; from round 2 on player 2 is ahead when the clock runs out.
        if (stage.roundCount >= 1 && !stage.roundFinish) p1.viTality = 150;
        over = battleFrame(game);
        ++frames;
        rounds = stage.roundCount;
    }
    ASSERT_TRUE(over);
    EXPECT_EQ(rounds, 3);
    EXPECT_EQ(p1.winCount, 0);
    EXPECT_EQ(p2.winCount, 2);
    EXPECT_EQ(p2.returningHowtoWin(1), 3);
    EXPECT_EQ(p2.returningHowtoWin(2), 3);
    EXPECT_EQ(p2.SJSpoint, -20);
    EXPECT_EQ(soundsPlayed(148), 3);
}

TEST_F(BattleLoopTest, DoubleKnockOutsGoOnPastTenRounds) {
    // Nobody wins a double KO, so the round number climbs into two digits.
    int frames = 0;
    while (stage.roundCount < 11 && frames < 8000) {
        if (!stage.roundFinish && stage.wholeTimer > 55) {
            p1.viTality = 0;
            p2.viTality = 0;
        }
        ASSERT_FALSE(battleFrame(game));
        ++frames;
    }
    EXPECT_EQ(stage.roundCount, 11);
    EXPECT_EQ(p1.winCount, 0);
    EXPECT_EQ(p2.winCount, 0);
    EXPECT_EQ(stage.winPlayer, kDoubleKO);
}

struct MatchTurnTest : MatchFixture {
    std::string folder;
    void SetUp() override {
        MatchFixture::SetUp();
        folder = testing::makeDataFolder("loop_" + std::string(::testing::UnitTest::GetInstance()
                                                                     ->current_test_info()
                                                                     ->name()));
        platform.setProgramFolder(folder);
        e.appPath = folder;
        p1.winCount = 1;
        p2.winCount = 1;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(MatchTurnTest, AbortedTrainingLeadsToTrainingSetup) {
    e.playMode = PlayMode::Training;
    e.returnToTitle = kTrue;
    matchTurn(game);
    EXPECT_EQ(e.nextStep, nextstep::TrainingSetup);
    EXPECT_EQ(e.returnToTitle, kFalse);
    EXPECT_EQ(p1.winCount, 0);
    EXPECT_EQ(p2.winCount, 0);
    // Both sheets load on the first turn, and the training tune plays.
    EXPECT_FALSE(e.charaSurface1.isEmpty());
    EXPECT_FALSE(e.charaSurface2.isEmpty());
    EXPECT_FALSE(e.attackEffectSurface.isEmpty());
    bool trainingTune = false;
    for (const auto& ev : platform.audioLog())
        if (ev.kind == AudioEvent::PlayMusic && ev.index == kTrainingMatchTune) trainingTune = true;
    EXPECT_TRUE(trainingTune);
    EXPECT_TRUE(screenIs(kMatchEndColour));
}

TEST_F(MatchTurnTest, AbortedArcadeMatchLeadsToScoreScreenWithoutVsScreen) {
    e.playMode = PlayMode::Arcade;
    e.returnToTitle = kTrue;
    e.nextStep = nextstep::SameStage;  // no sheet reload
    matchTurn(game);
    EXPECT_EQ(e.nextStep, nextstep::ScoreScreen);
    EXPECT_TRUE(e.charaSurface1.isEmpty());
    EXPECT_TRUE(e.charaSurface2.isEmpty());
    EXPECT_EQ(platform.presentCount(), 2u);  // the one frame of the match, cleared
    EXPECT_EQ(p1.NUMBER, 0);
    EXPECT_EQ(p2.NUMBER, 0);
}

}  // namespace
}  // namespace morvek::loop_test
