#pragma once
// Player 1's typing frame with the red and blue letters, the typing-combo words around
// the fighter, and the flash of a typed word or a wrong key.

#include <cstdint>

#include "platform/Surface8.h"

namespace morvek {

struct BattleContext;
class Character;

/// Sheet cell of letter `letterNum` (1..40): the red glyphs from y 300, the blue from 500.
Rect letterCell(int16_t letterNum, bool blue);

/// Without flash: the normal drawing (slot 0). With flash: the enlarged flash of word `slot`
/// (1..8) or, with a negative slot, of the wrongly typed letter -slot under the miss frame.
void drawTypingFrame(BattleContext& game, Character& chara, const Surface8& sheet, bool flash,
                     int16_t slot);

}  // namespace morvek
