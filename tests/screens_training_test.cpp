#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "game/BattleLoop.h"
#include "battle/RoundJudge.h"
#include "battle/Roster.h"
#include "engine/DataTables.h"
#include "engine/Pictures.h"
#include "engine_fixture.h"
#include "platform/Keys.h"
#include "screens/CharaSelect.h"
#include "screens/Training.h"

namespace morvek {
namespace {

constexpr Rgb kRed{255, 0, 0};
using Sounds = std::vector<int>;

struct ScreensTraining : testing::EngineFixture {
    TrainingSelectScreen s;
    Character* p1 = nullptr;
    Character* p2 = nullptr;
    StateOfStage* stage = nullptr;

    void SetUp() override {
        EngineFixture::SetUp();
        game->engine.attackEffectSurface = loadPicture(*game, kCommonSheet);
        p1 = &game->battle.player1;
        p2 = &game->battle.player2;
        stage = &game->battle.stageState;
    }
    int16_t& setting(size_t i) { return game->engine.gameSettings[i]; }
    void begin() { trainingSelectBegin(*game, s); }
    void pass() { trainingSelectPass(*game, s, *p1, *p2, *stage); }
    void passes(int n) {
        for (int i = 0; i < n; ++i) pass();
    }
    /// Held through one turn (which reads before its present), released for the next;
    /// returns the sounds played.
    Sounds press(uint8_t k) {
        platform.clearLogs();
        const uint64_t now = platform.presentCount();
        platform.holdKeysForPresents({k}, now, now + 1);
        passes(2);
        Sounds out;
        for (const AudioEvent& ev : platform.audioLog())
            if (ev.kind == AudioEvent::PlaySound) out.push_back(ev.index);
        return out;
    }
    bool drawn(std::string_view text, int x, int y, std::optional<Rgb> colour = {}) const {
        for (const TextEvent& t : platform.textLog())
            if (t.text == text && t.x == x && t.y == y && (!colour || t.colour == *colour))
                return true;
        return false;
    }
    void toStep(int16_t step) {
        while (s.step < step) press(key::Return);
    }
    /// keys[i] held at present start + 2i, for a blocking loop that reads, then presents.
    void script(const std::vector<uint8_t>& keys) {
        const uint64_t start = platform.presentCount();
        for (size_t i = 0; i < keys.size(); ++i)
            if (keys[i] != 0) platform.holdKeysForPresents({keys[i]}, start + 2 * i, start + 2 * i + 1);
    }
};

TEST_F(ScreensTraining, FighterListsWithAndWithoutTheHiddenFighters) {
    begin();
    EXPECT_EQ(platform.audioLog().back().index, kTrainingSetUpTune);
    EXPECT_EQ(press(key::Up), Sounds{});
    for (int16_t v = 1; v <= 5; ++v) EXPECT_EQ(press(key::Down), Sounds{kMenuSound});
    EXPECT_EQ(press(key::Down), Sounds{});  // the list ends at INTERRUPTER
    setting(gamesetting::TrainingFighter1) = 3;
    EXPECT_EQ(press(key::Right), Sounds{});
    EXPECT_FALSE(drawn("2", 160, 360));

    stage->secretBetaBoy = true;
    stage->secretHonekawa = true;
    EXPECT_EQ(press(key::Right), Sounds{kMenuSound});
    EXPECT_EQ(setting(gamesetting::TrainingFighter1), fighter::HiddenHonekawa);
    EXPECT_EQ(s.portrait1X, -180);  // restarted at -200, then one turn of sliding
    platform.clearLogs();
    pass();
    EXPECT_TRUE(drawn("2", 160, 360, kRed));
    EXPECT_FALSE(drawn("HONEKAWA", 50, 360, kRed));
    for (uint8_t k : {key::Up, key::Down, key::Right}) EXPECT_EQ(press(k), Sounds{});
    EXPECT_EQ(press(key::Left), Sounds{kMenuSound});
    EXPECT_EQ(setting(gamesetting::TrainingFighter1), 3);
    setting(gamesetting::TrainingFighter1) = 5;
    EXPECT_EQ(press(key::Down), Sounds{kMenuSound});
    EXPECT_EQ(setting(gamesetting::TrainingFighter1), fighter::Betaboy);
    EXPECT_TRUE(drawn("BETABOY", 50, 420, kRed));
    EXPECT_EQ(press(key::Down), Sounds{});
    EXPECT_EQ(press(key::Up), Sounds{kMenuSound});
    EXPECT_EQ(setting(gamesetting::TrainingFighter1), 5);

    toStep(trainingstep::Fighter2);  // player 2's list: its portrait restarts at 540
    EXPECT_EQ(press(key::Down), Sounds{kMenuSound});
    EXPECT_EQ(s.portrait2X, 520);
    EXPECT_TRUE(drawn("GINZAMURAI", 450, 320, kRed));
}

TEST_F(ScreensTraining, ChoiceStepsAndTheComputerLevel) {
    begin();
    struct Case {
        int16_t step;
        size_t element;
        int16_t last;
    };
    using namespace gamesetting;
    using namespace trainingstep;
    for (Case c : {Case{SuperArt1, TrainingSuperArt1, 2}, Case{SuperArt2, TrainingSuperArt2, 2},
                   Case{Speed, TrainingSpeed, 2}, Case{KeyMode, TrainingKeyMode, 1},
                   Case{TpcSlow, TrainingTpcSlow, 1}}) {
        toStep(c.step);
        EXPECT_EQ(press(key::Up), Sounds{}) << c.step;
        for (int16_t v = 1; v <= c.last; ++v) EXPECT_EQ(press(key::Down), Sounds{kChoiceSound});
        EXPECT_EQ(press(key::Down), Sounds{}) << c.step;
        EXPECT_EQ(press(key::Right), Sounds{}) << c.step;
        EXPECT_EQ(setting(c.element), c.last) << c.step;
    }
    EXPECT_EQ(press(key::Return), Sounds{kNextSound});
    passes(30);  // the level panel slides in from 700 to 200
    EXPECT_EQ(s.cpuLevel, (PanelPlace{200, 80}));
    setting(gamesetting::TrainingCpuLevel) = 25;
    EXPECT_EQ(press(key::Right), Sounds{kChoiceSound});
    EXPECT_EQ(setting(gamesetting::TrainingCpuLevel), 30);
    EXPECT_EQ(press(key::Right), Sounds{});
    EXPECT_EQ(press(key::Down), Sounds{});
    setting(gamesetting::TrainingCpuLevel) = 25;
    EXPECT_EQ(press(key::Left), Sounds{kChoiceSound});
    EXPECT_EQ(setting(gamesetting::TrainingCpuLevel), 15);
    setting(gamesetting::TrainingCpuLevel) = 5;
    EXPECT_EQ(press(key::Left), Sounds{kChoiceSound});
    EXPECT_EQ(setting(gamesetting::TrainingCpuLevel), 0);
    EXPECT_TRUE(drawn("NO MOVE", 325, 125, kRed));
    EXPECT_EQ(press(key::Up), Sounds{});
    EXPECT_EQ(press(key::Down), Sounds{kChoiceSound});
    EXPECT_TRUE(drawn("1", 350, 125, kRed));
}

TEST_F(ScreensTraining, FinishedStepsSettleAndSpaceGoesBack) {
    setting(gamesetting::TrainingSuperArt1) = 2;
    setting(gamesetting::TrainingSuperArt2) = 1;
    begin();
    EXPECT_EQ(press(key::Space), Sounds{});
    for (int16_t step : {trainingstep::SuperArt1, trainingstep::SuperArt2, trainingstep::Speed}) {
        toStep(step);
        passes(60);
    }
    EXPECT_EQ(s.superArt1[2], (PanelPlace{20, 240}));   // left, then down
    EXPECT_EQ(s.superArt2[1], (PanelPlace{400, 240}));  // right, then down
    EXPECT_EQ(s.portrait2X, 320);
    for (int16_t back : {trainingstep::SuperArt2, trainingstep::Fighter2, trainingstep::SuperArt1}) {
        EXPECT_EQ(press(key::Space), Sounds{kBackSound});
        EXPECT_EQ(s.step, back);
    }
    EXPECT_EQ(s.portrait2X, 540);
    EXPECT_EQ(s.superArt1[0], (PanelPlace{680, 80}));  // back at 700, one turn of sliding
}

TEST_F(ScreensTraining, DefaultsGiveEasyKeyAndTpcSlowOnAndChoicesAreRemembered) {
    std::vector<uint8_t> enters;
    for (int i = 0; i < 8; ++i) enters.insert(enters.end(), {key::Return, 0});
    script(enters);
    trainingSelect(*game, *p1, *p2, *stage);
    EXPECT_EQ(p1->charaname, "morvekboy");
    EXPECT_EQ(game->engine.keyCount, kEasyKeyCount);
    EXPECT_TRUE(stage->TPCSlow);
    EXPECT_EQ(stage->gameSpeed, 30);
    bool shutterSound = false, stopped = false;
    for (const AudioEvent& ev : platform.audioLog()) {
        shutterSound |= ev.kind == AudioEvent::PlaySound && ev.index == 52;
        stopped |= ev.kind == AudioEvent::StopMusic;
    }
    EXPECT_TRUE(shutterSound && stopped);

    // HONEKAWA's variant, GINZAMURAI with its third art, FAST HARD, NORMAL KEY, TPC SLOW
    // OFF, level 20.
    stage->secretHonekawa = true;
    script({key::Down, 0, key::Down, 0, key::Down, 0, key::Right, 0, key::Return, 0,
            key::Return, 0, key::Down, 0, key::Return, 0, key::Down, 0, key::Down, 0,
            key::Return, 0, key::Down, 0, key::Down, 0, key::Return, 0, key::Down, 0,
            key::Return, 0, key::Down, 0, key::Return, 0, key::Right, 0, key::Right, 0,
            key::Return});
    trainingSelect(*game, *p1, *p2, *stage);
    EXPECT_EQ(p1->charaname, "honekawa");
    EXPECT_TRUE(p1->ReverseCharaFlag);
    EXPECT_EQ(p2->charaname, "ginzamurai");
    EXPECT_EQ(p2->spacornType, 2);
    EXPECT_EQ(stage->gameSpeed, 22);
    EXPECT_EQ(game->engine.keyCount, kNormalKeyCount);
    EXPECT_FALSE(stage->TPCSlow);
    EXPECT_EQ(p2->cpuLevel, 20);

    begin();  // the next visit starts at the first step with the choices kept
    platform.clearLogs();
    pass();
    EXPECT_EQ(s.step, trainingstep::Fighter1);
    EXPECT_TRUE(drawn("2", 160, 360, kRed));
}

TEST_F(ScreensTraining, RecoveryFrameByFrame) {
    for (Character* c : {p1, p2}) {
        c->spacornGaugeMax = 270;
        c->spacornCountMax = 1;
    }
    p1->viTality = 1;
    p2->viTality = 253.5;
    trainingRecover(*game, *p1, *p2);
    EXPECT_EQ(p1->viTality, 2);
    EXPECT_EQ(p2->viTality, 254);
    trainingRecover(*game, *p1, *p2);
    EXPECT_EQ(p1->viTality, 3);
    EXPECT_EQ(p1->spacornGauge, 2);
    EXPECT_EQ(p2->spacornGauge, 2);

    p1->comboCount = 4;  // no refill during a combo, but never below 1
    p1->viTality = 100;
    p2->comboCount = 2;
    p2->viTality = -35;
    trainingRecover(*game, *p1, *p2);
    EXPECT_EQ(p1->viTality, 100);
    EXPECT_EQ(p2->viTality, 1);
    p1->viTality = 0;
    p2->comboCount = 0;
    p2->viTality = -20;  // refilled to -19 first, then lifted to 1
    trainingRecover(*game, *p1, *p2);
    EXPECT_EQ(p1->viTality, 1);
    EXPECT_EQ(p2->viTality, 1);
}

TEST_F(ScreensTraining, PauseMenuResults) {
    auto open = [&](std::vector<uint8_t> keys) {
        game->engine.playMode = PlayMode::Pause;
        game->engine.returnToTitle = kFalse;
        keys.insert(keys.begin(), 0);  // the first turn: F1 is no menu key
        script(keys);
        trainingPauseMenu(*game);
    };
    open({key::Return});
    EXPECT_EQ(game->engine.playMode, PlayMode::Training);
    EXPECT_EQ(game->engine.returnToTitle, kFalse);
    open({key::Down, 0, key::Return});
    EXPECT_EQ(game->engine.playMode, PlayMode::Training);
    EXPECT_EQ(game->engine.returnToTitle, kTrue);
    open({key::Down, 0, key::Down, 0, key::Return});
    EXPECT_EQ(game->engine.playMode, PlayMode::Arcade);
    EXPECT_EQ(game->engine.returnToTitle, kTrue);

    platform.clearLogs();
    open({key::Up, 0, key::Down, 0, key::Down, 0, key::Down, 0, key::Space});
    EXPECT_EQ(game->engine.playMode, PlayMode::Training);
    EXPECT_EQ(game->engine.returnToTitle, kFalse);
    size_t moves = 0;
    for (const AudioEvent& ev : platform.audioLog()) moves += ev.kind == AudioEvent::PlaySound;
    EXPECT_EQ(moves, 2u);  // silent at both ends
    EXPECT_TRUE(drawn("BACK TO TITLE", 240, 260, kRed));
}

/// A training match through the real match steps; F1 opens the menu, whose keys are
/// given once it is open.
struct ScreensTrainingMatch : ScreensTraining {
    std::vector<uint8_t> menuKeys;
    size_t nextMenuKey = 0;

