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
/// The victim's reaction by the attacker's ATFtype (1-10).
void attackKnockBack(EngineContext& game, Character& defender, Character& attacker);
/// Knock-back setting the victim's motion: kind 0, or -1 (no vertical motion while stunned).
void attackVectorSet(EngineContext& game, Character& defender, Character& attacker, int16_t kind);
/// Juggle: adds the attack's vectors to the victim's motion.
void attackVectorAdd(EngineContext& game, Character& defender, Character& attacker);
/// The juggle of a melee or projectile hit: the victim is lifted 10 pixels into the air
/// hit and the knock-back (vectorX towards `dir`, vectorY upwards) added to its motion; a
/// slow fall is cancelled and a fast rise in the air is slowed. G O D only shows the hit.
void juggle(EngineContext& game, Character& victim, int16_t vectorX, int16_t vectorY, int16_t dir);
/// 350 from the crouching guard, 340 otherwise.
void hitAnimByPosture(EngineContext& game, Character& defender);
/// A light hit's reaction (type 1, melee or projectile): 350 from the crouching guard,
/// 300 otherwise.
void lightHitPose(EngineContext& game, Character& defender);
/// Guarded hit (note: defender first): guard sound, two thirds of the knock-back, guard
/// stun, guard spark, guarded damage, guarded-hit pattern.
void attackGarded(BattleContext& game, Character& defender, Character& attacker);

}  // namespace morvek
