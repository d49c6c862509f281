#pragma once
// The keyboard between two event pumps, shared by both platforms.
//
// Key events come in bursts: after a slow frame, a busy desktop or over a remote session a
// press and its release arrive together, and a read may take in new events (SDL polls at
// every read). One pass of a screen or a match frame reads the keyboard several times
// between two pumps, each read looking for its own keys, so a tap has to read as down for
// every read of at least one whole pass, as if held for that pass.
//
// The rule: a pump ends the taps that were already pending at the first read since the
// pump before it (that whole pass has seen them). A tap that arrives after that first read
// stays down for the rest of its pass and all of the next, and the pump after that ends
// it. A pump with no read since the last one ends nothing, so a tap that came with a pump
// waits for the next pass that reads. So a tap can read down through two passes; every
// reader counts a press when it goes down and re-arms only on a read with no key down, so
// it still counts once.

#include <array>
#include <cstdint>

#include "platform/Keys.h"

namespace morvek {

class KeyLatch {
public:
    void keyDown(uint8_t scanCode);
    void keyUp(uint8_t scanCode);
    /// The platform pumped its events (a present or pumpEvents): the taps pending at the
    /// first read since the last pump are over. Keys still down stay down.
    void pumped();
    /// Focus went elsewhere: every key is up and no tap is pending.
    void releaseAll();
    /// The window was closed: Escape reads as down from now on.
    void quit() { quit_ = true; }
    /// out[k] = key::IsDown for keys down now or tapped and not yet over (every byte is
    /// written).
    void read(KeyboardState& out);

private:
    std::array<bool, 256> down_{};
    std::array<bool, 256> tapped_{};       ///< went down, and no pump has ended the tap
    std::array<bool, 256> wholePass_{};    ///< the tap was pending at this pass's first read
    bool readSincePump_ = false;
    bool quit_ = false;
};

}  // namespace morvek
