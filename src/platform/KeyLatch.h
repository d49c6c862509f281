#pragma once
// The keyboard between two event pumps, shared by both platforms.
//
// Key events come in bursts: after a slow frame, a busy desktop or over a remote session a
// press and its release arrive together. A frame reads the keyboard several times, so a
// key that went down since the last pump reads as down for every read until the next
// pump, as if held for that frame. A pump ends only the taps some read has seen: one that
// arrives with the pump itself waits for the next frame's reads.

#include <array>
#include <cstdint>

#include "platform/Keys.h"

namespace morvek {

class KeyLatch {
public:
    void keyDown(uint8_t scanCode);
    void keyUp(uint8_t scanCode);
    /// The platform pumped its events (a present or pumpEvents): the taps read so far are
    /// over. Keys still down stay down.
    void pumped();
    /// Focus went elsewhere: every key is up and no tap is pending.
    void releaseAll();
    /// The window was closed: Escape reads as down from now on.
    void quit() { quit_ = true; }
    bool quitRequested() const { return quit_; }
    /// out[k] = key::IsDown for keys down now or gone down since the last pump (every
    /// byte is written).
    void read(KeyboardState& out);

private:
    std::array<bool, 256> down_{};
    std::array<bool, 256> tapped_{};   ///< went down since the last pump
    std::array<bool, 256> tapRead_{};  ///< a read has shown the tap
    bool quit_ = false;
};

}  // namespace morvek
