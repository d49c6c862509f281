#pragma once
// Effect sprites (sparks, guard flashes) and the debug view of the collision boxes.

#include <cstdint>

#include "platform/Surface8.h"

namespace morvek {

struct BattleContext;
class Character;
struct Splite;

/// One row of the effect animation table.
struct SpliteFrame {
    Rect cell;       ///< source on the common sheet
    int16_t hold;    ///< the shared counter must pass this to move on
    int16_t next;    ///< following pattern, 0 ends the effect
};

/// The row of pattern `animPat`, or nullptr for a pattern the table lacks.
const SpliteFrame* spliteFrameOf(int16_t animPat);

/// Writes the cell of sp's pattern into srcRect and advances the shared hold counter;
/// an unknown pattern leaves srcRect empty and changes nothing.
void spliteAnimPat(BattleContext& game, Rect& srcRect, Splite& sp);

/// Draws and advances one live effect sprite.
void drawSplite(BattleContext& game, Splite& sp);

/// Edit mode only: the body boxes of both fighters and player 1's attack box.
void drawHitBoxes(BattleContext& game, const Character& p1, const Character& p2);
void drawAttackBox(BattleContext& game, const Character& chara);

}  // namespace morvek
