#pragma once
// The match drawing's own animation counters. They live for the whole run and are never
// reset: a blink or an effect hold carries on from one match into the next.

#include <array>
#include <cstdint>

namespace morvek {

struct RenderState {
    /// Typing frame: which of the three blinking frame cells shows (0..2).
    int16_t frameBlink = 0;
    /// The one hold counter shared by every effect sprite of both fighters.
    int16_t spliteHold = 0;
    /// HUD: stun-label blink (0..3), the zoom level following player 1's wish, and the
    /// dizzy star's picture (0..2) with its hold (0..4), shared by both fighters.
    int16_t hudBlink = 0;
    int16_t zoomLevel = 0;
    int16_t starFrame = 0;
    int16_t starHold = 0;
    /// Blinking text colour: white on one call in four.
    uint8_t blinkPhase = 0;
    /// Training statistics of the last combo: [0] player 1's on player 2, [1] player 2's
    /// on player 1. They stay shown until the next combo.
    std::array<int16_t, 2> trainingCombo{};
    std::array<int16_t, 2> trainingOneHit{};
    std::array<int16_t, 2> trainingTotal{};
};

}  // namespace morvek
