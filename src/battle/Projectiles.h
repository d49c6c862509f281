#pragma once
// Projectiles: the launch protocol every move set follows (start, frame set-up, power
// set-up), the projectile animation step, projectile damage and score, and what happens
// when a projectile meets the other fighter: hit, guard, special guard, or nothing.
// The special guard reaction `blockingReaction` is shared with melee contacts.
//
// Projectile boxes hold world coordinates; the camera offset is added when they are tested.

#include <cstdint>

#include "platform/Surface8.h"

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;
struct flyArts;

// ---- launch and animation ----------------------------------------------------------

/// First call of every launch: the projectile runs, facing copied from the owner.
/// Force, RunTimer and the powers are left to the two set-up calls.
void flyArtsStart(EngineContext& game, flyArts& fa, Character& owner);

/// Shape, timing, reaction, effect and box insets; every value stored rounded to 16 bits.
void flyArtsFrameSet(flyArts& fa, double Width, double Height, double animPat, double RunTimer,
                     double ATFtype, double ATFHitSound, double ATEanimPat, double ATEzoomX,
                     double ATEzoomY, double setLenge, double AttackLeft, double AttackTop,
                     double AttackRight, double AttackBottom, double controlX, double controlY);

/// Powers and behaviour on contact. Note the order differs from setAttackPower.
void flyArtsPowerSet(flyArts& fa, int16_t attackPow1st, int16_t attackPow2nd,
                     int16_t attackPow3rd, int16_t stunPoint, int16_t spacornPoint,
                     int16_t eraseType, bool Force, bool normalorEX, bool drawOnChara,
                     bool spacornORnot);

/// One drawn frame of a projectile's animation: writes the sheet cell, counts the frames
/// shown (not while the action is frozen) and steps animPat by -step after holdFrames + 1.
/// `chara` is part of the move sets' calling convention and is not read.
void flyArtsAnimStep(BattleContext& game, Rect& srcRect, flyArts& fa, Character& chara, int16_t cellX,
                     int16_t cellY, int16_t holdFrames, int16_t step);

// ---- damage and score ----------------------------------------------------------------

/// Damage of a projectile contact, with the combo scaling of melee hits but no gauge gain.
void flyArtsDamage(BattleContext& game, flyArts& fa, Character& defender, bool cleanHit);
/// Points for a projectile hit on the computer.
void flyArtsScore(EngineContext& game, const flyArts& fa);

// ---- contact ---------------------------------------------------------------------

/// The whole contact of one forceful projectile of `owner` with `target` in this frame:
/// the computer's guard roll, the overlap test, the outcome and the projectile's erasure.
void flyArtsHitJudge(BattleContext& game, Character& owner, Character& target, flyArts& fa);

void flyArtsHitApply(BattleContext& game, flyArts& fa, Character& target);
void flyArtsKnockBack(EngineContext& game, Character& target, flyArts& fa);
void flyArtsVectorAdd(EngineContext& game, Character& target, flyArts& fa);
void flyArtsVectorSet(EngineContext& game, Character& target, flyArts& fa);
void flyArtsHitEffect(EngineContext& game, Character& target, flyArts& fa);
void flyArtsGarded(EngineContext& game, Character& target, flyArts& fa);

/// The special guard (guard outcome 2), for melee attacks and projectiles alike.
void blockingReaction(EngineContext& game, Character& defender, Character& attacker);

/// The screen-coordinate attack box of a projectile (its frame less the insets, plus the
/// camera offset; never mirrored). Also used by the clash test.
Rect flyArtsBox(const BattleContext& game, const flyArts& fa);

/// Draws one running projectile of owner from sheet (asking owner's move set its frame).
void drawFlyArtsSprite(BattleContext& game, flyArts& fa, Character& owner, const Surface8& sheet);

}  // namespace morvek
