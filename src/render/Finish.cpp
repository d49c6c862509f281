#include "render/Finish.h"

#include <algorithm>
#include <string>

#include "battle/Character.h"
#include "battle/StateOfStage.h"
#include "battle/BattleContext.h"
#include "engine/Screen.h"
#include "engine/System.h"
#include "render/Camera.h"
#include "render/Overlay.h"

namespace morvek {

namespace {


/// A 40x30 cell of the common sheet drawn w x h at (x, y).
void cell(EngineContext& game, int16_t sx, int32_t sy, int16_t w, int16_t h, int32_t x, int32_t y) {
    blitSheet(game, sx, sy, 40, 30, x, y, w, h);
}

}  // namespace

void drawKOGraphic(EngineContext& game, uint8_t k) {
    const int32_t n = cint32(k / 3.0);
    screenClear(game, 0);
    const Rect src = rectXYWH(1701 + 126 * (n % 5), 1951 + 126 * (n / 5), 124, 124);
    const int32_t g = 10 * k;
    blit(game.engine.backBuffer, Rect{-g, -g, 640 + g, 480 + g}, game.engine.attackEffectSurface,
         src, BlitKeyed);
}

void drawFinishArtsName(EngineContext& game, const StateOfStage& stage) {
    if (stage.winPlayer != kDoubleKO)
        drawText(game, 280 - 20 * Len(stage.FinishArts), 280, stage.FinishArts + " ");
    else
        drawText(game, 100, 280, "DOUBLE K.O");
}

void drawFinishArtsLabel(EngineContext& game, const StateOfStage& stage) {
    if (stage.winPlayer == kDoubleKO) return;
    textFontSet(game, 15, RGB(255, 0, 0));
    drawText(game, 150, stage.KOslow != 0 ? 255 : 155, "FINISH ARTS");
}

void drawFinishSequence(BattleContext& game, StateOfStage& stage, Character& p1, Character& p2) {
    int32_t k = 0;  // a byte: never passes 255 below
    int32_t size = 30;
    int32_t extra = 0;
    if (stage.spFinish) size = std::max(75 - 5 * Len(stage.FinishArts), 30);

    if (stage.KOslow != 0) {
        blitSheet(game, 750, 180, 480, 110, 80, 160, 480, 110);
        while (stage.finishStop != 0) {
            frameStart(game);
            if (stage.spFinish) {
                if (k < 63) {
                    drawKOGraphic(game, static_cast<uint8_t>(k));
                    game.battle.freezeFlag = true;
                    drawFighters(game, p1, p2);
                    extra = 25;
                }
                if (k > 50 && k < 240) {
                    ++k;
                    --extra;
                }
            }
            stage.finishStop = cint16(stage.finishStop - 1);
            textFontSet(game, cint16(size), RGB(cbyte(k / 2.0), cbyte(k / 3.0), cbyte(k)));
            ++k;
            if (k == 100) k = 200;
            if (k > 254) {
                k = 0;
                stage.finishStop = 0;
                game.battle.freezeFlag = false;
            }
            if (k > 40) {
                drawFinishArtsName(game, stage);
                drawFinishArtsLabel(game, stage);
            }
            screenFlip(game);
            if (extra > 0) frameWait(game, static_cast<uint32_t>(extra));
        }
        textFontSet(game, cint16(size), RGB(0, 0, 255));
        drawFinishArtsName(game, stage);
        drawFinishArtsLabel(game, stage);
        return;
    }

    textFontSet(game, cint16(Int(0.75 * size)), RGB(0, 0, 200));
    if (stage.winPlayer != kDoubleKO) {
        drawText(game, 200 - 10 * Len(stage.FinishArts), 100, stage.FinishArts + " ");
        if (p1.viTality == kFullVitality || p2.viTality == kFullVitality) {
            blinkFontSet(game, 10, RGB(0, 255, 128));
            drawText(game, 150, 200, "P E R F E C T");
        }
    } else {
        drawText(game, 50, 100, "DOUBLE K.O");
    }
    drawFinishArtsLabel(game, stage);
}

void drawWinMark(EngineContext& game, uint8_t kind, int16_t x) {
    struct Mark {
        int16_t sx, sy, w, h;
    };
    static constexpr Mark kMarks[5] = {{1683, 837, 68, 60},
                                       {400, 360, 40, 30},
                                       {400, 300, 40, 30},
                                       {400, 330, 40, 30},
                                       {400, 500, 40, 30}};
    if (kind > 4) return;
    const Mark& m = kMarks[kind];
    blitSheet(game, m.sx, m.sy, m.w, m.h, x, 70, 30, 30);
}

void drawWinLamps(EngineContext& game, const Character& p1, const Character& p2,
                  const StateOfStage& stage) {
    const bool five = stage.maxRoundCount == 1;
    for (int32_t x : {260, 230}) cell(game, 400, 420, 20, 10, x, 80);
    if (five) cell(game, 400, 420, 20, 10, 200, 80);
    for (int32_t x : {360, 390}) cell(game, 400, 420, 20, 10, x, 80);
    if (five) cell(game, 400, 420, 20, 10, 420, 80);
    static constexpr int16_t kX1[3] = {255, 225, 195};
    static constexpr int16_t kX2[3] = {355, 385, 415};
    for (int i = 1; i <= 3 && i <= p1.winCount; ++i)
        drawWinMark(game, p1.returningHowtoWin(static_cast<uint8_t>(i)), kX1[i - 1]);
    for (int i = 1; i <= 3 && i <= p2.winCount; ++i)
        drawWinMark(game, p2.returningHowtoWin(static_cast<uint8_t>(i)), kX2[i - 1]);
}

void drawGradeEmblem(EngineContext& game, uint8_t grade, int16_t w, int16_t h, int16_t x, int16_t y,
                     uint8_t mode) {
    int plus = 0;
    auto at = [&](int16_t sx, int32_t sy, int32_t off) { cell(game, sx, sy, w, h, x + off, y); };
    if (grade == 0) at(240, 700, 0);
    else if (grade == 1) at(200, 700, 0);
    else if (grade == 2) at(160, 700, 0);
    else if (grade == 3) at(120, 500, 0);
    else if (grade <= 5) { at(80, 500, 0); plus = grade - 4; }
    else if (grade <= 7) { at(40, 500, 0); plus = grade - 6; }
    else if (grade <= 9) { at(0, 300, 0); plus = grade - 8; }
    else if (grade <= 11) { at(320, 330, 0); plus = grade - 10; }
    else if (grade <= 14) { at(320, 330, -10); at(320, 330, 10); plus = grade - 12; }
    else if (grade <= 18) {
        at(320, 330, -20);
        at(320, 330, 0);
        at(320, 330, 20);
        plus = grade - 15;
    } else if (grade <= 22) {
        at(120, 560, -10);
        at(320, 330, 10);
        plus = grade - 19;
    } else if (mode == 1) {
        at(80, 330, -30);
        at(160, 530, 0);
        at(120, 300, 27);
    } else {
        blitSheet(game, 461, 1206, 120, 140, x - 40, y - 40, 120, 140);
    }
    const int32_t s = mode == 2 ? 10 : 0;
    static constexpr int32_t kPlusX[3] = {40, 52, 64};
    for (int i = 0; i < plus; ++i)
        cell(game, 400, 390, w, h, x + kPlusX[i] + (i + 1) * s, y + 5 + s);
}

}  // namespace morvek
