#pragma once
// BETABOY's move set (fighter 8): MORVEKBOY's hidden variant. It is a MORVEKBOY with its
// own pattern table, action script, attack select, typing-combo steps, projectile tuning
// (shots()) and computer decisions; the projectile procedures, body boxes, movement
// select, second-word step, super-art decision and super-art mode are MORVEKBOY's
// unchanged and are inherited. The computer procedures keep their own distance pair (the
// inherited `cpuDist` of this object).

#include <cstdint>

#include "movesets/Morvekboy.h"
#include "movesets/MorvekboyMoves.h"

namespace morvek {

class Betaboy : public Morvekboy {
public:
    void AnimPattern(BattleContext& game, Character& chara, Rect& srcRect) override;          // 1
    void AnimAction(BattleContext& game, Character& chara, Character& opponent) override;     // 2
    void AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) override;     // 3
    void TPCFollow(BattleContext& game, Character& chara) override;                           // 5
    void CPUThink(BattleContext& game, Character& cpu, Character& opponent) override;         // 11
    void CPUTPC(BattleContext& game, Character& cpu, Character& opponent) override;           // 12

protected:
    const morvekboy_moves::ShotTuning& shots() const override;  // the projectiles (7-9)
};

namespace betaboy_moves {

/// BETABOY's shots: kind 1 starts 15 ahead of the body centre and moves 15 a frame, the
/// shot loop runs twice as fast, and there is no burst shot (kind 6).
inline constexpr morvekboy_moves::ShotTuning kShots{15, 15, 1, false};

/// BETABOY's attack frame of a pattern: its own where it differs, else MORVEKBOY's.
const AttackRow* attackRow(int16_t pattern);

}  // namespace betaboy_moves

}  // namespace morvek
