#include "engine/Screen.h"

#include "engine/EngineContext.h"
#include "engine/Palettes.h"
#include "engine/Sound.h"
#include "engine/Keyboard.h"
#include "engine/System.h"

namespace morvek {

namespace {
constexpr Rect kVisible{0, 0, kScreenWidth, kScreenHeight};
}  // namespace

void screenFlip(EngineContext& game) { game.platform.present(game.engine.backBuffer); }

void screenClear(EngineContext& game, uint32_t colour) { game.engine.backBuffer.fillRect(kVisible, colour); }

void fillRect(EngineContext& game, int16_t left, int16_t top, int16_t right, int16_t bottom,
              uint32_t colour) {
    game.engine.backBuffer.fillRect(Rect{left, top, right, bottom}, colour);
}

void fullScreenBlt(EngineContext& game, const Surface8& surface) {
    blit(game.engine.backBuffer, kVisible, surface, kVisible, BlitCopy);
}

void drawPromptIcon(EngineContext& game, int16_t x, int16_t y) {
    int16_t& counter = game.engine.promptCounter;
    counter = static_cast<int16_t>(counter + 1);
    if (counter > 40) counter = 0;
    const int frame = promptIconFrame(counter);
    if (counter >= 36) counter = 0;
    int16_t sx = static_cast<int16_t>(351 + 50 * frame), sy = 51, w = 47, h = 47;
    blitSurface(game, sx, sy, w, h, game.engine.attackEffectSurface, x, y);
}

void f1KeyEscape(EngineContext& game) {
    EngineState& e = game.engine;
    if (e.playMode == PlayMode::Title || e.playMode == PlayMode::Pause) return;
    if (e.playMode == PlayMode::Training) {
        e.playMode = PlayMode::Pause;
        return;
    }
    bool fading = true;
    while (fading) {
        fading = paletteToLevel(game, e.workPalette, 0, false, 5);
        screenFlip(game);
    }
    e.returnToTitle = kTrue;
    musicStopAll(game);
    screenClear(game, 0);
    screenFlip(game);
}

void gameExit(EngineContext& game) { throw GameExitRequest{}; }

void blitSurface(EngineContext& game, int16_t srcX, int16_t srcY, int16_t width, int16_t height,
                 const Surface8& surface, int16_t dstX, int16_t dstY) {
    blitAt(game.engine.backBuffer, dstX, dstY, surface, rectXYWH(srcX, srcY, width, height),
           BlitKeyed);
}

void waitEnterKey(EngineContext& game) {
    bool last = false;
    while (!last) {
        if (inkeyEdge(game) == keycode::Enter) last = true;
        drawPromptIcon(game, 540, 400);
        screenFlip(game);
        waitMs(game, 1);
        inkeyRead(game);
    }
}

}  // namespace morvek
