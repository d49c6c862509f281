#include "engine/Palettes.h"

#include "engine/Basic.h"
#include "engine/EngineContext.h"

namespace morvek {

namespace {

void writeTable(Palette& palette, const FixedColour* rows, size_t count, int16_t d) {
    for (size_t i = 0; i < count; ++i) {
        const FixedColour& row = rows[i];
        Rgb& c = palette[row.entry];
        if (row.scaled) {
            // A divisor of 0 would be a caller's fault; treat it as full brightness.
            const double div = d == 0 ? 1.0 : static_cast<double>(d);
            c = Rgb{cbyte(row.r / div), cbyte(row.g / div), cbyte(row.b / div)};
        } else {
            c = Rgb{row.r, row.g, row.b};
        }
    }
}

}  // namespace

void fixedColorSet(Palette& palette, int16_t d) {
    writeTable(palette, kFixedColourTable.data(), kFixedColourTable.size(), d);
}

void fixedColorSet2nd(Palette& palette) {
    writeTable(palette, kFixedColourTable2nd.data(), kFixedColourTable2nd.size(), 1);
}

void paletteBuildAll(EngineContext& game) {
    EngineState& e = game.engine;
    fixedColorSet(e.basePalette, 1);
    fixedColorSet(e.workPalette, 1);
    fixedColorSet(e.targetPalette, 2);
    fixedColorSet(e.blackPalette, 255);
    fixedColorSet2nd(e.workPalette);
    fixedColorSet2nd(e.targetPalette);
    fixedColorSet2nd(e.blackPalette);
    game.platform.createPalette(e.workPalette);
    paletteSetEntries(game, e.workPalette);
}

void paletteSetEntries(EngineContext& game, const Palette& palette) {
    game.platform.setPaletteEntries(0, 255, palette);
}

void paletteDarkenStep(EngineContext& game) {
    for (Rgb& c : game.engine.workPalette) {
        if (c.r > 2) c.r -= 3;
        if (c.g > 2) c.g -= 3;
        if (c.b > 2) c.b -= 3;
    }
    paletteSetEntries(game, game.engine.workPalette);
}

bool paletteApproach(EngineContext& game, Palette& palette, int16_t steps) {
    const Palette& base = game.engine.basePalette;
    bool changed = false;
    auto approach = [&changed](uint8_t& c, uint8_t target) {
        if (c != target) {
            if (c < target) ++c;
            if (c > target) --c;
            changed = true;
        }
    };
    for (int pass = 0; pass <= steps; ++pass) {
        for (int i = 0; i < 256; ++i) {
            approach(palette[i].r, base[i].r);
            approach(palette[i].g, base[i].g);
            approach(palette[i].b, base[i].b);
        }
    }
    // The working palette is what the player sees, whatever palette was stepped.
    paletteSetEntries(game, game.engine.workPalette);
    return changed;
}

bool paletteToLevel(EngineContext& game, Palette& palette, int16_t level, bool instant, int16_t steps) {
    bool changed = false;
    if (instant) {
        const uint8_t v = static_cast<uint8_t>(level);
        for (Rgb& c : palette) c = Rgb{v, v, v};
    } else {
        auto toward = [&changed, level](uint8_t& c) {
            if (c != level) {
                if (c > level) --c;
                if (c < level) ++c;
                changed = true;
            }
        };
        for (int pass = 0; pass <= steps; ++pass) {
            for (Rgb& c : palette) {
                toward(c.r);
                toward(c.g);
                toward(c.b);
            }
        }
    }
    paletteSetEntries(game, game.engine.workPalette);
    return changed;
}

}  // namespace morvek