    void SetUp() override {
        ScreensTraining::SetUp();
        game->engine.playMode = PlayMode::Training;
        game->engine.keyCount = kEasyKeyCount;
        stage->gameSpeed = 26;
        p1->CharaNameSetFromNumber(0);
        p2->CharaNameSetFromNumber(0);
        platform.onPresent([this](uint64_t i) {
            if (game->engine.playMode != PlayMode::Pause || nextMenuKey >= menuKeys.size()) return;
            const uint8_t k = menuKeys[nextMenuKey++];
            if (k != 0) platform.holdKeysForPresents({k}, i, i + 1);
        });
    }
    void pressF1In(uint64_t presents) {
        const uint64_t at = platform.presentCount() + presents;
        platform.holdKeysForPresents({key::F1}, at, at + 1);
    }
};

TEST_F(ScreensTrainingMatch, CharacterChangeAndBackToTitleAbortTheMatch) {
    menuKeys = {key::Down, 0, key::Return};
    pressF1In(80);
    matchTurn(*game);
    EXPECT_EQ(game->engine.nextStep, nextstep::TrainingSetup);
    EXPECT_EQ(game->engine.playMode, PlayMode::Training);
    EXPECT_EQ(game->engine.returnToTitle, kFalse);

    menuKeys = {key::Down, 0, key::Down, 0, key::Return};
    nextMenuKey = 0;
    pressF1In(80);
    matchTurn(*game);
    EXPECT_EQ(game->engine.nextStep, nextstep::ScoreScreen);  // as after an arcade game
    EXPECT_EQ(game->engine.playMode, PlayMode::Arcade);
}

TEST_F(ScreensTrainingMatch, ContinueAndSpaceResumeAndRecoveryPreventsAKnockOut) {
    battleRoundInit(*game);
    stageInitAll(*game);
    p1->viTality = -12;
    menuKeys = {key::Return, 0, 0, key::Space};
    pressF1In(5);
    pressF1In(20);
    for (int frame = 0; frame < 40; ++frame) {
        ASSERT_FALSE(battleFrame(*game)) << frame;
        ASSERT_NE(game->engine.playMode, PlayMode::Pause);
    }
    EXPECT_EQ(nextMenuKey, menuKeys.size());  // the menu opened twice
    EXPECT_EQ(game->engine.returnToTitle, kFalse);
    EXPECT_EQ(p1->viTality, 40);  // 1 in the first frame, then one point a frame
    EXPECT_FALSE(stage->roundFinish);
}

}  // namespace
}  // namespace morvek
