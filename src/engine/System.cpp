#include "engine/System.h"

#include "engine/EngineContext.h"

namespace morvek {

namespace {
/// Size the surface's font has before the game first sets one.
constexpr int16_t kDefaultFontSize = 12;
}  // namespace

void frameStart(EngineContext& game) { game.engine.frameStartTime = game.platform.ticksMs(); }

void frameWait(EngineContext& game, uint32_t ms) {
    game.platform.waitUntil(game.engine.frameStartTime + ms);
}

void waitMs(EngineContext& game, uint32_t ms) {
    const uint64_t t0 = game.platform.ticksMs();
    game.platform.waitUntil(t0 + ms);
}

void winVersionGet(EngineContext& game) {
    game.engine.winMajorVersion = kReportedMajorVersion;
    game.engine.isNT5 = game.engine.winMajorVersion >= 5.0 ? 1 : 0;
}

void textFontSet(EngineContext& game, int16_t size, Rgb colour) {
    EngineState& e = game.engine;
    e.textFontCreated = true;
    e.textFontSize = static_cast<int16_t>(size + e.isNT5);
    e.textColour = colour;
}

void textFontItalicSet(EngineContext& game, bool italic) {
    EngineState& e = game.engine;
    if (!e.textFontCreated) {
        e.textFontCreated = true;
        e.textFontSize = kDefaultFontSize;
    }
    e.textFontItalic = italic;
}

void drawText(EngineContext& game, int32_t x, int32_t y, std::string_view text) {
    EngineState& e = game.engine;
    // The surface holds the font object itself, so its current style shows at every draw.
    const int size = e.textFontCreated ? e.textFontSize : kDefaultFontSize;
    game.platform.setFont(size, e.textFontItalic);
    game.platform.drawText(e.backBuffer, x, y, text, e.textColour);
}

}  // namespace morvek
