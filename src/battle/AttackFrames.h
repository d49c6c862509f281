#pragma once
// Melee attack frames and the reactions to them. An attack exists only as the attacker's
// attack frame: a box in screen coordinates with its type, sound, effect, knock-back and
// guard type, and its power, written by the move set's action script on every frame of an
// attack pattern. The collision phase applies the clean-hit or guarded reaction.

#include <cstdint>

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;

/// The reaction a blow asks of its victim (ATFtype), melee and projectile alike. The hit
/// pose by posture is kStandingHit, or kCrouchingHit from the crouching guard; a juggle
/// adds the blow's knock-back to the victim's motion, a launch sets it. A projectile
/// answers 1-4 and 7 only: 3 with the posture in the air too, 7 launching the just
/// stunned as well.
enum HitReaction : int16_t {
    hitLight = 1,                  ///< the light hit pose
    hitJuggle = 2,                 ///< juggled, on the ground as in the air
    hitPostureOrJuggle = 3,        ///< the posture on the ground, juggled in the air
    hitPostureOrCarry = 4,         ///< the posture on the ground, carried along in the air
    hitCaught = 5,                 ///< caught (kCaught)
    hitNone = 6,                   ///< no reaction: the blow counts all the same
    hitPostureOrLaunch = 7,        ///< the posture on the ground, launched in the air
    hitLaunch = 8,                 ///< launched; a fighter just stunned is only slid
    hitLaunchAlways = 9,           ///< launched, the just stunned as well
    hitPostureOrLaunchAlways = 10, ///< the posture on the ground, launched always in the air
};

/// Opens (or refreshes) the attack frame. The first call after a pattern change opens it
/// and pays the attacker a fifth of the spacorn point still held from the previous
/// setAttackPower. boxX is measured from the body centre in the facing direction, boxY
/// from posY.
void setAttackFrame(BattleContext& game, Character& chara, int16_t ATFtype, double ATFHitSound,
                    double boxX, double boxY, double boxW, int16_t boxH, int16_t ATEanimPat,
                    int16_t ATFvectorX, int16_t ATFvectorY, int16_t controlX, int16_t controlY,
                    int16_t ATEzoomX, int16_t ATEzoomY, int16_t setLenge, int16_t gardableType);

/// Stores the attack's power; nothing else.
void setAttackPower(Character& chara, int16_t attackPow1st, int16_t attackPow2nd,
                    int16_t attackPow3rd, bool normalorEX, int16_t stunPoint,
                    int16_t spacornPoint, bool spacornHit);

/// Clean hit: combo count, reaction by attack type, sound, knock-back, effect, hit state.
void attackHitApply(BattleContext& game, Character& attacker, Character& defender);
/// The victim's reaction by the attacker's ATFtype (HitReaction).
void attackKnockBack(EngineContext& game, Character& defender, Character& attacker);
/// Knock-back setting the victim's motion: kind 0, or -1 (no vertical motion while stunned).
void attackVectorSet(EngineContext& game, Character& defender, Character& attacker, int16_t kind);
/// Juggle: adds the attack's vectors to the victim's motion.
void attackVectorAdd(EngineContext& game, Character& defender, Character& attacker);
/// The juggle of a melee or projectile hit: the victim is lifted 10 pixels into the air
/// hit and the knock-back (vectorX towards `dir`, vectorY upwards) added to its motion; a
/// slow fall is cancelled and a fast rise in the air is slowed. G O D only shows the hit.
void juggle(EngineContext& game, Character& victim, int16_t vectorX, int16_t vectorY, int16_t dir);
/// kCrouchingHit from the crouching guard, kStandingHit otherwise.
void hitAnimByPosture(EngineContext& game, Character& defender);
/// A light hit's reaction (hitLight, melee or projectile): kCrouchingHit from the
/// crouching guard, kLightHit otherwise.
void lightHitPose(EngineContext& game, Character& defender);
/// Guarded hit (note: defender first): guard sound, two thirds of the knock-back, guard
/// stun, guard spark, guarded damage, guarded-hit pattern.
void attackGarded(BattleContext& game, Character& defender, Character& attacker);

}  // namespace morvek
