#pragma once
// The collision phase of a frame: bodies push each other apart, each open melee attack is
// tested against the other fighter's body (both before either is applied, so attacks that
// meet in one frame trade), the computer may decide to guard at that moment, and each
// contact is judged as hit, guard, special guard or nothing.
//
// Boxes are compared in screen coordinates (world plus the camera offset). Rectangles are
// left, top, right, bottom; touching edges count as overlap.

#include <cstdint>

#include "platform/Surface8.h"

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;

/// How a blow may be guarded (gardableType). The computer's special guard meets every
/// type but unguardableSameLevel and unguardableEvenSpecial; any other value is unguardable.
enum GuardType : int16_t {
    guardableEither = 0,         ///< by the standing or the crouching guard
    guardableCrouching = 1,      ///< by the crouching guard only
    guardableStanding = 2,       ///< by the standing guard only
    unguardableSameLevel = 3,    ///< hits only on its own level (both fighters on the
                                 ///< ground or both in the air), else spent without effect
    unguardable = 4,
    unguardableEvenSpecial = 5,  ///< not even the special guard meets it
};

/// Outcome of gardJudge.
enum GuardResult : int16_t {
    guardHit = 0,
    guardGuarded = 1,
    guardSpecial = 2,
    guardNoEffect = 3,
};

/// Once per frame with (player1, player2): pushes, melee, then each side's projectiles.
void collisionPhase(BattleContext& game, Character& p1, Character& p2);

/// Pushes a and b apart when their bodies overlap: by half the overlap on the ground
/// (or when a is in state stAirPush / -stAirPush), by 1 pixel otherwise. States stUnpushed
/// and -stUnpushed never push.
void bodyPush(BattleContext& game, Character& a, Character& b);

/// Both fighters' attacks judged before either is applied.
void attackCheckBoth(BattleContext& game, Character& a, Character& b);
/// a's attack only (a servant's attack on the opponent).
void attackCheckOne(BattleContext& game, Character& a, Character& b);

/// True when attacker's open attack box meets defender's body in a hittable state. May put
/// a computer defender into a guard state first (the guard roll draws the random source).
bool attackHitJudge(BattleContext& game, Character& attacker, Character& defender);

/// Resolves one melee contact: hit, guard, special guard or nothing.
void attackResult(BattleContext& game, Character& attacker, Character& defender);

/// The guard result for an attack of gardableType on defender.
int16_t gardJudge(int16_t gardableType, const Character& defender, bool attackerAirborne);

/// Outcome of rectCross, whose kinds are the owners' states (0 for a box that has none).
enum CrossResult : int16_t {
    crossApart = 0,
    crossOverlap = 1,
    crossUnhittable = 2,  ///< overlap, the first in a special art or getting up: no melee
    crossUnpushed = 3,    ///< overlap, one of them in state stUnpushed or -stUnpushed: no push
};

/// crossApart without overlap; else crossUnpushed if |typeA| or |typeB| is stUnpushed,
/// else crossUnhittable if |typeA| is stSpecialArt (stGetUp is its negative), else
/// crossOverlap.
int16_t rectCross(const Rect& a, const Rect& b, int16_t typeA, int16_t typeB);

/// A fighter's body box (hurt box and push box) in screen coordinates; the insets are
/// mirrored when it faces left.
Rect bodyBox(const BattleContext& game, const Character& chara);

/// The computer's guard roll against an open attack of the given guard type. Shared by the
/// melee and projectile judges; returns true when the ordinary guard branch was taken.
bool cpuGuardRoll(EngineContext& game, Character& defender, int16_t gardableType);

}  // namespace morvek
