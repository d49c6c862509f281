#include "movesets/AttackTable.h"

#include <algorithm>

#include "battle/AttackFrames.h"

namespace morvek {

const AttackRow* AttackTable::find(int16_t pattern) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), pattern,
                                     [](const AttackEntry& e, int16_t p) { return e.at.last < p; });
    return (it != entries_.end() && it->at.first <= pattern) ? &it->row : nullptr;
}

void openAttackFrame(BattleContext& game, Character& chara, const AttackRow& r) {
    setAttackFrame(game, chara, r.type, r.hitSound, r.boxX, r.boxY, r.boxW, r.boxH, r.effect,
                   r.vectorX, r.vectorY, r.controlX, r.controlY, r.zoomX, r.zoomY, r.lenge,
                   r.gardable);
}

void setAttackPower(Character& chara, const AttackRow& r) {
    setAttackPower(chara, r.pow1, r.pow2, r.pow3, r.ex, r.stun, r.spacorn, r.spHit);
}

void openAttack(BattleContext& game, Character& chara, const AttackRow& row) {
    openAttackFrame(game, chara, row);
    setAttackPower(chara, row);
}

}  // namespace morvek
