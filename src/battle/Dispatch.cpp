#include "battle/Dispatch.h"

#include "battle/Targets.h"
#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/Mechanics.h"
#include "battle/PlayerInput.h"
#include "battle/BattleContext.h"
#include "battle/MoveSet.h"

namespace morvek {

MoveSet* moveSetOf(BattleContext& game, const Character& chara) {
    return game.battle.moveSets.find(chara.NUMBER);
}

void animPatternDispatch(BattleContext& game, Rect& srcRect, Character& chara) {
    if (MoveSet* set = moveSetOf(game, chara)) {
        set->AnimPattern(game, chara, srcRect);
        set->HitFieldSet(game, chara);
    }
}

void animActionDispatch(BattleContext& game, Character& chara, Character& opponent) {
    const int16_t number = chara.NUMBER;
    MoveSet* set = game.battle.moveSets.find(number);
    if (!set) return;
    set->AnimAction(game, chara, opponent);
    // The fighters with servants split their action script into an action and an attack
    // part, which their servants run too.
    if (hasServants(number)) set->AnimAttack(game, chara);
}

void servantAnimAttackDispatch(BattleContext& game, Character& chara) {
    const int16_t number = chara.NUMBER;
    if (!hasServants(number)) return;
    if (MoveSet* set = game.battle.moveSets.find(number)) set->AnimAttack(game, chara);
}

void attackSelectDispatch(BattleContext& game, Character& chara, int16_t targetKey) {
    chara.enableAction = false;
    if (MoveSet* set = moveSetOf(game, chara)) set->AttackSelect(game, chara, targetKey);
}

void moveSelectDispatch(BattleContext& game, Character& chara, int16_t targetKey) {
    if (MoveSet* set = moveSetOf(game, chara)) set->MoveSelect(game, chara, targetKey);
}

void TPCFollowDispatch(BattleContext& game, Character& chara) {
    // During a running spacorn the word just typed gets a fresh letter first.
    if (chara.spacornTimer != 0) randomTargetSet(game, chara.inputKeyNum);
    if (MoveSet* set = moveSetOf(game, chara)) set->TPCFollow(game, chara);
}

void TPCSecondDispatch(BattleContext& game, Character& chara) {
    if (MoveSet* set = moveSetOf(game, chara)) set->TPCSecond(game, chara);
}

void gardAndTurnKey(BattleContext& game, Character& chara, int16_t key) {
    // Guard.
    const int16_t s = chara.sTate;
    if ((s == stStand || s == stStandGuard || s == stCrouchGuard || s == stRecover ||
         chara.enableGard) &&
        !chara.floatorStand) {
        if (key == kGuardRightHigh || key == kGuardLeftHigh) chara.sTate = stStandGuard;
        if (key == kGuardRightLow || key == kGuardLeftLow) chara.sTate = stCrouchGuard;
        if ((key == kGuardRightHigh && chara.LeftOrRight == 1) ||
            (key == kGuardLeftHigh && chara.LeftOrRight == -1)) {
            animChange(game, kStandGuard, chara);
            chara.dirStand = chara.LeftOrRight;
        }
        if ((key == kGuardRightLow && chara.LeftOrRight == 1) ||
            (key == kGuardLeftLow && chara.LeftOrRight == -1)) {
            animChange(game, kCrouchGuard, chara);
            chara.dirStand = chara.LeftOrRight;
        }
    }
    // Holding the guard: the guard pattern does not advance while the key is held.
    if (key > 0 && (chara.sTate == stStandGuard || chara.sTate == stCrouchGuard)) {
        chara.animTimer = 0;
        if (chara.tarGeting) targetingOnOff(game, chara, targetCancel, 0);
    }
    // Getting up.
    if (chara.sTate == stLyingDown && chara.stunSwitch == stunNormal) {
        chara.enableGard = false;
        chara.enableAction = false;
        chara.sTate = stGetUp;
        if ((key == kGuardRightHigh && chara.LeftOrRight == 1) ||
            (key == kGuardLeftHigh && chara.LeftOrRight == -1)) {
            animChange(game, kGetUpHop, chara);
            chara.dirStand = chara.LeftOrRight;
            chara.posY = cint16(chara.posY - 10);
            chara.upVector = 5;
        }
        if ((key == kGuardRightLow && chara.LeftOrRight == 1) ||
            (key == kGuardLeftLow && chara.LeftOrRight == -1)) {
            animChange(game, kGetUp, chara);
            chara.dirStand = chara.LeftOrRight;
        }
    }
}

}  // namespace morvek
