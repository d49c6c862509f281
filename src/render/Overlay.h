#pragma once
// The common-sheet blit, projectile sprites, the round timer, the blinking text colour and
// the per-frame overlay of a match (banners, names, score and clock, training values).

#include <cstdint>

#include "platform/Platform.h"

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;
class StateOfStage;
struct flyArts;
class Surface8;

/// Copies (sx, sy)-(sx + sw, sy + sh) of the common sheet to (dx, dy)-(dx + dw, dy + dh)
/// of backBuffer, stretched, index 0 transparent, mirrored left-right when asked. The
/// coordinates are rounded half to even, as the sheet's callers pass fractions.
void blitSheet(EngineContext& game, int16_t sx, double sy, double sw, double sh, double dx, double dy,
               double dw, int16_t dh, bool mirror = false);


/// Big and small digits of the round timer, or nothing of them.
void drawRoundTimer(EngineContext& game, const StateOfStage& stage);

/// Sets the text font to `size`, white on every fourth call and `colour` otherwise.
void blinkFontSet(EngineContext& game, int16_t size, Rgb colour);

/// The overlay of one battle frame, after the typing frame and before the shutter.
void drawStageOverlay(BattleContext& game, StateOfStage& stage, Character& p1, Character& p2);

}  // namespace morvek
