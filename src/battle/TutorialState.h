#pragma once
// The tutorial's drill counters, kept in the battle state for the whole run.

#include <cstdint>

namespace morvek {

/// The tutorial's own counters. They live in the game's battle state for the whole run
/// and are carried from one tutorial to the next; only the script's steps reset them.
struct TutorialState {
    int16_t tutorAttackKind = 0;   ///< the tutor's next drill attack
    int16_t tutorialTick = 0;      ///< frame counter, wraps after 1000
    int16_t vitalitySnapshot = 0;  ///< the player's vitality when an attack was set up
    int16_t guardCount = 0;        ///< drill attacks survived
};

}  // namespace morvek
