#pragma once
// HONEKAWA's move set (fighter 3, the kung-fu fighter; also the hidden variant, fighter 3
// with ReverseCharaFlag set): pattern table, body boxes, the action script in two parts
// (the attack-frame part is also run by the three servants), selects, typing-combo steps
// and the computer opponent. It has no projectiles.

#include <cstdint>

#include "battle/MoveSet.h"

namespace morvek {

class Honekawa : public MoveSet {
public:
    void AnimPattern(BattleContext& game, Character& chara, Rect& srcRect) override;       // 1
    void AnimAction(BattleContext& game, Character& chara, Character& opponent) override;  // 2a
    void AnimAttack(BattleContext& game, Character& chara) override;                       // 2b
    void AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) override;  // 3
    void MoveSelect(BattleContext& game, Character& chara, int16_t targetKey) override;    // 4
    void TPCFollow(BattleContext& game, Character& chara) override;                        // 5
    void TPCSecond(BattleContext& game, Character& chara) override;                        // 6
    void HitFieldSet(BattleContext& game, Character& chara) override;                      // 10
    void CPUThink(BattleContext& game, Character& cpu, Character& opponent) override;      // 11
    void CPUTPC(BattleContext& game, Character& cpu, Character& opponent) override;        // 12
    void CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) override;    // 13

    /// The distances the computer procedures last measured (CPUTPC reuses them).
    int16_t distX = 0;
    int16_t distY = 0;
};

}  // namespace morvek
