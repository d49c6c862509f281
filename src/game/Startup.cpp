#include "game/Startup.h"

#include "game/BattleLoop.h"
#include "battle/Ladder.h"
#include "battle/RoundJudge.h"
#include "engine/DataTables.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Pictures.h"
#include "engine/Screen.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"
#include "screens/CharaSelect.h"
#include "screens/Options.h"
#include "screens/Ranking.h"
#include "screens/Result.h"
#include "screens/ScoreResult.h"
#include "screens/Title.h"
#include "screens/Training.h"

namespace morvek {

namespace {

constexpr std::string_view kNowLoading = "NOW LOADING・・・";

}  // namespace

std::string loadingPicturePath(EngineContext& game) {
    // Read before the program folder is known, so from the current folder; a start from
    // another folder still finds it beside the program.
    const std::string relative(kLoadingPicture);
    if (auto found = resolvePathCaseInsensitive(relative)) return *found;
    const std::string beside = game.platform.programFolder() + relative;
    if (auto found = resolvePathCaseInsensitive(beside)) return *found;
    return beside;
}

void dxInit(EngineContext& game) {
    soundLoadAll(game);
    // The first effect sounds once as the devices come up (no rewind: it is fresh).
    game.platform.playSound(kFirstEffect, false);
    // The keyboard needs no set-up: reads poll it.
    musicListLoad(game);
}

void startUp(BattleContext& game) {
    EngineState& e = game.engine;
    BattleState& b = game.battle;

    e.editMode = kFalse;
    game.random.reseed(game.platform.randomSeed());

    const Bitmap loading = loadBitmap(loadingPicturePath(game));
    game.platform.presentWithColours(loading.pixels, loading.colours);

    b.player1 = Character{};
    b.player1.charaname = "gouda";
    b.player2 = Character{};
    b.player2.charaname = "morvekboy";
    b.stageState = StateOfStage{};
    b.stageState.compLevel = 0;
    b.stageState.MaxRoundTime = 9999;
    b.player1.cpuLevel = b.stageState.compLevel;
    b.player2.cpuLevel = b.stageState.compLevel;
    battleRoundInit(game);

    e.appPath = game.platform.programFolder();
    if (e.appPath.empty() || e.appPath.back() != '/') e.appPath += '/';

    dxInit(game);

    // The display: one drawing surface; only its top-left 640x480 is ever shown.
    e.backBuffer = Surface8(kBackBufferWidth, kBackBufferHeight);
    backGroundLoad(game);
    e.attackEffectSurface = loadPicture(game, kCommonSheet);

    winVersionGet(game);
    // Always true (kReportedMajorVersion); an older system would show nothing here and
    // leave both sheets to the outer loop's first turn.
    if (e.winMajorVersion >= 5) {
        screenFlip(game);
        textFontSet(game, 10, RGB(255, 0, 255));
        drawText(game, 400, 400, kNowLoading);
        screenFlip(game);
        charaGraphicLoad(game, e.charaSurface1, b.player1.picTure);
        charaGraphicLoad(game, e.charaSurface2, b.player2.picTure);
        screenClear(game, 0);
        screenFlip(game);
    }

    paletteBuildAll(game);

    e.attackEffectSurface = loadPicture(game, kCommonSheet);

    // Edit mode, which nothing turns on, would skip the title.
    if (e.editMode == kFalse) titleMenuLoop(game);

    if (e.keyCount == 0) e.keyCount = kNormalKeyCount;
    if (b.stageState.gameSpeed == 0) b.stageState.gameSpeed = kDefaultGameSpeed;
}

void titleMenuLoop(BattleContext& game) {
    EngineState& e = game.engine;
    BattleState& b = game.battle;

    e.playMode = PlayMode::Title;
    b.stageState.openingInit(game);
    b.stageState.secretBetaBoy = secretBetaBoyCheck(game);
    b.stageState.secretHonekawa = secretHonekawaCheck(game);
    b.player1.ReverseCharaFlag = false;
    b.player2.ReverseCharaFlag = false;

    for (;;) {
        int16_t choice = openingTitle(game);
        // OPTION and SCORE RANKING show their screen and come back to the title.
        while (choice == titlemenu::Option || choice == titlemenu::ScoreRanking) {
            if (choice == titlemenu::Option) optionScreen(game, b.stageState);
            if (choice == titlemenu::ScoreRanking) scoreRankingDisp(game);
            choice = openingTitle(game);
        }
        if (choice == titlemenu::GameStart) {
            charaSelectMain(game, b.player1, b.stageState);
            nextOpponentSet(game, b.player2, b.stageState, true);
        }
        if (choice == titlemenu::Training)
            trainingSelect(game, b.player1, b.player2, b.stageState);
        // TUTORIAL needs nothing here: its match sets both fighters up itself.
        // The choices left here are those that start a match.
        e.playMode = choice == titlemenu::Tutorial   ? PlayMode::Tutorial
                     : choice == titlemenu::Training ? PlayMode::Training
                                                     : PlayMode::Arcade;
        if (e.returnToTitle == kFalse) return;
    }
}

void outerLoopNextStep(BattleContext& game) {
    EngineState& e = game.engine;
    BattleState& b = game.battle;
    switch (e.nextStep) {
    case nextstep::CharaSelect:
        charaSelectMain(game, b.player1, b.stageState);
        break;
    case nextstep::NextOpponent:
        nextOpponentSet(game, b.player2, b.stageState, false);
        break;
    case nextstep::ScoreScreen:
        scoreResult(game, b.player1, b.player2, b.stageState);
        titleMenuLoop(game);
        break;
    case nextstep::TrainingSetup:
        trainingSelect(game, b.player1, b.player2, b.stageState);
        break;
    default:
        // 0 (a continue) and anything else: the same opponent again.
        break;
    }
}

void outerLoopTurn(BattleContext& game) {
    matchTurn(game);
    outerLoopNextStep(game);
}

void Form_Load(BattleContext& game) {
    startUp(game);
    for (;;) outerLoopTurn(game);
}

}  // namespace morvek
