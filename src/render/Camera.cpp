#include "render/Camera.h"

#include "battle/Servants.h"
#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/Dispatch.h"
#include "battle/BattleContext.h"
#include "render/Hud.h"

namespace morvek {

namespace {

/// The shadow cell of the common sheet and the ground line it is laid on.
constexpr Rect kShadowCell{0, 920, 170, 970};
constexpr double kShadowGround = 1870;

}  // namespace

void cameraAndBackground(BattleContext& game, const Character& p1, const Character& p2) {
    int16_t& sx = game.battle.scrollX;
    int16_t& sy = game.battle.scrollY;
    // Every test reads the scroll as the previous steps left it.
    auto x1 = [&] { return p1.posX + sx; };
    auto x2 = [&] { return p2.posX + sx; };
    auto y1 = [&] { return static_cast<double>(p1.posY) + sy; };
    auto y2 = [&] { return static_cast<double>(p2.posY) + sy; };
    const double bottom1 = kCameraBottomBase - p1.bottom;
    const double bottom2 = kCameraBottomBase - p2.bottom;

    if (x1() < kCameraLeftMargin) sx = cint16(kCameraLeftMargin - p1.posX);
    else if (x2() < kCameraLeftMargin && x1() < kCameraRightMargin)
        sx = cint16(kCameraLeftMargin - p2.posX);

    if (x1() > kCameraRightMargin) sx = cint16(kCameraRightMargin - p1.posX);
    else if (x2() > kCameraRightMargin && x1() > kCameraLeftMargin)
        sx = cint16(kCameraRightMargin - p2.posX);

    auto verticalTop = [&] {
        if (y1() < kCameraTopMargin) sy = cint16(kCameraTopMargin - p1.posY);
        else if (y2() < kCameraTopMargin && y1() < bottom1) sy = cint16(kCameraTopMargin - p2.posY);
    };
    verticalTop();
    if (y1() > bottom1) sy = cint16(bottom1 - p1.posY);
    else if (y2() > bottom2 && y1() > kCameraTopMargin) sy = cint16(bottom2 - p2.posY);
    verticalTop();

    if (x1() > kCameraRightMargin) sx = cint16(kCameraRightMargin - p1.posX);
    if (x1() < kCameraLeftMargin) sx = cint16(kCameraLeftMargin - p1.posX);

    if (sx > 0) sx = 0;
    if (sx < kScrollXMin) sx = kScrollXMin;
    if (sy > 0) sy = 0;
    if (sy < kScrollYMin) sy = kScrollYMin;

    // The stage covers the whole visible area, so it also erases the previous frame.
    EngineState& e = game.engine;
    blit(e.backBuffer, Rect{sx, sy, sx + 1400, sy + 2000}, e.backGroundSurface,
         e.backGroundSurface.bounds(), BlitCopy);
}

Rect charaShadowRect(const BattleContext& game, const Character& chara) {
    const double sx = game.battle.scrollX, sy = game.battle.scrollY;
    const double w = chara.Width;
    const double h = 200 - chara.posY / 8.0;
    const int32_t left = cint32(chara.posX + sx + w / 4 + h);
    const int32_t right = cint32(left + 3 * w / 5 - h);
    const int32_t top = cint32((sy + kShadowGround) + (40 - chara.posY / 50.0));
    const int32_t bottom = cint32((top + 10) - (40 - chara.posY / 30.0));
    return Rect{left, top, right, bottom};
}

void drawCharaShadow(BattleContext& game, const Character& chara, const Surface8& sheet) {
    // High above the ground the rectangle inverts; blit draws nothing for it.
    blit(game.engine.backBuffer, charaShadowRect(game, chara), sheet, kShadowCell, BlitKeyed);
}

void drawCharaSprite(BattleContext& game, Character& chara, Character& /*other*/, const Surface8& sheet) {
    Rect src{};
    animPatternDispatch(game, src, chara);
    const int32_t left = cint32(chara.posX + game.battle.scrollX);
    const int32_t top = game.battle.scrollY + chara.posY;
    const Rect dst{left, top, left + chara.Width, top + chara.Height};
    blit(game.engine.backBuffer, dst, sheet, src,
         BlitKeyed | (chara.dirStand == -1 ? BlitMirror : BlitCopy));
}

void servantFrame(BattleContext& game, Character& master, Character& opponent) {
    if (!(master.SPspacornTimer > 0 && hasServants(master.NUMBER))) return;
    servantDrawAll(game, master);
    if (game.battle.freezeFlag) return;
    servantTrailStep(game, master);
    servantAttackAll(game, master, opponent);
}

void drawFighters(BattleContext& game, Character& p1, Character& p2) {
    EngineState& e = game.engine;
    servantFrame(game, p1, p2);
    servantFrame(game, p2, p1);
    // The smaller absolute state is drawn last, on top; player 1 wins a tie.
    const int a1 = p1.sTate < 0 ? -p1.sTate : p1.sTate;
    const int a2 = p2.sTate < 0 ? -p2.sTate : p2.sTate;
    if (a2 >= a1) {
        drawCharaSprite(game, p2, p1, e.charaSurface2);
        drawCharaSprite(game, p1, p2, e.charaSurface1);
    } else {
        drawCharaSprite(game, p1, p2, e.charaSurface1);
        drawCharaSprite(game, p2, p1, e.charaSurface2);
    }
    p1.drawFlyArts(game, e.charaSurface1);
    p2.drawFlyArts(game, e.charaSurface2);
    drawStunMarks(game, p1, p2);
    p1.DrawAttackEffect(game);
    p2.DrawAttackEffect(game);
    drawZoomView(game, p1);
}

}  // namespace morvek
