#include "game/BattleLoop.h"

#include "battle/Character.h"
#include "battle/Collision.h"
#include "battle/CpuTick.h"
#include "battle/Dispatch.h"
#include "battle/Ladder.h"
#include "battle/Mechanics.h"
#include "battle/PlayerInput.h"
#include "battle/RoundJudge.h"
#include "battle/Spacorn.h"
#include "battle/StateOfStage.h"
#include "engine/DataTables.h"
#include "battle/BattleContext.h"
#include "engine/Palettes.h"
#include "engine/Pictures.h"
#include "engine/Screen.h"
#include "engine/Shutter.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "render/Camera.h"
#include "render/Effects.h"
#include "render/Hud.h"
#include "render/Overlay.h"
#include "render/SlowMotion.h"
#include "render/TypingFrame.h"
#include "screens/Result.h"
#include "screens/Training.h"
#include "screens/Tutorial.h"
#include "screens/VsScreen.h"

namespace morvek {

SheetReload sheetsToReload(int16_t nextStep) {
    switch (nextStep) {
    case nextstep::SameStage: return SheetReload::None;
    case nextstep::CharaSelect: return SheetReload::Player1;
    case nextstep::NextOpponent: return SheetReload::Player2;
    default: return SheetReload::Both;
    }
}

int16_t battleFrameMs(const BattleContext& game) {
    const BattleState& b = game.battle;
    int32_t ms = int32_t{b.stageState.gameSpeed} + b.player1.zoomCount;
    if (b.player1.TPC && b.stageState.TPCSlow) ms += kTypingComboSlowMs;
    return cint16(ms);
}

void fighterAction(BattleContext& game, Character& me, Character& enemy) {
    animTimerCount(game, me);
    animActionDispatch(game, me, enemy);
}

void fighterActionPhase(BattleContext& game, Character& p1, Character& p2) {
    if (game.battle.freezeFlag) return;
    fighterAction(game, p1, p2);
    fighterAction(game, p2, p1);
}

bool battleFrame(BattleContext& game) {
    EngineState& e = game.engine;
    BattleState& b = game.battle;
    Character& p1 = b.player1;
    Character& p2 = b.player2;
    bool endFlag = false;

    frameStart(game);
    if (e.playMode == PlayMode::Training) trainingRecover(game, p1, p2);
    if (e.playMode == PlayMode::Tutorial) {
        // The tutorial's control stands in for the round judge.
        tutorialControl(game, p1, p2, b.stageState);
    } else {
        endFlag = battleJudge(game);
    }
    if (e.returnToTitle != kFalse) endFlag = true;

    cpuThinkTick(game, p2, p1);
    faceAndStunRecover(game, p1, p2);
    PressKeyJudge(game, b.typingFlashFrames);
    collisionPhase(game, p1, p2);
    physicsStep(game, p1, p2);
    physicsStep(game, p2, p1);

    cameraAndBackground(game, p1, p2);
    spacornTimerTick(game, p1);
    spacornTimerTick(game, p2);
    drawCharaShadow(game, p1, e.attackEffectSurface);
    drawCharaShadow(game, p2, e.attackEffectSurface);
    if (e.playMode == PlayMode::Tutorial) {
        tutorialScript(game, p1, p2, b.stageState);
    }
    // Never in play: nothing turns edit mode on. The boxes stay for the debug view.
    if (e.editMode != kFalse) drawHitBoxes(game, p1, p2);
    drawFighters(game, p1, p2);
    fighterActionPhase(game, p1, p2);
    drawGauges(game, p1, p2);
    drawComboCounter(game, p1, p2);
    if (p1.tarGeting) drawTypingFrame(game, p1, e.attackEffectSurface, false, 0);
    if (b.typingFlashFrames > 0) {
        drawTypingFrame(game, p1, e.attackEffectSurface, true, b.hitSlot);
        b.typingFlashFrames = cint16(b.typingFlashFrames - 1);
    }
    drawStageOverlay(game, b.stageState, p1, p2);
    shutterTransition(game, kShutterGoOn);
    if (endFlag) {
        screenClear(game, kMatchEndColour);
        screenFlip(game);
    }

    game.platform.present(e.backBuffer);
    game.platform.pumpEvents();
    const int16_t ms = battleFrameMs(game);
    frameWait(game, ms > 0 ? static_cast<uint32_t>(ms) : 0U);
    slowAndStops(game, p1, p2, b.stageState);
    return endFlag;
}

void battleLoop(BattleContext& game) {
    bool endFlag = false;
    while (!endFlag) endFlag = battleFrame(game);
}

void stageInitAll(BattleContext& game) {
    BattleState& b = game.battle;
    b.stageState.stageInit();
    b.player1.stageInit();
    b.player2.stageInit();
}

void matchTurn(BattleContext& game) {
    EngineState& e = game.engine;
    BattleState& b = game.battle;

    battleRoundInit(game);
    stageInitAll(game);
    if (e.playMode == PlayMode::Arcade && e.returnToTitle == kFalse)
        vsScreen(game, b.player1, b.player2, b.stageState);

    backGroundLoad(game);
    const SheetReload reload = sheetsToReload(e.nextStep);
    if (reload == SheetReload::Player1 || reload == SheetReload::Both)
        charaGraphicLoad(game, e.charaSurface1, b.player1.picTure);
    if (reload == SheetReload::Player2 || reload == SheetReload::Both)
        charaGraphicLoad(game, e.charaSurface2, b.player2.picTure);
    e.attackEffectSurface = loadPicture(game, kCommonSheet);

    if (e.playMode == PlayMode::Arcade && e.returnToTitle == kFalse)
        stageMusicPlay(game, b.player2.NUMBER, b.stageState);
    if (e.playMode == PlayMode::Training) musicPlay(game, kTrainingMatchTune, 0);

    battleLoop(game);

    if (e.returnToTitle != kFalse) {
        e.returnToTitle = kFalse;
        e.nextStep =
            e.playMode == PlayMode::Training ? nextstep::TrainingSetup : nextstep::ScoreScreen;
    } else {
        e.nextStep = winnerDispMain(game, b.player1, b.player2, b.stageState);
    }
    b.player1.winCount = 0;
    b.player2.winCount = 0;
}

}  // namespace morvek
