#pragma once
// The debug view of the collision boxes. (The effect sprites draw themselves: battle/Splite.h.)

#include <cstdint>

#include "battle/Splite.h"
#include "platform/Surface8.h"

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;

/// Edit mode only, so never in play: the body boxes of both fighters and player 1's
/// attack box.
void drawHitBoxes(BattleContext& game, const Character& p1, const Character& p2);
void drawAttackBox(EngineContext& game, const Character& chara);

}  // namespace morvek
