#pragma once
// A fighter's frame-by-frame mechanics: pattern change, the animation stepper, facing,
// stun recovery and the physics of a frame.

#include <cstdint>

namespace morvek {

/// The pattern every fighter is knocked into the air with; the typing combo a fighter may
/// open from its fall carries the same number.
inline constexpr int16_t kAirHit = 310;

// The other patterns the battle starts on any fighter when it is struck, guards, falls or
// gets up; every fighter's pattern table answers them.
/// The light blow's hit pose, and the hit poses by posture (standing, or from the
/// crouching guard).
inline constexpr int16_t kLightHit = 300;
inline constexpr int16_t kStandingHit = 340;
inline constexpr int16_t kCrouchingHit = 350;
/// The knock-down fall: any blow on a fighter still alive on the floor ends in it.
inline constexpr int16_t kKnockdownFall = 370;
/// Caught by a grab: the reaction to a catching blow and to NANGIEF's throws.
inline constexpr int16_t kCaught = 410;
/// The standing and the crouching guard, started by a guard key.
inline constexpr int16_t kStandGuard = 30;
inline constexpr int16_t kCrouchGuard = 40;
/// A blow taken in the standing and in the crouching guard.
inline constexpr int16_t kStandGuardHit = 35;
inline constexpr int16_t kCrouchGuardHit = 45;
/// Dizzy, once a stunned fighter is back in neutral.
inline constexpr int16_t kDizzy = 180;
/// Down for good: no vitality left.
inline constexpr int16_t kKnockedOut = 400;
/// Getting up from the floor: in place, or with a hop.
inline constexpr int16_t kGetUp = 450;
inline constexpr int16_t kGetUpHop = 460;

/// The guard spark: the effect sprite (not a fighter pattern) a guarded blow shows in place
/// of its hit effect.
inline constexpr int16_t kGuardSpark = 20;

struct BattleContext;
struct EngineContext;
class Character;

/// Starts a pattern: clears its timer, sound flag, attack flag and hit result.
void animChange(EngineContext& game, int16_t pattern, Character& chara);
/// One animation tick of a fighter, with its guard stun.
void animTimerCount(EngineContext& game, Character& chara);
/// Facing of both fighters and their stun recovery (called with player1, player2).
void faceAndStunRecover(BattleContext& game, Character& p1, Character& p2);
/// Turns me towards other, whatever my state.
void faceOpponent(EngineContext& game, Character& me, const Character& other);
/// One physics frame of me: rise, slide, gravity, landing, knock-back, stage bounds.
void physicsStep(EngineContext& game, Character& me, Character& other);
/// Puts a fighter on the ground.
void landing(EngineContext& game, Character& chara);

}  // namespace morvek
