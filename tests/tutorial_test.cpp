// The tutorial: its set-up inside the round start, the per-frame control that replaces
// the round judge, and the tutor's lesson script driven frame by frame with scripted keys.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "battle/CpuTick.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/DataTables.h"
#include "engine/Shutter.h"
#include "loop_fixture.h"
#include "platform/Keys.h"
#include "screens/Ending.h"
#include "screens/Ranking.h"
#include "screens/Tutorial.h"

namespace morvek {
namespace {

struct TutorialTest : loop_test::MatchFixture {
    TutorialState& t = game.battle.tutorial;

    void SetUp() override {
        MatchFixture::SetUp();
        e.playMode = PlayMode::Tutorial;
        battleRoundInit(game);  // joins the tutorial's own set-up
        stageInitAll(game);
        platform.clearLogs();
    }

    /// One call of the script; Enter is down for its keyboard reads when asked.
    void script(bool enterDown = false) {
        const uint64_t now = platform.ticksMs();
        if (enterDown) platform.holdKeysForTime({key::Return}, now, now + 1);
        tutorialScript(game, p1, p2, stage);
        platform.setNow(now + 1);
    }
    /// A frame without keys (which also re-arms Enter), then one with Enter down.
    void pressEnter() {
        script();
        script(true);
    }
    void control() { tutorialControl(game, p1, p2, stage); }
    /// Puts the player d pixels (between centres) to the tutor's left.
    void placePlayer(double d) {
        p1.posX = p2.posX + p2.Width / 2.0 - p1.Width / 2.0 - d;
        ASSERT_NEAR(distanceX(p1, p2), d, 1.0);
    }
    /// Puts the script at `step` with the tutor standing on the ground at his start.
    void at(int16_t step) {
        stage.tutorialCounter = step;
        p2.posX = 500;
        p2.posY = cint16(kGroundLine - p2.bottom);
        p2.dirStand = -1;
        animChange(game, 0, p2);
        platform.clearLogs();
    }
    /// The balloon's corner for the tutor as he stands now.
    int32_t x0() const {
        const int32_t x = cint32(p2.posX + b.scrollX) + (p2.dirStand == 1 ? 100 : -300);
        return std::clamp(x, 0, 250);
    }
    int32_t y0() const { return p2.posY + b.scrollY - 120; }

