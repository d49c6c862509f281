#include <gtest/gtest.h>

#include "battle/Character.h"
#include "battle/StateOfStage.h"
#include "game/Game.h"
#include "platform/HeadlessPlatform.h"
#include "screens/ScoreResult.h"

using namespace morvek;

namespace {

class BattleStage : public ::testing::Test {
protected:
    BattleStage() {
        game.engine.keyCount = kNormalKeyCount;
        game.engine.playMode = PlayMode::Arcade;
    }

    /// Records the rounds player won with the vitality left in each.
    void winRounds(std::initializer_list<double> vitality) {
        player.winCount = 0;
        for (double v : vitality) {
            player.winCount = static_cast<int16_t>(player.winCount + 1);
            player.viTality = v;
            stage.roundRecording(player);
        }
    }

    /// A stage whose judge level comes out as `level` (0 points, an untouched win and
    /// level - 2 tenths of SJSpoint).
    void judgeStage(int16_t stageNumber, int level) {
        stage.stageNumber = stageNumber;
        Character p, o;
        p.SJSpoint = static_cast<int16_t>((level - 2) * 10);
        ASSERT_EQ(stage.SimpleJudgeSystem(game, p, o), level);
    }

    HeadlessPlatform platform;
    Game game{platform};
    StateOfStage& stage = game.battle.stageState;
    Character player;
    Character opponent;
};

}  // namespace

TEST(BattleJudgeTable, LevelBoundaries) {
    const int32_t edges[][2] = {{0, 1},    {10, 1},   {11, 2},   {20, 2},   {21, 3},
                                {30, 3},   {31, 4},   {39, 4},   {40, 5},   {48, 5},
                                {49, 6},   {58, 6},   {59, 7},   {67, 7},   {68, 8},
                                {77, 8},   {78, 9},   {86, 9},   {87, 10},  {96, 10},
                                {97, 11},  {105, 11}, {106, 12}, {111, 12}, {112, 13},
                                {115, 13}, {116, 14}, {120, 14}, {121, 15}, {125, 15},
                                {126, 16}, {130, 16}, {131, 17}, {135, 17}, {136, 18},
                                {140, 18}, {141, 19}, {150, 19}, {151, 20}, {160, 20},
                                {161, 21}, {180, 21}, {181, 22}, {200, 22}, {201, 23},
                                {250, 23}, {251, 24}, {302, 24}, {-1, 24}};
    for (const auto& e : edges) EXPECT_EQ(judgeBaseLevel(e[0]), e[1]) << "p = " << e[0];
}

TEST_F(BattleStage, PerfectTwoNilAtNormalSettings) {
    winRounds({254, 254});
    stage.stageStartTime = 10;
    stage.totalGameTime = 70;  // 60 seconds: t2 = 240 - 60
    stage.gameSpeedMode = 1;
    stage.stageNumber = 3;
    player.MaxComboCount = 10;
    player.SJSpoint = 50;
    opponent.cpuLevel = 11;
    opponent.NUMBER = 2;
    // t1 = 508 / 254 * 2 * 120 = 480; (480 + 180 + 10) * 6 * 16 = 64320 -> p 64 -> 7;
    // + 2 perfects + 1 untouched + Int(50 / 10) + Int(11 / 5) = 17.
    EXPECT_EQ(stage.SimpleJudgeSystem(game, player, opponent), 17);
    EXPECT_EQ(stage.judgeLevelOfStage(3), 17);
    EXPECT_EQ(stage.enemyNumberOfStage(3), 2);
    EXPECT_EQ(stage.numofPerfect(player), 2);
}

