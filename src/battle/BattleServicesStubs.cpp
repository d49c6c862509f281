// TEMPORARY minimal bodies of procedures that other modules own (effect, projectile and
// emblem drawing, the result screens' name table, servants), so the tree links
// before they land. Each owner: define the procedure in your module and delete its stub
// here; delete this file once it is empty.

#include "battle/BattleServices.h"

#include "battle/Character.h"
#include "engine/Game.h"

namespace morvek {

void drawFlyArtsSprite(Game& game, flyArts& fa, Character& owner, const Surface8& sheet) {
    Rect src{};
    owner.FlyArtsAnimPat(game, owner, src, fa);
    if (src.empty()) return;
    const Rect dst{fa.ATFleft + game.battle.scrollX, fa.ATFtop + game.battle.scrollY,
                   fa.ATFright + game.battle.scrollX, fa.ATFbottom + game.battle.scrollY};
    blit(game.engine.backBuffer, dst, sheet, src,
         BlitKeyed | (fa.dirStand == -1 ? BlitMirror : BlitCopy));
}

void drawSplite(Game&, Splite&) {}

void drawGradeEmblem(Game&, uint8_t, int16_t, int16_t, int16_t, int16_t, uint8_t) {}

std::string charaDispNameFromNumber(int16_t n) {
    static constexpr const char* kNames[] = {"MORVEKBOY", "GINZAMURAI", "NANGIEF",
                                             "HONEKAWA",  "GOUDA",      "INTERRUPTER",
                                             "G O D",     "G O D",      "BETABOY"};
    return (n >= 0 && n <= 8) ? kNames[n] : "";
}

void servantAttackEffectDraw(Game&, Character&) {}

}  // namespace morvek
