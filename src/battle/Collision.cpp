#include "battle/Collision.h"

#include <cstdlib>

#include "battle/AttackFrames.h"
#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/Damage.h"
#include "battle/Projectiles.h"
#include "battle/BattleContext.h"

namespace morvek {

namespace {

bool onGround(const Character& c) { return c.posY == kGroundLine - c.bottom; }

}  // namespace

Rect bodyBox(const BattleContext& game, const Character& chara) {
    const double sx = game.battle.scrollX;
    const double left = chara.dirStand == 1
                            ? chara.posX + sx + chara.hitFieldLeft
                            : chara.posX + sx + chara.hitFieldRight;
    const double right = chara.dirStand == 1
                             ? chara.posX + sx + chara.Width - chara.hitFieldRight
                             : chara.posX + sx + chara.Width - chara.hitFieldLeft;
    Rect r;
    r.left = cint16(left);
    r.right = cint16(right);
    r.top = cint16(game.battle.scrollY + chara.posY + chara.hitFieldTop);
    r.bottom = cint16(game.battle.scrollY + chara.posY + chara.Height - chara.hitFieldBottom);
    return r;
}

int16_t rectCross(const Rect& a, const Rect& b, int16_t typeA, int16_t typeB) {
    const bool overlap =
        a.bottom >= b.top && a.top <= b.bottom && a.right >= b.left && a.left <= b.right;
    if (!overlap) return crossApart;
    if (std::abs(typeA) == stUnpushed || std::abs(typeB) == stUnpushed) return crossUnpushed;
    if (std::abs(typeA) == stSpecialArt) return crossUnhittable;
    return crossOverlap;
}

void collisionPhase(BattleContext& game, Character& p1, Character& p2) {
    bodyPush(game, p1, p2);
    bodyPush(game, p2, p1);
    attackCheckBoth(game, p1, p2);
    p1.HitCheckFlyArts(game, p2);
    p2.HitCheckFlyArts(game, p1);
}

void bodyPush(BattleContext& game, Character& a, Character& b) {
    const Rect boxA = bodyBox(game, a);
    const Rect boxB = bodyBox(game, b);
    const int16_t cross = rectCross(boxA, boxB, a.sTate, b.sTate);
    if (cross != crossOverlap && cross != crossUnhittable) return;

    int16_t amountR = 1;
    int16_t amountL = 1;
    if ((onGround(a) && onGround(b)) || std::abs(a.sTate) == stAirPush) {
        amountR = cint16((boxA.right - boxB.left) / 2.0);
        amountL = cint16((boxB.right - boxA.left) / 2.0);
    }
    const int16_t amount = a.LeftOrRight == 1 ? amountR : amountL;
    a.posX -= a.LeftOrRight * amount;
    b.posX -= b.LeftOrRight * amount;
}

void attackCheckBoth(BattleContext& game, Character& a, Character& b) {
    const bool ra = attackHitJudge(game, a, b);
    const bool rb = attackHitJudge(game, b, a);
    if (ra) attackResult(game, a, b);
    if (rb) attackResult(game, b, a);
}

void attackCheckOne(BattleContext& game, Character& a, Character& b) {
    if (attackHitJudge(game, a, b)) attackResult(game, a, b);
}

bool cpuGuardRoll(EngineContext& game, Character& defender, int16_t gardableType) {
    if (defender.PrimalPlayer || defender.TPC || !defender.enableAction) return false;
    const double r = Int(game.random.next() * 20 + 1);
    if (defender.cpuLevel >= r + 15) {
        if (defender.NUMBER != fighter::Buri && defender.NUMBER != fighter::God)
            defender.sTate = stSpecialGuard;
        return false;
    }
    if (defender.cpuLevel >= r && !defender.floatorStand && defender.NUMBER != fighter::God) {
        if (gardableType == guardableEither || gardableType == guardableStanding) {
            defender.sTate = stStandGuard;
        } else if (gardableType == guardableCrouching) {
            defender.sTate = stCrouchGuard;
        }
        return true;
    }
    return false;
}

bool attackHitJudge(BattleContext& game, Character& attacker, Character& defender) {
    if (attacker.ATFflag != 1) return false;
    const Rect attackBox{attacker.ATFleft, attacker.ATFtop, attacker.ATFright, attacker.ATFbottom};
    const Rect body = bodyBox(game, defender);
    // A computer that decides to guard drops its own attack frame for this phase; its
    // action script opens it again with its next setAttackFrame.
    if (cpuGuardRoll(game, defender, attacker.gardableType)) defender.ATFflag = 0;
    const int16_t cross = rectCross(attackBox, body, defender.sTate, 0);
    return cross == crossOverlap || cross == crossUnpushed;
}

void attackResult(BattleContext& game, Character& attacker, Character& defender) {
    attacker.ATFflag = -1;
    attacker.FAwasHit = false;
    const int16_t g = gardJudge(attacker.gardableType, defender, attacker.floatorStand);
    switch (g) {
        case guardHit:
            attackHitApply(game, attacker, defender);
            damageJudge(game, attacker, defender, true);
            attacker.attackWasHit = 1;
            break;
        case guardGuarded:
            attackGarded(game, defender, attacker);
            break;
        case guardSpecial:
            blockingReaction(game, defender, attacker);
            break;
        default:
            break;
    }
}

int16_t gardJudge(int16_t gardableType, const Character& defender, bool attackerAirborne) {
    int16_t g = guardHit;
    const int16_t st = defender.sTate;
    switch (gardableType) {
        case guardableEither:
            if (st == stStandGuard || st == stCrouchGuard) g = guardGuarded;
            break;
        case guardableCrouching:
            if (st == stCrouchGuard) g = guardGuarded;
            break;
        case guardableStanding:
            if (st == stStandGuard) g = guardGuarded;
            break;
        case unguardableSameLevel:
            if (attackerAirborne != defender.floatorStand) g = guardNoEffect;
            break;
        default:  // unguardable, unguardableEvenSpecial and any other value
            break;
    }
    if (st == stSpecialGuard && gardableType != unguardableSameLevel &&
        gardableType != unguardableEvenSpecial)
        g = guardSpecial;
    return g;
}

}  // namespace morvek
