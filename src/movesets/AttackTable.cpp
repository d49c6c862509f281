#include "movesets/AttackTable.h"

#include <algorithm>
#include <string>

#include "battle/AttackFrames.h"

namespace morvek {

const AttackRow* AttackTable::find(int16_t pattern) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), pattern,
                                     [](const AttackEntry& e, int16_t p) { return e.at.last < p; });
    return (it != entries_.end() && it->at.first <= pattern) ? &it->row : nullptr;
}

MissingAttackRow::MissingAttackRow(std::string_view fighter, int16_t pattern)
    : std::logic_error(std::string(fighter) + ": pattern " + std::to_string(pattern) +
                       " strikes but has no attack row") {}

const AttackRow& requireAttackRow(const AttackRow* row, std::string_view fighter, int16_t pattern) {
    if (row == nullptr) throw MissingAttackRow(fighter, pattern);
    return *row;
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
