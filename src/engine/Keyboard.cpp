#include "engine/Keyboard.h"

#include "engine/EngineContext.h"
#include "engine/Screen.h"
#include "platform/Keys.h"

namespace morvek {

namespace {

bool sideEffectDown(const KeyboardState& s, uint8_t scanCode) {
    return (s[scanCode] & 0x80) != 0;
}

}  // namespace

int16_t inkeyRead(EngineContext& game) {
    EngineState& e = game.engine;
    game.platform.readKeyboard(e.keyState);

    if (sideEffectDown(e.keyState, key::F1)) f1KeyEscape(game);
    // F1 may have faded and presented; the state read above still stands.
    if (sideEffectDown(e.keyState, key::Escape)) gameExit(game);

    // Debug keys for trying colours: pick an entry, switch its red off or full on. The
    // change shows at the next apply of the working palette.
    if (sideEffectDown(e.keyState, key::Keypad8) && e.paletteEditIndex < 255)
        ++e.paletteEditIndex;
    if (sideEffectDown(e.keyState, key::Keypad2) && e.paletteEditIndex > 0)
        --e.paletteEditIndex;
    if (sideEffectDown(e.keyState, key::Keypad4) && e.workPalette[e.paletteEditIndex].r != 0)
        e.workPalette[e.paletteEditIndex].r = 0;
    if (sideEffectDown(e.keyState, key::Keypad6) && e.workPalette[e.paletteEditIndex].r != 255)
        e.workPalette[e.paletteEditIndex].r = 255;

    int16_t code = 0;
    for (const KeyCodeEntry& k : kKeyCodeTable)
        if (e.keyState[k.scanCode] != 0) code = k.code;
    return code;
}

int16_t inkeyEdge(EngineContext& game) {
    EngineState& e = game.engine;
    int16_t result = 0;
    const int16_t k1 = inkeyRead(game);
    if (k1 != 0 && e.keyLatch == kFalse) {
        e.keyLatch = kTrue;
        result = inkeyRead(game);
    }
    const int16_t k3 = inkeyRead(game);
    if (k3 == 0 && e.keyLatch != kFalse) e.keyLatch = kFalse;
    return result;
}

bool shiftKeyDown(EngineContext& game) {
    EngineState& e = game.engine;
    game.platform.readKeyboard(e.keyState);
    return sideEffectDown(e.keyState, key::LeftShift);
}

void sleepMs(EngineContext& game, uint32_t ms) { game.platform.sleepMs(ms); }

}  // namespace morvek
