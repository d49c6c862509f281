#include "render/Effects.h"

#include "battle/Character.h"
#include "battle/BattleContext.h"

namespace morvek {

namespace {

constexpr Rect kHitBoxCell{0, 1000, 100, 1100};

}  // namespace

void drawHitBoxes(BattleContext& game, const Character& p1, const Character& p2) {
    EngineState& e = game.engine;
    for (const Character* c : {&p1, &p2}) {
        const int32_t x = cint32(c->posX + game.battle.scrollX);
        const int32_t y = c->posY + game.battle.scrollY;
        const bool right = c->dirStand == 1;
        const int32_t l = x + (right ? c->hitFieldLeft : c->hitFieldRight);
        const int32_t r = x + c->Width - (right ? c->hitFieldRight : c->hitFieldLeft);
        const Rect box{l, y + c->hitFieldTop, r, y + c->Height - c->hitFieldBottom};
        blit(e.backBuffer, box, e.attackEffectSurface, kHitBoxCell, BlitKeyed);
    }
    drawAttackBox(game, p1);
}

void drawAttackBox(EngineContext& game, const Character& chara) {
    EngineState& e = game.engine;
    const Rect box{chara.ATFleft, chara.ATFtop, chara.ATFright, chara.ATFbottom};
    blit(e.backBuffer, box, e.attackEffectSurface, kHitBoxCell, BlitKeyed);
}

}  // namespace morvek
