#pragma once
// Module-level state of the engine core (start-up, keyboard, timing, sound, music,
// palettes, screen primitives, drawing counters).

namespace morvek {

struct EngineState {
};

}  // namespace morvek
