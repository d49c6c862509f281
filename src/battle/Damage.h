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
