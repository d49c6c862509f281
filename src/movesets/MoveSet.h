#pragma once
// The move-set interface: every fighter's module provides these procedures (slots).
// The engine reaches a module only through the dispatchers (battle/Dispatch.h), the
// projectile procedures of Character and the computer's tick; a module never calls
// another module. Every default does nothing, so a module leaves out what its fighter
// lacks (HONEKAWA has no projectiles, only MORVEKBOY and BETABOY have a super-art mode).
//
// A module object lives in the game context for the whole run and may keep the private
// values its computer procedures need (its own horizontal and vertical distances).

#include <cstdint>

namespace morvek {

struct Game;
class Character;
struct flyArts;
struct Rect;

class MoveSet {
public:
    virtual ~MoveSet() = default;

    /// Slot 1: the pattern table. Resets zoomCount and ATFnumber, writes the current
    /// pattern's fields and the source rectangle of its sprite cell.
    virtual void AnimPattern(Game& game, Character& chara, Rect& srcRect) {}
    /// Slot 2 (2a for fighters 1 and 3): the per-frame action script.
    virtual void AnimAction(Game& game, Character& chara, Character& opponent) {}
    /// Slot 2b, fighters 1 and 3 only: the attack-frame half of the action script, also
    /// run alone for their servants.
    virtual void AnimAttack(Game& game, Character& chara) {}
    /// Slot 3: starts the attack bound to the target key 1-40 (red word).
    virtual void AttackSelect(Game& game, Character& chara, int16_t targetKey) {}
    /// Slot 4: starts the movement bound to the target key (blue word).
    virtual void MoveSelect(Game& game, Character& chara, int16_t targetKey) {}
    /// Slot 5: the next typing-combo step from TPCNumber and inputKeyNum.
    virtual void TPCFollow(Game& game, Character& chara) {}
    /// Slot 6: the typing-combo step of word 2.
    virtual void TPCSecond(Game& game, Character& chara) {}
    /// Slot 7: a projectile's frame; may end the projectile.
    virtual void FlyArtsAnimPat(Game& game, Character& chara, Rect& srcRect, flyArts& fa) {}
    /// Slot 8: takes a projectile from the ring and sets it up (called by the module).
    virtual void FlyArtsLaunch(Game& game, Character& chara, int16_t kind) {}
    /// Slot 9: a projectile's per-frame behaviour by FAType.
    virtual void FAMorfizm(Game& game, Character& chara, flyArts& fa) {}
    /// Slot 10: the body-box insets by ATFnumber.
    virtual void HitFieldSet(Game& game, Character& chara) {}
    /// Slot 11: the computer's decision outside a typing combo.
    virtual void CPUThink(Game& game, Character& cpu, Character& opponent) {}
    /// Slot 12: the computer's typing-combo step.
    virtual void CPUTPC(Game& game, Character& cpu, Character& opponent) {}
    /// Slot 13: the computer's super-art decision (called by the module's slot 11).
    virtual void CPUSpacorn(Game& game, Character& cpu, Character& opponent) {}
    /// Slot 14, fighters 0 and 8 only: applies or lifts the super-art mode.
    virtual void SpacornMode(Game& game, Character& chara) {}
};

}  // namespace morvek
