#pragma once
// The pieces of GINZAMURAI's move set its source files share.

#include <cstdint>

#include "movesets/AttackTable.h"

namespace morvek {

struct BattleContext;
class Character;

namespace ginzamurai_moves {

/// The melee attack frame a pattern opens (with openAttack), or nullptr; 755 (分身) included.
const AttackRow* swordFrame(int16_t pattern);

}  // namespace ginzamurai_moves
}  // namespace morvek
