#include "platform/KeyLatch.h"

#include <cstddef>

namespace morvek {

void KeyLatch::keyDown(uint8_t scanCode) {
    down_[scanCode] = true;
    tapped_[scanCode] = true;
    // A new press is a new tap: it too is owed every read of a whole pass.
    wholePass_[scanCode] = false;
}

void KeyLatch::keyUp(uint8_t scanCode) { down_[scanCode] = false; }

void KeyLatch::pumped() {
    for (std::size_t k = 0; k < tapped_.size(); ++k)
        if (wholePass_[k]) tapped_[k] = false;
    wholePass_.fill(false);
    readSincePump_ = false;
}

void KeyLatch::releaseAll() {
    down_.fill(false);
    tapped_.fill(false);
    wholePass_.fill(false);
}

void KeyLatch::read(KeyboardState& out) {
    if (!readSincePump_) {
        wholePass_ = tapped_;
        readSincePump_ = true;
    }
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k] = (down_[k] || tapped_[k]) ? key::IsDown : 0;
    if (quit_) out[key::Escape] = key::IsDown;
}

}  // namespace morvek
