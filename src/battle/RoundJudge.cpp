#include "battle/RoundJudge.h"

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/Mechanics.h"
#include "battle/Roster.h"
#include "battle/Spacorn.h"
#include "battle/StateOfStage.h"
#include "battle/Targets.h"
#include "battle/BattleContext.h"
#include "engine/Palettes.h"
#include "engine/Screen.h"
#include "engine/Shutter.h"
#include "engine/Sound.h"
#include "battle/MatchHooks.h"
#include "battle/MoveSet.h"

namespace morvek {

namespace {

constexpr int16_t kPlayer1StartX = 250;
constexpr int16_t kPlayer2StartX = 500;
constexpr int16_t kStartScrollX = -140;
constexpr int16_t kStartScrollY = -1480;
constexpr int16_t kTimerStep = 2;
constexpr int16_t kFinishHoldMs = 2000;
constexpr int16_t kKOSlowMs = 100;

bool standsOnGround(const Character& c) { return !c.floatorStand && c.sTate == stStand; }

void winnerPose(EngineContext& game, Character& c) {
    if (!standsOnGround(c)) return;
    int16_t pattern = kWinPose;
    // Both rolls are drawn whatever the fighter: the conditions are evaluated in full.
    const bool roll480 = Int(3 * game.random.next()) == 2;
    const bool roll490 = Int(2 * game.random.next()) == 1;
    const int16_t n = c.NUMBER;
    if ((n == fighter::Morvekboy || n == fighter::Honekawa || n == fighter::Interrupter) && roll480)
        pattern = kWinPose2;
    if (n == fighter::Honekawa && roll490) pattern = kWinPose3;
    animChange(game, pattern, c);
}

void loserPose(EngineContext& game, Character& c) {
    if (!standsOnGround(c)) return;
    animChange(game, kLosePose, c);
}

void endPoses(BattleContext& game) {
    Character& p1 = game.battle.player1;
    Character& p2 = game.battle.player2;
    if (p1.viTality > p2.viTality) {
        winnerPose(game, p1);
        if (p2.viTality > 0) loserPose(game, p2);
    }
    if (p2.viTality > p1.viTality) {
        winnerPose(game, p2);
        if (p1.viTality > 0) loserPose(game, p1);
    }
}

/// The intro of a ladder boss's first round holds wholeTimer at 0 until it sets
/// VSactionFlag.
void bossStageIntro(BattleContext& game) {
    StateOfStage& s = game.battle.stageState;
    if (s.VSactionFlag || s.roundCount != 0) return;
    BattleState& b = game.battle;
    if (s.checkCounter == ladderstage::Interrupter) {
        if (MoveSet* boss = b.moveSets.find(fighter::Interrupter)) {
            boss->StageIntro(game, s, b.player1, b.player2);
        }
    }
    if (s.checkCounter == ladderstage::God) {
        if (MoveSet* boss = b.moveSets.find(fighter::God))
            boss->StageIntro(game, s, b.player1, b.player2);
    }
}

/// The steps of a decided round, by changeTimer; true when the match is over.
bool decidedRoundStep(BattleContext& game) {
    BattleState& b = game.battle;
    StateOfStage& s = b.stageState;
    Character& p1 = b.player1;
    Character& p2 = b.player2;
    bool matchOver = false;

    b.damageLock = true;
    s.changeTimer = cint16(s.changeTimer + 1);
    const int16_t t = s.changeTimer;
    if (t == kAwardTime) {
        // Player 1's vitality is kept for each round awarded to him, by KO or on time;
        // winPlayer cannot tell, since a time over leaves it as an earlier round set it.
        const int16_t winsBefore = p1.winCount;
        roundKOJudge(game, p1, p2);
        if (p1.winCount > winsBefore) s.roundRecording(p1);
    }
    if (t >= kPoseFrom && t <= kPoseTo) endPoses(game);
    if (t >= kFadeFrom && t <= kFadeTo) paletteDarkenStep(game);
    if (t == kRoundChangeTime) {
        battleRoundInit(game);
        screenClear(game, kMatchEndColour);
        screenFlip(game);
        fixedColorSet(game.engine.workPalette, 1);
        paletteSetEntries(game, game.engine.workPalette);
        s.roundInit();
        const int16_t needed = cint16(s.maxRoundCount + 1);
        if (p1.winCount > needed || p2.winCount > needed) matchOver = true;
    }
    if (!p1.tarGeting) p1.enableAction = false;
    p2.enableAction = false;
    return matchOver;
}

}  // namespace

void charaRoundInit(EngineContext& game, Character& chara) {
    charaBaseSet(chara, chara.charaname);
    chara.InitFlyArts();
    chara.InitSplite();
    TPCEnd(game, chara);
    chara.posY = cint16(kGroundLine - chara.bottom);
    chara.sPeed = 3;
    chara.viTality = kFullVitality;
    chara.stunPoint = 0;
    chara.OneHitDamage = 0;
    chara.TotalDamage = 0;
    chara.stunSwitch = stunNormal;
    chara.SPspacornTimer = 0;
    chara.slideVector = 0;
    chara.upVector = 0;
    chara.comboCount = 0;
    animChange(game, 0, chara);
}

void battleRoundInit(BattleContext& game) {
    BattleState& b = game.battle;
    b.damageLock = false;
    b.stageState.roundTimer = b.stageState.MaxRoundTime;
    charaRoundInit(game, b.player1);
    b.player1.PrimalPlayer = true;
    b.player1.posX = kPlayer1StartX;
    charaRoundInit(game, b.player2);
    b.player2.PrimalPlayer = false;
    b.player2.posX = kPlayer2StartX;
    b.scrollX = kStartScrollX;
    b.scrollY = kStartScrollY;
    if (game.engine.playMode == PlayMode::Tutorial && game.hooks)
        game.hooks->tutorialRoundInit(game);
}

void roundFinishStart(EngineContext& game, StateOfStage& stage, Character& winner, Character& loser) {
    stage.roundFinish = true;
    if (winner.spacornHit) {
        soundPlay(game, kSpacornKOSound);
        stage.spFinish = true;
    } else {
        soundPlay(game, kKOSound);
        stage.spFinish = false;
    }
    stage.finishStop = kFinishHoldMs;
    stage.KOslow = kKOSlowMs;
    loser.stunGauge = loser.stunPointMax;
    loser.stunSwitch = stunNormal;
    stage.FinishArts = winner.FAwasHit ? winner.artsFAName : winner.artsName;
}

void roundWinAward(EngineContext& game, Character& winner, Character& loser) {
    winner.winCount = cint16(winner.winCount + 1);
    if (loser.viTality != 0) {
        winner.winMarkSet(winMarkTimeOver);
        winner.SJSpoint = cint16(winner.SJSpoint - 10);
    } else if (winner.viTality == kFullVitality) {
        winner.winMarkSet(winMarkPerfect);
        winner.SJSpoint = cint16(winner.SJSpoint + 10);
    } else if (loser.sTate == stStandGuard || loser.sTate == stCrouchGuard) {
        winner.winMarkSet(winMarkGuardKO);
    } else if (winner.spacornHit) {
        winner.winMarkSet(winMarkSpacorn);
        winner.SJSpoint = cint16(winner.SJSpoint + 10);
    } else {
        winner.winMarkSet(winMarkKO);
    }
}

void roundKOJudge(EngineContext& game, Character& p1, Character& p2) {
    if (p1.viTality > p2.viTality) roundWinAward(game, p1, p2);
    if (p2.viTality > p1.viTality) roundWinAward(game, p2, p1);
}

bool battleJudge(BattleContext& game) {
    BattleState& b = game.battle;
    StateOfStage& s = b.stageState;
    Character& p1 = b.player1;
    Character& p2 = b.player2;
    // Player 1's K.O. ended the round in this frame: player 2's in the same frame makes it
    // a double K.O.
    Bool16 koFlag = kFalse;

    // A shutter a screen left closed opens as the battle starts.
    if (shutterTransition(game, kShutterGoOn) != kShutterOpened)
        shutterTransition(game, kShutterOpen);

    s.wholeTimer = cint16(s.wholeTimer + 1);
    bossStageIntro(game);

    if (s.wholeTimer < kFightFrame + 1) {
        if (s.wholeTimer == kReadyFrame) soundPlay(game, kReadyVoice);
        if (s.wholeTimer == kFightFrame) {
            soundPlay(game, kFightVoice);
            s.setCheckTime(game);
        }
        p1.enableAction = false;
        p2.enableAction = false;
    }
    if (s.wholeTimer > 10000) s.wholeTimer = 1000;

    if (p1.viTality <= 0) {
        p1.viTality = 0;
        if (!s.roundFinish) {
            targetingOnOff(game, p1, targetCancel, 0);
            roundFinishStart(game, s, p2, p1);
            koFlag = kTrue;
            s.winPlayer = 2;
        }
    }
    if (p2.viTality <= 0) {
        p2.viTality = 0;
        if (MoveSet* god = game.battle.moveSets.find(fighter::God))
            god->DefeatCheck(game, s, p1, p2);
        if (!s.roundFinish) {
            roundFinishStart(game, s, p1, p2);
            if (s.checkCounter == ladderstage::God && p1.winCount > s.maxRoundCount) {
                musicStopAll(game);
                s.checkCounter = ladderstage::GodDefeated;
            }
            comboBonusCalc(game, p2, true);
            s.winPlayer = 1;
            if (koFlag != 0) s.winPlayer = kDoubleKO;
        }
    }
    if (p1.viTality <= 0 && p2.viTality <= 0) s.winPlayer = kDoubleKO;

    bool matchOver = false;
    if (s.roundFinish) matchOver = decidedRoundStep(game);

    // Also in the frame of a round change, after the new round was set up.
    if (!s.roundFinish) {
        if (!s.IsTimerINFINITY(game, p2.NUMBER)) s.roundTimer = cint16(s.roundTimer - kTimerStep);
        if (s.wholeTimer > kFightFrame) s.getTotalSpentTime(game);
        if (s.roundTimer < 0) s.timeOver(game);
    }
    return matchOver;
}

}  // namespace morvek
