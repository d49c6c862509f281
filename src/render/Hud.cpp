#include "render/Hud.h"

#include <algorithm>

#include "battle/Character.h"
#include "battle/BattleContext.h"
#include "engine/Screen.h"
#include "render/Overlay.h"

namespace morvek {

namespace {


/// A bar edge or size computed from a fractional gauge, stored as the 16-bit value the
/// fill receives.
int16_t px(double v) { return cint16(v); }

/// Digit d of the strip shared by the combo counter and the spacorn stock.
void blitDigit(EngineContext& game, int32_t d, double x, double y, double w, int16_t h) {
    blitSheet(game, cint16(40.0 * d), 420, 40, 30, x, y, w, h);
}

void drawVitality(EngineContext& game, const Character& p1, const Character& p2) {
    const double v1 = p1.viTality, v2 = p2.viTality;
    if (v1 == kFullVitality) fillRect(game, 31, 27, 287, 59, 44);
    if (v2 == kFullVitality) fillRect(game, 351, 27, 607, 59, 44);
    fillRect(game, px(286 - v1), 28, 286, 58, 46);
    fillRect(game, 352, 28, px(352 + v2), 58, 46);
    fillRect(game, px(286 - v1 - p1.TotalDamage), 28, px(286 - v1), 58, 51);
    fillRect(game, px(352 + v2), 28, px(352 + v2 + p2.TotalDamage), 58, 51);
    fillRect(game, px(286 - v1 - p1.OneHitDamage), 28, px(286 - v1), 58, 176);
    fillRect(game, px(352 + v2), 28, px(352 + v2 + p2.OneHitDamage), 58, 176);
}

void drawStun(EngineContext& game, const Character& p1, const Character& p2) {
    fillRect(game, px(286 - p1.stunPointMax), 63, 287, 66, 0);
    fillRect(game, 351, 63, px(351 + p2.stunPointMax), 66, 0);
    // A gauge above its maximum inverts the rectangle, which fills nothing.
    fillRect(game, px(286 - p1.stunPointMax + p1.stunGauge), 63, 286, 66, 33);
    fillRect(game, 351, 63, px(351 + p2.stunPointMax - p2.stunGauge), 66, 33);
    if (game.engine.render.hudBlink == 3) return;
    if (p2.stunSwitch == stunStunned || p2.stunSwitch == stunDizzy)
        blitSheet(game, 0, 61, 150, 36, 350, 60, 100, 18);
    if (p1.stunSwitch == stunStunned || p1.stunSwitch == stunDizzy)
        blitSheet(game, 0, 61, 150, 36, 195, 60, 100, 18);
}

/// One spacorn gauge: player 1's from the left edge, player 2's mirrored about the
/// right edge by its coordinates (no mirrored blit).
void drawSpacorn(EngineContext& game, Character& c, bool left) {
    const int32_t max = c.spacornGaugeMax;
    const double frameX = left ? 20 : 605 - max;
    auto frame = [&] { blitSheet(game, 0, 0, 140, 20, frameX, 420, max + 15, 20); };
    frame();
    if (left) fillRect(game, 29, 428, px(29 + c.spacornGauge), 432, 176);
    else fillRect(game, px(615 - c.spacornGauge), 428, 615, 432, 176);
    if (c.spacornCount != 0) blitDigit(game, c.spacornCount, left ? max : 610 - max, 400, 40, 30);
    if (c.spacornGauge >= c.ExArtsConsumption || c.spacornCount != 0)
        blitSheet(game, 261, 1, 28, 28,
                  left ? c.ExArtsConsumption + 18 : 615 - c.ExArtsConsumption, 410, 20, 40);
    if (c.spacornCount == c.spacornCountMax)
        blitSheet(game, 0, 101, 150, 36, left ? 100 : 390, 420, 150, 36);
    if (c.SPspacornTimer > 0) {
        frame();
        const double t = c.SPspacornTimer;
        if (left) fillRect(game, 29, 428, px(29 + t), 432, 228);
        else fillRect(game, px(615 - t), 428, 615, 432, 228);
        // The gauge does not fill while the mode runs.
        c.spacornGauge = 0;
    }
}

void drawOneCombo(EngineContext& game, Character& attacker, Character& victim, bool fromLeft) {
    if (!(victim.comboCount > 1)) return;
    if (attacker.MaxComboCount < victim.comboCount) attacker.MaxComboCount = victim.comboCount;
    if (victim.comboTimer < 241) victim.comboTimer = cint16(victim.comboTimer + 20);
    const int32_t t = victim.comboTimer;
    const int32_t n = victim.comboCount;
    const int32_t x1 = fromLeft ? t - 250 : 670 - t;
    const int32_t x2 = fromLeft ? t - 190 : 730 - t;
    const int32_t x3 = fromLeft ? t - 120 : 800 - t;
    if (n / 100 != 0) blitDigit(game, (n / 100) % 10, x1, 100, 40, 40);
    if (n / 10 != 0) blitDigit(game, (n / 10) % 10, x1, 100, 100, 100);
    blitDigit(game, n % 10, x2, 100, 100, 100);
    blitSheet(game, 1428, 40, 80, 40, x3, 160, 80, 40);
}

}  // namespace

void drawGauges(EngineContext& game, Character& p1, Character& p2) {
    int16_t& blink = game.engine.render.hudBlink;
    blink = cint16(blink + 1);
    if (blink == 4) blink = 0;
    blitSheet(game, 690, 60, 640, 80, 0, 0, 640, 80);
    drawVitality(game, p1, p2);
    drawStun(game, p1, p2);
    drawSpacorn(game, p1, true);
    drawSpacorn(game, p2, false);
}

void drawComboCounter(EngineContext& game, Character& p1, Character& p2) {
    drawOneCombo(game, p1, p2, true);
    drawOneCombo(game, p2, p1, false);
}

void drawStunMarks(BattleContext& game, const Character& p1, const Character& p2) {
    if (p1.stunSwitch == stunDizzy) drawStunStar(game, p1);
    if (p2.stunSwitch == stunDizzy) drawStunStar(game, p2);
}

void drawStunStar(BattleContext& game, const Character& chara) {
    RenderState& r = game.engine.render;
    static constexpr int32_t kStarX[3] = {1561, 1599, 1637};
    const int32_t sx = kStarX[std::clamp<int>(r.starFrame, 0, 2)];
    const Rect src{sx, 831, sx + 37, 858};
    r.starHold = cint16(r.starHold + 1);
    if (r.starHold > 4) {
        r.starHold = 0;
        r.starFrame = cint16(r.starFrame + 1);
        if (r.starFrame > 2) r.starFrame = 0;
    }
    const int32_t left = cint32(chara.posX + game.battle.scrollX + chara.Width / 2.0 - 25);
    const int32_t top = cint32(game.battle.scrollY + chara.posY + chara.Height / 2.0 - 50);
    blit(game.engine.backBuffer, rectXYWH(left, top, 50, 40), game.engine.attackEffectSurface,
         src, BlitKeyed);
}

Rect zoomCrop(const BattleContext& game, const Character& chara, int16_t level) {
    int32_t x = cint32(chara.posX + game.battle.scrollX);
    if (chara.dirStand == -1) x -= 100;
    x = std::clamp(x, 0, 320);
    const int32_t y = std::clamp(game.battle.scrollY + chara.posY - 40, 0, 240);
    Rect crop{x, y, x + 640 - 32 * level, y + 480 - 24 * level};
    if (crop.right > 640) {
        crop.left -= crop.right - 640;
        crop.right = 640;
    }
    if (crop.bottom > 480) {
        crop.top -= crop.bottom - 480;
        crop.bottom = 480;
    }
    return crop;
}

void drawZoomView(BattleContext& game, const Character& chara) {
    int16_t& level = game.engine.render.zoomLevel;
    if (!game.battle.freezeFlag) {
        if (level < chara.zoomCount) level = cint16(level + 1);
        if (level > chara.zoomCount) level = cint16(level - 1);
    }
    if (level == 0) return;  // the crop is the whole screen: the picture stays as it is
    const Rect crop = zoomCrop(game, chara, level);
    // From level 20 on there is nothing left to enlarge.
    if (crop.empty()) return;
    blitSelf(game.engine.backBuffer, Rect{0, 0, 640, 480}, crop);
}

}  // namespace morvek
