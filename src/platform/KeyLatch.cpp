#include "platform/KeyLatch.h"

#include <cstddef>

namespace morvek {

void KeyLatch::keyDown(uint8_t scanCode) {
    down_[scanCode] = true;
    tapped_[scanCode] = true;
    tapRead_[scanCode] = false;
}

void KeyLatch::keyUp(uint8_t scanCode) { down_[scanCode] = false; }

void KeyLatch::pumped() {
    for (std::size_t k = 0; k < tapped_.size(); ++k) {
        if (tapRead_[k]) tapped_[k] = false;
        tapRead_[k] = false;
    }
}

void KeyLatch::releaseAll() {
    down_.fill(false);
    tapped_.fill(false);
    tapRead_.fill(false);
}

void KeyLatch::read(KeyboardState& out) {
    for (std::size_t k = 0; k < out.size(); ++k) {
        out[k] = (down_[k] || tapped_[k]) ? key::IsDown : 0;
        if (tapped_[k]) tapRead_[k] = true;
    }
    if (quit_) out[key::Escape] = key::IsDown;
}

}  // namespace morvek