TEST_F(BattleStage, JudgeAdjustmentsAndClamp) {
    winRounds({100});
    stage.stageStartTime = 0;
    stage.totalGameTime = 500;  // too slow: t2 is 0
    game.engine.keyCount = kEasyKeyCount;  // A = 100
    stage.TPCSlow = true;
    opponent.winCount = 1;      // - 2, and no untouched bonus
    // t1 = 100 / 254 * 1 * 100 = 39.37 -> 39; 39 * 5 * 5 = 975 -> p 1 -> level 1; 1 - 2 < 0.
    EXPECT_EQ(stage.SimpleJudgeSystem(game, player, opponent), 0);

    // Int floors: (36 - 42) / 10 = -0.6 takes a whole level.
    stage.maxRoundCount = 1;
    player.SJSpoint = 36;
    opponent.winCount = 0;
    EXPECT_EQ(stage.SimpleJudgeSystem(game, player, opponent), 1);  // 1 + 1 - 1

    player.MaxComboCount = 100;  // + 2; the combo also adds 100 * 25 points: p 3
    EXPECT_EQ(stage.SimpleJudgeSystem(game, player, opponent), 3);

    opponent.NUMBER = 8;
    EXPECT_EQ(stage.SimpleJudgeSystem(game, player, opponent), 7);
    opponent.NUMBER = 7;
    EXPECT_EQ(stage.SimpleJudgeSystem(game, player, opponent), 6);

    player.SJSpoint = 500;
    EXPECT_EQ(stage.SimpleJudgeSystem(game, player, opponent), 25);
}

TEST_F(BattleStage, TotalJudgeRankByContinues) {
    for (int16_t s = 1; s <= 7; ++s) judgeStage(s, 20);
    game.engine.gameScore = 123400;  // no continue
    EXPECT_EQ(stage.totalJudgeRank(game), 21);
    game.engine.gameScore = 123401;
    EXPECT_EQ(stage.totalJudgeRank(game), 19);
    game.engine.gameScore = 2;
    EXPECT_EQ(stage.totalJudgeRank(game), 18);
    game.engine.gameScore = 5;
    EXPECT_EQ(stage.totalJudgeRank(game), 17);
    game.engine.gameScore = 99;
    EXPECT_EQ(stage.totalJudgeRank(game), 16);

    // 3 stages of level 2: 6 / 7 rounds to 1; four continues take it below zero.
    StateOfStage fresh;
    game.battle.stageState = fresh;
    for (int16_t s = 1; s <= 3; ++s) judgeStage(s, 2);
    game.engine.gameScore = 4;
    EXPECT_EQ(stage.totalJudgeRank(game), 0);
}

TEST_F(BattleStage, VitalityBonusAndPerfects) {
    player.winCount = 0;
    EXPECT_EQ(stage.vitalityBonus(player), 0);
    EXPECT_EQ(stage.numofPerfect(player), 0);
    winRounds({254, 254});
    EXPECT_EQ(stage.vitalityBonus(player), 20000);
    winRounds({100});
    EXPECT_EQ(stage.vitalityBonus(player), 3900);  // 39.37 -> 39
    winRounds({101.5, 30});                         // stored as 102 (half to even)
    EXPECT_EQ(stage.vitalityOfRound(1), 102);
    EXPECT_EQ(stage.vitalityBonus(player), 5200);  // 132 * 100 / 254 = 51.97
    EXPECT_EQ(stage.numofPerfect(player), 0);
}

TEST_F(BattleStage, InfiniteTimer) {
    stage.MaxRoundTime = 9999;
    EXPECT_TRUE(stage.IsTimerINFINITY(game, 7));
    EXPECT_FALSE(stage.IsTimerINFINITY(game, 6));
    stage.MaxRoundTime = 0;
    EXPECT_TRUE(stage.IsTimerINFINITY(game, 0));
    stage.MaxRoundTime = 6099;
    game.engine.playMode = PlayMode::Training;
    EXPECT_TRUE(stage.IsTimerINFINITY(game, 0));
    game.engine.playMode = PlayMode::Tutorial;
    EXPECT_TRUE(stage.IsTimerINFINITY(game, 0));
}

TEST_F(BattleStage, SpeedSelect) {
    stage.speedSelect(2);
    EXPECT_EQ(stage.gameSpeed, 22);
    EXPECT_EQ(stage.gameSpeedMode, 2);
    stage.speedSelect(3);
    EXPECT_EQ(stage.gameSpeed, 22);
    EXPECT_EQ(stage.gameSpeedMode, 2);
    stage.speedSelect(0);
    EXPECT_EQ(stage.gameSpeed, 30);
    EXPECT_EQ(stage.gameSpeedMode, 0);
    stage.speedSelect(1);
    EXPECT_EQ(stage.gameSpeed, 26);
    EXPECT_EQ(stage.gameSpeedMode, 1);
}

