#pragma once
// Per-screen counters: each screen call makes a fresh one.

#include <cstdint>

#include "engine/Basic.h"

namespace morvek {

class genericObject {
public:
    int16_t frameCount = 0;     ///< stepped by timerCounting
    int16_t GUIcount = 0;       ///< a screen's state or menu cursor
    Bool16 loopFlag = kFalse;   ///< a screen's loop-exit flag

    /// frameCount + 1, back to 0 when it reaches n.
    void timerCounting(int16_t n) {
        frameCount = static_cast<int16_t>(frameCount + 1);
        if (frameCount == n) frameCount = 0;
    }
};

}  // namespace morvek
