#pragma once
// The shutter: panels that close over the screen between screens and open again.

#include <cstdint>

namespace morvek {

struct EngineContext;

/// How far the panels move per call, and the position where they cover the screen.
inline constexpr int16_t kShutterStep = 20;
inline constexpr int16_t kShutterTravel = 320;

/// The phases a caller hands shutterTransition; kShutterGoOn keeps the stored one.
inline constexpr int16_t kShutterGoOn = 0;
inline constexpr int16_t kShutterClose = 1;
inline constexpr int16_t kShutterOpen = 2;
inline constexpr int16_t kShutterOpenAtOnce = 3;

/// What shutterTransition returns once the panels have stopped: fully open, or covering
/// the screen. While they move it returns the stored phase, kShutterClose or kShutterOpen.
/// (kShutterClosed equals kShutterOpenAtOnce: compare a result only with these two.)
inline constexpr int16_t kShutterOpened = 0;
inline constexpr int16_t kShutterClosed = 3;

/// A phase other than kShutterGoOn replaces the stored one; then one step and, while not
/// open, the panels are drawn on backBuffer. Returns kShutterOpened, kShutterClosed, or the
/// stored phase while the panels move.
int16_t shutterTransition(EngineContext& game, int16_t phase);

}  // namespace morvek
