#pragma once
// NANGIEF's move set (fighter 2, the grappler): pattern table, body boxes, action script
// with its grabs and throws, selects, typing-combo steps, the super arts' projectiles and
// the computer opponent.

#include <cstdint>

#include "battle/MoveSet.h"

namespace morvek {

class Nangief : public MoveSet {
public:
    void AnimPattern(BattleContext& game, Character& chara, Rect& srcRect) override;          // 1
    void AnimAction(BattleContext& game, Character& chara, Character& opponent) override;     // 2
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

    /// The distances the computer procedures last measured (slots 11 and 13 store them,
    /// slot 12 reads them as they are). Kept for the whole run.
    int16_t distX = 0;
    int16_t distY = 0;
};

}  // namespace morvek
