#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "battle/Character.h"
#include "battle/Ladder.h"
#include "battle/StateOfStage.h"
#include "engine/DataTables.h"
#include "game/Game.h"
#include "platform/HeadlessPlatform.h"

namespace morvek {
namespace {

class LadderTest : public ::testing::Test {
protected:
    LadderTest() {
        platform.setRequireFiles(false);
        for (int i = 0; i < 18; ++i) platform.loadMusic(i, "tune.mid");
        platform.clearLogs();
        stage.baseLevel = 10;
        stage.gameSpeedMode = 1;
    }

    void next(bool newGame = false) { nextOpponentSet(game, opponent, stage, newGame); }

    /// Runs a new game up to INTERRUPTER (stage 6) with whatever the generator draws.
    void playThroughInterrupter() {
        next(true);
        for (int i = 0; i < 5; ++i) next();
        ASSERT_EQ(opponent.charaname, "interrupter");
        ASSERT_EQ(stage.stageNumber, 6);
    }

    /// (tune, volume) of every tune started since the last clear.
    std::vector<std::pair<int, int32_t>> tunesPlayed() const {
        std::vector<std::pair<int, int32_t>> out;
        int32_t volume = -1;
        for (const AudioEvent& e : platform.audioLog()) {
            if (e.kind == AudioEvent::MusicVolume) volume = e.value;
            if (e.kind == AudioEvent::PlayMusic) out.emplace_back(e.index, volume);
        }
        return out;
    }

