#include "render/Overlay.h"

#include <string>

#include "battle/MatchHooks.h"
#include "battle/MoveSet.h"
#include "battle/Character.h"
#include "battle/StateOfStage.h"
#include "battle/Damage.h"
#include "battle/Dispatch.h"
#include "battle/BattleContext.h"
#include "engine/Screen.h"
#include "engine/System.h"
#include "render/Finish.h"

namespace morvek {

namespace {

/// Big timer digits sit one strip below the small ones.
constexpr int32_t kSmallDigitRow = 420;
constexpr int32_t kBigDigitRow = 450;

Rect digitCell(int32_t d, int32_t row) { return rectXYWH(40 * d, row, 40, 30); }

void blitDigit(EngineContext& game, int32_t d, int32_t row, const Rect& dst) {
    blit(game.engine.backBuffer, dst, game.engine.attackEffectSurface, digitCell(d, row),
         BlitKeyed);
}

/// The round banner: 10 < wholeTimer < 50.
void drawRoundBanner(EngineContext& game, const StateOfStage& stage) {
    if (!(stage.wholeTimer > 10 && stage.wholeTimer < 50)) return;
    blitSheet(game, 730, 450, 252, 88, 80, 160, 352, 48);
    const int32_t n = stage.roundCount + 1;
    blitSheet(game, cint16(40.0 * n), 420, 40, 30, 480, 100, 82, 148);
}

/// The fight banner: 50 < wholeTimer < 100, centred on (320, 160).
void drawFightBanner(EngineContext& game, const StateOfStage& stage) {
    const int32_t w = stage.wholeTimer;
    if (!(w > 50 && w < 100)) return;
    int16_t sx = 1;
    int32_t sy = 1601;
    if (w <= 53) sy = 1401;
    else if (w <= 57) { sx = 301; sy = 1401; }
    if (w < 80) {
        const int32_t k = 5 * (50 - w);
        blitSheet(game, sx, sy, 298, 198, k, 0, 640 - 2 * k, 320);
    } else {
        const int32_t k = 3 * (50 - w);
        blitSheet(game, sx, sy, 298, 198, k, -k, 640 - 2 * k, cint16(320 + 2 * k));
    }
}

void drawNames(EngineContext& game, const Character& p1, const Character& p2) {
    textFontItalicSet(game, true);
    textFontSet(game, 12, RGB(0, 200, 250));
    drawText(game, 35, 60, p1.charaDispname);
    drawText(game, 620 - 12 * p2.nameWidth, 60, p2.charaDispname);
    textFontItalicSet(game, false);
}

void drawArcadeInfo(BattleContext& game, StateOfStage& stage, Character& p1, Character& p2) {
    drawWinLamps(game, p1, p2, stage);
    const std::string score = std::to_string(game.engine.gameScore);
    textFontSet(game, 15, RGB(0, 128, 255));
    drawText(game, 240 - 13 * Len(score), 5, score);
    // The game clock, written without a space after " m".
    const PlayTime t = playTimeOf(stage.totalGameTime);
    const std::string clock =
        std::to_string(t.minutes) + " m" + std::to_string(t.seconds) + " s";
    textFontSet(game, 15, RGB(255, 0, 0));
    drawText(game, 540, 440, clock);
    drawComboBonus(game);
}

void drawTrainingInfo(EngineContext& game, const Character& p1, const Character& p2) {
    RenderState& r = game.engine.render;
    if (p2.comboCount > 0) {
        r.trainingCombo[0] = p2.comboCount;
        r.trainingOneHit[0] = p2.OneHitDamage;
        r.trainingTotal[0] = p2.TotalDamage;
    }
    if (p1.comboCount > 0) {
        r.trainingCombo[1] = p1.comboCount;
        r.trainingOneHit[1] = p1.OneHitDamage;
        r.trainingTotal[1] = p1.TotalDamage;
    }
    textFontSet(game, 12, RGB(0, 200, 250));
    for (int i = 0; i < 2; ++i) {
        const int32_t x = i == 0 ? 50 : 400;
        drawText(game, x, 160, "COMBO COUNT   " + std::to_string(r.trainingCombo[i]));
        drawText(game, x, 180, "1HIT DAMAGE   " + std::to_string(r.trainingOneHit[i]));
        drawText(game, x, 200, "TOTAL DAMAGE   " + std::to_string(r.trainingTotal[i]));
    }
    drawText(game, 400, 10, "PRESS F1 CALL MENU");
}

}  // namespace

void blitSheet(EngineContext& game, int16_t sx, double sy, double sw, double sh, double dx, double dy,
               double dw, int16_t dh, bool mirror) {
    const int32_t top = cint32(sy);
    const Rect src{sx, top, sx + cint32(sw), top + cint32(sh)};
    const int32_t left = cint32(dx);
    const int32_t dtop = cint32(dy);
    const Rect dst{left, dtop, left + cint32(dw), dtop + dh};
    blit(game.engine.backBuffer, dst, game.engine.attackEffectSurface, src,
         BlitKeyed | (mirror ? BlitMirror : BlitCopy));
}

void drawRoundTimer(EngineContext& game, const StateOfStage& stage) {
    // Int is floor and Mod keeps the dividend's sign: below zero every digit is negative.
    const int32_t r = stage.roundTimer;
    const int32_t d1 = static_cast<int32_t>(Int(r / 1000.0));
    const int32_t d2 = Mod(Int(r / 100.0), 10);
    const int32_t d3 = Mod(Int(r / 10.0), 10);
    const int32_t d4 = Mod(r, 10);
    if (d1 > 0) blitDigit(game, d1, kBigDigitRow, Rect{290, 10, 320, 60});
    const int32_t x = d1 > 0 ? 320 : 305;
    blitDigit(game, d2, kBigDigitRow, Rect{x, 10, x + 30, 60});
    if (d1 == 0) {
        blitDigit(game, d3, kSmallDigitRow, Rect{322, 30, 342, 60});
        blitDigit(game, d4, kSmallDigitRow, Rect{335, 30, 355, 60});
    }
}

void blinkFontSet(EngineContext& game, int16_t size, Rgb colour) {
    uint8_t& phase = game.engine.render.blinkPhase;
    if (phase > 3) phase = 0;
    phase = static_cast<uint8_t>(phase + 1);
    textFontSet(game, size, phase == 1 ? RGB(255, 255, 255) : colour);
}

void drawStageOverlay(BattleContext& game, StateOfStage& stage, Character& p1, Character& p2) {
    drawRoundBanner(game, stage);
    drawFightBanner(game, stage);
    if (stage.enterKey) {
        drawPromptIcon(game, 540, 400);
        stage.enterKey = false;
    }
    const bool bothAlive = p1.viTality > 0 && p2.viTality > 0;
    if (stage.ABSStop != 0 && stage.roundFinish && bothAlive) {
        textFontSet(game, 20, RGB(255, 0, 0));
        drawText(game, 220, 220, "TIME OVER");
    }
    drawNames(game, p1, p2);
    const PlayMode mode = game.engine.playMode;
    if (mode == PlayMode::Arcade) drawArcadeInfo(game, stage, p1, p2);
    if (mode == PlayMode::Training) drawTrainingInfo(game, p1, p2);
    if (MoveSet* boss = moveSetOf(game, p2)) boss->SpeechDraw(game, stage, p1, p2);
    if (stage.IsTimerINFINITY(game, p2.NUMBER)) {
        blitSheet(game, 400, 450, 40, 30, 292, 10, 60, 50);
    } else {
        drawRoundTimer(game, stage);
    }
    if (game.engine.playMode == PlayMode::Pause && game.hooks) game.hooks->trainingPauseMenu(game);
    if (stage.roundFinish && !bothAlive) drawFinishSequence(game, stage, p1, p2);
}

}  // namespace morvek
