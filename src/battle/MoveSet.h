#pragma once
// The move-set interface: every fighter's module provides these procedures (slots).
// The engine reaches a module only through the dispatchers (battle/Dispatch.h), the
// projectile procedures of Character, the computer's tick and the bosses' stage
// procedures; a module never calls another module. Every default does nothing, so a module leaves out what its fighter
// lacks (HONEKAWA has no projectiles, only MORVEKBOY and BETABOY have a super-art mode).
//
// A module object lives in the game context for the whole run and may keep the private
// values its computer procedures need (its own horizontal and vertical distances).

#include <cstdint>

namespace morvek {

struct BattleContext;
class Character;
struct flyArts;
struct Rect;
class StateOfStage;

class MoveSet {
public:
    virtual ~MoveSet() = default;

    /// Slot 1: the pattern table. Resets zoomCount and ATFnumber, writes the current
    /// pattern's fields and the source rectangle of its sprite cell.
    virtual void AnimPattern(BattleContext& game, Character& chara, Rect& srcRect) {}
    /// Slot 2 (2a for fighters 1 and 3): the per-frame action script.
    virtual void AnimAction(BattleContext& game, Character& chara, Character& opponent) {}
    /// Slot 2b, fighters 1 and 3 only: the attack-frame half of the action script, also
    /// run alone for their servants.
    virtual void AnimAttack(BattleContext& game, Character& chara) {}
    /// Slot 3: starts the attack bound to the target key 1-40 (red word).
    virtual void AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) {}
    /// Slot 4: starts the movement bound to the target key (blue word).
    virtual void MoveSelect(BattleContext& game, Character& chara, int16_t targetKey) {}
    /// Slot 5: the next typing-combo step from TPCNumber and inputKeyNum.
    virtual void TPCFollow(BattleContext& game, Character& chara) {}
    /// Slot 6: the typing-combo step of word 2.
    virtual void TPCSecond(BattleContext& game, Character& chara) {}
    /// Slot 7: a projectile's frame; may end the projectile.
    virtual void FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect, flyArts& fa) {}
    /// Slot 8: takes a projectile from the ring and sets it up (called by the module).
    virtual void FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) {}
    /// Slot 9: a projectile's per-frame behaviour by FAType.
    virtual void FAMorfizm(BattleContext& game, Character& chara, flyArts& fa) {}
    /// Slot 10: the body-box insets by ATFnumber.
    virtual void HitFieldSet(BattleContext& game, Character& chara) {}
    /// Slot 11: the computer's decision outside a typing combo.
    virtual void CPUThink(BattleContext& game, Character& cpu, Character& opponent) {}
    /// Slot 12: the computer's typing-combo step.
    virtual void CPUTPC(BattleContext& game, Character& cpu, Character& opponent) {}
    /// Slot 13: the computer's super-art decision (called by the module's slot 11).
    virtual void CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) {}
    /// Slot 14, fighters 0 and 8 only: applies or lifts the super-art mode.
    virtual void SpacornMode(BattleContext& game, Character& chara) {}

    // ---- the bosses' stage procedures (fighters 5 and 7), called by the battle -------
    /// The intro of the boss's stage: every frame of its first round until it sets
    /// VSactionFlag (round judge).
    virtual void StageIntro(BattleContext& game, StateOfStage& stage, Character& player1,
                            Character& player2) {}
    /// On the frames player 2 has no vitality, before the round finish (round judge).
    virtual void DefeatCheck(BattleContext& game, StateOfStage& stage, Character& player1,
                             Character& player2) {}
    /// The boss's speech over the match while it is player 2 (overlay drawing).
    virtual void SpeechDraw(BattleContext& game, StateOfStage& stage, Character& player1,
                            Character& player2) {}
};

}  // namespace morvek
