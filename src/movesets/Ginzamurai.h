#pragma once
// GINZAMURAI's move set (fighter 1, the swordsman with one clone servant): pattern table,
// body boxes, the action script split into its action part and the attack-frame part the
// clone also runs, selects, typing-combo steps, projectiles and computer opponent.

#include <cstdint>

#include "battle/MoveSet.h"

namespace morvek {

class Ginzamurai : public MoveSet {
public:
    void AnimPattern(BattleContext& game, Character& chara, Rect& srcRect) override;          // 1
    void AnimAction(BattleContext& game, Character& chara, Character& opponent) override;     // 2a
    void AnimAttack(BattleContext& game, Character& chara) override;                          // 2b
    void AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) override;     // 3
    void MoveSelect(BattleContext& game, Character& chara, int16_t targetKey) override;       // 4
    void TPCFollow(BattleContext& game, Character& chara) override;                           // 5
    void TPCSecond(BattleContext& game, Character& chara) override;                           // 6
    void FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect,
                        flyArts& fa) override;                                       // 7
    void FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) override;         // 8
    void FAMorfizm(BattleContext& game, Character& chara, flyArts& fa) override;              // 9
    void HitFieldSet(BattleContext& game, Character& chara) override;                         // 10
    void CPUThink(BattleContext& game, Character& cpu, Character& opponent) override;         // 11
    void CPUTPC(BattleContext& game, Character& cpu, Character& opponent) override;           // 12
    void CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) override;       // 13

    /// The distances the computer procedures last measured; the combo step reuses them.
    int16_t distX = 0;
    int16_t distY = 0;
};

}  // namespace morvek
