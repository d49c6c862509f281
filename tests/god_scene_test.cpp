// G O D's stage: the cut-scene's steps and their Enter presses, the switch to the final
// defeat, and the speech lines and the last line's wait for Enter.

#include <string>
#include <vector>

#include "engine/DataTables.h"
#include "movesets/God.h"
#include "battle/StateOfStage.h"
#include "engine/Basic.h"
#include "god_fixture.h"
#include "platform/Keys.h"

namespace morvek::god_test {
namespace {

class GodScene : public GodTest {
protected:
    GodScene() {
        stage.checkCounter = ladderstage::God;
        stage.VSactionFlag = false;
        stage.wholeTimer = 7;
        platform.loadMusic(12, "god.mid");
    }
    /// One frame of the scene, with Enter held down or not.
    void frame(bool enter = false) {
        if (enter) platform.holdKeysForTime({key::Return}, 0, UINT64_MAX);
        godStageIntro(game, stage, p1, p2);
        if (enter) platform.clearKeyScript();
    }
    int16_t step() { return moves().godStageStep; }
    int countMusic(int index) const {
        int n = 0;
        for (const AudioEvent& e : platform.audioLog()) n += e.kind == AudioEvent::PlayMusic && e.index == index;
        return n;
    }

    StateOfStage& stage = game.battle.stageState;
};

TEST_F(GodScene, WaitsForEnterWithTheFightersPlaced) {
    frame();
    EXPECT_EQ(stage.wholeTimer, 0);
    EXPECT_TRUE(stage.enterKey);
    EXPECT_DOUBLE_EQ(p1.posX, 100);
    EXPECT_DOUBLE_EQ(p2.posX, 800);
    EXPECT_EQ(step(), 0);
    frame(true);
    EXPECT_EQ(step(), 1);
    EXPECT_EQ(p2.animPat, 90);
}

TEST_F(GodScene, EnterOnTheFirstFrameStillWalksTowardThePlayer) {
    p2.dirStand = 0;  // never turned yet: the stage's first frame
    frame(true);
    ASSERT_EQ(step(), 1);
    EXPECT_EQ(p2.dirStand, -1);
    p2.dirStand = 1;  // facing away, as the last match may have left it
    moves().godStageStep = 0;
    frame();  // Enter released: the next press is a fresh one
    frame(true);
    ASSERT_EQ(step(), 1);
    EXPECT_EQ(p2.dirStand, -1);
}

TEST_F(GodScene, WalkEndsOnlyByPosition) {
    moves().godStageStep = 1;
    p2.posX = 300;
    stage.enterKey = false;
    frame(true);
    EXPECT_EQ(step(), 1);
    EXPECT_FALSE(stage.enterKey);
    p2.posX = 299.5;
    frame();
    EXPECT_EQ(step(), 2);
    EXPECT_EQ(p2.animPat, 540);
    EXPECT_EQ(timesPlayed(140), 1);
}

TEST_F(GodScene, WalkingInStartsTheFirstSpeechByItself) {
    frame();
    frame(true);
    int frames = 0;
    while (step() == 1 && frames < 1000) {
        show(p2);
        animTimerCount(game, p2);
        moves().AnimAction(game, p2, p1);
        frame();
        ++frames;
    }
    EXPECT_EQ(step(), 2);
    EXPECT_EQ(frames, 167);  // 3 pixels a frame from 800 to below 300
    EXPECT_LT(p2.posX, 300);
}

TEST_F(GodScene, SpeechesNeedFreshEnterPresses) {
    moves().godStageStep = 2;
    frame(true);
    EXPECT_EQ(step(), 3);
    EXPECT_EQ(p2.animPat, 541);
    frame(true);  // still held: no fresh press
    EXPECT_EQ(step(), 3);
    frame();
    frame(true);
    EXPECT_EQ(p2.animPat, 542);
    EXPECT_EQ(countMusic(kGodTune), 0);
    frame();
    frame(true);
    EXPECT_EQ(step(), 5);
    EXPECT_EQ(p2.animPat, 543);
    EXPECT_EQ(countMusic(kGodTune), 1);
    EXPECT_EQ(game.engine.currentMusic.volume, 500);
    frame();
    frame(true);
    EXPECT_EQ(step(), 6);
    EXPECT_EQ(p2.animPat, 0);
    EXPECT_FALSE(stage.VSactionFlag);
    frame();
    EXPECT_TRUE(stage.VSactionFlag);
    EXPECT_EQ(stage.wholeTimer, 0);
}

TEST_F(GodScene, ASecondVisitSkipsTheScene) {
    moves().godStageStep = 6;
    p1.posX = 400;
    frame();
    EXPECT_TRUE(stage.VSactionFlag);
    EXPECT_DOUBLE_EQ(p1.posX, 400);
}

TEST_F(GodScene, DefeatSwitchNeedsTheLostMatchAndTheLyingKO) {
    animChange(game, 333, p2);
    godDefeatCheck(game, stage, p1, p2);  // G O D's stage: not yet
    EXPECT_EQ(p2.animPat, 333);
    stage.checkCounter = ladderstage::GodDefeated;
    animChange(game, 332, p2);
    godDefeatCheck(game, stage, p1, p2);
    EXPECT_EQ(p2.animPat, 332);
    animChange(game, 333, p2);
    p2.NUMBER = 6;
    godDefeatCheck(game, stage, p1, p2);
    EXPECT_EQ(p2.animPat, 333);
    p2.NUMBER = 7;
    godDefeatCheck(game, stage, p1, p2);
    EXPECT_EQ(p2.animPat, 335);
}

class GodSpeech : public GodScene {
protected:
    std::vector<std::string> textsAt(int32_t x) const {
        std::vector<std::string> out;
        for (const auto& t : platform.textLog())
            if (t.x == x) out.push_back(t.text);
        return out;
    }
};

TEST_F(GodSpeech, LinesFollowTheFacing) {
    game.battle.scrollX = -100;
    game.battle.scrollY = -1000;
    animChange(game, 541, p2);  // p2 at 900 facing left: centre 1149 - 100 - 450
    godSpeechDraw(game, stage, p1, p2);
    const auto& log = platform.textLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].x, 599);
    EXPECT_EQ(log[0].y, kStand - 1000 + 50);
    EXPECT_EQ(log[2].y, kStand - 1000 + 90);
    EXPECT_EQ(log[0].text, "かつて私がアニメートされた当初、");
    EXPECT_EQ(log[2].text, "名前すら無いただの物体であった・・・");

