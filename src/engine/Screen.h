#pragma once
// Presenting and clearing the picture, the Enter prompt icon, the F1 escape and the exit.

#include <cstdint>

#include "platform/Surface8.h"

namespace morvek {

struct EngineContext;

/// Shows (0,0)-(640,480) of backBuffer and lets the window process its events.
void screenFlip(EngineContext& game);
/// Fills (0,0)-(640,480) of backBuffer with palette index `colour`.
void screenClear(EngineContext& game, uint32_t colour);
/// Fills (left,top)-(right,bottom) of backBuffer, right and bottom exclusive.
void fillRect(EngineContext& game, int16_t left, int16_t top, int16_t right, int16_t bottom,
              uint32_t colour);
/// Lays (0,0)-(640,480) of a full-screen picture onto backBuffer, without colour key.
void fullScreenBlt(EngineContext& game, const Surface8& surface);

/// Calls of drawPromptIcon in one cycle of its animation.
inline constexpr int kPromptIconCycle = 36;
/// The prompt icon's frame for the counter value after the step (0-40).
constexpr int promptIconFrame(int counter) {
    if (counter <= 5) return 0;
    if (counter <= 15) return 3;
    if (counter <= 25) return 2;
    if (counter <= 35) return 1;
    return 0;
}
/// One frame of the Enter prompt icon (a 47x47 cell of the common sheet) at (x, y).
void drawPromptIcon(EngineContext& game, int16_t x, int16_t y);
/// Animates the Enter prompt over whatever is drawn until Enter is pressed.
void waitEnterKey(EngineContext& game);

/// Unscaled copy of (srcX, srcY, width, height) of `surface` to (dstX, dstY) on
/// backBuffer; index 0 of the source is transparent.
void blitSurface(EngineContext& game, int16_t srcX, int16_t srcY, int16_t width, int16_t height,
                 const Surface8& surface, int16_t dstX, int16_t dstY);

/// The F1 handler: nothing in the title or the pause menu, the pause request in a
/// training match, else fade to black, stop the music and abort the match.
void f1KeyEscape(EngineContext& game);

/// Ends the game: throws GameExitRequest, which main turns into a clean exit.
[[noreturn]] void gameExit(EngineContext& game);

}  // namespace morvek
