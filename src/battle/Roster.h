#pragma once
// The roster: a fighter's fixed data by file stem.

#include <string_view>

namespace morvek {

class Character;

/// Writes the row of the stem (display name, cell size, picture, margins, jumps, stun,
/// defence, EX cost, NUMBER, second spacorn art, servants, and the spacorn data of its
/// spacornType); then, for any stem, refills stunGauge and airialJumpCount.
void charaBaseSet(Character& chara, std::string_view name);

}  // namespace morvek
