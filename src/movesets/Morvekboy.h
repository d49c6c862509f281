#pragma once
// MORVEKBOY's move set (fighter 0, the protagonist): its pattern table, body boxes,
// action script, selects, typing-combo steps, projectiles, computer opponent and
// super-art mode.

#include <cstdint>

#include "movesets/MorvekboyCpu.h"
#include "battle/MoveSet.h"

namespace morvek {

namespace morvekboy_moves {
struct ShotTuning;
}

class Morvekboy : public MoveSet {
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
    void SpacornMode(BattleContext& game, Character& chara) override;                         // 14

    /// The distances the computer procedures (slots 11-13) last measured.
    morvekboy_cpu::CpuDistances cpuDist;

protected:
    /// The numbers of the fighter's shots (slots 7-9); BETABOY tunes them.
    virtual const morvekboy_moves::ShotTuning& shots() const;
};

}  // namespace morvek
