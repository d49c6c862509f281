#pragma once
// The shutter: panels that close over the screen between screens and open again.

#include <cstdint>

namespace morvek {

struct EngineContext;

/// How far the panels move per call, and where they cover the screen.
inline constexpr int16_t kShutterStep = 20;
inline constexpr int16_t kShutterClosed = 320;

/// A non-zero phase replaces the stored one (1 close, 2 open, 3 open at once); then one
/// step and, while not open, the panels are drawn on backBuffer. Returns 0 when open, 3
/// when closed, else the stored phase.
int16_t shutterTransition(EngineContext& game, int16_t phase);

}  // namespace morvek
