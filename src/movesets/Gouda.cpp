// GOUDA's pattern table and body boxes.

#include "movesets/Gouda.h"

#include "battle/Character.h"
#include "engine/Basic.h"
#include "movesets/GoudaPatterns.h"

namespace morvek {

namespace gouda_patterns {

int16_t ruleArmRapidFire(Character& chara, int16_t, int16_t next, int16_t count) {
    chara.tmpCount = count;
    return next;
}

int16_t ruleRapidFireLoop(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    if (chara.tmpCount == 0) return exit;
    chara.tmpCount = cint16(chara.tmpCount - 1);
    return loopTo;
}

}  // namespace gouda_patterns

namespace {
constexpr int32_t kCellSize = 200;  // the sheet is 12 x 13 cells of 200 pixels
}  // namespace

void Gouda::AnimPattern(BattleContext&, Character& chara, Rect& srcRect) {
    srcRect = anim::evaluatePattern(gouda_patterns::kTable, chara, kCellSize);
}

void Gouda::HitFieldSet(BattleContext&, Character& chara) {
    anim::applyBodyBox(chara, gouda_patterns::kBodyBoxes);
}

}  // namespace morvek
