#pragma once
// Damage of a melee contact with its combo scaling, the gauge gains, stun and EX chip; the
// human's score per clean hit; the end of a combo at the victim's next neutral pose; and
// the combo bonus of a combo the human landed on the computer.

#include <cstdint>

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;

/// The last combo bonus, shown for 60 frames.
struct ComboBonusState {
    int32_t comboBonusHits = 0;
    int32_t comboBonusValue = 0;
    int16_t comboBonusTimer = 0;   ///< 0 off, 1-60 showing
    bool comboBonusFinish = false;
    bool comboBonusSpacorn = false;
};

// ---- the core melee and projectile hits share --------------------------------------------

/// The defender's place in the combo a hit is judged at: a first hit counts as one.
int32_t comboPlaceOfHit(Character& defender);
/// The damage of an attack of power (pow1, pow2, pow3) as the `place`-th hit of a combo:
/// the first part shrinks with the place, the second towards the 50th hit, the defence
/// comes off, and at least 1 is left; a powerless attack deals 0 and is taken back out of
/// the combo count.
double comboDamage(Character& defender, int32_t place, int16_t pow1, int16_t pow2, int16_t pow3);
/// A clean hit's damage off the vitality (never more than is left, never a heal after an
/// earlier chip), counted in the defender's totals; returns what was taken.
double takeHitDamage(Character& defender, double dmg);
/// A clean hit's stun at combo place `place`; true when the stun gauge broke (the defender
/// is then dizzy at its next neutral pose).
bool takeStun(Character& defender, int16_t stunPoint, int32_t place);
/// The end of every hit: a guarded EX art chips a twentieth of the damage off (not limited
/// by the vitality left), and the defender's knock-back time starts.
void finishHit(Character& defender, double dmg, bool cleanHit, bool ex);

/// What a clean hit does to the defender before its knock-back: the human's targeting is
/// cancelled, the hit counts in the combo, no action or guard until it recovers, and a
/// super-art hit is marked.
void hitTakenStart(BattleContext& game, Character& defender, bool spacornHit);
/// ... and after its effect: the hit state, the typing combo broken, and a dizzy fighter
/// woken with a full stun gauge.
void hitTakenEnd(Character& defender);

/// cleanHit true after a clean hit, false after a guarded one.
void damageJudge(BattleContext& game, Character& attacker, Character& defender, bool cleanHit);
/// Score for the human's clean hit with the attacker's current attack.
void hitScoreAdd(EngineContext& game, const Character& attacker);
/// The fighter is back in a neutral pose: dizzy start, dizzy end, or combo end; KO pose
/// when no vitality is left.
void neutralReturnCheck(BattleContext& game, Character& chara);
/// The combo bonus of the victim's combo (arcade only, computer victims, 2 hits or more).
void comboBonusCalc(BattleContext& game, Character& victim, bool finish);
/// Shows the last bonus while its timer runs.
void drawComboBonus(BattleContext& game);

}  // namespace morvek
