#pragma once
// One effect sprite (hit spark, guard flash...) of a fighter's pool, and its animation
// table: the drawing pass steps and draws the sprites.

#include <cstdint>

#include "platform/Surface8.h"

namespace morvek {

struct Splite {
    int16_t posX = 0;
    int16_t posY = 0;
    int16_t Width = 0;
    int16_t Height = 0;
    int16_t animPat = 0;  ///< > 0 while the sprite is alive
    int16_t dirStand = 0;
};

struct BattleContext;

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

}  // namespace morvek