    bool drawnAt(const std::string& text, int32_t x, int32_t y) const {
        for (const TextEvent& ev : platform.textLog())
            if (ev.text == text && ev.x == x && ev.y == y) return true;
        return false;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const TextEvent& ev : platform.textLog())
            if (!ev.text.empty()) out.push_back(ev.text);
        return out;
    }
    /// The prompt icon's own counter moves once per drawing of it.
    bool promptDrawnBy(void (TutorialTest::*step)()) {
        const int16_t before = e.promptCounter;
        (this->*step)();
        return e.promptCounter != before;
    }
    void scriptPlain() { script(); }
};

// ---- set-up -------------------------------------------------------------------------

TEST_F(TutorialTest, RoundStartSetsUpPlayerAndDroppingTutor) {
    EXPECT_EQ(p1.charaname, "morvekboy");
    EXPECT_EQ(p1.NUMBER, 0);
    EXPECT_EQ(p1.posX, 250);
    EXPECT_EQ(p2.charaname, "honekawa");
    EXPECT_EQ(p2.NUMBER, 3);
    EXPECT_TRUE(p2.ReverseCharaFlag);
    EXPECT_EQ(p2.spacornType, 2);
    EXPECT_EQ(p2.dirStand, -1);
    EXPECT_EQ(p2.posX, 500);
    EXPECT_EQ(p2.posY, 1000);
    EXPECT_EQ(p2.animPat, 280);
    EXPECT_EQ(p2.counTer, 0);
    EXPECT_EQ(p2.cpuLevel, 0);
    EXPECT_EQ(p2.viTality, 254);
    EXPECT_EQ(stage.tutorialCounter, 0);
    EXPECT_FALSE(stage.tutorialFinish);
    EXPECT_EQ(stage.gameSpeed, 26);
}

TEST_F(TutorialTest, BattleFrameRunsControlAndScriptInsteadOfTheJudge) {
    stage.wholeTimer = 0;
    battleFrame(game);
    EXPECT_EQ(stage.tutorialCounter, 1);  // step 0 ran: the training tune
    EXPECT_EQ(stage.wholeTimer, 0);       // no round intro counting
    bool lessonTune = false;
    for (const AudioEvent& ev : platform.audioLog())
        lessonTune |= ev.kind == AudioEvent::PlayMusic && ev.index == kTrainingMatchTune;
    EXPECT_TRUE(lessonTune);

    // A hit on the tutor: the control's anger and the script's cue run in the same frame.
    p2.viTality = 250;
    battleFrame(game);
    EXPECT_EQ(stage.tutorialCounter, -20);
    EXPECT_EQ(p2.cpuLevel, 30);
    EXPECT_EQ(stage.gameSpeed, 10);
    EXPECT_EQ(soundsPlayed(kAngerVoice), 1);
    battleFrame(game);
    EXPECT_EQ(stage.tutorialCounter, -21);
    EXPECT_EQ(soundsPlayed(kFightVoice), 1);
}

TEST_F(TutorialTest, F1AbandonsTheTutorialWithoutTouchingTheScoreFile) {
    const std::filesystem::path old = std::filesystem::current_path();
    const auto dir = std::filesystem::temp_directory_path() /
                     ("morvek_tutorial_f1_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    std::filesystem::remove(dir / "SCORE");
    at(20);
    platform.holdKeysForPresents({key::F1}, platform.presentCount(), platform.presentCount() + 1);
    EXPECT_FALSE(battleFrame(game));  // the frame that read F1
    EXPECT_EQ(e.returnToTitle, kTrue);
    EXPECT_TRUE(battleFrame(game));   // the next one ends the match
    EXPECT_FALSE(std::filesystem::exists(dir / "SCORE"));
    std::filesystem::current_path(old);
    std::filesystem::remove_all(dir);
}

// ---- control ------------------------------------------------------------------------

TEST_F(TutorialTest, ControlKeepsPlayerInsideOnlyDuringLessons) {
    at(30);
    p1.posX = 4;
    control();
    EXPECT_EQ(p1.posX, 10);
    stage.tutorialCounter = -21;
    p1.posX = 4;
    control();
    EXPECT_EQ(p1.posX, 4);
}

TEST_F(TutorialTest, DamageToTutorStartsTheFightOnceOnly) {
    at(70);  // free practice
    p2.viTality = 253;
    control();
    EXPECT_EQ(stage.tutorialCounter, -10);
    EXPECT_EQ(p2.cpuLevel, 30);
    EXPECT_EQ(stage.gameSpeed, 10);

    stage.tutorialCounter = -21;
    stage.gameSpeed = 26;
    p2.viTality = 100;
    control();
    EXPECT_EQ(stage.tutorialCounter, -21);
    EXPECT_EQ(stage.gameSpeed, 26);
}

TEST_F(TutorialTest, ControlGivesThePlayerFreedomOnlyWherePracticeAsksForIt) {
    // A talk step: an open combo is closed and the player may not act.
    at(7);
    p1.TPC = true;
    p1.tarGeting = true;
    p1.enableAction = true;
    control();
    EXPECT_FALSE(p1.TPC);
    EXPECT_FALSE(p1.enableAction);

    // The guard drill leaves everything alone.
    for (int16_t step : {22, 27}) {
        at(step);
        p1.TPC = true;
        p1.enableAction = true;
        control();
        EXPECT_TRUE(p1.TPC) << step;
        EXPECT_TRUE(p1.enableAction) << step;
    }
    // Step 28 is past the drill.
    at(28);
    p1.enableAction = true;
    control();
    EXPECT_FALSE(p1.enableAction);

    // Practice steps: a targeting frame may be answered; nothing else changes.
    for (int16_t step : {57, 59, 61, 63, 67, 109}) {
        at(step);
        p1.tarGeting = true;
        p1.enableAction = false;
        control();
        EXPECT_TRUE(p1.enableAction) << step;
        p1.tarGeting = false;
        p1.TPC = true;
        control();  // without targeting the player's state is left as it is
        EXPECT_TRUE(p1.TPC) << step;
        EXPECT_TRUE(p1.enableAction) << step;
        p1.TPC = false;
    }
    for (int16_t step : {58, 62, 66, 110}) {
        at(step);
        p1.tarGeting = true;
        p1.enableAction = true;
        control();
        EXPECT_FALSE(p1.enableAction) << step;
    }
}

TEST_F(TutorialTest, KnockOutIsHandledOnceAndADoubleKOIsALoss) {
    at(-21);
    p2.cpuLevel = 30;
    stage.gameSpeed = 10;
    p2.viTality = 0;
    control();
    EXPECT_EQ(stage.tutorialCounter, -30);
    EXPECT_TRUE(stage.tutorialFinish);
    EXPECT_EQ(stage.ABSStop, 100);
    EXPECT_EQ(p2.cpuLevel, 0);
    EXPECT_EQ(stage.gameSpeed, 26);
    EXPECT_EQ(soundsPlayed(kKOSound), 1);

    stage.tutorialCounter = -43;
    control();  // already decided
    EXPECT_EQ(stage.tutorialCounter, -43);
    EXPECT_EQ(soundsPlayed(kKOSound), 1);

    stage.tutorialFinish = false;
    stage.tutorialCounter = -21;
    p1.viTality = 0;
    control();
    EXPECT_EQ(stage.tutorialCounter, -40);
}

TEST_F(TutorialTest, VitalityPushedBelowZeroIsAKnockOutToo) {
    at(-21);
    p2.viTality = -3;  // the tutor's guard gave way to an EX art's chip
    control();
    EXPECT_TRUE(stage.tutorialFinish);
    EXPECT_EQ(stage.tutorialCounter, -30);

    stage.tutorialFinish = false;
    stage.tutorialCounter = -21;
    p2.viTality = 40;
    p1.viTality = -0.5;
    control();
    EXPECT_EQ(stage.tutorialCounter, -40);

    // Both below zero: still the player's loss.
    stage.tutorialFinish = false;
    stage.tutorialCounter = -21;
    p1.viTality = -2;
    p2.viTality = -1;
    control();
    EXPECT_EQ(stage.tutorialCounter, -40);
}

// ---- talk and watch steps -------------------------------------------------------------

TEST_F(TutorialTest, TalkStepShowsItsLinesAndAdvancesOncePerEnterPress) {
    at(10);
    script();
    const int32_t x = x0(), y = y0();
    EXPECT_EQ(x, 60);   // 500 - 140 - 300
    EXPECT_EQ(y, 116);  // on the ground, camera at -1480
    EXPECT_TRUE(drawnAt("ホームポジションを知らなければ", x + 50, y + 50));
    EXPECT_TRUE(drawnAt("帰れ。", x + 50, y + 70));
    EXPECT_TRUE(drawnAt("タッチタイプの出来ない奴は", x + 50, y + 90));
    EXPECT_TRUE(drawnAt("相手にしてないんでな。", x + 50, y + 110));
    EXPECT_EQ(p2.animPat, 30);  // held in his standing guard
    EXPECT_EQ(stage.tutorialCounter, 10);

    pressEnter();
    EXPECT_EQ(stage.tutorialCounter, 11);

    // Enter held for five frames through two talk steps: one step only.
    at(7);
    script();
    const uint64_t now = platform.ticksMs();
    platform.holdKeysForTime({key::Return}, now, now + 5);
    for (int i = 0; i < 5; ++i) {
        tutorialScript(game, p1, p2, stage);
        platform.setNow(platform.ticksMs() + 1);
    }
    EXPECT_EQ(stage.tutorialCounter, 8);
    pressEnter();
    EXPECT_EQ(stage.tutorialCounter, 9);
}

TEST_F(TutorialTest, LessonTitleCardsAndTheApologyUseTheirOwnPlaces) {
    at(6);
    script();
    const int32_t x = x0(), y = y0();
    EXPECT_TRUE(drawnAt("～明日のために　その１～", x + 100, y + 70));
    EXPECT_TRUE(drawnAt("上段ガード　下段ガード", x + 105, y + 100));
    at(54);
    script();
    EXPECT_TRUE(drawnAt("～明日のために　その２～", x + 100, y + 70));
    EXPECT_TRUE(drawnAt("ターゲッティング", x + 120, y + 100));
    at(110);
    script();
    EXPECT_TRUE(drawnAt("～明日のために　その３～", x + 100, y + 70));
    EXPECT_TRUE(drawnAt("スパコーンとそのキャンセル", x + 80, y + 100));
    at(111);
    script();
    EXPECT_TRUE(drawnAt("と、いきたいところなのだが、", x + 50, y + 50));
    EXPECT_TRUE(drawnAt("製作者多忙の為、現バージョンでは", x + 50, y + 70));
    EXPECT_TRUE(drawnAt("ここまでしかチュートリアルしてやれんのだ。", x + 50, y + 100));
}

TEST_F(TutorialTest, TheWelcomeAndTheEndingNameTheGameAlike) {
    at(3);
    script();
    std::string welcome;
    for (const TextEvent& ev : platform.textLog())
        if (ev.x == x0() + 50 && ev.y == y0() + 50) welcome = ev.text;
    EndingScreen ending;
    endingBegin(game, ending);
    platform.clearLogs();
    endingPass(game, ending);
    std::string question;
    for (const TextEvent& ev : platform.textLog())
        if (ev.x == 120 && ev.y == 200) question = ev.text;
    // The title screen's subtitle, the same on both.
    EXPECT_EQ(welcome, "MORVEK ～FOR TYPING FIGHTERS～の");
    EXPECT_EQ(question, "「MORVEK ～FOR TYPING FIGHTERS～」はいかがでしたか？");
}

TEST_F(TutorialTest, BalloonFollowsTheTutorInsideItsBand) {
    at(2);
    p2.posX = 900;  // facing left, far right
    script();
    EXPECT_TRUE(drawnAt("こんにちわぁ！", 250 + 50, y0() + 50));
    at(2);
    p2.posX = 150;  // would stand left of the screen
    script();
    EXPECT_TRUE(drawnAt("こんにちわぁ！", 0 + 50, y0() + 50));
    at(2);
    p2.posX = 100;
    p2.dirStand = 1;  // facing right: 100 pixels right of him
    script();
    EXPECT_TRUE(drawnAt("こんにちわぁ！", 60 + 50, y0() + 50));
}

TEST_F(TutorialTest, WatchStepsIgnoreEnterAndWaitForTheAskedAction) {
    at(57);
    EXPECT_FALSE(promptDrawnBy(&TutorialTest::scriptPlain));
    script(true);
    EXPECT_EQ(stage.tutorialCounter, 57);
    EXPECT_TRUE(drawnAt("ガードキーの「Ｄ」と「Ｃ」以外の", x0() + 50, y0() + 50));
    p1.tarGeting = true;
    script();
    EXPECT_EQ(stage.tutorialCounter, 58);
    EXPECT_EQ(p2.animPat, 50);

    at(59);
    p2.animPat = 50;
    script();
    EXPECT_EQ(stage.tutorialCounter, 59);
    p1.tarGeting = false;
    script();
    EXPECT_EQ(stage.tutorialCounter, 60);
    EXPECT_EQ(p2.animPat, 0);

    // Walking: the pattern and its direction flag both count.
    at(72);
    script();
    EXPECT_TRUE(drawnAt("前進！", x0() + 50, y0() + 50));
    p1.animPat = 103;
    p1.AorMflag = 1;
    script();
    EXPECT_EQ(stage.tutorialCounter, 72);
    p1.AorMflag = 0;
    script();
    EXPECT_EQ(stage.tutorialCounter, 73);
    script();
    EXPECT_TRUE(drawnAt("         後退！", x0() + 50, y0() + 50));
    EXPECT_EQ(stage.tutorialCounter, 73);
    p1.AorMflag = 1;
    script();
    EXPECT_EQ(stage.tutorialCounter, 74);
}

TEST_F(TutorialTest, MirroredDrillWatchesTheSamePatterns) {
    struct Ask {
        int16_t step;
        std::string text;
        int16_t pattern;
        int16_t flag;
    };
    const std::vector<Ask> asks{{98, "前進！", 103, 0},
                                {99, "         後退！", 103, 1},
                                {100, "クイックバック！", 73, 0},
                                {101, "前ダッシュ！", 94, 0}};
    for (const Ask& a : asks) {
        at(a.step);
        p1.animPat = 0;
        script();
        EXPECT_EQ(stage.tutorialCounter, a.step);
        EXPECT_TRUE(drawnAt(a.text, x0() + 50, y0() + 50)) << a.step;
        p1.animPat = a.pattern;
        p1.AorMflag = a.flag;
        script();
        EXPECT_EQ(stage.tutorialCounter, a.step + 1) << a.step;
    }
    p1.floatorStand = false;
    script();
    EXPECT_EQ(stage.tutorialCounter, 102);
    p1.floatorStand = true;
    script();
    EXPECT_EQ(stage.tutorialCounter, 103);
    platform.clearLogs();
    script();
    EXPECT_EQ(stage.tutorialCounter, 103);  // still in the air; no balloon meanwhile
    EXPECT_TRUE(texts().empty());
    p1.floatorStand = false;
    script();
    EXPECT_EQ(stage.tutorialCounter, 104);
}

TEST_F(TutorialTest, OpeningWaitsForTheTutorToLandAndStand) {
    at(0);
    t.guardCount = 9;
    script();
    EXPECT_EQ(t.guardCount, 0);
    EXPECT_EQ(stage.tutorialCounter, 1);
    p2.posY = 1000;
    script();
    EXPECT_EQ(stage.tutorialCounter, 1);
    p2.posY = cint16(kGroundLine - p2.bottom);
    p2.animPat = 280;
    script();
    EXPECT_EQ(stage.tutorialCounter, 1);
    p2.animPat = 0;
    script();
    EXPECT_EQ(stage.tutorialCounter, 2);
    EXPECT_EQ(p2.animPat, 481);
    script();
    EXPECT_TRUE(drawnAt("こんにちわぁ！", x0() + 50, y0() + 50));
    pressEnter();
    EXPECT_EQ(stage.tutorialCounter, 3);
    pressEnter();
    EXPECT_EQ(stage.tutorialCounter, 4);
    EXPECT_TRUE(drawnAt("世界へようこそ。", x0() + 50, y0() + 70));
    pressEnter();
    EXPECT_EQ(stage.tutorialCounter, 5);
    EXPECT_EQ(p2.animPat, 0);
    script();
    EXPECT_EQ(stage.tutorialCounter, 5);
    p2.animPat = 3;
    script();
    EXPECT_EQ(stage.tutorialCounter, 6);
}

TEST_F(TutorialTest, TutorWalksUpBeforeTheDrill) {
    at(18);
    script();
    EXPECT_EQ(p2.animPat, 100);
    EXPECT_EQ(stage.tutorialCounter, 19);
    placePlayer(200);
    p2.animPat = 101;
    script();
    EXPECT_EQ(p2.animPat, 101);  // mid-stride: left alone
    p2.animPat = 0;
    script();
    EXPECT_EQ(p2.animPat, 100);  // a new stride
    placePlayer(50);
    script();
    EXPECT_EQ(p2.animPat, 50);
    EXPECT_EQ(stage.tutorialCounter, 20);
}

// ---- guard drill --------------------------------------------------------------------

TEST_F(TutorialTest, AnnouncedAttackCountsOnlyWhenAtMostOnePointWasLost) {
    game.random.script({0.0, 0.5});  // kind 1, then kind 2
    at(21);
    t.guardCount = 0;
    p1.viTality = 200;
    script();
    EXPECT_EQ(t.tutorAttackKind, 1);
    EXPECT_EQ(t.vitalitySnapshot, 200);
    EXPECT_EQ(stage.tutorialCounter, 22);
    while (t.tutorialTick < 30) script();
    EXPECT_TRUE(drawnAt("上段ガード！", x0() + 50, y0() + 50));
    script();  // tick 30
    EXPECT_EQ(p2.animPat, 530);
    p1.viTality = 199.3;  // one point lost
    while (stage.tutorialCounter == 22) script();
    EXPECT_EQ(t.tutorialTick, 102);  // judged on the frame of tick 101
    EXPECT_EQ(t.guardCount, 1);
    EXPECT_EQ(stage.tutorialCounter, 21);

    script();  // kind 2
    EXPECT_EQ(t.tutorAttackKind, 2);
    p1.viTality = 197.9;  // two points lost
    platform.clearLogs();
    while (t.tutorialTick < 31) script();
    EXPECT_EQ(p2.animPat, 250);
    EXPECT_TRUE(drawnAt("下段ガード！", x0() + 50, y0() + 50));
    while (stage.tutorialCounter == 22) script();
    EXPECT_EQ(t.guardCount, 1);  // not counted; a new attack follows
    EXPECT_EQ(stage.tutorialCounter, 21);
}

TEST_F(TutorialTest, AnnouncedJumpKickAndTheBalloonsEndAtTick50) {
    game.random.script({0.9});  // kind 3
    at(21);
    script();
    EXPECT_EQ(t.tutorAttackKind, 3);
    while (t.tutorialTick < 30) script();
    script();
    EXPECT_EQ(p2.animPat, 130);
    EXPECT_EQ(p2.upVector, 15);
    while (t.tutorialTick < 40) script();
    script();
    EXPECT_EQ(p2.animPat, 280);
    EXPECT_EQ(p2.slideVector, -3);  // facing left
    EXPECT_EQ(p2.fallVector, 10);
    while (t.tutorialTick < 50) script();
    platform.clearLogs();
    script();
    EXPECT_TRUE(texts().empty());
}

TEST_F(TutorialTest, DrillMovesThroughInterludeAndUnannouncedPhase) {
    // Third survived attack: the interlude, which sets the count to 4.
    at(22);
    t.guardCount = 2;
    t.vitalitySnapshot = cint16(p1.viTality);
    t.tutorialTick = 101;
    script();
    EXPECT_EQ(stage.tutorialCounter, 23);
    script();
    EXPECT_EQ(p2.animPat, 170);
    EXPECT_EQ(stage.tutorialCounter, 24);
    script();
    EXPECT_EQ(stage.tutorialCounter, 24);
    p2.animPat = 3;
    script();
    EXPECT_EQ(p2.animPat, 580);
    EXPECT_EQ(stage.tutorialCounter, 25);
    p2.animPat = 3;
    script();
    EXPECT_EQ(t.guardCount, 4);
    EXPECT_EQ(stage.tutorialCounter, 21);

    // Seventh: the unannounced phase.
    at(22);
    t.guardCount = 6;
    t.tutorialTick = 101;
    script();
    EXPECT_EQ(stage.tutorialCounter, 26);
}

TEST_F(TutorialTest, UnannouncedAttacksByKindAndDistance) {
    struct Case {
        double r;
        int16_t pattern;
    };
    // Rnd * 6 + 1: kinds 1 to 6.
    const std::vector<Case> cases{{0.0, 530}, {0.2, 250}, {0.5, 270}, {0.7, 650}, {0.9, 530}};
    for (const Case& c : cases) {
        game.random.script({c.r});
        at(26);
        placePlayer(100);
        script();
        EXPECT_EQ(stage.tutorialCounter, 27);
        platform.clearLogs();
        while (t.tutorialTick < 31) script();
        EXPECT_EQ(p2.animPat, c.pattern) << c.r;
        EXPECT_TRUE(texts().empty());  // no announcement
    }
    // Kind 3 dives without a fall vector and a longer slide.
    game.random.script({0.4});
    at(26);
    placePlayer(100);
    p2.fallVector = 0;
    script();
    EXPECT_EQ(t.tutorAttackKind, 3);
    while (t.tutorialTick < 41) script();
    EXPECT_EQ(p2.animPat, 280);
    EXPECT_EQ(p2.slideVector, -8);
    EXPECT_EQ(p2.fallVector, 0);
    // Too far away: he steps in instead (kind 7).
    game.random.script({0.0});
    at(26);
    placePlayer(400);
    script();
    EXPECT_EQ(t.tutorAttackKind, 7);
    while (t.tutorialTick < 31) script();
    EXPECT_EQ(p2.animPat, 580);
}

TEST_F(TutorialTest, SixteenthGuardEndsTheDrillWithOneStockForTheTutor) {
    at(27);
    t.guardCount = 14;
    t.vitalitySnapshot = cint16(p1.viTality);
    t.tutorialTick = 60;
    script();
    EXPECT_EQ(stage.tutorialCounter, 27);  // judged from tick 61
    script();
    EXPECT_EQ(t.guardCount, 15);
    EXPECT_EQ(stage.tutorialCounter, 26);

    at(27);
    t.tutorialTick = 61;
    p2.spacornCount = 0;
    script();
    EXPECT_EQ(t.guardCount, 16);
    EXPECT_EQ(stage.tutorialCounter, 28);
    EXPECT_EQ(p2.spacornCount, 1);

    at(27);
    t.guardCount = 15;
    t.tutorialTick = 61;
    p2.spacornCount = 2;
    script();
    EXPECT_EQ(p2.spacornCount, 2);
}

// ---- super-art test -----------------------------------------------------------------

TEST_F(TutorialTest, SuperArtTestWalksInStrikesAndFires) {
    game.random.script({0.0});  // kind 1: the low kick
    at(29);
    script();
    EXPECT_EQ(p2.animPat, 100);
    EXPECT_EQ(t.tutorAttackKind, 1);
    placePlayer(200);
    p2.animPat = 0;
    script();
    EXPECT_EQ(p2.animPat, 100);
    EXPECT_EQ(stage.tutorialCounter, 30);
    placePlayer(40);
    script();
    EXPECT_EQ(p2.animPat, 270);
    EXPECT_EQ(stage.tutorialCounter, 31);
    script();
    EXPECT_EQ(stage.tutorialCounter, 31);  // until he stands again
    p2.animPat = 0;
    p2.spacornCount = 1;
    p1.viTality = 240;
    script();
    EXPECT_EQ(p2.spacornNumber, 700);
    EXPECT_EQ(p2.animPat, 700);
    EXPECT_EQ(p2.spacornCount, 0);
    EXPECT_EQ(t.vitalitySnapshot, 240);
    EXPECT_EQ(stage.tutorialCounter, 32);
    script();
    EXPECT_EQ(stage.tutorialCounter, 32);
    p2.animPat = 0;
    script();
    p1.floatorStand = true;
    script();
    EXPECT_EQ(stage.tutorialCounter, 33);
    p1.floatorStand = false;
    script();
    EXPECT_EQ(stage.tutorialCounter, 34);
    p2.animPat = 12;
    script();
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_EQ(stage.tutorialCounter, 35);
}

TEST_F(TutorialTest, SuperArtJudgementPraisesPunishesOrMovesOn) {
    at(35);
    t.vitalitySnapshot = 240;
    p1.viTality = 231;  // 9 lost
    script();
    EXPECT_EQ(p2.animPat, 481);
    EXPECT_EQ(stage.tutorialCounter, 40);
    script();
    EXPECT_TRUE(drawnAt("グッド！", x0() + 50, y0() + 50));
    pressEnter();
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_EQ(stage.tutorialCounter, 50);

    at(35);
    p1.viTality = 230;  // 10 lost, still on his feet but stunned
    p1.stunSwitch = 1;
    script();
    EXPECT_EQ(stage.tutorialCounter, 35);
    p1.stunSwitch = 2;  // dizzy: one more blow
    script();
    EXPECT_EQ(p2.animPat, 650);
    EXPECT_EQ(stage.tutorialCounter, 36);
    EXPECT_FALSE(promptDrawnBy(&TutorialTest::scriptPlain));
    EXPECT_TRUE(drawnAt("起きろッ！", x0() + 50, y0() + 50));
    EXPECT_EQ(stage.tutorialCounter, 36);
    p2.animPat = 0;
    script();
    EXPECT_EQ(stage.tutorialCounter, 50);

    at(35);
    p1.stunSwitch = 0;  // a plain hit: no praise
    script();
    EXPECT_EQ(stage.tutorialCounter, 50);
    script();
    EXPECT_TRUE(drawnAt("さて、次へいこうか。", x0() + 50, y0() + 50));
}

// ---- scene changes ------------------------------------------------------------------

TEST_F(TutorialTest, SceneChangeFadesPlacesFightersAndRestoresColours) {
    at(92);
    p1.posX = 123;
    b.scrollX = -300;
    int brightest = 0;
    for (const Rgb& c : e.workPalette)
        brightest = std::max({brightest, int(c.r), int(c.g), int(c.b)});
    int frames = 0;
    while (stage.tutorialCounter == 92 && frames < 100) {
        script();
        ++frames;
    }
    // Eleven units a frame down to black, then the frame that finds nothing left.
    EXPECT_EQ(frames, (brightest + 10) / 11 + 1);
    EXPECT_EQ(p1.posX, 500);
    EXPECT_EQ(p2.posX, 250);
    EXPECT_EQ(b.scrollX, -140);
    EXPECT_EQ(b.scrollY, -1480);
    p2.animPat = 7;
    script();
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_EQ(stage.tutorialCounter, 94);
    // The interface colours are back at once.
    EXPECT_EQ(platform.displayPalette()[188], (Rgb{255, 255, 255}));
    EXPECT_EQ(e.workPalette[188], (Rgb{255, 255, 255}));
    script();
    EXPECT_EQ(stage.tutorialCounter, 94);
    p2.animPat = 3;
    script();
    EXPECT_EQ(stage.tutorialCounter, 95);

    at(107);
    while (stage.tutorialCounter == 107) script();
    EXPECT_EQ(p1.posX, 250);
    EXPECT_EQ(p2.posX, 500);
}

// ---- the end ------------------------------------------------------------------------

struct TutorialEndTest : TutorialTest {
    std::filesystem::path old;
    std::filesystem::path dir;
    void SetUp() override {
        TutorialTest::SetUp();
        old = std::filesystem::current_path();
        dir = std::filesystem::temp_directory_path() /
              ("morvek_tutorial_end_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::remove(dir / "SCORE");
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        std::filesystem::current_path(old);
        std::filesystem::remove_all(dir);
        TutorialTest::TearDown();
    }
    std::string scoreFile() const {
        std::ifstream in(dir / "SCORE", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    /// Runs the closing wait and the shutter; returns the frames until the tutorial left.
    int runToTheEnd() {
        int frames = 0;
        while (e.returnToTitle == kFalse && frames < 2000) {
            script();
            ++frames;
        }
        return frames;
    }
};

TEST_F(TutorialEndTest, WinningUnlocksTheHiddenTutorAtOnceThenTheShutterCloses) {
    at(-30);
    stage.secretHonekawa = false;
    t.tutorialTick = 500;
    p1.floatorStand = true;
    script();
    EXPECT_EQ(stage.tutorialCounter, -30);
    p1.floatorStand = false;
    p1.animPat = 5;
    script();
    EXPECT_EQ(stage.tutorialCounter, -30);
    p1.animPat = 0;
    script();
    EXPECT_EQ(p1.animPat, 480);
    EXPECT_TRUE(stage.secretHonekawa);
    EXPECT_EQ(stage.tutorialCounter, -43);
    const std::string file = scoreFile();
    ASSERT_EQ(file.size(), size_t(kScoreFileLength));
    EXPECT_TRUE(markerUnlocksHonekawa(file.substr(kMarkerOffset, kMarkerLength)));
    EXPECT_EQ(t.tutorialTick, 1);  // reset, then the call's own count

    for (int i = 0; i < 100; ++i) script();
    EXPECT_EQ(stage.tutorialCounter, -43);
    script();  // tick 101
    EXPECT_EQ(stage.tutorialCounter, -50);
    int frames = runToTheEnd();
    EXPECT_EQ(frames, 16);  // 20 pixels a call up to 320
    EXPECT_EQ(e.returnToTitle, kTrue);
    EXPECT_EQ(shutterTransition(game, 0), 3);
}

TEST_F(TutorialEndTest, LosingBringsTheScornAndNoUnlock) {
    at(-40);
    placePlayer(300);
    p2.floatorStand = true;
    script();
    EXPECT_EQ(p2.animPat, 0);  // waits while someone is in the air
    p2.floatorStand = false;
    p2.dirStand = 1;
    script();
    EXPECT_EQ(p2.animPat, 99);
    EXPECT_EQ(p2.dirStand, -1);  // turned toward the player first
    EXPECT_EQ(stage.tutorialCounter, -40);
    placePlayer(40);
    script();
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_EQ(stage.tutorialCounter, -41);
    script();
    EXPECT_EQ(stage.tutorialCounter, -41);
    p2.animPat = 3;
    script();
    EXPECT_EQ(p2.animPat, 481);
    EXPECT_EQ(stage.tutorialCounter, -42);
    EXPECT_TRUE(promptDrawnBy(&TutorialTest::scriptPlain));
    EXPECT_TRUE(drawnAt("愚図がッ・・・！", x0() + 50, y0() + 50));
    script(true);
    EXPECT_EQ(p2.animPat, 490);
    EXPECT_EQ(stage.tutorialCounter, -43);
    EXPECT_EQ(t.tutorialTick, 1);
    runToTheEnd();
    EXPECT_EQ(e.returnToTitle, kTrue);
    EXPECT_TRUE(battleFrame(game));  // the match ends with the next frame
    EXPECT_FALSE(std::filesystem::exists(dir / "SCORE"));
}

TEST_F(TutorialEndTest, FarewellLeadsToTheClosingWaitWithoutResettingTheTick) {
    // The wait lasts until the running tick reaches 101, wherever it stood.
    auto closingFrames = [&](int16_t tickBefore) {
        at(114);
        script();
        t.tutorialTick = tickBefore;
        script(true);
        EXPECT_EQ(stage.tutorialCounter, -43);
        int frames = 0;
        while (stage.tutorialCounter == -43 && frames < 2000) {
            script();
            ++frames;
        }
        return frames;
    };
    EXPECT_EQ(closingFrames(40), 61);  // ticks 41..100 wait, 101 goes on
    EXPECT_EQ(closingFrames(990), 1);
    EXPECT_EQ(closingFrames(1000), 102);  // wrapped to 0 first
    EXPECT_EQ(stage.tutorialCounter, -50);
    EXPECT_FALSE(std::filesystem::exists(dir / "SCORE"));
}

TEST_F(TutorialEndTest, WholeLessonPlanRunsFromGreetingToFarewell) {
    // Every talk step is answered with Enter and every watch step is satisfied; the tutor's
    // stand cycle and landings are faked frame by frame.
    at(2);
    std::vector<int16_t> visited;
    int frames = 0;
    bool enter = false;
    while (stage.tutorialCounter >= 0 && frames < 20000) {
        const int16_t step = stage.tutorialCounter;
        if (visited.empty() || visited.back() != step) visited.push_back(step);
        p2.animPat = frames % 2 ? 3 : 0;
        p1.tarGeting = step == 57 || step == 61 || step == 67 || step == 69;
        const bool forward = step == 68 || step == 72 || step == 74 || step == 79 ||
                             step == 81 || step == 98;
        const bool backward = step == 70 || step == 73 || step == 75 || step == 80 ||
                              step == 82 || step == 99;
        p1.animPat = forward || backward ? 103
                     : step == 83 || step == 100 ? 73
                     : step == 84 || step == 101 ? 94
                                                 : 0;
        p1.AorMflag = backward ? 1 : 0;
        p1.floatorStand = step == 102;
        if (step == 19) placePlayer(40);
        if (step >= 21 && step <= 27) {  // skip the drill
            stage.tutorialCounter = 28;
            continue;
        }
        if (step == 29) {  // and the super-art test
            stage.tutorialCounter = 50;
            continue;
        }
        enter = !enter;
        script(enter);
        ++frames;
    }
    EXPECT_EQ(stage.tutorialCounter, -43);
    const std::vector<int16_t> lesson2Tail{104, 105, 106, 107, 108, 109, 110,
                                           111, 112, 113, 114};
    ASSERT_GE(visited.size(), lesson2Tail.size());
    EXPECT_TRUE(std::equal(lesson2Tail.begin(), lesson2Tail.end(),
                           visited.end() - static_cast<long>(lesson2Tail.size())));
    for (int16_t s = 51; s <= 114; ++s)
        EXPECT_NE(std::find(visited.begin(), visited.end(), s), visited.end()) << s;
}

}  // namespace
}  // namespace morvek
