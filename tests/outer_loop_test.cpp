// The outer game loop: what follows each match, which fighter sheets a turn reloads,
// where the VS screen and the tunes play, the title loop's ways out, and whole runs from
// start-up through the title into the arcade ladder and the training mode.
//
// The runs are driven from the present hook by a small pilot: on the title menu it moves
// the cursor to the next wanted choice (read from the label the menu draws), on the other
// screens it presses Enter every other pass, and in a match it forces the outcome through
// the fighters' vitality. A run ends when the test's stop condition holds (StopRun is
// thrown from the hook) or, at worst, at the present limit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/DataTables.h"
#include "game/BattleLoop.h"
#include "battle/Ladder.h"
#include "game/Startup.h"
#include "screens/Options.h"
#include "screens/Title.h"
#include "screens_fixture.h"

namespace morvek {
namespace {

using testing::ScreensFixture;

/// Leaves an endless run from inside the present hook.
struct StopRun {};

/// Each fighter sheet is one colour, so a loaded surface tells which file it came from.
struct SheetColour {
    const char* stem;
    uint8_t value;
};
constexpr std::array<SheetColour, 8> kSheetColours{{{"morvekboy", 20},
                                                    {"ginzamurai", 21},
                                                    {"nangief", 22},
                                                    {"honekawa", 23},
                                                    {"gouda", 24},
                                                    {"interrupter", 25},
                                                    {"god", 26},
                                                    {"betaboy", 27}}};
constexpr uint8_t kSentinel = 99;

uint8_t sheetValueOf(const std::string& stem) {
    for (const SheetColour& s : kSheetColours)
        if (stem == s.stem) return s.value;
    ADD_FAILURE() << "no sheet for " << stem;
    return 0;
}

/// The colour of a surface loaded from one of the test sheets (0 when empty).
uint8_t surfaceValue(const Surface8& s) { return s.isEmpty() ? 0 : s.at(0, 0); }

Surface8 sentinelSurface() {
    Surface8 s(3, 3);
    s.fill(kSentinel);
    return s;
}

enum class Outcome { Win, Lose, Abort };

/// A match's steps observed at its first battle frame.
struct TurnSeen {
    int16_t stageNumber = 0;
    std::string opponent;
    int16_t opponentLevel = 0;
    PlayMode playMode = PlayMode::Arcade;
    uint8_t sheet1 = 0;
    uint8_t sheet2 = 0;
    size_t audioEvents = 0;  ///< length of the audio log at that frame
};

struct OuterLoop : ScreensFixture {
    Game* g = nullptr;

    // ---- the pilot ----------------------------------------------------------------
    std::deque<int16_t> titleChoices;  ///< one per visit of the title menu
    Outcome outcome = Outcome::Win;
    std::function<bool()> stopWhen;
    uint64_t lastFrameStart = 0;  ///< a fresh game has noted none
    int screenPresents = 0;  ///< presents in a row without a new battle frame
    uint64_t nextPressAt = 0;
    int optionDowns = 0;
    int difficultyRights = 0;  ///< Right presses wanted on the options' difficulty
    int speedDowns = 0;        ///< Down presses wanted on the select's speed step
    bool inMatch = false;
    bool backAtTitle = false;
    std::vector<TurnSeen> turns;

    void SetUp() override {
        ScreensFixture::SetUp();
        for (const SheetColour& s : kSheetColours) {
            Surface8 sheet(32, 32);
            sheet.fill(s.value);
            writeBitmap(folder + "grafics/" + s.stem + ".cha", sheet, Palette{});
        }
        g = game.get();
        platform.setPresentLimit(40000);
        platform.onPresent([this](uint64_t n) { pilot(n); });
    }

    EngineState& e() { return g->engine; }
    BattleState& b() { return g->battle; }

    /// A fresh game context for a run from start-up.
    void freshGame() {
        game = std::make_unique<Game>(platform);
        g = game.get();
        platform.clearLogs();
    }