    platform.clearLogs();
    p2.dirStand = 1;
    animChange(game, 540, p2);
    godSpeechDraw(game, stage, p1, p2);
    EXPECT_EQ(textsAt(1499), (std::vector<std::string>{"よくここまで辿り着いた。"}));
}

TEST_F(GodSpeech, NothingOutsideTheSpeechPosesOrStage) {
    animChange(game, 0, p2);
    godSpeechDraw(game, stage, p1, p2);
    animChange(game, 542, p2);
    stage.checkCounter = ladderstage::Buri;
    godSpeechDraw(game, stage, p1, p2);
    EXPECT_TRUE(platform.textLog().empty());
}

TEST_F(GodSpeech, LastLineWaitsForEnterEveryFrameAt335) {
    stage.checkCounter = ladderstage::GodDefeated;
    animChange(game, 335, p2);
    int pressed = 0;
    platform.onPresent([&](uint64_t n) {
        if (n == 3) {
            platform.holdKeysForTime({key::Return}, 0, UINT64_MAX);
            ++pressed;
        }
    });
    godSpeechDraw(game, stage, p1, p2);
    EXPECT_EQ(pressed, 1);
    ASSERT_FALSE(platform.textLog().empty());
    EXPECT_EQ(platform.textLog().back().text, "ば・・・馬鹿なッ！");
    EXPECT_EQ(platform.textLog().back().x, 280);
    EXPECT_EQ(platform.textLog().back().y, 220);
}

}  // namespace
}  // namespace morvek::god_test
