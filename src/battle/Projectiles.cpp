#include "battle/Projectiles.h"

#include <algorithm>

#include "battle/AttackFrames.h"
#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/Damage.h"
#include "battle/Collision.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "battle/Targets.h"
#include "battle/BattleContext.h"
#include "engine/DataTables.h"
#include "engine/Sound.h"

namespace morvek {

namespace {

constexpr int16_t kBlockingSound = 26;  // "blocking.wav"

}  // namespace

// ---- launch and animation ------------------------------------------------------------

void flyArtsStart(EngineContext& game, flyArts& fa, Character& owner) {
    fa.animCounter = 0;
    fa.Running = true;
    fa.stRength = 0;
    owner.artsFAName = owner.artsName;
    fa.dirStand = owner.dirStand;
    fa.ATFvectorX = 0;
    fa.ATFvectorY = 0;
    fa.genericCounter = 0;
}

void flyArtsFrameSet(flyArts& fa, double Width, double Height, double animPat, double RunTimer,
                     double ATFtype, double ATFHitSound, double ATEanimPat, double ATEzoomX,
                     double ATEzoomY, double setLenge, double AttackLeft, double AttackTop,
                     double AttackRight, double AttackBottom, double controlX, double controlY) {
    fa.Width = cint16(Width);
    fa.Height = cint16(Height);
    fa.animPat = cint16(animPat);
    fa.RunTimer = cint16(RunTimer);
    fa.ATFtype = cint16(ATFtype);
    fa.ATFHitSound = cint16(ATFHitSound);
    fa.ATEanimPat = cint16(ATEanimPat);
    fa.ATEzoomX = cint16(ATEzoomX);
    fa.ATEzoomY = cint16(ATEzoomY);
    fa.setLenge = cint16(setLenge);
    fa.AttackLeft = cint16(AttackLeft);
    fa.AttackTop = cint16(AttackTop);
    fa.AttackRight = cint16(AttackRight);
    fa.AttackBottom = cint16(AttackBottom);
    fa.controlX = cint16(controlX);
    fa.controlY = cint16(controlY);
}

void flyArtsPowerSet(flyArts& fa, int16_t attackPow1st, int16_t attackPow2nd,
                     int16_t attackPow3rd, int16_t stunPoint, int16_t spacornPoint,
                     int16_t eraseType, bool Force, bool normalorEX, bool drawOnChara,
                     bool spacornORnot) {
    fa.attackPow1st = attackPow1st;
    fa.attackPow2nd = attackPow2nd;
    fa.attackPow3rd = attackPow3rd;
    fa.stunPoint = stunPoint;
    fa.spacornPoint = spacornPoint;
    fa.eraseType = eraseType;
    fa.Force = Force;
    fa.normalorEX = normalorEX;
    fa.drawOnChara = drawOnChara;
    fa.spacornORnot = spacornORnot;
}

void flyArtsAnimStep(BattleContext& game, Rect& srcRect, flyArts& fa, Character& /*chara*/,
                     int16_t cellX, int16_t cellY, int16_t holdFrames, int16_t step) {
    srcRect = Rect{cellX, cellY, cellX + fa.Width, cellY + fa.Height};
    if (!game.battle.freezeFlag) fa.animCounter = cint16(fa.animCounter + 1);
    if (fa.animCounter > holdFrames) {
        fa.animCounter = 0;
        fa.animPat = cint16(fa.animPat - step);
    }
}

// ---- damage and score ------------------------------------------------------------------

void flyArtsDamage(BattleContext& game, flyArts& fa, Character& defender, bool cleanHit) {
    if (game.battle.damageLock) return;
    // Unlike a melee hit, the stun is judged at the place the hit came in at.
    const int32_t c = comboPlaceOfHit(defender);
    const double dmg = comboDamage(defender, c, fa.attackPow1st, fa.attackPow2nd, fa.attackPow3rd);
    if (cleanHit) {
        if (!defender.PrimalPlayer) flyArtsScore(game, fa);
        takeHitDamage(defender, dmg);
        takeStun(defender, fa.stunPoint, c);
    }
    finishHit(defender, dmg, cleanHit, fa.normalorEX);
}

void flyArtsScore(EngineContext& game, const flyArts& fa) {
    const int16_t s = cint16(fa.attackPow1st + fa.attackPow2nd + fa.attackPow3rd + fa.stunPoint +
                             fa.spacornPoint);
    int32_t points = 500;
    if (s >= 0 && s <= 24) points = 100;
    else if (s >= 25 && s <= 34) points = 200;
    else if (s >= 35 && s <= 44) points = 300;
    else if (s >= 45 && s <= 60) points = 400;
    game.engine.gameScore += points;
}

// ---- contact ---------------------------------------------------------------------------

Rect flyArtsBox(const BattleContext& game, const flyArts& fa) {
    const int32_t sx = game.battle.scrollX;
    const int32_t sy = game.battle.scrollY;
    return Rect{fa.ATFleft + fa.AttackLeft + sx, fa.ATFtop + fa.AttackTop + sy,
                fa.ATFright - fa.AttackRight + sx, fa.ATFbottom - fa.AttackBottom + sy};
}

void flyArtsHitJudge(BattleContext& game, Character& owner, Character& target, flyArts& fa) {
    const Rect body = bodyBox(game, target);
    const Rect box = flyArtsBox(game, fa);
    // The computer rolls on every frame a projectile is offered, overlap or not. Only the
    // state changes; the pattern stays.
    cpuGuardRoll(game, target, fa.gardableType);

    const int16_t cross = rectCross(body, box, target.sTate, 0);
    if (cross != crossOverlap && cross != crossUnpushed) return;

    owner.FAwasHit = true;
    owner.spacornHit = fa.spacornORnot;
    switch (gardJudge(fa.gardableType, target, false)) {
        case guardHit:
            flyArtsHitApply(game, fa, target);
            flyArtsDamage(game, fa, target, true);
            owner.attackWasHit = 1;
            break;
        case guardGuarded:
            flyArtsGarded(game, target, fa);
            flyArtsDamage(game, fa, target, false);
            owner.attackWasHit = 2;
            break;
        case guardSpecial:
            blockingReaction(game, target, owner);
            break;
        default:
            break;
    }
    if (fa.eraseType == 1) fa.Running = false;
    else if (fa.eraseType == 2) fa.Force = false;
}

void flyArtsHitApply(BattleContext& game, flyArts& fa, Character& target) {
    hitTakenStart(game, target, fa.spacornORnot);
    flyArtsKnockBack(game, target, fa);
    soundPlay(game, fa.ATFHitSound);
    target.nockLenge = fa.setLenge;
    flyArtsHitEffect(game, target, fa);
    hitTakenEnd(target);
}

void flyArtsKnockBack(EngineContext& game, Character& target, flyArts& fa) {
    const int16_t before = target.sTate;
    const int16_t posture = target.sTate == stCrouchGuard ? kCrouchingHit : kStandingHit;
    switch (fa.ATFtype) {
        case hitLight: lightHitPose(game, target); break;
        case hitJuggle:
            flyArtsVectorAdd(game, target, fa);
            break;
        case hitPostureOrJuggle:
            animChange(game, posture, target);
            break;
        case hitPostureOrCarry:
            if (target.posY == kGroundLine - target.bottom) {
                animChange(game, posture, target);
                if (target.NUMBER == fighter::God) animChange(game, kAirHit, target);
            } else {
                animChange(game, kAirHit, target);
                target.slideVector = fa.slideVector;
                target.upVector = fa.upVector;
                target.fallVector = fa.fallVector;
            }
            break;
        case hitPostureOrLaunch:
            if (!target.floatorStand) animChange(game, posture, target);
            else flyArtsVectorSet(game, target, fa);
            break;
        default:  // hitCaught, hitNone, 8-10 and anything else: no reaction
            break;
    }
    if (before == stFloorHit && target.viTality > 0) animChange(game, kKnockdownFall, target);
}

void flyArtsVectorAdd(EngineContext& game, Character& target, flyArts& fa) {
    juggle(game, target, fa.ATFvectorX, fa.ATFvectorY, fa.dirStand);
}

void flyArtsVectorSet(EngineContext& game, Character& target, flyArts& fa) {
    animChange(game, kAirHit, target);
    if (target.NUMBER == fighter::God) return;
    target.posY = cint16(target.posY - 10);
    target.upVector = fa.ATFvectorY;
    target.fallVector = 0;
    target.slideVector = fa.ATFvectorX * fa.dirStand;
}

void flyArtsHitEffect(EngineContext& game, Character& target, flyArts& fa) {
    Splite& sp = target.returningOneSplite();
    sp.animPat = fa.ATEanimPat;
    const double side = fa.dirStand == 1 ? -fa.controlX : fa.controlX;
    if (fa.drawOnChara) {
        sp.posX = cint16(target.posX + target.Width / 2.0 + side);
        sp.posY = cint16(target.posY + fa.controlY);
    } else {
        sp.posX = cint16(fa.ATFleft + fa.Width / 2.0 + side);
        sp.posY = cint16(fa.posY + fa.controlY);
    }
    sp.Width = cint16(fa.ATEzoomX + 100);
    sp.Height = cint16(fa.ATEzoomY + 100);
    sp.dirStand = fa.dirStand;
}

void flyArtsGarded(EngineContext& game, Character& target, flyArts& fa) {
    soundPlay(game, kGuardSound);
    target.nockLenge = cint16(fa.setLenge / 3.0 * 2);
    target.gardFixTime = 10;
    target.enableAction = false;
    // The projectile keeps the guard spark for any later contact.
    fa.ATEanimPat = kGuardSpark;
    flyArtsHitEffect(game, target, fa);
    if (target.sTate == stStandGuard) animChange(game, kStandGuardHit, target);
    if (target.sTate == stCrouchGuard) animChange(game, kCrouchGuardHit, target);
}

void blockingReaction(EngineContext& game, Character& defender, Character& attacker) {
    animChange(game, 390, defender);
    soundPlay(game, kBlockingSound);
    defender.sTate = stSpecialGuard;
    attackEffectSet(defender, 35, 50, 0, 100, 100);
    attackEffectSpawn(attacker, defender);
    defender.enableAction = true;
    defender.sTate = stRecover;
    spacornGaugeAdd(game, defender, 10);
    if (defender.floatorStand) {
        defender.upVector = 3;
        defender.fallVector = 0;
        defender.slideVector = defender.slideVector / 2;
    }
}

void drawFlyArtsSprite(BattleContext& game, flyArts& fa, Character& owner, const Surface8& sheet) {
    Rect src{};
    owner.FlyArtsAnimPat(game, owner, src, fa);
    // A frame the move set does not know leaves the cell empty: nothing is drawn.
    if (src.empty()) return;
    const int32_t sx = game.battle.scrollX, sy = game.battle.scrollY;
    const Rect dst{fa.ATFleft + sx, fa.ATFtop + sy, fa.ATFright + sx, fa.ATFbottom + sy};
    blit(game.engine.backBuffer, dst, sheet, src,
         BlitKeyed | (fa.dirStand == -1 ? BlitMirror : BlitCopy));
}

}  // namespace morvek