    /// The title menu's cursor when the pass just presented drew the menu.
    std::optional<int16_t> titleCursorShown(uint64_t n) const {
        const auto& log = platform.textLog();
        for (auto it = log.rbegin(); it != log.rend() && it->atPresent + 1 >= n; ++it) {
            if (it->atPresent + 1 != n || it->y != kTitleMenuY) continue;
            for (size_t i = 0; i < kTitleMenuItems.size(); ++i)
                if (it->text == kTitleMenuItems[i].label) return static_cast<int16_t>(i) - 1;
        }
        return std::nullopt;
    }
    bool drawnThisPass(uint64_t n, const std::string& text) const {
        const auto& log = platform.textLog();
        for (auto it = log.rbegin(); it != log.rend() && it->atPresent + 1 >= n; ++it)
            if (it->atPresent + 1 == n && it->text == text) return true;
        return false;
    }
    size_t count(AudioEvent::Kind kind, int index) const { return countAudio(kind, index); }

    void steerMatch(uint64_t n) {
        StateOfStage& s = b().stageState;
        // G O D's cut-scene before the fight waits for Return between its speeches.
        if (s.checkCounter == ladderstage::God && !s.VSactionFlag && n >= nextPressAt) {
            platform.holdKeysForPresents({key::Return}, n, n + 1);
            nextPressAt = n + 2;
        }
        switch (outcome) {
        case Outcome::Win:
            if (!s.roundFinish && s.wholeTimer > 55) b().player2.viTality = 0;
            break;
        case Outcome::Lose:
            if (!s.roundFinish && s.wholeTimer > 55) b().player1.viTality = 0;
            break;
        case Outcome::Abort:
            // What F1 leaves behind in an arcade match or the training pause menu's
            // CHARACTER CHANGE in a training match.
            e().returnToTitle = kTrue;
            break;
        }
    }

    void pilot(uint64_t n) {
        if (stopWhen && stopWhen()) throw StopRun{};
        // A battle frame notes its start time; no screen does. A frame may present twice
        // or three times (a round change, the match's last frame): a screen is running
        // only after more presents than that.
        if (e().frameStartTime != lastFrameStart) {
            lastFrameStart = e().frameStartTime;
            screenPresents = 0;
            // A match's first frame, and not a match going on after a wait of its own
            // (the last words of a beaten G O D wait for Enter).
            const StateOfStage& st = b().stageState;
            const bool firstRound = st.roundCount == 0 && st.changeTimer == 0 &&
                                    b().player1.winCount == 0 && b().player2.winCount == 0;
            if (!inMatch && firstRound) {
                const Character& p2 = b().player2;
                turns.push_back({b().stageState.stageNumber, p2.charaname, p2.cpuLevel,
                                 e().playMode, surfaceValue(e().charaSurface1),
                                 surfaceValue(e().charaSurface2), platform.audioLog().size()});
                inMatch = true;
                if (stopWhen && stopWhen()) throw StopRun{};
            }
            steerMatch(n);
            return;
        }
        if (++screenPresents < 3) return;
        inMatch = false;
        // Only a match draws the fighter sheets: while a screen runs they are replaced by
        // sentinels, so the next match shows which ones its turn loaded.
        e().charaSurface1 = sentinelSurface();
        e().charaSurface2 = sentinelSurface();
        if (n < nextPressAt) return;
        uint8_t key = key::Return;
        if (auto cursor = titleCursorShown(n)) {
            if (titleChoices.empty()) {
                // Nothing more is wanted: a run ends back at the title.
                backAtTitle = true;
                throw StopRun{};
            }
            const int16_t want = titleChoices.front();
            if (*cursor < want) key = key::Down;
            else if (*cursor > want) key = key::Up;
            else titleChoices.pop_front();
            optionDowns = 0;
        } else if (drawnThisPass(n, "EXIT")) {
            // The options screen: the difficulty first, then down to EXIT (the cursor
            // stops there), then Enter.
            if (difficultyRights > 0) {
                key = key::Right;
                --difficultyRights;
            } else if (optionDowns < 6) {
                key = key::Down;
                ++optionDowns;
            }
        } else if (drawnThisPass(n, "NORMAL SPEED") && speedDowns > 0) {
            key = key::Down;
            --speedDowns;
        }
        platform.holdKeysForPresents({key}, n, n + 1);
        nextPressAt = n + 2;
    }

    /// Runs the whole game from start-up until the stop condition.
    void runGame() {
        freshGame();
        EXPECT_THROW(Form_Load(*g), StopRun);
    }

