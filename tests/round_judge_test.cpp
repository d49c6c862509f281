// The round and match judge: the intro, KO and double KO, the award and its win marks,
// time over, the change-timer schedule, the next round and the end of the match.

#include "battle/Mechanics.h"
#include "loop_fixture.h"

namespace morvek::loop_test {
namespace {

struct RoundJudgeTest : MatchFixture {
    /// Judge frames until changeTimer reaches `t` (the round must be decided); the last
    /// frame's result.
    bool judgeUntilChange(int16_t t) {
        bool over = false;
        while (stage.roundFinish && stage.changeTimer < t) over = battleJudge(game);
        EXPECT_EQ(stage.changeTimer, t % kRoundChangeTime);
        return over;
    }
    void pastIntro() {
        while (stage.wholeTimer < 60) battleJudge(game);
        platform.clearLogs();
    }
};

TEST_F(RoundJudgeTest, IntroSaysReadyAndFightAndHoldsAction) {
    for (int frame = 1; frame <= 52; ++frame) {
        p1.enableAction = true;
        p2.enableAction = true;
        battleJudge(game);
        EXPECT_EQ(stage.wholeTimer, frame);
        EXPECT_EQ(soundsPlayed(kReadyVoice), frame >= 10 ? 1 : 0) << frame;
        EXPECT_EQ(soundsPlayed(kFightVoice), frame >= 50 ? 1 : 0) << frame;
        EXPECT_EQ(p1.enableAction, frame > 50) << frame;
        EXPECT_EQ(p2.enableAction, frame > 50) << frame;
    }
    // The round clock runs from the first frame, intro included.
    EXPECT_EQ(stage.roundTimer, 9999 - 2 * 52);
}

TEST_F(RoundJudgeTest, InfiniteTimeAndTrainingStopTheClock) {
    stage.MaxRoundTime = 0;
    battleRoundInit(game);
    for (int i = 0; i < 5; ++i) battleJudge(game);
    EXPECT_EQ(stage.roundTimer, 0);
    EXPECT_FALSE(stage.roundFinish);

    stage.MaxRoundTime = 9999;
    battleRoundInit(game);
    e.playMode = PlayMode::Training;
    for (int i = 0; i < 5; ++i) battleJudge(game);
    EXPECT_EQ(stage.roundTimer, 9999);
}

TEST_F(RoundJudgeTest, KnockOutOfPlayer2FinishesRoundAndAwardsPlayer1) {
    pastIntro();
    p1.viTality = 200;
    p1.artsName = "男パンチ";
    p2.viTality = -3;
    p2.stunSwitch = 2;
    const int16_t timer = stage.roundTimer;
    EXPECT_FALSE(battleJudge(game));
    EXPECT_EQ(p2.viTality, 0);
    EXPECT_TRUE(stage.roundFinish);
    EXPECT_EQ(stage.finishStop, 2000);
    EXPECT_EQ(stage.KOslow, 100);
    EXPECT_EQ(soundsPlayed(kKOSound), 1);
    EXPECT_FALSE(stage.spFinish);
    EXPECT_EQ(stage.FinishArts, "男パンチ");
    EXPECT_EQ(stage.winPlayer, 1);
    EXPECT_EQ(p2.stunGauge, p2.stunPointMax);
    EXPECT_EQ(p2.stunSwitch, 0);
    EXPECT_TRUE(b.damageLock);
    // The award comes in the same frame (changeTimer 1), and the clock stops.
    EXPECT_EQ(stage.changeTimer, 1);
    EXPECT_EQ(p1.winCount, 1);
    EXPECT_EQ(p1.returningHowtoWin(1), winMarkKO);
    EXPECT_EQ(stage.vitalityOfRound(1), 200);
    EXPECT_EQ(stage.roundTimer, timer);
}

TEST_F(RoundJudgeTest, KnockOutOfPlayer1ClosesTargetingAndAwardsPlayer2) {
    pastIntro();
    p1.tarGeting = true;
    p1.viTality = 0;
    p2.viTality = 100;
    p2.FAwasHit = true;
    p2.artsFAName = "projectile";
    battleJudge(game);
    EXPECT_FALSE(p1.tarGeting);
    EXPECT_EQ(stage.winPlayer, 2);
    EXPECT_EQ(stage.FinishArts, "projectile");  // a projectile finished it
    EXPECT_EQ(p2.winCount, 1);
    EXPECT_EQ(p1.winCount, 0);
    EXPECT_EQ(stage.vitalityOfRound(1), 0);  // only player 1's wins are recorded
}

TEST_F(RoundJudgeTest, WinMarks) {
    struct Case {
        double winnerVit, loserVit;
        int16_t loserState;
        bool spacorn;
        uint8_t mark;
        int16_t sjs;
    };
    const Case cases[] = {
        {254, 0, stHit, true, winMarkPerfect, 10},  // perfect beats a spacorn finish
        {100, 0, stStandGuard, true, winMarkGuardKO, 0},
        {100, 0, stCrouchGuard, false, winMarkGuardKO, 0},
        {100, 0, stHit, true, winMarkSpacorn, 10},
        {100, 0, stHit, false, winMarkKO, 0},
        {100, 50, stStand, true, winMarkTimeOver, -10},
    };
    for (const Case& c : cases) {
        Character w, l;
        w.viTality = c.winnerVit;
        l.viTality = c.loserVit;
        l.sTate = c.loserState;
        w.spacornHit = c.spacorn;
        roundWinAward(game, w, l);
        EXPECT_EQ(w.winCount, 1);
        EXPECT_EQ(w.returningHowtoWin(1), c.mark) << int(c.mark);
        EXPECT_EQ(w.SJSpoint, c.sjs);
    }
}

TEST_F(RoundJudgeTest, SpacornFinishSoundAndAwardsBeyondThreeWinsAreGuarded) {
    pastIntro();
    p1.spacornHit = true;
    p2.viTality = 0;
    battleJudge(game);
    EXPECT_EQ(soundsPlayed(kSpacornKOSound), 1);
    EXPECT_TRUE(stage.spFinish);

    // More wins than the marks hold: the count goes on, no mark is written past the last.
    Character w, l;
    w.winCount = 3;
    w.viTality = 10;
    roundWinAward(game, w, l);
    EXPECT_EQ(w.winCount, 4);
    for (uint8_t i = 0; i < 4; ++i) EXPECT_EQ(w.returningHowtoWin(i), 0);
}

TEST_F(RoundJudgeTest, DoubleKnockOutAwardsNobodyAndMatchGoesOn) {
    pastIntro();
    p1.viTality = 0;
    p2.viTality = -10;
    battleJudge(game);
    EXPECT_EQ(stage.winPlayer, kDoubleKO);
    EXPECT_EQ(p1.winCount, 0);
    EXPECT_EQ(p2.winCount, 0);
    EXPECT_FALSE(judgeUntilChange(kRoundChangeTime));
    EXPECT_EQ(stage.roundCount, 1);
    EXPECT_EQ(p1.viTality, 254);
}

TEST_F(RoundJudgeTest, TimeOverAwardsMoreVitality) {
    pastIntro();
    stage.roundTimer = 1;
    p1.viTality = 180;
    p2.viTality = 120;
    battleJudge(game);
    EXPECT_TRUE(stage.roundFinish);
    EXPECT_EQ(stage.ABSStop, 2000);
    EXPECT_EQ(soundsPlayed(148), 1);
    EXPECT_EQ(stage.winPlayer, 0);  // a time over names no KO winner
    battleJudge(game);              // the award follows in the next frame
    EXPECT_EQ(p1.winCount, 1);
    EXPECT_EQ(p1.returningHowtoWin(1), winMarkTimeOver);
    EXPECT_EQ(p1.SJSpoint, -10);
    // A round won on time keeps player 1's vitality like a KO does.
    EXPECT_EQ(stage.vitalityOfRound(1), 180);
}

TEST_F(RoundJudgeTest, TimeOverRecordsByTheAwardNotByTheWinnerAnEarlierKOLeft) {
    // Player 1 wins on time while winPlayer still says 2 from an earlier round: kept.
    pastIntro();
    stage.winPlayer = 2;
    stage.roundTimer = 1;
    p1.viTality = 180.5;
    p2.viTality = 120;
    battleJudge(game);
    battleJudge(game);
    EXPECT_EQ(p1.winCount, 1);
    EXPECT_EQ(stage.vitalityOfRound(1), 180);  // rounded, halves to even

    // Player 2 wins on time with winPlayer left at 1: player 1's record stays as it was.
    while (stage.roundFinish) battleJudge(game);
    pastIntro();
    stage.winPlayer = 1;
    stage.roundTimer = 1;
    p1.viTality = 90;
    p2.viTality = 120;
    battleJudge(game);
    battleJudge(game);
    EXPECT_EQ(p2.winCount, 1);
    EXPECT_EQ(stage.vitalityOfRound(1), 180);
}

TEST_F(RoundJudgeTest, RoundLostOnTimeKeepsThePerfectOfAnEarlierKO) {
    // Round 1: a perfect KO by player 1.
    pastIntro();
    p2.viTality = 0;
    battleJudge(game);
    EXPECT_FALSE(judgeUntilChange(kRoundChangeTime));
    // Round 2: player 2 wins on time with player 1 at 100.
    pastIntro();
    stage.roundTimer = 1;
    p1.viTality = 100;
    p2.viTality = 200;
    battleJudge(game);
    EXPECT_FALSE(judgeUntilChange(kRoundChangeTime));
    ASSERT_EQ(p1.winCount, 1);
    ASSERT_EQ(p2.winCount, 1);
    EXPECT_EQ(stage.vitalityOfRound(1), 254);
    EXPECT_EQ(stage.numofPerfect(p1), 1);
    EXPECT_EQ(stage.vitalityBonus(p1), 10000);
}

TEST_F(RoundJudgeTest, WinnerPoseDrawsBothRollsWhateverTheFighter) {
    // Rolls (0.7, 0.6): Int(3 * 0.7) = 2 and Int(2 * 0.6) = 1. Each standing winner's pose
    // takes exactly two draws; the third scripted value is what comes next.
    struct Case {
        int16_t number;
        int16_t pattern;
    };
    for (const Case c : {Case{1, kWinPose}, Case{0, kWinPose2}, Case{3, kWinPose3}}) {
        battleRoundInit(game);
        stage.roundInit();
        pastIntro();
        p2.viTality = 0;
        battleJudge(game);
        while (stage.changeTimer < kPoseFrom - 1) battleJudge(game);
        p1.NUMBER = c.number;
        p1.sTate = stStand;
        p1.floatorStand = false;
        game.random.script({0.7, 0.6, 0.25});
        battleJudge(game);
        EXPECT_EQ(p1.animPat, c.pattern) << c.number;
        EXPECT_DOUBLE_EQ(game.random.next(), 0.25) << c.number;
    }
}

TEST_F(RoundJudgeTest, TimeOverLostByPlayer1RecordsNothing) {
    pastIntro();
    stage.roundTimer = 1;
    p1.viTality = 90;
    p2.viTality = 120;
    battleJudge(game);
    battleJudge(game);
    EXPECT_EQ(p2.winCount, 1);
    EXPECT_EQ(stage.vitalityOfRound(1), 0);
}

TEST_F(RoundJudgeTest, TimeOverWithEqualVitalityAwardsNobody) {
    pastIntro();
    stage.roundTimer = 0;
    p1.viTality = 120;
    p2.viTality = 120;
    battleJudge(game);
    battleJudge(game);
    EXPECT_EQ(p1.winCount, 0);
    EXPECT_EQ(p2.winCount, 0);
}

TEST_F(RoundJudgeTest, ChangeTimerScheduleToNextRound) {
    pastIntro();
    p1.viTality = 200;
    p2.viTality = 0;
    p1.sTate = stStand;
    p2.sTate = stLyingDown;
    battleJudge(game);
    judgeUntilChange(49);
    EXPECT_EQ(p1.animPat, 0);  // no pose yet
    battleJudge(game);
    EXPECT_TRUE(p1.animPat == kWinPose || p1.animPat == kWinPose2) << p1.animPat;
    EXPECT_EQ(p2.sTate, stLyingDown);  // a KO'd loser takes no pose

    const Rgb before = e.workPalette[246];
    judgeUntilChange(99);
    EXPECT_EQ(e.workPalette[246], before);
    judgeUntilChange(200);
    EXPECT_LT(int(e.workPalette[246].r) + e.workPalette[246].g + e.workPalette[246].b,
              int(before.r) + before.g + before.b);
    EXPECT_TRUE(paletteShown(e.workPalette));
    EXPECT_FALSE(p2.enableAction);

    judgeUntilChange(249);
    EXPECT_EQ(stage.roundCount, 0);
    const uint64_t presents = platform.presentCount();
    EXPECT_FALSE(battleJudge(game));
    // The next round: fighters reset, colours restored, the clock runs again at once.
    EXPECT_EQ(platform.presentCount(), presents + 1);
    EXPECT_EQ(platform.lastFrame().at(320, 240), 67);
    EXPECT_EQ(stage.roundCount, 1);
    EXPECT_EQ(stage.changeTimer, 0);
    EXPECT_EQ(stage.wholeTimer, 0);
    EXPECT_FALSE(stage.roundFinish);
    EXPECT_EQ(p2.viTality, 254);
    EXPECT_EQ(p1.posX, 250);
    EXPECT_EQ(stage.roundTimer, 9999 - 2);
    Palette restored = e.workPalette;
    fixedColorSet(restored, 1);
    EXPECT_EQ(e.workPalette, restored);
    EXPECT_EQ(p1.winCount, 1);
}

TEST_F(RoundJudgeTest, StandingLoserOfTimeOverTakesLosePose) {
    pastIntro();
    stage.roundTimer = 0;
    p1.viTality = 50;
    p2.viTality = 120;
    p1.sTate = stStand;
    p2.sTate = stStand;
    battleJudge(game);
    judgeUntilChange(50);
    EXPECT_EQ(p1.animPat, kLosePose);
    EXPECT_TRUE(p2.animPat == kWinPose || p2.animPat == kWinPose2) << p2.animPat;
}

TEST_F(RoundJudgeTest, MatchEndsAfterTheRoundCount) {
    for (int16_t maxRound : {0, 1}) {
        stage.maxRoundCount = maxRound;
        p1.winCount = 0;
        p2.winCount = 0;
        battleRoundInit(game);
        stage.stageInit();
        int rounds = 0;
        bool over = false;
        while (!over && rounds < 10) {
            pastIntro();
            p2.viTality = 0;
            battleJudge(game);
            over = judgeUntilChange(kRoundChangeTime);
            ++rounds;
        }
        EXPECT_TRUE(over);
        EXPECT_EQ(rounds, maxRound + 2);
        EXPECT_EQ(p1.winCount, maxRound + 2);
    }
}

}  // namespace
}  // namespace morvek::loop_test
