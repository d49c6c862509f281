#include "engine/Shutter.h"

#include "engine/DataTables.h"
#include "engine/EngineContext.h"
#include "engine/Sound.h"

namespace morvek {

namespace {

/// The panels' clang as they are about to cover the screen.
constexpr int16_t kGateSound = 52;
static_assert(soundFileName(kGateSound) == "gate.wav");

}  // namespace

int16_t shutterTransition(EngineContext& game, int16_t phase) {
    EngineState& e = game.engine;
    if (phase != kShutterGoOn) e.shutterPhase = phase;
    int16_t& pos = e.shutterPosition;
    switch (e.shutterPhase) {
    case kShutterClose:
        if (pos == kShutterTravel - kShutterStep) soundPlay(game, kGateSound);
        if (pos < kShutterTravel) pos = static_cast<int16_t>(pos + kShutterStep);
        break;
    case kShutterOpen:
        if (pos > 0) pos = static_cast<int16_t>(pos - kShutterStep);
        break;
    case kShutterOpenAtOnce:
        pos = 0;
        break;
    default:
        break;
    }
    if (pos != 0) {
        // Two panels slide in from each side on three rows; the 200x199 cell is drawn
        // 160x160.
        const Rect panel = rectXYWH(601, 1801, 200, 199);
        const int32_t xs[4] = {pos - 320, pos - 160, 640 - pos, 800 - pos};
        for (int row = 0; row < 3; ++row)
            for (int32_t x : xs)
                blit(e.backBuffer, rectXYWH(x, 160 * row, 160, 160), e.attackEffectSurface, panel,
                     BlitKeyed);
    }
    if (pos == 0) return kShutterOpened;
    if (pos == kShutterTravel) return kShutterClosed;
    return e.shutterPhase;
}

}  // namespace morvek
