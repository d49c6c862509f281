#pragma once
// Module-level state of the battle system: player1, player2, stageState and the battle's
// shared globals.

namespace morvek {

struct BattleState {
};

}  // namespace morvek
