#pragma once
// BURI's move set (fighter 6, shown as "G O D"): the small, projectile-only form of the
// final boss. Pattern table and body box, action script, the bomb's aiming select and the
// movement map, the one typing-combo follow-up, three projectile kinds and the computer
// opponent. It has no melee attack, no EX art and no servant.

#include <cstdint>

#include "battle/MoveSet.h"

namespace morvek {

class Buri : public MoveSet {
public:
    void AnimPattern(BattleContext& game, Character& chara, Rect& srcRect) override;          // 1
    void AnimAction(BattleContext& game, Character& chara, Character& opponent) override;     // 2
    void AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) override;     // 3
    void MoveSelect(BattleContext& game, Character& chara, int16_t targetKey) override;       // 4
    void TPCFollow(BattleContext& game, Character& chara) override;                           // 5
    void TPCSecond(BattleContext& game, Character& chara) override;                           // 6: none
    void FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect,
                        flyArts& fa) override;                                       // 7
    void FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) override;         // 8
    void FAMorfizm(BattleContext& game, Character& chara, flyArts& fa) override;              // 9
    void HitFieldSet(BattleContext& game, Character& chara) override;                         // 10
    void CPUThink(BattleContext& game, Character& cpu, Character& opponent) override;         // 11
    void CPUTPC(BattleContext& game, Character& cpu, Character& opponent) override;           // 12
    void CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) override;       // 13

    /// The distances the computer last measured: slot 11 stores both, slot 13 reads distX
    /// as it is. Kept for the whole run.
    int16_t distX = 0;
    int16_t distY = 0;
};

}  // namespace morvek
