#include "battle/AttackFrames.h"

#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "battle/Targets.h"
#include "battle/BattleContext.h"
#include "engine/DataTables.h"
#include "engine/Sound.h"

namespace morvek {

void setAttackFrame(BattleContext& game, Character& chara, int16_t ATFtype, double ATFHitSound,
                    double boxX, double boxY, double boxW, int16_t boxH, int16_t ATEanimPat,
                    int16_t ATFvectorX, int16_t ATFvectorY, int16_t controlX, int16_t controlY,
                    int16_t ATEzoomX, int16_t ATEzoomY, int16_t setLenge, int16_t gardableType) {
    if (chara.ATFflag == 0) {
        chara.ATFflag = 1;
        // The gain belongs to the power still held from the previous setAttackPower.
        spacornGaugeAdd(game, chara, chara.spacornPoint / 5.0);
    }
    chara.ATFtype = ATFtype;
    chara.ATFHitSound = cint16(ATFHitSound);
    chara.ATFvectorX = ATFvectorX;
    chara.ATFvectorY = ATFvectorY;
    chara.setLenge = setLenge;
    chara.ATEanimPat = ATEanimPat;
    chara.controlX = controlX;
    chara.controlY = controlY;
    chara.ATEzoomX = ATEzoomX;
    chara.ATEzoomY = ATEzoomY;
    chara.gardableType = gardableType;

    const double centre = chara.posX + game.battle.scrollX + chara.Width / 2.0;
    if (chara.dirStand == 1) {
        chara.ATFleft = cint16(centre + boxX);
    } else {
        chara.ATFleft = cint16(centre - (boxX + boxW));
    }
    chara.ATFright = cint16(chara.ATFleft + boxW);
    chara.ATFtop = cint16(chara.posY + game.battle.scrollY + boxY);
    chara.ATFbottom = cint16(chara.ATFtop + boxH);
}

void setAttackPower(Character& chara, int16_t attackPow1st, int16_t attackPow2nd,
                    int16_t attackPow3rd, bool normalorEX, int16_t stunPoint,
                    int16_t spacornPoint, bool spacornHit) {
    chara.attackPow1st = attackPow1st;
    chara.attackPow2nd = attackPow2nd;
    chara.attackPow3rd = attackPow3rd;
    chara.normalorEX = normalorEX;
    chara.stunPoint = stunPoint;
    chara.spacornPoint = spacornPoint;
    chara.spacornHit = spacornHit;
}

void attackHitApply(BattleContext& game, Character& attacker, Character& defender) {
    hitTakenStart(game, defender, attacker.spacornHit);
    attackKnockBack(game, defender, attacker);
    soundPlay(game, attacker.ATFHitSound);
    defender.nockLenge = attacker.setLenge;
    attackEffectSpawn(defender, attacker);
    defender.ATFflag = -1;
    hitTakenEnd(defender);
}

void attackKnockBack(EngineContext& game, Character& defender, Character& attacker) {
    const bool inAir = defender.floatorStand;
    switch (attacker.ATFtype) {
        case hitLight: lightHitPose(game, defender); break;
        case hitJuggle:
            attackVectorAdd(game, defender, attacker);
            break;
        case hitPostureOrJuggle:
            if (inAir) attackVectorAdd(game, defender, attacker);
            else hitAnimByPosture(game, defender);
            break;
        case hitPostureOrCarry:
            if (inAir) {
                // Carried along with the attacker.
                animChange(game, kAirHit, defender);
                defender.fallVector = attacker.fallVector;
                defender.upVector = attacker.upVector;
                defender.slideVector = attacker.slideVector;
            } else if (defender.NUMBER == fighter::God) {
                animChange(game, kAirHit, defender);
            } else {
                hitAnimByPosture(game, defender);
            }
            break;
        case hitCaught:
            animChange(game, kCaught, defender);
            break;
        case hitPostureOrLaunch:
            if (inAir) attackVectorSet(game, defender, attacker, -1);
            else hitAnimByPosture(game, defender);
            break;
        case hitLaunch:
            attackVectorSet(game, defender, attacker, -1);
            break;
        case hitLaunchAlways:
            attackVectorSet(game, defender, attacker, 0);
            break;
        case hitPostureOrLaunchAlways:
            if (inAir) attackVectorSet(game, defender, attacker, 0);
            else hitAnimByPosture(game, defender);
            break;
        default:  // hitNone and anything else: no reaction
            break;
    }
    // A fighter on the floor with vitality left always falls into the knock-down.
    if (defender.viTality > 0 &&
        (defender.sTate == stFloorHit || defender.sTate == stLyingDown)) {
        animChange(game, kKnockdownFall, defender);
    }
}

void attackVectorSet(EngineContext& game, Character& defender, Character& attacker, int16_t kind) {
    animChange(game, kAirHit, defender);
    if (defender.NUMBER == fighter::God) return;
    defender.slideVector = attacker.ATFvectorX * attacker.dirStand;
    defender.posY = cint16(defender.posY - 10);
    if (kind == -1 && defender.stunSwitch == stunStunned) return;
    if (kind == 0 || kind == -1) {
        defender.upVector = attacker.ATFvectorY;
        defender.fallVector = 0;
    }
}

void juggle(EngineContext& game, Character& victim, int16_t vectorX, int16_t vectorY, int16_t dir) {
    animChange(game, kAirHit, victim);
    if (victim.NUMBER == fighter::God) return;
    victim.posY = cint16(victim.posY - 10);
    victim.upVector += vectorY;
    if (victim.fallVector < 10) victim.fallVector = 0;
    if (victim.floatorStand && victim.upVector > 10) victim.upVector -= 10;
    victim.slideVector += vectorX * dir;
}

void attackVectorAdd(EngineContext& game, Character& defender, Character& attacker) {
    juggle(game, defender, attacker.ATFvectorX, attacker.ATFvectorY, attacker.dirStand);
}

void hitAnimByPosture(EngineContext& game, Character& defender) {
    animChange(game, defender.sTate == stCrouchGuard ? kCrouchingHit : kStandingHit, defender);
}

void lightHitPose(EngineContext& game, Character& defender) {
    animChange(game, defender.sTate == stCrouchGuard ? kCrouchingHit : kLightHit, defender);
}

void attackGarded(BattleContext& game, Character& defender, Character& attacker) {
    soundPlay(game, kGuardSound);
    defender.nockLenge = cint16(attacker.setLenge / 3.0 * 2);
    defender.enableAction = false;
    defender.gardFixTime = 10;
    attacker.ATEanimPat = kGuardSpark;
    attacker.attackWasHit = 2;
    attackEffectSpawn(defender, attacker);
    damageJudge(game, attacker, defender, false);
    if (defender.sTate == stStandGuard) animChange(game, kStandGuardHit, defender);
    if (defender.sTate == stCrouchGuard) animChange(game, kCrouchGuardHit, defender);
}

}  // namespace morvek