TEST_F(BattleStage, GameClockRunsOnlyBetweenResumeAndUpdate) {
    platform.setNow(5'000'000);  // far from the platform's start
    stage.openingInit(game);
    EXPECT_EQ(stage.totalGameTime, 0);
    stage.stageInit();
    stage.setCheckTime(game);
    platform.setNow(5'012'000);
    stage.getTotalSpentTime(game);
    EXPECT_NEAR(stage.totalGameTime, 12, 0.01);
    // Between rounds the clock stands still: 30 s pass before the next resume.
    platform.setNow(5'042'000);
    stage.setCheckTime(game);
    platform.setNow(5'050'000);
    stage.getTotalSpentTime(game);
    EXPECT_NEAR(stage.totalGameTime, 20, 0.01);
    EXPECT_EQ(stage.stageTime(), 20);

    stage.stageStartTime = -1e6f;  // a clock far past 16 bits saturates
    EXPECT_EQ(stage.stageTime(), 32767);
}

TEST_F(BattleStage, GameRoundAndStageStarts) {
    game.engine.gameScore = 777;
    stage.checkCounter = ladderstage::Buri;
    stage.stageNumber = 6;
    stage.totalGameTime = 99;
    stage.openingInit(game);
    EXPECT_EQ(stage.checkCounter, ladderstage::Regulars);
    EXPECT_EQ(stage.stageNumber, 0);
    EXPECT_EQ(game.engine.gameScore, 0);
    EXPECT_TRUE(stage.NoContinue);
    EXPECT_EQ(stage.totalGameTime, 0);

    stage.totalGameTime = 31;
    stage.roundCount = 2;
    stage.wholeTimer = 400;
    stage.roundFinish = true;
    stage.changeTimer = 9;
    stage.stageInit();
    EXPECT_EQ(stage.roundCount, 0);
    EXPECT_EQ(stage.wholeTimer, 0);
    EXPECT_FALSE(stage.roundFinish);
    EXPECT_EQ(stage.changeTimer, 0);
    EXPECT_EQ(stage.stageStartTime, 31);

    stage.roundFinish = true;
    stage.changeTimer = 120;
    stage.roundInit();
    EXPECT_EQ(stage.roundCount, 1);
    EXPECT_FALSE(stage.roundFinish);
    EXPECT_EQ(stage.changeTimer, 0);
}

TEST_F(BattleStage, StageStartForgetsTheRoundsOfTheStageBefore) {
    winRounds({254, 120, 30});
    stage.stageInit();
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(stage.vitalityOfRound(i), 0) << i;
    EXPECT_EQ(stage.vitalityBonus(player), 0);
}

TEST_F(BattleStage, TimeOver) {
    platform.setRequireFiles(false);
    platform.loadSound(148, "voice.wav");
    stage.roundTimer = -1;
    stage.timeOver(game);
    EXPECT_EQ(stage.roundTimer, 0);
    EXPECT_TRUE(stage.roundFinish);
    EXPECT_EQ(stage.ABSStop, 2000);
    ASSERT_FALSE(platform.audioLog().empty());
    EXPECT_EQ(platform.audioLog().back().kind, AudioEvent::PlaySound);
    EXPECT_EQ(platform.audioLog().back().index, 148);
}

TEST_F(BattleStage, VsListShowsEveryFoughtStage) {
    for (int16_t s = 1; s <= 2; ++s) {
        stage.stageNumber = s;
        opponent.NUMBER = static_cast<int16_t>(s == 1 ? 3 : 7);
        stage.SimpleJudgeSystem(game, player, opponent);
    }
    platform.clearLogs();
    int16_t y = 20;
    drawingVSresult(game, stage, 10, y);
    EXPECT_EQ(y, 120);
    const auto& log = platform.textLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].text, "VS");
    EXPECT_EQ(log[0].x, 10);
    EXPECT_EQ(log[0].y, 120);
    EXPECT_EQ(log[0].colour, (Rgb{0, 125, 255}));
    EXPECT_EQ(log[1].text, "HONEKAWA");
    EXPECT_EQ(log[1].x, 50);
    EXPECT_EQ(log[1].colour, (Rgb{0, 0, 0}));
    EXPECT_EQ(log[3].text, "G O D");
    EXPECT_EQ(log[3].y, 150);
}