    /// The last tune started in [begin, end) of the audio log, with `value` the volume set
    /// just before it.
    std::optional<AudioEvent> lastTuneBefore(size_t end, size_t begin = 0) const {
        const auto& log = platform.audioLog();
        for (size_t i = std::min(end, log.size()); i > begin; --i)
            if (log[i - 1].kind == AudioEvent::PlayMusic) {
                AudioEvent ev = log[i - 1];
                if (i >= 2 && log[i - 2].kind == AudioEvent::MusicVolume) ev.value = log[i - 2].value;
                return ev;
            }
        return std::nullopt;
    }
    size_t countBetween(AudioEvent::Kind kind, int index, size_t begin, size_t end) const {
        const auto& log = platform.audioLog();
        size_t c = 0;
        for (size_t i = begin; i < std::min(end, log.size()); ++i)
            c += log[i].kind == kind && log[i].index == index;
        return c;
    }
};

/// The opponents met, for failure messages.
std::string opponentsOf(const std::vector<TurnSeen>& turns) {
    std::string out;
    for (const TurnSeen& t : turns)
        out += std::to_string(t.stageNumber) + ":" + t.opponent + "@" + std::to_string(t.opponentLevel) + " ";
    return out;
}

bool isRegular(const std::string& stem) {
    return std::find(kRegularRoster.begin(), kRegularRoster.end(), stem) != kRegularRoster.end();
}

/// The stage tune and its volume for a regular fighter's stem.
std::pair<int, int32_t> stageTuneOf(const std::string& stem) {
    if (stem == "morvekboy") return {kMorvekboyTune, 500};
    if (stem == "ginzamurai") return {kGinzamuraiTune, 500};
    if (stem == "nangief") return {kNangiefTune, 500};
    if (stem == "honekawa") return {kHonekawaTune, 500};
    if (stem == "gouda") return {kGoudaTune, 300};
    ADD_FAILURE() << stem;
    return {-1, 0};
}

// ---- whole runs ----------------------------------------------------------------------

TEST_F(OuterLoop, ArcadeRunGoesFromTheTitleThroughAWonMatchToTheLaddersSecondFighter) {
    titleChoices = {titlemenu::GameStart};
    outcome = Outcome::Win;
    stopWhen = [&] { return turns.size() == 2; };
    runGame();

    ASSERT_EQ(turns.size(), 2u);
    const TurnSeen& first = turns[0];
    const TurnSeen& second = turns[1];
    // GAME START: the select's first fighter, then a new ladder at stage 1, level base + 1.
    EXPECT_EQ(b().player1.charaname, "morvekboy");
    EXPECT_EQ(first.playMode, PlayMode::Arcade);
    EXPECT_EQ(first.stageNumber, 1);
    EXPECT_EQ(first.opponentLevel, 1);
    EXPECT_TRUE(isRegular(first.opponent)) << first.opponent;
    // The first turn loads both sheets.
    EXPECT_EQ(first.sheet1, sheetValueOf("morvekboy"));
    EXPECT_EQ(first.sheet2, sheetValueOf(first.opponent));
    // The VS screen, then the opponent's stage tune, came before the first frame.
    EXPECT_EQ(countBetween(AudioEvent::PlaySound, 132, 0, first.audioEvents), 1u);
    const auto tune1 = lastTuneBefore(first.audioEvents);
    ASSERT_TRUE(tune1);
    EXPECT_EQ(tune1->index, stageTuneOf(first.opponent).first);
    EXPECT_EQ(tune1->value, stageTuneOf(first.opponent).second);

    // The won match's result screen gives 2: the ladder's next regular fighter, one level
    // up, and only player 2's sheet reloads.
    EXPECT_EQ(countBetween(AudioEvent::PlayMusic, kWinTune, first.audioEvents, second.audioEvents),
              1u);
    EXPECT_EQ(second.playMode, PlayMode::Arcade);
    EXPECT_EQ(second.stageNumber, 2);
    EXPECT_EQ(second.opponentLevel, 2);
    EXPECT_TRUE(isRegular(second.opponent)) << second.opponent;
    EXPECT_NE(second.opponent, first.opponent);
    EXPECT_EQ(second.sheet1, kSentinel);
    EXPECT_EQ(second.sheet2, sheetValueOf(second.opponent));
    EXPECT_EQ(countBetween(AudioEvent::PlaySound, 132, first.audioEvents, second.audioEvents), 1u);
    const auto tune2 = lastTuneBefore(second.audioEvents, first.audioEvents);
    ASSERT_TRUE(tune2);
    EXPECT_EQ(tune2->index, stageTuneOf(second.opponent).first);
    // Both win counts start the new match at 0.
    EXPECT_EQ(b().player1.winCount, 0);
    EXPECT_EQ(b().player2.winCount, 0);
}

TEST_F(OuterLoop, AContinueReplaysTheSameOpponentWithItsVsScreenAndTuneButNoReload) {
    titleChoices = {titlemenu::GameStart};
    outcome = Outcome::Lose;
    stopWhen = [&] { return turns.size() == 2; };
    runGame();

    ASSERT_EQ(turns.size(), 2u);
    const TurnSeen& first = turns[0];
    const TurnSeen& second = turns[1];
    // The continue menu's first item: the same stage, no select and no ladder step.
    EXPECT_EQ(e().gameScore % 100, 1);
    EXPECT_EQ(second.stageNumber, 1);
    EXPECT_EQ(second.opponent, first.opponent);
    EXPECT_EQ(second.opponentLevel, first.opponentLevel);
    EXPECT_EQ(second.sheet1, kSentinel);
    EXPECT_EQ(second.sheet2, kSentinel);
    // The VS screen and the stage tune again.
    EXPECT_EQ(countBetween(AudioEvent::PlaySound, 132, first.audioEvents, second.audioEvents), 1u);
    const auto tune = lastTuneBefore(second.audioEvents, first.audioEvents);
    ASSERT_TRUE(tune);
    EXPECT_EQ(tune->index, stageTuneOf(first.opponent).first);
}

TEST_F(OuterLoop, AnAbortedArcadeMatchEndsAtTheScoreScreenAndTheTitleThenTheTutorialHasNoVsOrTune) {
    titleChoices = {titlemenu::GameStart, titlemenu::Tutorial};
    outcome = Outcome::Abort;
    stopWhen = [&] { return turns.size() == 2; };
    runGame();

    ASSERT_EQ(turns.size(), 2u);
    const TurnSeen& tutorial = turns[1];
    // The abort took the score screen (a GAME START game: its ranking too) and the title.
    EXPECT_TRUE(textShown("SCORE"));
    EXPECT_EQ(count(AudioEvent::LoopSound, kScoreJingle), 2u);
    EXPECT_EQ(tutorial.playMode, PlayMode::Tutorial);
    EXPECT_EQ(tutorial.stageNumber, 0);  // the title began a new game state
    // `test` 3 reloads both sheets.
    EXPECT_EQ(tutorial.sheet1, sheetValueOf(b().player1.charaname));
    EXPECT_EQ(tutorial.sheet2, sheetValueOf(b().player2.charaname));
    // No VS screen and no tune from the outer loop in the tutorial: after the title's
    // stop the one tune is the lesson's own, which its first step starts.
    const size_t afterArcade = turns[0].audioEvents;
    EXPECT_EQ(countBetween(AudioEvent::PlaySound, 132, afterArcade, tutorial.audioEvents), 0u);
    const auto& log = platform.audioLog();
    size_t lastStop = afterArcade;
    for (size_t i = afterArcade; i < tutorial.audioEvents; ++i)
        if (log[i].kind == AudioEvent::StopMusic) lastStop = i;
    size_t tunes = 0;
    for (size_t i = lastStop; i < tutorial.audioEvents; ++i)
        tunes += log[i].kind == AudioEvent::PlayMusic;
    EXPECT_LE(tunes, 1u);
}

TEST_F(OuterLoop, TrainingRunsWithItsTuneAndAnAbortGoesBackToTheSetUp) {
    titleChoices = {titlemenu::Training};
    outcome = Outcome::Abort;
    stopWhen = [&] { return turns.size() == 2; };
    runGame();

    ASSERT_EQ(turns.size(), 2u);
    for (const TurnSeen& t : turns) {
        EXPECT_EQ(t.playMode, PlayMode::Training);
        const auto tune = lastTuneBefore(t.audioEvents);
        ASSERT_TRUE(tune);
        EXPECT_EQ(tune->index, kTrainingMatchTune);
        EXPECT_EQ(tune->value, 0);
    }
    // The set-up ran from the title and again after the abort; both sheets reload after it.
    EXPECT_EQ(countBetween(AudioEvent::PlayMusic, kTrainingSetUpTune, 0, turns[0].audioEvents), 1u);
    EXPECT_EQ(countBetween(AudioEvent::PlayMusic, kTrainingSetUpTune, turns[0].audioEvents,
                           turns[1].audioEvents),
              1u);
    EXPECT_EQ(turns[1].sheet1, sheetValueOf(b().player1.charaname));
    EXPECT_EQ(turns[1].sheet2, sheetValueOf(b().player2.charaname));
    EXPECT_EQ(count(AudioEvent::PlaySound, 132), 0u);  // no VS screen in training
    // The training set-up chose the key mode and the speed: no defaults over them.
    EXPECT_EQ(e().keyCount, kEasyKeyCount);
    EXPECT_EQ(b().stageState.gameSpeed, 30);
}

TEST_F(OuterLoop, WinningEveryStageClimbsTheWholeLadderAndEndsBackAtTheTitle) {
    titleChoices = {titlemenu::GameStart};
    outcome = Outcome::Win;
    runGame();
    ASSERT_TRUE(backAtTitle);

    // EASY: five regular fighters, INTERRUPTER, then the small final boss.
    ASSERT_EQ(turns.size(), 7u) << opponentsOf(turns);
    std::vector<std::string> regulars;
    for (size_t i = 0; i < turns.size(); ++i) {
        const TurnSeen& t = turns[i];
        EXPECT_EQ(t.stageNumber, static_cast<int16_t>(i + 1));
        if (i < 5) regulars.push_back(t.opponent);
    }
    std::sort(regulars.begin(), regulars.end());
    std::vector<std::string> roster(kRegularRoster.begin(), kRegularRoster.end());
    std::sort(roster.begin(), roster.end());
    EXPECT_EQ(regulars, roster);
    EXPECT_EQ(turns[5].opponent, "interrupter");
    EXPECT_EQ(turns[6].opponent, "buri");
    // One level per stage, two for the bosses.
    const std::vector<int16_t> levels{1, 2, 3, 4, 5, 7, 9};
    for (size_t i = 0; i < turns.size(); ++i) EXPECT_EQ(turns[i].opponentLevel, levels[i]) << i;
    // Each stage opens with its own tune.
    size_t begin = 0;
    for (size_t i = 0; i < turns.size(); ++i) {
        const auto tune = lastTuneBefore(turns[i].audioEvents, begin);
        ASSERT_TRUE(tune) << i;
        const int expected =
            i < 5 ? stageTuneOf(turns[i].opponent).first : i == 5 ? kInterrupterTune : kBuriTune;
        EXPECT_EQ(tune->index, expected) << turns[i].opponent;
        begin = turns[i].audioEvents;
    }
    EXPECT_EQ(b().stageState.checkCounter, ladderstage::Regulars);  // the title began a new game
}

TEST_F(OuterLoop, AFlawlessHardFastGameMeetsBetaBoyAndThenGodAndEndsBackAtTheTitle) {
    titleChoices = {titlemenu::Option, titlemenu::GameStart};
    difficultyRights = 2;  // HARD
    speedDowns = 1;        // NORMAL SPEED
    outcome = Outcome::Win;
    runGame();
    ASSERT_TRUE(backAtTitle);

    ASSERT_EQ(turns.size(), 8u) << opponentsOf(turns);
    EXPECT_EQ(turns[5].opponent, "interrupter");
    EXPECT_EQ(turns[6].opponent, "betaboy");
    EXPECT_EQ(turns[7].opponent, "god");
    const std::vector<int16_t> levels{21, 22, 23, 24, 25, 27, 28, 30};
    for (size_t i = 0; i < turns.size(); ++i) EXPECT_EQ(turns[i].opponentLevel, levels[i]) << i;
    // BETABOY's tune; G O D's stage tune gives way to the final stage's at once.
    const auto betaboyTune = lastTuneBefore(turns[6].audioEvents, turns[5].audioEvents);
    ASSERT_TRUE(betaboyTune);
    EXPECT_EQ(betaboyTune->index, kBetaboyTune);
    const auto godTune = lastTuneBefore(turns[7].audioEvents, turns[6].audioEvents);
    ASSERT_TRUE(godTune);
    EXPECT_EQ(godTune->index, kFinalStageTune);
    EXPECT_EQ(
        countBetween(AudioEvent::PlayMusic, kGodTune, turns[6].audioEvents, turns[7].audioEvents),
        1u);
    EXPECT_EQ(countBetween(AudioEvent::PlaySound, 133, turns[6].audioEvents, turns[7].audioEvents),
              1u);  // the VS jingle against G O D
    // Beating G O D led through the ending and the score screen to the title.
    EXPECT_EQ(countBetween(AudioEvent::PlayMusic, kEndingTune, turns[7].audioEvents, SIZE_MAX), 1u);
    EXPECT_EQ(countBetween(AudioEvent::LoopSound, kScoreJingle, turns[7].audioEvents, SIZE_MAX),
              2u);
}

// ---- start-up ------------------------------------------------------------------------

TEST_F(OuterLoop, TheRoundIsSetUpBeforeAnyDeviceExists) {
    std::filesystem::remove(folder + "wavbox/effect0.wav");
    freshGame();
    EXPECT_THROW(startUp(*g), PlatformError);
    // The sounds failed first, and the fighters were already standing at their places.
    EXPECT_TRUE(platform.audioLog().empty());
    const Character& p1 = b().player1;
    const Character& p2 = b().player2;
    EXPECT_EQ(p1.NUMBER, 4);  // gouda
    EXPECT_EQ(p2.NUMBER, 0);  // morvekboy
    EXPECT_EQ(p1.posX, 250);
    EXPECT_EQ(p2.posX, 500);
    EXPECT_EQ(p1.viTality, 254);
    EXPECT_TRUE(p1.PrimalPlayer);
    EXPECT_EQ(b().scrollX, -140);
    EXPECT_EQ(b().scrollY, -1480);
    EXPECT_EQ(b().stageState.roundTimer, 9999);
    EXPECT_EQ(e().nextStep, nextstep::StartUp);
}

// ---- the title loop ------------------------------------------------------------------

TEST_F(OuterLoop, OptionsAndRankingComeBackToTheTitleUntilAGameModeIsChosen) {
    titleChoices = {titlemenu::Option, titlemenu::ScoreRanking, titlemenu::Tutorial};
    b().stageState.stageNumber = 4;
    b().stageState.checkCounter = ladderstage::Interrupter;
    b().player1.ReverseCharaFlag = true;
    titleMenuLoop(*g);

    EXPECT_TRUE(titleChoices.empty());
    EXPECT_EQ(e().playMode, PlayMode::Tutorial);
    EXPECT_EQ(e().titleChoice, -1);
    EXPECT_EQ(count(AudioEvent::PlayMusic, kTitleTune), 3u);  // three visits of the title
    bool optionVolume = false;
    for (const AudioEvent& ev : platform.audioLog())
        optionVolume |= ev.kind == AudioEvent::MusicVolume && ev.value == kOptionVolume;
    EXPECT_TRUE(optionVolume);
    EXPECT_EQ(count(AudioEvent::LoopSound, kScoreJingle), 1u);  // the ranking's jingle
    // The title began a new game.
    EXPECT_EQ(b().stageState.stageNumber, 0);
    EXPECT_EQ(b().stageState.checkCounter, ladderstage::Regulars);
    EXPECT_TRUE(b().stageState.NoContinue);
    EXPECT_FALSE(b().player1.ReverseCharaFlag);
}

TEST_F(OuterLoop, GameStartSelectsAndStartsANewLadderAtTheBaseLevel) {
    titleChoices = {titlemenu::GameStart};
    b().stageState.baseLevel = 20;
    b().stageState.stageNumber = 6;
    b().ladder.foughtFlag.fill(kTrue);  // every regular met: only a new game clears this
    b().player2.charaname = "god";
    b().player2.cpuLevel = 9;
    titleMenuLoop(*g);

    EXPECT_EQ(e().playMode, PlayMode::Arcade);
    EXPECT_EQ(b().player1.charaname, "morvekboy");
    EXPECT_TRUE(isRegular(b().player2.charaname)) << b().player2.charaname;
    EXPECT_EQ(b().stageState.stageNumber, 1);
    EXPECT_EQ(b().player2.cpuLevel, 21);
    int fought = 0;
    for (size_t i = 0; i < 5; ++i) fought += b().ladder.foughtFlag[i] == kTrue;
    EXPECT_EQ(fought, 1);
}

TEST_F(OuterLoop, AnAbortStandingAtTheTitleShowsItAgainAfterTheChoice) {
    // TRAINING's set-up leaves the abort flag alone, so the title comes back; GAME START's
    // select clears it and the loop returns.
    titleChoices = {titlemenu::Training, titlemenu::GameStart};
    e().returnToTitle = kTrue;
    titleMenuLoop(*g);

    EXPECT_TRUE(titleChoices.empty());
    EXPECT_EQ(count(AudioEvent::PlayMusic, kTrainingSetUpTune), 1u);  // the training set-up ran
    EXPECT_EQ(e().returnToTitle, kFalse);
    EXPECT_EQ(e().playMode, PlayMode::Arcade);
    EXPECT_EQ(b().stageState.stageNumber, 1);
}

// ---- the step after a match ------------------------------------------------------------

struct NextStep : OuterLoop {
    void SetUp() override {
        OuterLoop::SetUp();
        b().player1.charaname = "gouda";
        b().player2.charaname = "nangief";
        b().player2.cpuLevel = 12;
        b().stageState.baseLevel = 10;
        b().stageState.stageNumber = 2;
        b().ladder.foughtFlag = {kFalse, kFalse, kFalse, kTrue, kTrue, kFalse};
        e().playMode = PlayMode::Arcade;
        platform.clearLogs();
    }
};

TEST_F(NextStep, NothingHappensForTheSameStageAndUnknownCodes) {
    for (int16_t code : {nextstep::SameStage, int16_t{5}, nextstep::StartUp, int16_t{-1}}) {
        e().nextStep = code;
        outerLoopNextStep(*g);
        EXPECT_EQ(platform.presentCount(), 0u) << code;
    }
    EXPECT_TRUE(platform.audioLog().empty());
    EXPECT_EQ(b().player1.charaname, "gouda");
    EXPECT_EQ(b().player2.charaname, "nangief");
    EXPECT_EQ(b().stageState.stageNumber, 2);
    EXPECT_EQ(b().player2.cpuLevel, 12);
}

TEST_F(NextStep, TheCharacterSelectIsForPlayerOneOnly) {
    e().nextStep = nextstep::CharaSelect;
    outerLoopNextStep(*g);
    EXPECT_GT(platform.presentCount(), 0u);
    EXPECT_EQ(count(AudioEvent::PlayMusic, kSelectTune), 1u);  // the select's tune
    EXPECT_EQ(b().player1.charaname, "morvekboy");
    EXPECT_EQ(b().player2.charaname, "nangief");
    EXPECT_EQ(b().stageState.stageNumber, 2);
}

TEST_F(NextStep, TheNextOpponentIsTheLaddersWithoutANewGame) {
    e().nextStep = nextstep::NextOpponent;
    outerLoopNextStep(*g);
    EXPECT_EQ(platform.presentCount(), 0u);
    EXPECT_EQ(b().stageState.stageNumber, 3);
    EXPECT_EQ(b().player2.cpuLevel, 13);
    const std::string& next = b().player2.charaname;
    EXPECT_TRUE(next == "morvekboy" || next == "ginzamurai" || next == "honekawa") << next;
    EXPECT_EQ(b().ladder.foughtFlag[3], kTrue);  // still marked: not a new game
    EXPECT_EQ(b().ladder.foughtFlag[4], kTrue);
}

TEST_F(NextStep, TheScoreScreenLeadsToTheTitle) {
    titleChoices = {titlemenu::Tutorial};
    e().titleChoice = titlemenu::GameStart;  // the game began with GAME START: it is scored
    e().nextStep = nextstep::ScoreScreen;
    outerLoopNextStep(*g);
    EXPECT_TRUE(titleChoices.empty());
    EXPECT_TRUE(textShown("SCORE"));
    // The score screen, then its ranking.
    EXPECT_EQ(count(AudioEvent::LoopSound, kScoreJingle), 2u);
    EXPECT_EQ(e().playMode, PlayMode::Tutorial);
    EXPECT_EQ(b().stageState.stageNumber, 0);
    EXPECT_EQ(count(AudioEvent::PlayMusic, kTitleTune), 1u);
}

TEST_F(NextStep, TheTrainingSetUpRunsAgain) {
    e().playMode = PlayMode::Training;
    e().nextStep = nextstep::TrainingSetup;
    outerLoopNextStep(*g);
    EXPECT_EQ(count(AudioEvent::PlayMusic, kTrainingSetUpTune), 1u);
    EXPECT_EQ(b().player1.charaname, "morvekboy");  // the set-up's remembered choices
    EXPECT_EQ(b().player2.charaname, "morvekboy");
    EXPECT_EQ(b().stageState.stageNumber, 2);
    EXPECT_EQ(e().playMode, PlayMode::Training);
}

// ---- the top of a turn -----------------------------------------------------------------

struct TurnTop : OuterLoop {
    void SetUp() override {
        OuterLoop::SetUp();
        e().keyCount = kNormalKeyCount;
        b().stageState.gameSpeed = 26;
        b().player1.charaname = "gouda";
        b().player2.charaname = "ginzamurai";
    }
    /// One turn of an arcade match aborted before it began (no VS screen, one frame),
    /// with every surface a sentinel first.
    void abortedTurn(int16_t code, PlayMode playMode) {
        e().nextStep = code;
        e().playMode = playMode;
        e().returnToTitle = kTrue;
        e().charaSurface1 = sentinelSurface();
        e().charaSurface2 = sentinelSurface();
        e().backGroundSurface = sentinelSurface();
        e().attackEffectSurface = sentinelSurface();
        platform.clearLogs();
        matchTurn(*g);
    }
};

TEST_F(TurnTop, TheStepCodeChoosesWhichSheetsReload) {
    struct Case {
        int16_t code;
        bool sheet1, sheet2;
    };
    using namespace nextstep;
    for (const Case c : {Case{SameStage, false, false}, Case{CharaSelect, true, false},
                         Case{NextOpponent, false, true}, Case{ScoreScreen, true, true},
                         Case{TrainingSetup, true, true}, Case{StartUp, true, true},
                         Case{-1, true, true}}) {
        abortedTurn(c.code, PlayMode::Arcade);
        EXPECT_EQ(surfaceValue(e().charaSurface1), c.sheet1 ? sheetValueOf("gouda") : kSentinel)
            << c.code;
        EXPECT_EQ(surfaceValue(e().charaSurface2), c.sheet2 ? sheetValueOf("ginzamurai") : kSentinel)
            << c.code;
        // The background and the common sheet are new every turn.
        EXPECT_NE(surfaceValue(e().backGroundSurface), kSentinel) << c.code;
        EXPECT_NE(surfaceValue(e().attackEffectSurface), kSentinel) << c.code;
    }
}

TEST_F(TurnTop, AnAbortLeadsToTheTrainingSetUpOnlyInTraining) {
    for (PlayMode mode : {PlayMode::Arcade, PlayMode::Training, PlayMode::Tutorial}) {
        abortedTurn(nextstep::StartUp, mode);
        EXPECT_EQ(e().nextStep,
                  mode == PlayMode::Training ? nextstep::TrainingSetup : nextstep::ScoreScreen)
            << static_cast<int>(mode);
        EXPECT_EQ(e().returnToTitle, kFalse);
        EXPECT_EQ(count(AudioEvent::PlaySound, 132), 0u);
        // An arcade match aborted before it starts has no stage tune either; training has
        // its tune at volume 0. (The tutorial's lessons start their own tune.)
        const auto tune = lastTuneBefore(platform.audioLog().size());
        if (mode == PlayMode::Arcade) {
            EXPECT_FALSE(tune);
        } else if (mode == PlayMode::Training) {
            ASSERT_TRUE(tune);
            EXPECT_EQ(tune->index, kTrainingMatchTune);
            EXPECT_EQ(tune->value, 0);
        }
    }
}

}  // namespace
}  // namespace morvek
