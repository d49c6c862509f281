#include "render/TypingFrame.h"

#include <algorithm>

#include "battle/Character.h"
#include "battle/BattleContext.h"

namespace morvek {

namespace {

constexpr int32_t kFrameSize = 64;
constexpr int32_t kFrameMaxX = 576;
constexpr int32_t kFrameMaxY = 416;
constexpr Rect kMissFrameCell{192, 192, 256, 256};

/// A glyph at (x, y) of nominal size w x h, grown by 10 px a side when flashing.
Rect glyphRect(int32_t x, int32_t y, int32_t w, int32_t h, bool flash) {
    const int32_t grow = flash ? 10 : 0;
    const int32_t l = x - grow, t = y - grow;
    return Rect{l, t, l + w + 2 * grow, t + h + 2 * grow};
}

/// A combo word's place beside the fighter: the facing side, 30 px further when facing
/// left, kept on screen horizontally.
Rect comboWordRect(int32_t cx, int32_t cy, int16_t offX, int16_t offY, int16_t dir,
                   bool flash) {
    int32_t x = cx + (offX + 70) * dir;
    if (dir == -1) x -= 30;
    Rect r = glyphRect(x, cy - 30 + offY, 60, 50, flash);
    const int32_t clamped = std::clamp(r.left, 0, kFrameMaxX);
    r.right += clamped - r.left;
    r.left = clamped;
    return r;
}

}  // namespace

Rect letterCell(int16_t letterNum, bool blue) {
    const int32_t column = Mod(letterNum - 1, 10);
    const int32_t row = static_cast<int32_t>(Int((letterNum - 1) / 10.0));
    return rectXYWH(40 * column, (blue ? 500 : 300) + 30 * row, 40, 30);
}

void drawTypingFrame(BattleContext& game, Character& chara, const Surface8& sheet, bool flash,
                     int16_t slot) {
    EngineState& e = game.engine;
    const auto& letters = game.battle.targetLetters;
    Surface8& dst = e.backBuffer;
    const double sx = game.battle.scrollX, sy = game.battle.scrollY;

    int16_t& blink = e.render.frameBlink;
    blink = cint16(blink + 1);
    if (blink > 2) blink = 0;
    const Rect frameCell = rectXYWH(64 * blink, 192, 64, 64);

    const int32_t fx = std::clamp(
        cint32(chara.posX + sx + chara.targetX + (chara.Width - 200) / 2.0), 0, kFrameMaxX);
    const int32_t fy = std::clamp(
        cint32(sy + chara.posY + chara.targetY + 2.0 * (chara.Height - 200) / 3.0), 0,
        kFrameMaxY);
    if (!flash && !chara.TPC) blit(dst, rectXYWH(fx, fy, kFrameSize, kFrameSize), sheet,
                                   frameCell, BlitKeyed);

    const int32_t cx = cint32(chara.posX + sx + chara.Width / 2.0 - 10);
    const int32_t cy = cint32(sy + chara.posY + chara.Height / 2.0);
    const int16_t dir = chara.dirStand;
    auto shows = [&](int16_t n) { return !flash || slot == n; };

    if (shows(1)) {
        const Rect r = chara.TPC ? comboWordRect(cx, cy, chara.word1stPosX, chara.word1stPosY,
                                                 dir, flash)
                                 : glyphRect(fx, fy, 40, 30, flash);
        blit(dst, r, sheet, letterCell(letters[0], false), BlitKeyed);
    }
    if (shows(2)) {
        const Rect r = chara.TPC ? glyphRect(cx - 50 * dir + chara.word2ndPosX,
                                             cy + 50 + chara.word2ndPosY, 40, 30, flash)
                                 : glyphRect(fx + 26, fy + 31, 40, 30, flash);
        blit(dst, r, sheet, letterCell(letters[1], true), BlitKeyed);
    }
    struct Word {
        int16_t x, y;
        bool shown;
    };
    const Word extra[6] = {
        {chara.word3rdPosX, chara.word3rdPosY, chara.word3rdDisp},
        {chara.word4thPosX, chara.word4thPosY, chara.word4thDisp},
        {chara.word5thPosX, chara.word5thPosY, chara.word5thDisp},
        {chara.word6thPosX, chara.word6thPosY, chara.word6thDisp},
        {chara.word7thPosX, chara.word7thPosY, chara.word7thDisp},
        {chara.word8thPosX, chara.word8thPosY, chara.word8thDisp},
    };
    for (int i = 0; i < 6; ++i) {
        const int16_t n = static_cast<int16_t>(i + 3);
        if (!extra[i].shown || !shows(n)) continue;
        blit(dst, comboWordRect(cx, cy, extra[i].x, extra[i].y, dir, flash), sheet,
             letterCell(letters[static_cast<size_t>(i + 2)], false), BlitKeyed);
    }

    if (slot < 0) {
        // The wrong letter, then the miss frame over it.
        blit(dst, glyphRect(fx + 10, fy + 15, 40, 30, flash), sheet,
             letterCell(static_cast<int16_t>(-slot), false), BlitKeyed);
        blit(dst, rectXYWH(fx, fy, kFrameSize, kFrameSize), sheet, kMissFrameCell, BlitKeyed);
    }
}

}  // namespace morvek