    HeadlessPlatform platform;
    Game game{platform};
    Character opponent;
    StateOfStage stage;
};

TEST_F(LadderTest, ScriptedRunMeetsEachRegularOnceThenTheBossesWithTheirLevels) {
    // Always the last candidate; the super-art draws follow each pick.
    game.random.script({0.99, 0.0, 0.99, 0.4, 0.99, 0.7, 0.99, 0.0, 0.99, 0.5,  // stages 1-5
                        0.7,                                                    // INTERRUPTER
                        0.4});                                                  // G O D
    struct Expected {
        const char* name;
        int16_t spacornType, cpuLevel, checkCounter;
    };
    using namespace ladderstage;
    const std::vector<Expected> ladder = {
        {"gouda", 0, 11, Regulars},
        {"nangief", 1, 12, Regulars},
        {"honekawa", 2, 13, Regulars},
        {"ginzamurai", 0, 14, Regulars},
        {"morvekboy", 1, 15, InterrupterNext},  // the last regular opens stage 6
        {"interrupter", 2, 17, Interrupter},
        {"god", 1, 19, GodChosen},
    };
    opponent.cpuLevel = 99;
    stage.stageNumber = 42;
    for (size_t i = 0; i < ladder.size(); ++i) {
        stage.VSactionFlag = true;
        next(i == 0);
        SCOPED_TRACE("stage " + std::to_string(i + 1));
        EXPECT_EQ(opponent.charaname, ladder[i].name);
        EXPECT_EQ(opponent.spacornType, ladder[i].spacornType);
        EXPECT_EQ(opponent.cpuLevel, ladder[i].cpuLevel);
        EXPECT_EQ(stage.checkCounter, ladder[i].checkCounter);
        EXPECT_EQ(stage.stageNumber, static_cast<int16_t>(i + 1));
        // Only the bosses reset the flag, so their stage intro runs.
        EXPECT_EQ(stage.VSactionFlag, i < 5);
    }
    for (int i = 0; i < 5; ++i) EXPECT_EQ(game.battle.ladder.foughtFlag[size_t(i)], kTrue);
}

TEST_F(LadderTest, EveryGameMeetsTheFiveRegularsOnceInSomeOrder) {
    std::vector<std::string> roster(kRegularRoster.begin(), kRegularRoster.end());
    std::sort(roster.begin(), roster.end());
    std::vector<std::string> firstOrders;
    game.random.reseed(12345);
    for (int gameNo = 1; gameNo <= 40; ++gameNo) {
        stage.checkCounter = ladderstage::Regulars;
        std::vector<std::string> met;
        for (int i = 0; i < 5; ++i) {
            next(i == 0);
            met.push_back(opponent.charaname);
        }
        firstOrders.push_back(met.front());
        EXPECT_EQ(stage.checkCounter, ladderstage::InterrupterNext);
        std::sort(met.begin(), met.end());
        EXPECT_EQ(met, roster) << "game " << gameNo;
    }
    // The player's own fighter is not excluded and every regular can come first.
    std::sort(firstOrders.begin(), firstOrders.end());
    firstOrders.erase(std::unique(firstOrders.begin(), firstOrders.end()), firstOrders.end());
    EXPECT_EQ(firstOrders.size(), 5u);
}

TEST_F(LadderTest, NewGameStartsAtStageOneWithBaseLevelPlusOne) {
    game.battle.ladder.foughtFlag.fill(kTrue);  // the last game met everyone
    stage.baseLevel = 20;
    stage.stageNumber = 9;
    opponent.cpuLevel = 33;
    game.random.script({0.0, 0.0});
    next(true);
    EXPECT_EQ(opponent.charaname, "morvekboy");
    EXPECT_EQ(stage.stageNumber, 1);
    EXPECT_EQ(opponent.cpuLevel, 21);
    EXPECT_EQ(game.battle.ladder.foughtFlag[1], kFalse);
}

TEST_F(LadderTest, BetaboyOnlyAfterAFlawlessFastHardStageSix) {
    struct Case {
        bool noContinue;
        int16_t speedMode, baseLevel;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {true, 1, 20, "betaboy"}, {true, 2, 20, "betaboy"},
        {false, 1, 20, "god"},   // a continue was used
        {true, 1, 10, "god"},    // NORMAL
        {true, 0, 20, "buri"},   // speed mode 0
        {true, 1, 0, "buri"},    // EASY
        {false, 0, 0, "buri"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        game.random.reseed(7);
        stage.checkCounter = ladderstage::Regulars;
        stage.NoContinue = c.noContinue;
        stage.gameSpeedMode = c.speedMode;
        stage.baseLevel = c.baseLevel;
        playThroughInterrupter();
        const int16_t level = opponent.cpuLevel;
        next();
        EXPECT_EQ(opponent.charaname, c.expected);
        EXPECT_EQ(stage.stageNumber, 7);
        const bool beta = std::string(c.expected) == "betaboy";
        // BETABOY is a plain stage step; the final bosses get the extra level.
        EXPECT_EQ(opponent.cpuLevel, level + (beta ? 1 : 2));
        const bool god = std::string(c.expected) == "god";
        const int16_t counter = beta  ? ladderstage::Interrupter
                                : god ? ladderstage::GodChosen
                                      : ladderstage::Buri;
        EXPECT_EQ(stage.checkCounter, counter);
    }
}

TEST_F(LadderTest, TheStageAfterBetaboyBringsTheFinalBoss) {
    stage.checkCounter = ladderstage::Interrupter;
    stage.stageNumber = 6;
    stage.NoContinue = true;
    stage.baseLevel = 20;
    stage.gameSpeedMode = 2;
    game.battle.ladder.foughtFlag.fill(kTrue);
    opponent.cpuLevel = 27;
    next();
    EXPECT_EQ(opponent.charaname, "betaboy");
    EXPECT_EQ(opponent.cpuLevel, 28);
    next();
    EXPECT_EQ(opponent.charaname, "god");
    EXPECT_EQ(opponent.cpuLevel, 30);
    EXPECT_EQ(stage.stageNumber, 8);
    EXPECT_EQ(stage.checkCounter, ladderstage::GodChosen);
}

TEST_F(LadderTest, PastTheFinalBossOrWithNoOneLeftTheOpponentStaysButTheStageCounts) {
    for (int16_t counter : {ladderstage::God, ladderstage::GodDefeated, ladderstage::Regulars}) {
        SCOPED_TRACE(counter);
        game.battle.ladder.foughtFlag.fill(kTrue);
        stage.checkCounter = counter;
        stage.stageNumber = 8;
        opponent.charaname = "god";
        opponent.spacornType = 2;
        opponent.cpuLevel = 30;
        game.random.script({0.0});
        next();
        EXPECT_EQ(opponent.charaname, "god");
        EXPECT_EQ(opponent.spacornType, 2);
        EXPECT_EQ(opponent.cpuLevel, 31);
        EXPECT_EQ(stage.stageNumber, 9);
        EXPECT_EQ(stage.checkCounter, counter);
        // No draw was made.
        EXPECT_EQ(game.random.next(), 0.0);
    }
}

TEST_F(LadderTest, StageTuneByFighter) {
    const std::vector<std::pair<int, int32_t>> expected = {
        {kMorvekboyTune, 500}, {kGinzamuraiTune, 500}, {kNangiefTune, 500},
        {kHonekawaTune, 500},  {kGoudaTune, 300},      {kInterrupterTune, 500},
        {kBuriTune, 500},      {kGodTune, 500},        {kBetaboyTune, 500}};
    for (int16_t n = 0; n < 9; ++n) {
        platform.clearLogs();
        stageMusicPlay(game, n, stage);
        EXPECT_EQ(tunesPlayed(), (std::vector<std::pair<int, int32_t>>{expected[size_t(n)]}))
            << "fighter " << n;
    }
    for (int16_t n : {-1, 9}) {
        platform.clearLogs();
        stageMusicPlay(game, n, stage);
        EXPECT_TRUE(tunesPlayed().empty()) << "fighter " << n;
    }
}

TEST_F(LadderTest, GodsStageSwitchesToTheBossThemeOnce) {
    stage.checkCounter = ladderstage::GodChosen;
    stageMusicPlay(game, 7, stage);
    EXPECT_EQ(tunesPlayed(),
              (std::vector<std::pair<int, int32_t>>{{kGodTune, 500}, {kFinalStageTune, 500}}));
    EXPECT_EQ(stage.checkCounter, ladderstage::God);
    // The same stage replayed after a continue keeps its own tune.
    platform.clearLogs();
    stageMusicPlay(game, 7, stage);
    EXPECT_EQ(tunesPlayed(), (std::vector<std::pair<int, int32_t>>{{kGodTune, 500}}));

    // BURI's stage: its own tune, checkCounter stays Buri.
    platform.clearLogs();
    stage.checkCounter = ladderstage::Buri;
    stageMusicPlay(game, 6, stage);
    EXPECT_EQ(tunesPlayed(), (std::vector<std::pair<int, int32_t>>{{kBuriTune, 500}}));
    EXPECT_EQ(stage.checkCounter, ladderstage::Buri);
}

}  // namespace
}  // namespace morvek
