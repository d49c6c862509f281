#pragma once
// A fighter's frame-by-frame mechanics: pattern change, the animation stepper, facing,
// stun recovery and the physics of a frame.

#include <cstdint>

namespace morvek {

/// The pattern every fighter is knocked into the air with; the typing combo a fighter may
/// open from its fall carries the same number.
inline constexpr int16_t kAirHit = 310;

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
